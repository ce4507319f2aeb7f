#pragma once

#include "preview/previewsettings.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace mottler {

/// The body text of the demonstration page, read from the data folder when it is there.
inline constexpr const char* LoremIpsumFileName = "loremipsum.txt";

/// The message for a page of the user's own without a BODY tag.
inline constexpr const char* NoBodyTagMessage = QT_TRANSLATE_NOOP(
    "mottler::PreviewPage",
    "The Preview Page you have chosen does not contain a <BODY> tag.  Please choose another "
    "file, or edit that one to include a <BODY> tag.");

/// The largest page of the user's own that is read (and the largest "loremipsum.txt").
inline constexpr qint64 MaxPreviewInputBytes = 16 * 1024 * 1024;

/// The largest preview page made from the user's own page: room for every BODY tag a page
/// of ordinary size holds, bounded as the input is.
inline constexpr qint64 MaxPreviewOutputBytes = 4 * MaxPreviewInputBytes;

/// The message for a page whose BODY tags would make a preview beyond MaxPreviewOutputBytes.
inline constexpr const char* TooManyBodyTagsMessage = QT_TRANSLATE_NOOP(
    "mottler::PreviewPage",
    "The Preview Page you have chosen holds so many <BODY> tags that its preview would be "
    "larger than 64 MB.  Please choose another file.");

/// Whether the settings name a page of the user's own: an existing file. Any other text is
/// ignored and the demonstration page is used.
bool UsesOwnPage(const PreviewSettings& settings);

/// Writes the background (WriteBackgroundImage), then builds the preview page.
///
/// Demonstration page: a fixed HTML page (CR LF line ends where they stand) with the BODY
/// tag of the chosen colours and BACKGROUND="backgrnd.jpg", the font when one is chosen,
/// the background's size, "loremipsum.txt" from the data folder (or a sentence that it was
/// not found) and `now` in the user's locale with a credit line.
///
/// The user's page: its bytes with every tag starting "<body" (any case) replaced by the
/// BODY tag of the chosen colours, whose BACKGROUND is the file:// URL of the background.
/// Throws MottlerError with NoBodyTagMessage when the page has no BODY tag (the background
/// has been written by then), and for a page that cannot be read or is too large.
QByteArray BuildPreviewPage(const PreviewSettings& settings, const PreviewBackground& background,
                            const QDateTime& now = QDateTime::currentDateTime());

} // namespace mottler
