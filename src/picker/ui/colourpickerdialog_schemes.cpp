#include "picker/ui/colourpickerdialog.h"
#include "picker/ui/swatchstrip.h"

#include <QComboBox>

namespace mottler {
namespace {

constexpr PackedColour White = 0xFFFFFF;

} // namespace

void ColourPickerDialog::ShowScheme(const QString& name) {
    pnlCustom->SetColours(PickerSettings::ReadScheme(name));
}

void ColourPickerDialog::SaveScheme() {
    PickerSettings::WriteScheme(cmbSchemes->currentText(), pnlCustom->Colours());
}

void ColourPickerDialog::cmbSchemesClick() {
    PickerSettings::Open().setValue(QStringLiteral("Last Scheme"), cmbSchemes->currentText());
    ShowScheme(cmbSchemes->currentText());
}

void ColourPickerDialog::btnAddSchemeClick() {
    const std::optional<QString> asked = Prompts().SchemeName(this);
    if (!asked || asked->trimmed().isEmpty())
        return;
    const QString name = asked->trimmed();
    if (!PickerSettings::IsUsableSchemeName(name)) {
        Prompts().Message(this, tr("A scheme name cannot contain \"/\" or \"\\\"."));
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

void ColourPickerDialog::btnDeleteSchemeClick() {
    const QString name = cmbSchemes->currentText();
    if (name == PickerSettings::DefaultSchemeName()) {
        Prompts().Message(this, tr("The [Default] scheme cannot be deleted."));
        return;
    }
    if (!Prompts().Confirm(this, tr("Are you sure you want to remove this scheme ?")))
        return;
    PickerSettings::DeleteScheme(name);
    cmbSchemes->removeItem(cmbSchemes->currentIndex());
    cmbSchemes->setCurrentIndex(cmbSchemes->findText(PickerSettings::DefaultSchemeName()));
    cmbSchemesClick();
}

void ColourPickerDialog::mnuSetColorClick() {
    pnlCustom->SetSwatch(menuSwatch, currentColour);
    SaveScheme();
}

void ColourPickerDialog::mnuDeleteColorClick() {
    pnlCustom->SetSwatch(menuSwatch, White);
    SaveScheme();
}

void ColourPickerDialog::mnuClearAllClick() {
    if (Prompts().Confirm(this, tr("Are you sure you want to clear all custom colors ?")))
        pnlCustom->ClearAll();
}
} // namespace mottler
