#include "preview/previewfiles.h"

#include "base/bmpfile.h"
#include "base/errors.h"
#include "engine/random.h"
#include "presets/datafolder.h"
#include "preview/previewpage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace mottler {
namespace {

/// Whether the two paths name the same file (also through a different spelling).
bool SameFile(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

QString PreviewFileName(const PreviewSettings& settings, std::optional<std::uint32_t> number) {
    QString name = UsesOwnPage(settings)
                       ? QFileInfo(settings.TestPage).absolutePath() + QStringLiteral("/~motdemo")
                       : DataFile(QStringLiteral("~demo"));
    if (number)
        name += QString::number(*number);
    return name + QStringLiteral(".htm");
}

QString PreviewPageFiles::Preview(const PreviewSettings& settings,
                                  const PreviewBackground& background, const QDateTime& now) {
    const QByteArray page = BuildPreviewPage(settings, background, now);
    const QString path = PreviewFileName(
        settings,
        settings.UseNewFilename ? std::optional(RandomInt(PreviewNumberCount)) : std::nullopt);
    // Writing over the user's own page would lose it.
    if (UsesOwnPage(settings) && SameFile(path, settings.TestPage))
        throw MottlerError(
            QCoreApplication::translate("mottler::PreviewFiles",
                                        "The Preview Page \"%1\" has the name Mottler gives "
                                        "its preview pages.  Please choose another file, or "
                                        "rename that one.")
                .arg(settings.TestPage));
    if (!lastPreviewFile.isEmpty() && !SameFile(lastPreviewFile, path))
        DeleteLastPreview();
    // The name is the program's own, beside the user's page: never written through a link.
    WriteFileAtomically(path, page, NameChoice::Program);
    lastPreviewFile = path;
    return path;
}

void PreviewPageFiles::DeleteLastPreview() {
    if (!lastPreviewFile.isEmpty())
        QFile::remove(lastPreviewFile);
    lastPreviewFile.clear();
}

} // namespace mottler
