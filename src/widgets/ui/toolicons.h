#pragma once

#include <QIcon>
#include <QStyle>

namespace mottler {

/// The icon of a tool button: the desktop icon theme's icon of that name where the theme has
/// one, else the style's built-in picture, so every button shows what it does on any desktop.
QIcon ToolIcon(const QString& themeName, QStyle::StandardPixmap builtIn);

/// A closed padlock ("changes-prevent" in the icon theme, else drawn here).
QIcon LockIcon();

/// Contrast and brightness back to none: the contrast sign, a half-filled circle (drawn here;
/// the theme's undo or clear pictures would say something else).
QIcon ContrastResetIcon();

/// A recorded animation, for the button that opens Export Animation: a strip of film
/// ("video-x-generic" in the icon theme, else drawn here), not a disk.
QIcon AnimationIcon();

} // namespace mottler
