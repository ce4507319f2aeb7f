#include "presets/inifile.h"

#include "base/bmpfile.h"
#include "base/errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>
#include <limits>

namespace mottler {
namespace {

/// Preset files are a few hundred kilobytes at most; anything far larger is not one, and
/// reading it whole would only exhaust memory.
constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

/// Lines are UTF-8 when they decode as such; anything else is taken as Latin-1, the nearest
/// match for files written by older programs, so every byte sequence reads as some text.
QString DecodeLine(const QByteArray& raw) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(raw);
    return utf8.hasError() ? QString::fromLatin1(raw) : text;
}

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

/// Notes a name; true when no name equal to it without regard to case came before.
bool AddFirst(QSet<QString>& seen, const QString& name) {
    const qsizetype before = seen.size();
    seen.insert(name.toCaseFolded());
    return seen.size() != before;
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
        throw MottlerError(
            QStringLiteral("The %1 \"%2\" cannot be stored in an INI file.").arg(what, name));
}

} // namespace

IniFile::IniFile(QString path) : filePath(std::move(path)) {
    QFile file(filePath);
    if (!file.exists())
        return;
    if (file.size() > MaxFileBytes)
        throw MottlerError(
            QStringLiteral("The file \"%1\" is too large to be an INI file.").arg(filePath));
    if (!file.open(QIODevice::ReadOnly))
        throw MottlerError(
            QStringLiteral("Could not read \"%1\": %2.").arg(filePath, file.errorString()));
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw MottlerError(
            QStringLiteral("Could not read \"%1\": %2.").arg(filePath, file.errorString()));
    Parse(bytes);
}

IniFile IniFile::ReadExisting(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        throw MottlerError(QStringLiteral("The file \"%1\" does not exist.").arg(path));
    if (info.isDir())
        throw MottlerError(QStringLiteral("\"%1\" is a folder, not a file.").arg(path));
    return IniFile(path);
}

void IniFile::Parse(const QByteArray& bytes) {
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        qsizetype length = end - start;
        if (length > 0 && bytes[end - 1] == '\r')
            --length;
        lines.append(ParseLine(bytes.mid(start, length)));
        start = end + 1;
    }
}

IniFile::Line IniFile::ParseLine(QByteArray raw) {
    Line line;
    const QString text = DecodeLine(raw).trimmed();
    line.raw = std::move(raw);
    const qsizetype close = text.lastIndexOf(u']');
    if (text.startsWith(u'[') && close > 0) {
        line.kind = LineKind::Section;
        line.name = text.mid(1, close - 1).trimmed();
        return line;
    }
    const qsizetype equals = text.indexOf(u'=');
    if (equals > 0) {
        line.name = text.left(equals).trimmed();
        line.value = text.mid(equals + 1).trimmed();
        line.kind = line.name.isEmpty() ? LineKind::Other : LineKind::Key;
    }
    return line;
}

IniFile::Line IniFile::MakeLine(const QString& text) {
    return ParseLine(text.toUtf8());
}

IniFile::Range IniFile::FindSection(const QString& section) const {
    const QString name = section.trimmed();
    Range range;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != LineKind::Section)
            continue;
        if (range.Found()) {
            range.end = i;
            return range;
        }
        if (SameName(lines[i].name, name))
            range.header = i;
    }
    if (range.Found())
        range.end = lines.size();
    return range;
}

qsizetype IniFile::FindKey(const Range& range, const QString& key) const {
    const QString name = key.trimmed();
    for (qsizetype i = range.header + 1; i < range.end; ++i)
        if (lines[i].kind == LineKind::Key && SameName(lines[i].name, name))
            return i;
    return -1;
}

QStringList IniFile::SectionNames() const {
    QStringList names;
    QSet<QString> seen;
    for (const Line& line : lines)
        if (line.kind == LineKind::Section && AddFirst(seen, line.name))
            names.append(line.name);
    return names;
}

bool IniFile::SectionExists(const QString& section) const {
    return FindSection(section).Found();
}

QStringList IniFile::KeyNames(const QString& section) const {
    QStringList names;
    QSet<QString> seen;
    const Range range = FindSection(section);
    for (qsizetype i = range.header + 1; range.Found() && i < range.end; ++i)
        if (lines[i].kind == LineKind::Key && AddFirst(seen, lines[i].name))
            names.append(lines[i].name);
    return names;
}

bool IniFile::KeyExists(const QString& section, const QString& key) const {
    const Range range = FindSection(section);
    return range.Found() && FindKey(range, key) >= 0;
}

QString IniFile::ReadString(const QString& section, const QString& key,
                            const QString& fallback) const {
    const Range range = FindSection(section);
    const qsizetype at = range.Found() ? FindKey(range, key) : -1;
    return at >= 0 ? lines[at].value : fallback;
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
    CheckName(sectionName, QStringLiteral("section name"));
    CheckName(keyName, QStringLiteral("key name"));
    if (keyName.contains(u'=') || keyName.startsWith(u'['))
        throw MottlerError(
            QStringLiteral("The key name \"%1\" cannot be stored in an INI file.").arg(keyName));
    if (HasLineBreak(value))
        throw MottlerError(QStringLiteral("The value of \"%1\" holds a line break, which an INI "
                                          "file cannot store.")
                               .arg(keyName));
    Batch([&] {
        const Range range = FindSection(sectionName);
        if (!range.Found()) {
            if (!lines.isEmpty() && !lines.last().raw.trimmed().isEmpty())
                lines.append(Line{});
            lines.append(MakeLine(QLatin1Char('[') + sectionName + QLatin1Char(']')));
            lines.append(MakeLine(keyName + QLatin1Char('=') + value.trimmed()));
            return;
        }
        const qsizetype at = FindKey(range, keyName);
        if (at >= 0) {
            lines[at] = MakeLine(lines[at].name + QLatin1Char('=') + value.trimmed());
            return;
        }
        qsizetype last = range.end - 1;
        while (last > range.header && lines[last].raw.trimmed().isEmpty())
            --last;
        lines.insert(last + 1, MakeLine(keyName + QLatin1Char('=') + value.trimmed()));
    });
}

void IniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

void IniFile::EraseSection(const QString& section) {
    if (!SectionExists(section))
        return;
    Batch([&] {
        for (Range range = FindSection(section); range.Found(); range = FindSection(section))
            lines.remove(range.header, range.end - range.header);
    });
}

void IniFile::Batch(const std::function<void()>& changes) {
    if (batchDepth > 0) {
        changes();
        return;
    }
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
}

QByteArray IniFile::Serialise() const {
    QByteArray bytes;
    qsizetype size = 0;
    for (const Line& line : lines)
        size += line.raw.size() + 2;
    bytes.reserve(size);
    for (const Line& line : lines) {
        bytes += line.raw;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace mottler
