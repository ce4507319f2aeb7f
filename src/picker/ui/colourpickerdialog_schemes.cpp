#include "controls/ui/swatchstrip.h"
#include "controls/ui/tfrmcolorpicker.h"

#include <QComboBox>

namespace mottler {
namespace {

constexpr PackedColour White = 0xFFFFFF;

} // namespace

void TfrmColorPicker::ShowScheme(const QString& name) {
    pnlCustom->SetColours(PickerSettings::ReadScheme(name));
}

void TfrmColorPicker::SaveScheme() {
    PickerSettings::WriteScheme(cmbSchemes->currentText(), pnlCustom->Colours());
}

void TfrmColorPicker::cmbSchemesClick() {
    PickerSettings::Open().setValue(QStringLiteral("Last Scheme"), cmbSchemes->currentText());
    ShowScheme(cmbSchemes->currentText());
}

void TfrmColorPicker::btnAddSchemeClick() {
    const std::optional<QString> asked = Prompts().schemeName(this);
    if (!asked || asked->trimmed().isEmpty())
        return;
    const QString name = asked->trimmed();
    if (!PickerSettings::IsUsableSchemeName(name)) {
        Prompts().message(this, QStringLiteral("A scheme name cannot contain \"/\" or \"\\\"."));
        return;
    }
    if (cmbSchemes->findText(name) < 0) {
        // Stored at once, so that the new scheme is still listed if the dialog is cancelled.
        SchemeColours white;
        white.fill(White);
        PickerSettings::WriteScheme(name, white);
        cmbSchemes->clear();
        cmbSchemes->addItems(PickerSettings::SchemeNames());
    }
    cmbSchemes->setCurrentIndex(cmbSchemes->findText(name));
    cmbSchemesClick();
}

void TfrmColorPicker::btnDeleteSchemeClick() {
    const QString name = cmbSchemes->currentText();
    if (name == PickerSettings::DefaultSchemeName()) {
        Prompts().message(this, QStringLiteral("The [Default] scheme cannot be deleted."));
        return;
    }
    if (!Prompts().confirm(this, QStringLiteral("Are you sure you want to remove this scheme ?")))
        return;
    PickerSettings::DeleteScheme(name);
    cmbSchemes->removeItem(cmbSchemes->currentIndex());
    cmbSchemes->setCurrentIndex(cmbSchemes->findText(PickerSettings::DefaultSchemeName()));
    cmbSchemesClick();
}

void TfrmColorPicker::mnuSetColorClick() {
    pnlCustom->SetSwatch(menuSwatch, currentColour);
    SaveScheme();
}

void TfrmColorPicker::mnuDeleteColorClick() {
    pnlCustom->SetSwatch(menuSwatch, White);
    SaveScheme();
}

void TfrmColorPicker::mnuClearAllClick() {
    if (Prompts().confirm(this,
                          QStringLiteral("Are you sure you want to clear all custom colors ?")))
        pnlCustom->ClearAll();
}
} // namespace mottler
