#include "base/errors.h"
#include "picker/pickerpaste.h"
#include "picker/ui/colourbandsview.h"
#include "picker/ui/colourpickerdialog.h"
#include "picker/ui/pickercursors.h"
#include "picker/ui/screengrab.h"
#include "picker/ui/zoomwindow.h"
#include "widgets/ui/numericedit.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

namespace mottler {
namespace {

int ChannelOf(const NumericEdit* edit) {
    return std::clamp(edit->IntValue(), 0, 255);
}

bool IsPasteKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Paste) ||
           (key->key() == Qt::Key_Insert && key->modifiers() == Qt::ShiftModifier);
}

bool IsArrowKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Left || key->key() == Qt::Key_Right || key->key() == Qt::Key_Up ||
           key->key() == Qt::Key_Down;
}

} // namespace

void ColourPickerDialog::SetCurrentColour(PackedColour colour) {
    txtRed->setText(QString::number(RedOf(colour)));
    txtGreen->setText(QString::number(GreenOf(colour)));
    txtBlue->setText(QString::number(BlueOf(colour)));
    currentColour = PackRgb(ChannelOf(txtRed), ChannelOf(txtGreen), ChannelOf(txtBlue));
    ShowColourSwatch();
}

void ColourPickerDialog::ShowColourSwatch() {
    QPalette colours = shColor->palette();
    colours.setColor(QPalette::Window,
                     QColor(RedOf(currentColour), GreenOf(currentColour), BlueOf(currentColour)));
    shColor->setPalette(colours);
}

void ColourPickerDialog::DecimalFieldChanged(NumericEdit* decimal, NumericEdit* hex) {
    const QString hexText = QString::asprintf("%02X", ChannelOf(decimal));
    if (hex->text() != hexText)
        hex->setText(hexText);
    currentColour = PackRgb(ChannelOf(txtRed), ChannelOf(txtGreen), ChannelOf(txtBlue));
    ShowColourSwatch();
}

void ColourPickerDialog::HexFieldChanged(NumericEdit* hex, NumericEdit* decimal) {
    if (hex->text().size() != 2)
        return;
    bool ok = false;
    const int value = hex->text().toInt(&ok, 16);
    if (!ok)
        return;
    if (decimal->text() != QString::number(value))
        decimal->setText(QString::number(value));
    currentColour = PackRgb(ChannelOf(txtRed), ChannelOf(txtGreen), ChannelOf(txtBlue));
    ShowColourSwatch();
}

bool ColourPickerDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (IsPasteKey(key))
        return PasteIntoField(watched);
    // While the spectrum is shown the arrow keys move its pick, wherever the focus is.
    if (IsArrowKey(key) && watched != pnlSpectrum && pnlSpectrum->isVisible()) {
        QCoreApplication::sendEvent(pnlSpectrum, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// The dialog itself with the focus: the arrows move the spectrum pick as from any control.
void ColourPickerDialog::keyPressEvent(QKeyEvent* event) {
    if (IsArrowKey(event) && pnlSpectrum->isVisible()) {
        QCoreApplication::sendEvent(pnlSpectrum, event);
        return;
    }
    QDialog::keyPressEvent(event);
}

bool ColourPickerDialog::PasteIntoField(QObject* field) {
    const QString text = QGuiApplication::clipboard()->text();
    if (field == txtHexRed || field == txtHexGreen || field == txtHexBlue) {
        try {
            const ChannelTexts parts = HexFieldsFromPaste(text);
            txtHexRed->setText(parts[0]);
            txtHexGreen->setText(parts[1]);
            txtHexBlue->setText(parts[2]);
        } catch (const MottlerError& error) {
            Prompts().Message(this, error.Message());
        }
        return true;
    }
    if (field == txtRed || field == txtGreen || field == txtBlue) {
        if (const std::optional<ChannelTexts> parts = DecimalFieldsFromPaste(text)) {
            // Only numbers the fields could hold: a pasted "300" or "x" would show a colour
            // the fields do not say.
            for (const QString& part : *parts) {
                bool ok = false;
                const int value = part.toInt(&ok);
                if (!ok || value < 0 || value > 255) {
                    Prompts().Message(this, tr("All values must be between 0 and 255."));
                    return true;
                }
            }
            txtRed->setText((*parts)[0]);
            txtGreen->setText((*parts)[1]);
            txtBlue->setText((*parts)[2]);
        }
        return true;
    }
    return false;
}
void ColourPickerDialog::btnSampleDown() {
    const std::optional<PackedColour> pixel = ReadScreenPixel(QCursor::pos());
    btnSample->setDown(false);
    if (!pixel) {
        lblScreen->setText(ScreenUnreadableText());
        lblScreen->show();
        return;
    }
    sampling = true;
    grabMouse(SampleCursor());
    SetCurrentColour(*pixel);
}

void ColourPickerDialog::btnZoomClick() {
    if (zoom == nullptr)
        zoom = new ZoomWindow(this);
    zoom->RestorePosition();
    zoom->exec();
    btnZoom->setDown(false);
}

void ColourPickerDialog::SampleAt(QPoint globalPos) {
    if (const std::optional<PackedColour> pixel = ReadScreenPixel(globalPos)) {
        SetCurrentColour(*pixel);
        return;
    }
    EndSampling();
    lblScreen->setText(ScreenUnreadableText());
    lblScreen->show();
}

void ColourPickerDialog::EndSampling() {
    if (!sampling)
        return;
    sampling = false;
    releaseMouse();
}

void ColourPickerDialog::mouseMoveEvent(QMouseEvent* event) {
    if (sampling || event->buttons().testFlag(Qt::LeftButton))
        SampleAt(event->globalPosition().toPoint());
    QDialog::mouseMoveEvent(event);
}

void ColourPickerDialog::mouseReleaseEvent(QMouseEvent* event) {
    EndSampling();
    QDialog::mouseReleaseEvent(event);
}
} // namespace mottler
