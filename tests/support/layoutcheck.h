#pragma once

#include <QStringList>

class QWidget;

namespace mottler::test {

/// Walks the visible widgets below `window` and describes each fault a user would see: a
/// child its parent cuts off, a child smaller than its minimumSizeHint (its text cut), and
/// two children of one layout drawn over each other. The contents of a scroll area are walked
/// as laid out in it (scrolling cuts nothing). Widgets placed by hand on purpose (the
/// markers of a drawing area) are checked for cuts and size only; the private parts of
/// compound controls (the edit box of a spin box) are not walked.
QStringList LayoutFaults(const QWidget* window);

/// Renders the window into the screenshot folder of the build as `<name>.png`.
void SaveScreenshot(QWidget* window, const QString& name);

} // namespace mottler::test
