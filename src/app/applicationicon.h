#pragma once

#include <QIcon>

namespace mottler {

/// Makes the about box's resources (the icon's sizes, the licence text) available.
void RegisterShellResources();

/// The program's icon in its rendered sizes.
QIcon ApplicationIcon();

/// Tells the desktop which program this is: the window icon, and the desktop entry that
/// Wayland compositors match windows to.
void IdentifyApplication();

} // namespace mottler
