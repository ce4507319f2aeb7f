#pragma once

#include "preview/previewsettings.h"

#include <QString>

namespace mottler {

/// What the "Copy To Clipboard" buttons put on the clipboard: the BODY colour attributes,
/// starting with a space (` TEXT="#000000" LINK="#0000FF"` ...), empty when no colour is
/// set. The tab's button puts this on the clipboard as it is, even when empty, silently.
QString ColourCodesText(const PreviewColours& colours);

/// What the speed button of the tile preview does: with no colour set it leaves the
/// clipboard alone and says so; otherwise it puts Text on the clipboard and shows Message.
struct ColourCodesCopy {
    bool PutOnClipboard = false;
    QString Text;    ///< the clipboard text when PutOnClipboard
    QString Message; ///< the message to show in either case
};
ColourCodesCopy ColourCodesWithMessage(const PreviewColours& colours);

/// The modern equivalent of the BODY attributes as a style sheet: a `body` rule with
/// `color` and `background-image: url("...")`, then `a:link`, `a:visited` and `a:active`
/// rules, one for each colour that is set. Lines end in a line feed.
QString ColourCodesCss(const PreviewColours& colours,
                       const QString& backgroundUrl = QStringLiteral("backgrnd.jpg"));

} // namespace mottler
