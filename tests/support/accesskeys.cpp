#include "accesskeys.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <map>

namespace mottler::test {
namespace {

/// The texts that own each access key.
using KeyOwners = std::map<QString, QStringList>;

void Note(KeyOwners& owners, const QString& text) {
    const QKeySequence key = QKeySequence::mnemonic(text);
    if (!key.isEmpty())
        owners[key.toString()] << text;
}

QStringList Clashes(const KeyOwners& owners, const QString& where) {
    QStringList clashes;
    for (const auto& [key, texts] : owners)
        if (texts.size() > 1)
            clashes << QStringLiteral("%1: %2 in %3").arg(key, texts.join(" / "), where);
    return clashes;
}

// The texts whose keys the window itself answers: those of its visible controls.
KeyOwners WindowKeys(const QWidget* window) {
    KeyOwners owners;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            Note(owners, button->text());
        else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            Note(owners, group->title());
        else if (const auto* label = qobject_cast<const QLabel*>(widget);
                 label != nullptr && label->buddy() != nullptr)
            Note(owners, label->text());
        else if (const auto* tabs = qobject_cast<const QTabBar*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                Note(owners, tabs->tabText(i));
        else if (const auto* bar = qobject_cast<const QMenuBar*>(widget))
            for (const QAction* action : bar->actions())
                Note(owners, action->text());
    }
    return owners;
}

} // namespace

QStringList AccessKeyClashes(const QWidget* window) {
    QStringList clashes = Clashes(WindowKeys(window), window->windowTitle());
    for (const QMenu* menu : window->findChildren<QMenu*>()) {
        KeyOwners owners;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator() && action->isVisible())
                Note(owners, action->text());
        clashes << Clashes(owners, menu->title().isEmpty() ? menu->objectName() : menu->title());
    }
    return clashes;
}

} // namespace mottler::test
