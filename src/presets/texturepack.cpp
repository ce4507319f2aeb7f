#include "presets/texturepack.h"

#include "base/errors.h"
#include "presets/inifile.h"

#include <QCoreApplication>
#include <QSet>
#include <algorithm>

namespace mottler {
namespace {

/// Sections without keys carry nothing (and would only erase a preset they replace); names
/// that are empty or hold control characters come from damaged or binary files.
bool IsPreset(const IniSection& section) {
    const QString& name = section.Name;
    return !name.isEmpty() &&
           std::all_of(name.begin(), name.end(), [](QChar c) { return c.isPrint(); }) &&
           !section.Entries.isEmpty();
}

/// Replaces the presets of the sections' names with the sections: the old keys go, each
/// section is written at the end in the pack's order, all in one file write. Each step is
/// one pass over the file, so a pack of thousands of presets costs no more than its size.
void CopySections(IniFile& presets, const QList<IniSection>& sections) {
    presets.Batch([&] {
        QStringList names;
        for (const IniSection& section : sections)
            names.append(section.Name);
        presets.EraseSections(names);
        for (const IniSection& section : sections)
            presets.AppendSection(section);
    });
}

/// Copies the presets into the file in one write. When that write fails, nothing of it is
/// kept and the presets are copied again one write each, so that those before the one that
/// cannot be written stay, then the failure is thrown.
void CopyPresets(IniFile& presets, const QList<IniSection>& sections) {
    try {
        CopySections(presets, sections);
    } catch (const MottlerError&) {
        for (const IniSection& section : sections)
            CopySections(presets, {section});
        throw;
    }
}

} // namespace

PackImport ImportTexturePack(const QString& packPath, IniFile& presets, const PackQuestion& ask) {
    const IniFile pack = IniFile::ReadExisting(packPath);
    presets.ReloadIfChanged(); // the questions are about the presets as they are now
    QSet<QString> existing;
    for (const QString& name : presets.SectionNames())
        existing.insert(name.trimmed().toCaseFolded());
    PackImport result;
    QList<IniSection> installed;
    for (const IniSection& section : pack.Sections()) {
        if (!IsPreset(section))
            continue;
        if (existing.contains(section.Name.trimmed().toCaseFolded())) {
            const PackAnswer answer =
                ask(QCoreApplication::translate("mottler::TexturePack",
                                                "A pattern called %1 already exists. Overwrite ?")
                        .arg(section.Name));
            if (answer == PackAnswer::Cancel) {
                result.Cancelled = true;
                break;
            }
            if (answer == PackAnswer::No)
                continue;
        }
        result.Installed.append(section.Name);
        installed.append(section);
    }
    // The pack's names are distinct without regard to case, so no copy changes the answer
    // to a later question and all of them can be written at the end, once.
    CopyPresets(presets, installed);
    return result;
}

QString ImportSummary(const QStringList& installed) {
    QString text =
        QCoreApplication::translate("mottler::TexturePack", "%1 patterns have been installed.\n")
            .arg(installed.size());
    for (const QString& name : installed)
        text += name + QStringLiteral("\n");
    return text;
}

} // namespace mottler
