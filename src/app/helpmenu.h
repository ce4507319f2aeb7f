#pragma once

class QMainWindow;

namespace mottler {

/// Adds the Help menu to the main window: "&Contents" (F1) opens the manual, "&About
/// Mottler" the about box.
void AddHelpMenu(QMainWindow* window);

} // namespace mottler
