#pragma once

#include "help/helptopics.h"

#include <functional>

class QWidget;

namespace mottler {

class HelpWindow;

/// Opens the manual at the context's page in the program's one help window, in front of
/// whatever window is active (also above a modal dialog, which would otherwise block it).
void ShowHelpTopic(HelpContext context);

/// Makes F1 in `window` open the context's page. F1 is claimed before any shortcut sees it,
/// so a window's own F1 wins over the F1 of the window that owns it.
void InstallHelpKey(QWidget* window, HelpContext context);
/// The same with the context chosen when F1 is pressed (a tab control's current page).
void InstallHelpKey(QWidget* window, std::function<HelpContext()> context);

/// Makes F1 open the context's page while the keyboard focus is inside `page` (a page of a
/// tab control, say), in preference to the F1 of the window around it.
void InstallPageHelpKey(QWidget* page, HelpContext context);

/// The help window, or null before the first ShowHelpTopic.
HelpWindow* OpenHelpWindow();

} // namespace mottler
