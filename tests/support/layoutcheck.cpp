#include "layoutcheck.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QScrollArea>
#include <QTabBar>
#include <QWidget>

namespace mottler::test {
namespace {

QString Name(const QWidget* widget) {
    const QString name = widget->objectName();
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        text = " \"" + label->text() + "\"";
    return QString::fromLatin1(widget->metaObject()->className()) + " '" + name + "'" + text;
}

bool Holds(const QLayout* layout, const QWidget* widget) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget)
            return true;
        if (item->layout() != nullptr && Holds(item->layout(), widget))
            return true;
    }
    return false;
}

bool LaidOut(const QWidget* widget) {
    const QLayout* layout = widget->parentWidget()->layout();
    return layout != nullptr && Holds(layout, widget);
}

// Compound controls whose children are their own private parts.
bool IsCompound(const QWidget* widget) {
    return qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QTabBar*>(widget) != nullptr ||
           qobject_cast<const QAbstractScrollArea*>(widget) != nullptr;
}

QList<const QWidget*> VisibleChildren(const QWidget* parent) {
    QList<const QWidget*> shown;
    for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && child->isVisible())
            shown.append(child);
    return shown;
}

void CheckSize(const QWidget* widget, QStringList& faults) {
    const QSize least = widget->minimumSizeHint();
    if (!least.isValid())
        return;
    int height = least.height();
    if (widget->hasHeightForWidth())
        height = std::min(height, widget->heightForWidth(widget->width()));
    const auto* label = qobject_cast<const QLabel*>(widget);
    const bool wraps = label != nullptr && label->wordWrap();
    if ((!wraps && widget->width() < least.width()) || widget->height() < height)
        faults.append(QStringLiteral("%1 is %2×%3, needs %4×%5")
                          .arg(Name(widget))
                          .arg(widget->width())
                          .arg(widget->height())
                          .arg(wraps ? widget->width() : least.width())
                          .arg(height));
}

void Walk(const QWidget* parent, QStringList& faults) {
    const QList<const QWidget*> children = VisibleChildren(parent);
    for (const QWidget* child : children) {
        if (!parent->rect().contains(child->geometry()))
            faults.append(QStringLiteral("%1 at %2,%3 %4×%5 is cut off by %6 (%7×%8)")
                              .arg(Name(child))
                              .arg(child->x())
                              .arg(child->y())
                              .arg(child->width())
                              .arg(child->height())
                              .arg(Name(parent))
                              .arg(parent->width())
                              .arg(parent->height()));
        CheckSize(child, faults);
    }
    for (qsizetype i = 0; i < children.size(); ++i)
        for (qsizetype j = i + 1; j < children.size(); ++j)
            if (LaidOut(children[i]) && LaidOut(children[j]) &&
                children[i]->geometry().intersects(children[j]->geometry()))
                faults.append(Name(children[i]) + " overlaps " + Name(children[j]));
    for (const QWidget* child : children) {
        // A scroll area shows its contents at their size and scrolls them, cutting nothing.
        const auto* scroller = qobject_cast<const QScrollArea*>(child);
        if (scroller != nullptr && scroller->widget() != nullptr) {
            CheckSize(scroller->widget(), faults);
            Walk(scroller->widget(), faults);
        } else if (!IsCompound(child)) {
            Walk(child, faults);
        }
    }
}

} // namespace

QStringList LayoutFaults(const QWidget* window) {
    QStringList faults;
    Walk(window, faults);
    return faults;
}

void SaveScreenshot(QWidget* window, const QString& name) {
    const QDir folder(QStringLiteral(MOTTLER_SCREENSHOT_DIR));
    folder.mkpath(QStringLiteral("."));
    window->grab().save(folder.filePath(name + ".png"));
}

} // namespace mottler::test
