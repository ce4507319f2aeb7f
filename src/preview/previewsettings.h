#pragma once

#include "palette/palette.h"

#include <QImage>
#include <QString>
#include <optional>

namespace mottler {

/// The four text and link colours of the preview page. A colour the user never set (or
/// cleared) is absent and contributes nothing to the page or the colour codes.
struct PreviewColours {
    std::optional<PackedColour> Text;
    std::optional<PackedColour> Link;
    std::optional<PackedColour> VisitedLink;
    std::optional<PackedColour> ActiveLink;
};

/// The colours the "Preview Settings" tab gives each picker that is still empty when the tab
/// is first shown: black text, blue links, purple visited links, red active links.
inline constexpr PackedColour DefaultTextColour = PackRgb(0x00, 0x00, 0x00);
inline constexpr PackedColour DefaultLinkColour = PackRgb(0x00, 0x00, 0xFF);
inline constexpr PackedColour DefaultVisitedLinkColour = PackRgb(0xCC, 0x00, 0xCC);
inline constexpr PackedColour DefaultActiveLinkColour = PackRgb(0xFF, 0x00, 0x00);

/// Everything the "Preview Settings" tab holds, as plain values.
struct PreviewSettings {
    PreviewColours Colours;
    QString TestPage; ///< the user's own page; empty or not an existing file: the demo page
    QString FontName; ///< empty: no font chosen, the page names none
    bool UseNewFilename = false;
};

/// Which image the background is: the texture or the gradient strip. They are saved at
/// different JPEG qualities.
enum class BackgroundSource { Texture, GradientStrip };

/// The image the preview page uses as its background.
struct PreviewBackground {
    QImage Image;
    BackgroundSource Source = BackgroundSource::Texture;
};

} // namespace mottler
