// A screen reader's view of every window: each interactive control in the accessibility tree
// has a name to announce, and the custom controls take the keyboard focus.
#include "windowcases.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace mottler::test {
namespace {

bool IsInteractive(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::PageTab:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
        return true;
    default:
        return false;
    }
}

QString Describe(QAccessibleInterface* control) {
    const QObject* object = control->object();
    const QString name = object != nullptr ? object->objectName() : QString();
    const QString className =
        object != nullptr ? QString::fromLatin1(object->metaObject()->className()) : "?";
    const QObject* parent = object != nullptr ? object->parent() : nullptr;
    const QString parentName = parent != nullptr
                                   ? QString::fromLatin1(parent->metaObject()->className()) + " '" +
                                         parent->objectName() + "'"
                                   : QString("?");
    return QStringLiteral("%1 '%2' (role %3) in %4")
        .arg(className, name)
        .arg(static_cast<int>(control->role()), 0, 16)
        .arg(parentName);
}

// The edit box inside a named combo box is announced by the combo box's name.
bool NamedByParent(QAccessibleInterface* control) {
    QAccessibleInterface* parent = control->parent();
    return control->role() == QAccessible::EditableText && parent != nullptr &&
           parent->role() == QAccessible::ComboBox &&
           !parent->text(QAccessible::Name).trimmed().isEmpty();
}

void CollectUnnamed(QAccessibleInterface* node, QStringList& unnamed, int depth = 0) {
    if (node == nullptr || depth > 40)
        return;
    if (IsInteractive(node->role()) && node->text(QAccessible::Name).trimmed().isEmpty() &&
        !NamedByParent(node))
        unnamed.append(Describe(node));
    for (int i = 0; i < node->childCount(); ++i)
        CollectUnnamed(node->child(i), unnamed, depth + 1);
}

// Controls drawn by the program itself (markers, thumbnails, pointers, grids) take the focus
// like any other and need a name as much: every widget Tab reaches has one.
void CollectUnnamedFocusable(const QWidget* window, QStringList& unnamed) {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!(widget->focusPolicy() & Qt::TabFocus))
            continue;
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
        if (control == nullptr || !control->text(QAccessible::Name).trimmed().isEmpty())
            continue;
        // The edit box inside a spin box or combo box is that control's own part.
        QAccessibleInterface* parent = control->parent();
        if (parent != nullptr &&
            (parent->role() == QAccessible::SpinBox || parent->role() == QAccessible::ComboBox))
            continue;
        unnamed.append(Describe(control));
    }
}

TEST(WindowAccessibility, EveryInteractiveControlHasAName) {
    for (const WindowCase& windowCase : Windows()) {
        Shown shown = windowCase.Make();
        shown.Window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(shown.Window));
        QStringList unnamed;
        CollectUnnamed(QAccessible::queryAccessibleInterface(shown.Window), unnamed);
        CollectUnnamedFocusable(shown.Window, unnamed);
        EXPECT_TRUE(unnamed.isEmpty()) << windowCase.Name << ":\n"
                                       << unnamed.join('\n').toStdString();
    }
}

} // namespace
} // namespace mottler::test
