#include "controls/ui/tfrmcolorpicker.h"

#include <QColorDialog>
#include <QVBoxLayout>

namespace mottler {

TfrmColorPicker::TfrmColorPicker(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Color Picker");
    picker = new QColorDialog(this);
    picker->setWindowFlags(Qt::Widget);
    picker->setOptions(QColorDialog::DontUseNativeDialog);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picker);
    connect(picker, &QColorDialog::accepted, this, [this] {
        const QColor c = picker->currentColor();
        chosen = PackRgb(c.red(), c.green(), c.blue());
        accept();
    });
    connect(picker, &QColorDialog::rejected, this, &QDialog::reject);
}

void TfrmColorPicker::SetInitialColour(PackedColour colour) {
    chosen = colour;
    picker->setCurrentColor(QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
}

} // namespace mottler
