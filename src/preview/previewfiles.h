#pragma once

#include "preview/previewsettings.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

namespace mottler {

/// How many numbers "Use a new filename for each preview" draws from: 0 … 999998.
inline constexpr std::uint32_t PreviewNumberCount = 999999;

/// The file the preview page is written to: "~motdemo" beside the user's own page, else
/// "~demo" in the data folder, then `number` in decimal when given, then ".htm".
QString PreviewFileName(const PreviewSettings& settings, std::optional<std::uint32_t> number);

/// The preview pages of one program session. The main window owns one, calls Preview for
/// "Preview In Browser" and opens the path it returns, and calls DeleteLastPreview when it
/// closes.
class PreviewPageFiles {
public:
    /// Writes "backgrnd.jpg" and the page (BuildPreviewPage), deleting the page of the
    /// previous preview when it had another name; a page of the same name is replaced
    /// atomically. With UseNewFilename the name gets a number from the program's random
    /// generator. Returns the page's full path. Throws MottlerError with the message to show;
    /// no page is written then.
    QString Preview(const PreviewSettings& settings, const PreviewBackground& background,
                    const QDateTime& now = QDateTime::currentDateTime());

    /// Deletes the page of the last preview, if any; called when the program closes.
    void DeleteLastPreview();

    /// The page written by the last preview; empty before the first.
    const QString& LastPreviewFile() const { return lastPreviewFile; }

private:
    QString lastPreviewFile;
};

} // namespace mottler
