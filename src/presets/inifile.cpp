#include "presets/inifile.h"

#include "base/bmpfile.h"
#include "base/errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMultiHash>
#include <QSet>
#include <QStringDecoder>
#include <algorithm>
#include <limits>
#include <sys/stat.h>

namespace mottler {
namespace {

/// Preset files are a few hundred kilobytes at most; anything far larger is not one, and
/// reading it whole would only exhaust memory.
constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

bool IsAscii(std::string_view raw) {
    return std::all_of(raw.begin(), raw.end(), [](char c) { return (c & 0x80) == 0; });
}

/// Lines are UTF-8 when they decode as such; anything else is taken as Latin-1, the nearest
/// match for files written by older programs, so every byte sequence reads as some text.
QString DecodeLine(std::string_view view) {
    const QByteArrayView raw(view.data(), static_cast<qsizetype>(view.size()));
    if (IsAscii(view))
        return QString::fromLatin1(raw);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(raw);
    return utf8.hasError() ? QString::fromLatin1(raw) : text;
}

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

/// Names in first-come order, each once without regard to case. Beside the list only a hash
/// per name is kept, so a file of a million sections costs little more than the names.
class DistinctNames {
public:
    void Add(QString name) {
        const std::size_t hash = qHash(name.toCaseFolded());
        for (auto it = byHash.constFind(hash); it != byHash.cend() && it.key() == hash; ++it)
            if (SameName(names[*it], name))
                return;
        byHash.insert(hash, names.size());
        names.append(std::move(name));
    }
    QStringList Take() { return std::move(names); }

private:
    QStringList names;
    QMultiHash<std::size_t, qsizetype> byHash;
};

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

int DigitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int digit = 99;
    if (u >= u'0' && u <= u'9')
        digit = u - u'0';
    else if (u >= u'a' && u <= u'f')
        digit = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        digit = u - u'A' + 10;
    return digit < base ? digit : -1;
}

bool HasLineBreak(const QString& text) {
    return text.contains(u'\n') || text.contains(u'\r');
}

void CheckName(const QString& name, const QString& what) {
    if (name.isEmpty() || HasLineBreak(name))
        throw MottlerError(QCoreApplication::translate(
                               "mottler::IniFile", "The %1 \"%2\" cannot be stored in an INI file.")
                               .arg(what, name));
}

/// Throws unless the (trimmed) names and the value can be written and read back unchanged.
void CheckEntry(const QString& sectionName, const QString& keyName, const QString& value) {
    CheckName(sectionName, QCoreApplication::translate("mottler::IniFile", "section name"));
    CheckName(keyName, QCoreApplication::translate("mottler::IniFile", "key name"));
    if (keyName.contains(u'=') || keyName.startsWith(u'['))
        throw MottlerError(
            QCoreApplication::translate("mottler::IniFile",
                                        "The key name \"%1\" cannot be stored in an INI file.")
                .arg(keyName));
    if (HasLineBreak(value))
        throw MottlerError(
            QCoreApplication::translate("mottler::IniFile",
                                        "The value of \"%1\" holds a line break, which an INI "
                                        "file cannot store.")
                .arg(keyName));
}

/// The bytes of the file (none when it does not exist). Throws MottlerError when it exists
/// but cannot be read or is too large to be an INI file.
QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return {};
    if (file.size() > MaxFileBytes)
        throw MottlerError(
            QCoreApplication::translate("mottler::IniFile",
                                        "The file \"%1\" is too large to be an INI file.")
                .arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw MottlerError(
            QCoreApplication::translate("mottler::IniFile", "Could not read \"%1\": %2.")
                .arg(path, file.errorString()));
    // A buffer of the file's own size: reading asks for the whole allowance at once. A pipe
    // has no size and may give up to the allowance.
    const QByteArray bytes = file.read(file.isSequential() ? MaxFileBytes : file.size());
    if (file.error() != QFileDevice::NoError)
        throw MottlerError(
            QCoreApplication::translate("mottler::IniFile", "Could not read \"%1\": %2.")
                .arg(path, file.errorString()));
    return bytes;
}

/// Holds "<file>.lock" while it lives, so that writers of the file take turns. Where no lock
/// file can be made at all (a folder we may not write to) the file is written without one,
/// and the write reports what stops it.
class WriterLock {
public:
    explicit WriterLock(const QString& path) : lock(path + QStringLiteral(".lock")) {
        if (lock.tryLock(LockWaitMs) || lock.error() != QLockFile::LockFailedError)
            return;
        throw MottlerError(
            QCoreApplication::translate("mottler::IniFile",
                                        "Could not write \"%1\": another program is writing "
                                        "it (its lock file \"%1.lock\" is held).")
                .arg(path));
    }

private:
    /// Writers hold the lock for one write of a small file; a lock held this long belongs to a
    /// program that hangs.
    static constexpr int LockWaitMs = 10000;
    QLockFile lock;
};

} // namespace

IniFile::IniFile(QString path) : filePath(std::move(path)) {
    Read();
}

IniFile::Stamp IniFile::StampOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    const auto nanoseconds = [](const timespec& t) {
        return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
    };
    return {true,
            quint64(info.st_dev),
            quint64(info.st_ino),
            qint64(info.st_size),
            nanoseconds(info.st_mtim),
            nanoseconds(info.st_ctim)};
}

void IniFile::Read() {
    const Stamp stamp = StampOf(filePath);
    const QByteArray bytes = ReadFileBytes(filePath);
    // Only a file read whole replaces what the object holds: a failed read keeps it.
    source.clear();
    written.clear();
    lines.clear();
    Parse(bytes);
    readStamp = stamp;
}

bool IniFile::ReloadIfChanged() {
    if (StampOf(filePath) == readStamp)
        return false;
    Read();
    return true;
}

IniFile IniFile::ReadExisting(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        throw MottlerError(
            QCoreApplication::translate("mottler::IniFile", "The file \"%1\" does not exist.")
                .arg(path));
    if (info.isDir())
        throw MottlerError(
            QCoreApplication::translate("mottler::IniFile", "\"%1\" is a folder, not a file.")
                .arg(path));
    return IniFile(path);
}

void IniFile::Parse(const QByteArray& bytes) {
    source = bytes;
    lines.reserve(source.count('\n') + 1);
    const char* const data = source.constData();
    qsizetype start = 0;
    while (start < source.size()) {
        qsizetype end = source.indexOf('\n', start);
        if (end < 0)
            end = source.size();
        qsizetype length = end - start;
        if (length > 0 && data[end - 1] == '\r')
            --length;
        // A view into `source`, which lives as long as this object: no copy per line.
        lines.append(
            {start, static_cast<qint32>(length), KindOf({data + start, std::size_t(length)})});
        start = end + 1;
    }
}

IniFile::LineKind IniFile::KindOf(std::string_view raw) {
    // A section header is "[" ... "]" once trimmed; a key line holds "=" after a first
    // character that is not a blank. Plain ASCII lines, nearly all of them, are classified
    // on their bytes; others on their decoded text, whose blanks include more characters.
    if (!IsAscii(raw)) {
        const QString text = DecodeLine(raw).trimmed();
        if (text.startsWith(u'[') && text.lastIndexOf(u']') > 0)
            return LineKind::Section;
        return text.indexOf(u'=') > 0 ? LineKind::Key : LineKind::Other;
    }
    std::size_t first = 0;
    while (first < raw.size() && IsBlank(raw[first]))
        ++first;
    const std::size_t close = raw.rfind(']'), equals = raw.find('=');
    if (first < raw.size() && raw[first] == '[' && close != raw.npos && close > first)
        return LineKind::Section;
    return equals != raw.npos && equals > first ? LineKind::Key : LineKind::Other;
}

std::string_view IniFile::Raw(const Line& line) const {
    const QByteArray& bytes = line.Start >= 0 ? source : written[-1 - line.Start];
    const qsizetype at = line.Start >= 0 ? line.Start : 0;
    return {bytes.constData() + at, static_cast<std::size_t>(line.Length)};
}

bool IniFile::IsBlankLine(const Line& line) const {
    const std::string_view raw = Raw(line);
    return std::all_of(raw.begin(), raw.end(), IsBlank);
}

IniFile::Entry IniFile::Decode(const Line& line) const {
    const QString text = DecodeLine(Raw(line)).trimmed();
    if (line.Kind == LineKind::Section)
        return {text.mid(1, text.lastIndexOf(u']') - 1).trimmed(), {}};
    if (line.Kind == LineKind::Other)
        return {};
    const qsizetype equals = text.indexOf(u'=');
    return {text.left(equals).trimmed(), text.mid(equals + 1).trimmed()};
}

IniFile::Line IniFile::MakeLine(const QString& text) {
    // Lines a failed batch leaves behind stay here unused; they are few and small.
    written.append(text.toUtf8());
    const QByteArray& raw = written.last();
    return {-written.size(), static_cast<qint32>(raw.size()),
            KindOf({raw.constData(), std::size_t(raw.size())})};
}

bool IniFile::IsSectionNamed(const Line& line, const QString& name,
                             std::string_view asciiName) const {
    const std::string_view raw = Raw(line);
    if (asciiName.empty() || !IsAscii(raw))
        return SameName(NameOf(line), name);
    // The common case without decoding: plain ASCII on both sides, compared byte by byte.
    std::size_t first = raw.find('[') + 1, last = raw.rfind(']');
    while (first < last && IsBlank(raw[first]))
        ++first;
    while (last > first && IsBlank(raw[last - 1]))
        --last;
    // The counted comparison: a name may hold NUL bytes, where a C-string one would stop.
    const auto length = static_cast<qsizetype>(asciiName.size());
    return last - first == asciiName.size() &&
           qstrnicmp(raw.data() + first, length, asciiName.data(), length) == 0;
}

IniFile::Range IniFile::FindSection(const QString& section) const {
    const QString name = section.trimmed();
    const QByteArray latin1 = name.toLatin1();
    const bool ascii = !name.isEmpty() &&
                       IsAscii({latin1.constData(), std::size_t(latin1.size())}) &&
                       QString::fromLatin1(latin1) == name;
    const std::string_view asciiName =
        ascii ? std::string_view(latin1.constData(), std::size_t(latin1.size()))
              : std::string_view();
    Range range;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].Kind != LineKind::Section)
            continue;
        if (range.Found()) {
            range.End = i;
            return range;
        }
        if (IsSectionNamed(lines[i], name, asciiName))
            range.Header = i;
    }
    if (range.Found())
        range.End = lines.size();
    return range;
}

qsizetype IniFile::FindKey(const Range& range, const QString& key) const {
    const QString name = key.trimmed();
    for (qsizetype i = range.Header + 1; i < range.End; ++i)
        if (lines[i].Kind == LineKind::Key && SameName(NameOf(lines[i]), name))
            return i;
    return -1;
}

QStringList IniFile::SectionNames() const {
    DistinctNames names;
    for (const Line& line : lines)
        if (line.Kind == LineKind::Section)
            names.Add(NameOf(line));
    return names.Take();
}

bool IniFile::SectionExists(const QString& section) const {
    return FindSection(section).Found();
}

QStringList IniFile::KeyNames(const QString& section) const {
    DistinctNames names;
    const Range range = FindSection(section);
    for (qsizetype i = range.Header + 1; range.Found() && i < range.End; ++i)
        if (lines[i].Kind == LineKind::Key)
            names.Add(NameOf(lines[i]));
    return names.Take();
}

QHash<QString, QString> IniFile::SectionValues(const QString& section) const {
    QHash<QString, QString> values;
    const Range range = FindSection(section);
    for (qsizetype i = range.Header + 1; range.Found() && i < range.End; ++i)
        if (lines[i].Kind == LineKind::Key) {
            Entry entry = Decode(lines[i]);
            const QString key = entry.Name.toCaseFolded();
            if (!values.contains(key))
                values.insert(key, std::move(entry.Value));
        }
    return values;
}

QList<IniSection> IniFile::Sections() const {
    QList<IniSection> sections;
    QSet<QString> seenSections, seenKeys;
    bool counted = false; // whether the keys under the current header count
    for (const Line& line : lines) {
        if (line.Kind == LineKind::Section) {
            const QString name = NameOf(line);
            counted = !seenSections.contains(name.toCaseFolded());
            if (counted) {
                seenSections.insert(name.toCaseFolded());
                seenKeys.clear();
                sections.append({name, {}});
            }
        } else if (line.Kind == LineKind::Key && counted) {
            Entry entry = Decode(line);
            if (!seenKeys.contains(entry.Name.toCaseFolded())) {
                seenKeys.insert(entry.Name.toCaseFolded());
                sections.last().Entries.append({entry.Name, entry.Value});
            }
        }
    }
    return sections;
}

bool IniFile::KeyExists(const QString& section, const QString& key) const {
    const Range range = FindSection(section);
    return range.Found() && FindKey(range, key) >= 0;
}

QString IniFile::ReadString(const QString& section, const QString& key,
                            const QString& fallback) const {
    const Range range = FindSection(section);
    const qsizetype at = range.Found() ? FindKey(range, key) : -1;
    return at >= 0 ? Decode(lines[at]).Value : fallback;
}

bool IniFile::ParseInteger(const QString& text, int& value) {
    QStringView digits = QStringView(text).trimmed();
    bool negative = false;
    if (!digits.isEmpty() && (digits[0] == u'-' || digits[0] == u'+')) {
        negative = digits[0] == u'-';
        digits = digits.mid(1);
    }
    int base = 10;
    if (digits.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        digits = digits.mid(2);
    } else if (digits.startsWith(u'$')) {
        base = 16;
        digits = digits.mid(1);
    }
    if (digits.isEmpty())
        return false;
    qint64 magnitude = 0;
    for (const QChar c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0)
            return false;
        magnitude = magnitude * base + digit;
        if (magnitude > std::numeric_limits<quint32>::max())
            return false;
    }
    if (base == 16) {
        // Hexadecimal is a 32-bit pattern: $FFFFFFFF is -1.
        const auto bits = static_cast<quint32>(magnitude);
        value = static_cast<int>(negative ? 0u - bits : bits);
        return true;
    }
    const qint64 signedValue = negative ? -magnitude : magnitude;
    if (signedValue < std::numeric_limits<int>::min() ||
        signedValue > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(signedValue);
    return true;
}

int IniFile::ReadInteger(const QString& section, const QString& key, int fallback) const {
    int value = fallback;
    return ParseInteger(ReadString(section, key), value) ? value : fallback;
}

void IniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    const QString sectionName = section.trimmed();
    const QString keyName = key.trimmed();
    CheckEntry(sectionName, keyName, value);
    Batch([&] {
        const Range range = FindSection(sectionName);
        if (!range.Found()) {
            if (!lines.isEmpty() && !IsBlankLine(lines.last()))
                lines.append(Line{});
            lines.append(MakeLine(QLatin1Char('[') + sectionName + QLatin1Char(']')));
            lines.append(MakeLine(keyName + QLatin1Char('=') + value.trimmed()));
            return;
        }
        const qsizetype at = FindKey(range, keyName);
        if (at >= 0) {
            lines[at] = MakeLine(NameOf(lines[at]) + QLatin1Char('=') + value.trimmed());
            return;
        }
        qsizetype last = range.End - 1;
        while (last > range.Header && IsBlankLine(lines[last]))
            --last;
        lines.insert(last + 1, MakeLine(keyName + QLatin1Char('=') + value.trimmed()));
    });
}

void IniFile::AppendSection(const IniSection& section) {
    const QString sectionName = section.Name.trimmed();
    CheckName(sectionName, QCoreApplication::translate("mottler::IniFile", "section name"));
    for (const auto& [key, value] : section.Entries)
        CheckEntry(sectionName, key.trimmed(), value);
    Batch([&] {
        if (!lines.isEmpty() && !IsBlankLine(lines.last()))
            lines.append(Line{});
        lines.append(MakeLine(QLatin1Char('[') + sectionName + QLatin1Char(']')));
        for (const auto& [key, value] : section.Entries)
            lines.append(MakeLine(key.trimmed() + QLatin1Char('=') + value.trimmed()));
    });
}

void IniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

void IniFile::EraseSection(const QString& section) {
    if (SectionExists(section))
        EraseSections({section});
}

void IniFile::EraseSections(const QStringList& sections) {
    QSet<QString> erased;
    for (const QString& section : sections)
        erased.insert(section.trimmed().toCaseFolded());
    Batch([&] {
        QList<Line> kept;
        kept.reserve(lines.size());
        bool erasing = false;
        for (const Line& line : std::as_const(lines)) {
            if (line.Kind == LineKind::Section)
                erasing = erased.contains(NameOf(line).toCaseFolded());
            if (!erasing)
                kept.append(line);
        }
        lines = std::move(kept);
    });
}

void IniFile::Batch(const std::function<void()>& changes) {
    if (batchDepth > 0) {
        changes();
        return;
    }
    const WriterLock lock(filePath);
    ReloadIfChanged();
    const QList<Line> before = lines;
    batchDepth = 1;
    try {
        changes();
        batchDepth = 0;
        Commit();
    } catch (...) {
        batchDepth = 0;
        lines = before;
        throw;
    }
}

void IniFile::Commit() {
    WriteFileAtomically(filePath, Serialise());
    readStamp = StampOf(filePath);
}

QByteArray IniFile::Serialise() const {
    QByteArray bytes;
    qsizetype size = 0;
    for (const Line& line : lines)
        size += line.Length + 2;
    bytes.reserve(size);
    for (const Line& line : lines) {
        bytes += QByteArrayView(Raw(line).data(), line.Length);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace mottler
