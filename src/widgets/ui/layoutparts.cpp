#include "widgets/ui/layoutparts.h"

#include <QHBoxLayout>
#include <QLabel>

namespace mottler {

QLabel* BuddyCaption(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QHBoxLayout* LeftAlignedRow(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    row->addStretch();
    return row;
}

void ReserveWrappedHeight(QLabel* label, int characters) {
    const QFontMetrics metrics = label->fontMetrics();
    const int width = characters * metrics.averageCharWidth();
    const QRect text = metrics.boundingRect(QRect(0, 0, width, 0), Qt::TextWordWrap, label->text());
    label->setMinimumSize(width, text.height());
}

} // namespace mottler
