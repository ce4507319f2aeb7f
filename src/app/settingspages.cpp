#include "app/settingspages.h"

#include "widgets/ui/numericedit.h"

#include <QLabel>

namespace mottler {
namespace {

template <typename W> W* Place(QWidget* page, const char* name, QRect geometry) {
    auto* widget = new W(page);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

void Label(QWidget* page, const QString& text, QWidget* buddy, int x, int y) {
    auto* label = new QLabel(text, page);
    label->move(x, y);
    label->setBuddy(buddy);
}

NumericEdit* SizeBox(QWidget* page, const char* name, const QString& label, const QString& hint,
                     int y) {
    auto* box = Place<NumericEdit>(page, name, QRect(80, y, 80, 22));
    box->SetNumericOnly(true);
    box->SetMin(1);
    box->setToolTip(hint);
    Label(page, label, box, 8, y + 3);
    return box;
}

} // namespace

GradientPage BuildGradientPage(QWidget* parent) {
    GradientPage p;
    p.tbGradient = new QWidget(parent);
    p.tbGradient->setObjectName("tbGradient");
    p.txtSaveWidth =
        SizeBox(p.tbGradient, "txtSaveWidth", "Width", "The width of the gradient", 12);
    p.txtSaveHeight =
        SizeBox(p.tbGradient, "txtSaveHeight", "Height", "The height of the gradient", 40);
    p.txtSaveWidth->setText("1025");
    p.txtSaveHeight->setText("10");
    return p;
}

} // namespace mottler
