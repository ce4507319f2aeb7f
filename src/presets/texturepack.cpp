#include "presets/texturepack.h"

#include "base/errors.h"
#include "presets/inifile.h"

#include <algorithm>

namespace mottler {
namespace {

/// Sections without keys carry nothing (and would only erase a preset they replace); names
/// that are empty or hold control characters come from damaged or binary files.
bool IsPreset(const IniFile& pack, const QString& name) {
    return !name.isEmpty() &&
           std::all_of(name.begin(), name.end(), [](QChar c) { return c.isPrint(); }) &&
           !pack.KeyNames(name).isEmpty();
}

/// Replaces the preset `name` with the pack's section: the old keys go, the pack's keys are
/// written in the pack's order, all in one file write.
void CopySection(const IniFile& pack, IniFile& presets, const QString& name) {
    presets.Batch([&] {
        presets.EraseSection(name);
        for (const QString& key : pack.KeyNames(name))
            presets.WriteString(name, key, pack.ReadString(name, key));
    });
}

/// Copies the presets into the file in one write. When that write fails, nothing of it is
/// kept and the presets are copied again one write each, so that those before the one that
/// cannot be written stay, then the failure is thrown.
void CopySections(const IniFile& pack, IniFile& presets, const QStringList& names) {
    try {
        presets.Batch([&] {
            for (const QString& name : names)
                CopySection(pack, presets, name);
        });
    } catch (const MottlerError&) {
        for (const QString& name : names)
            CopySection(pack, presets, name);
        throw;
    }
}

} // namespace

PackImport ImportTexturePack(const QString& packPath, IniFile& presets, const PackQuestion& ask) {
    const IniFile pack = IniFile::ReadExisting(packPath);
    PackImport result;
    for (const QString& name : pack.SectionNames()) {
        if (!IsPreset(pack, name))
            continue;
        if (presets.SectionExists(name)) {
            const PackAnswer answer = ask(QStringLiteral("A pattern called ") + name +
                                          QStringLiteral(" already exists. Overwrite ?"));
            if (answer == PackAnswer::Cancel) {
                result.Cancelled = true;
                break;
            }
            if (answer == PackAnswer::No)
                continue;
        }
        result.Installed.append(name);
    }
    // The pack's names are distinct without regard to case, so no copy changes the answer
    // to a later question and all of them can be written at the end, once.
    CopySections(pack, presets, result.Installed);
    return result;
}

QString ImportSummary(const QStringList& installed) {
    QString text =
        QString::number(installed.size()) + QStringLiteral(" patterns have been installed.\n");
    for (const QString& name : installed)
        text += name + QStringLiteral("\n");
    return text;
}

} // namespace mottler
