#pragma once

#include "help/helptopics.h"

#include <vector>

class QMainWindow;
class QTabWidget;
class QWidget;

namespace mottler {

/// Adds the Help menu to the main window: "&Contents" (F1) opens the manual, "&About
/// Mottler" the about box.
void AddHelpMenu(QMainWindow* window);

/// F1 anywhere in the window opens the page of the tab on display (`contexts` in the order of
/// the tabs).
void InstallTabHelpKey(QWidget* window, const QTabWidget* tabs, std::vector<HelpContext> contexts);

} // namespace mottler
