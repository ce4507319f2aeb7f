#pragma once

#include <QStringList>

class QWidget;

namespace mottler::test {

/// Describes each access key ("&S") that two texts of the window share: among the visible
/// buttons, check boxes, group boxes, tabs, the labels of edit boxes and the menu bar's
/// menus, and among the items of each of its menus. One line per key, naming the texts.
QStringList AccessKeyClashes(const QWidget* window);

} // namespace mottler::test
