#include "widgets/ui/updown.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <algorithm>

namespace mottler {
namespace {

QToolButton* ArrowButton(QWidget* parent, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus); // the edit box beside it keeps the focus
    return button;
}

} // namespace

UpDown::UpDown(QWidget* parent) : QWidget(parent) {
    down = ArrowButton(this, Qt::LeftArrow);
    up = ArrowButton(this, Qt::RightArrow);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(down);
    layout->addWidget(up);
    SetAccessibleName(tr("Value"));
    connect(down, &QToolButton::clicked, this, [this] { Step(-1); });
    connect(up, &QToolButton::clicked, this, [this] { Step(1); });
}

void UpDown::SetAccessibleName(const QString& value) {
    const QString name = QString(value).remove('&');
    down->setAccessibleName(tr("Decrease %1").arg(name));
    up->setAccessibleName(tr("Increase %1").arg(name));
    down->setToolTip(down->accessibleName());
    up->setToolTip(up->accessibleName());
}

void UpDown::SetRange(int lowest, int highest) {
    minimum = lowest;
    maximum = std::max(lowest, highest);
    SetPosition(position);
}

void UpDown::SetPosition(int value) {
    position = std::clamp(value, minimum, maximum);
}

void UpDown::Step(int by) {
    const int before = position;
    if ((by < 0 && position > minimum) || (by > 0 && position < maximum))
        SetPosition(position + by);
    if (position != before)
        Q_EMIT Clicked();
}

} // namespace mottler
