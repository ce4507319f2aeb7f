#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <string_view>
#include <utility>

namespace mottler {

/// One section as the reader sees it: its keys in file order, each once, with the value of
/// its first occurrence.
struct IniSection {
    QString Name;
    QList<std::pair<QString, QString>> Entries;
};

/// A preset-style INI file ("save.ini", "gradients.ini", texture packs), held in memory as
/// its lines and written back whole on every change.
///
/// Rules: a line "[" name "]" starts a section; the following lines key "=" value belong to
/// it (other lines are kept but carry nothing). Section and key names compare without regard
/// to case. A value is the text after the first "=", without surrounding blanks. When a name
/// occurs twice, the first occurrence counts.
///
/// Writing a key replaces its line in place, or appends it after the last line of its
/// section, creating the section at the end of the file (and the file) when missing. Lines
/// the object did not change keep their bytes; the file is written with CR LF line ends.
/// Every change reaches the disk before the call returns, through an atomic replacement: a
/// failed write throws MottlerError, leaves the old file whole and undoes the change in
/// memory. Other writers (another window, another process, a hand edit) keep their work: a
/// change holds the lock file "<file>.lock", reads the file again when it changed since it
/// was last read or written, applies itself to what is there and writes it, so two writers
/// never interleave.
class IniFile {
public:
    /// Reads the file; a missing file is an empty one (created by the first write). Throws
    /// MottlerError when the file exists but cannot be read.
    explicit IniFile(QString path);

    /// Reads a file that must exist (a texture pack, a file named on the command line).
    static IniFile ReadExisting(const QString& path);

    const QString& Path() const { return filePath; }

    /// Reads the file again when it changed on disk since this object last read or wrote it
    /// (another writer saved); returns whether it did. Throws MottlerError as the constructor.
    bool ReloadIfChanged();

    /// Section names in file order, each once.
    QStringList SectionNames() const;
    bool SectionExists(const QString& section) const;
    /// Key names of the section in file order, each once; empty when the section is missing.
    QStringList KeyNames(const QString& section) const;
    bool KeyExists(const QString& section, const QString& key) const;

    /// Every key of the section and its value, read in one pass (reading a section of
    /// thousands of keys one ReadString at a time would take quadratic time). Keys are case
    /// folded (QString::toCaseFolded), the first occurrence of a name counts.
    QHash<QString, QString> SectionValues(const QString& section) const;
    /// Every section with its keys, in file order, read in one pass; for a name that occurs
    /// twice the first section counts.
    QList<IniSection> Sections() const;

    /// The key's value, or the fallback when the section or key is missing.
    QString ReadString(const QString& section, const QString& key,
                       const QString& fallback = QString()) const;
    /// The key's value as a decimal integer (optional sign) or a hexadecimal one after "0x"
    /// or "$" (up to 32 bits, two's complement); the fallback when missing or anything else.
    int ReadInteger(const QString& section, const QString& key, int fallback) const;

    /// Throws MottlerError when a name is empty, holds a line break, or a key name holds "="
    /// or starts with "[" (none of which the file could give back unchanged), or a value
    /// holds a line break.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    /// Removes every header of that name and all the keys under it.
    void EraseSection(const QString& section);
    /// EraseSection for each of the names, in one pass over the file.
    void EraseSections(const QStringList& sections);
    /// Adds the section at the end of the file, as writing each of its keys into a section
    /// that is not there does, without looking for it (call EraseSections first). Throws as
    /// WriteString for a name or value the file cannot hold.
    void AppendSection(const IniSection& section);

    /// Runs `changes` with the file writes held back, then writes the file once: all of the
    /// changes reach the disk or (when the write fails or `changes` throws) none of them,
    /// neither on disk nor in memory. Calls may nest; the outermost one writes.
    void Batch(const std::function<void()>& changes);

    /// The integer rule of ReadInteger applied to a text.
    static bool ParseInteger(const QString& text, int& value);

private:
    enum class LineKind : quint8 { Other, Section, Key };
    /// One line, 16 bytes. A line read from the file is a stretch of the file's bytes
    /// (`source`); a line written since is one of `written` (`start` = -1 - its index).
    /// Names and values are decoded when asked for, so a file of millions of lines costs
    /// little more than its own size.
    struct Line {
        qint64 Start = 0;
        qint32 Length = 0;
        LineKind Kind = LineKind::Other;
    };
    struct Entry {
        QString Name;
        QString Value;
    };
    /// A section's extent: its header and the lines up to the next header.
    struct Range {
        qsizetype Header = -1;
        qsizetype End = -1;
        bool Found() const { return Header >= 0; }
    };

    /// What identifies one version of the file on disk.
    struct Stamp {
        bool Exists = false;
        quint64 Device = 0, Inode = 0;
        qint64 Size = 0, ModifiedNs = 0, ChangedNs = 0;
        bool operator==(const Stamp&) const = default;
    };

    IniFile() = default;
    static Stamp StampOf(const QString& path);
    /// Reads and parses the file as it is now (none: empty).
    void Read();
    void Parse(const QByteArray& bytes);
    static LineKind KindOf(std::string_view raw);
    Line MakeLine(const QString& text);
    /// The line as stored, without its line end.
    std::string_view Raw(const Line& line) const;
    bool IsBlankLine(const Line& line) const;
    /// The section name of a Section line, the key and value of a Key line.
    Entry Decode(const Line& line) const;
    QString NameOf(const Line& line) const { return Decode(line).Name; }
    /// Whether a Section line names `name`; `asciiName` is the name's bytes when it is plain
    /// ASCII (and not empty), else empty.
    bool IsSectionNamed(const Line& line, const QString& name, std::string_view asciiName) const;
    Range FindSection(const QString& section) const;
    qsizetype FindKey(const Range& range, const QString& key) const;
    void Commit();
    QByteArray Serialise() const;

    QString filePath;
    QByteArray source;         ///< the file as read
    QList<QByteArray> written; ///< the lines written since
    QList<Line> lines;
    Stamp readStamp; ///< the file as this object last read or wrote it
    int batchDepth = 0;
};

} // namespace mottler
