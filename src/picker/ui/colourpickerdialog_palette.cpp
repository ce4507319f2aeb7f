#include "base/errors.h"
#include "palette/colourmatch.h"
#include "palette/palettefile.h"
#include "palette/websafepalette.h"
#include "picker/ui/colourbandsview.h"
#include "picker/ui/colourgrid.h"
#include "picker/ui/colourpickerdialog.h"
#include "presets/datafolder.h"
#include "widgets/filefilter.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QToolButton>

namespace mottler {
namespace {

const char* const PaletteFilter = QT_TRANSLATE_NOOP(
    "mottler::ColourPickerDialog", "GIF files (*.gif)|*.gif|Palette Files (RIFF & JASC) "
                                   "(*.pal)|*.pal|Photoshop Palettes (*.act)|*.act");

bool IsWebSafeName(const QString& name) {
    return name.compare(WebSafePaletteName(), Qt::CaseInsensitive) == 0;
}

// In the per-user data folder, never in the shared temporary folder, where anyone could plant
// a link of that name.
QString WebSafePalettePath() {
    return DataFile(WebSafePaletteName());
}

} // namespace

void ColourPickerDialog::ListPaletteFolder(const QString& folder) {
    paletteFolder = folder;
    cmbPal->clear();
    cmbPal->addItem(WebSafePaletteName());
    if (folder.isEmpty())
        return;
    const QStringList names = QDir(folder).entryList(
        {QStringLiteral("*.pal"), QStringLiteral("*.gif"), QStringLiteral("*.act")},
        QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        if (!IsWebSafeName(name))
            cmbPal->addItem(name);
}

void ColourPickerDialog::SelectPaletteName(const QString& name) {
    int index = -1;
    for (int i = 0; i < cmbPal->count() && index < 0; ++i)
        if (cmbPal->itemText(i).compare(name, Qt::CaseInsensitive) == 0)
            index = i;
    if (index < 0) {
        // A name the folder no longer lists still goes through cmbPalClick, which reports it.
        cmbPal->addItem(name);
        index = cmbPal->count() - 1;
    }
    cmbPal->setCurrentIndex(index);
}

void ColourPickerDialog::cmbPalClick() {
    ShowPaletteNamed(cmbPal->currentText());
}

void ColourPickerDialog::ShowPaletteNamed(const QString& name) {
    QString shownName = name;
    QString path = WebSafePalettePath();
    bool webSafe = IsWebSafeName(name);
    if (!webSafe) {
        path = QDir(paletteFolder).filePath(name);
        if (paletteFolder.isEmpty() || !QFileInfo(path).isFile()) {
            Prompts().Message(this, tr("The file \"%1\" does not exist.  The default "
                                       "websafe palette will be displayed instead.")
                                        .arg(QDir::toNativeSeparators(path)));
            cmbPal->removeItem(cmbPal->findText(name));
            webSafe = true;
            shownName = WebSafePaletteName();
            path = WebSafePalettePath();
        }
    }
    if (ShowPalette(path, webSafe))
        shownPaletteName = shownName;
    else if (shownPaletteName.isEmpty() && ShowPalette(WebSafePalettePath(), true))
        shownPaletteName = WebSafePaletteName(); // nothing shown yet: the list's fallback
    // After a failure the list shows again the palette the grid still holds.
    SelectPaletteName(shownPaletteName.isEmpty() ? WebSafePaletteName() : shownPaletteName);
    PickerSettings::Open().setValue(QStringLiteral("Last File"), cmbPal->currentText());
}

bool ColourPickerDialog::ShowPalette(const QString& path, bool webSafe) {
    PaletteFileColours read;
    try {
        read = webSafe ? ReadRiffPalette(WebSafePaletteBytes()) : ReadPaletteFile(path);
    } catch (const MottlerError& error) {
        Prompts().Message(this, error.Message());
        return false;
    }
    if (cmbSort->currentIndex() == 1)
        SortByLuminance(read.Colours, read.Count);
    grid1->SetColours(read.Colours, FadeGrid && !loading);
    paletteFile = path;
    showingWebSafe = webSafe;
    return true;
}

void ColourPickerDialog::btnLoadFileClick() {
    const QStringList filters = QtFileFilter(tr(PaletteFilter)).split(";;");
    const QString suffix = QFileInfo(paletteFile).suffix().toLower();
    const int filterIndex = suffix == "pal" ? 1 : suffix == "act" ? 2 : 0;
    QSettings settings = PickerSettings::Open();
    const QString chosen =
        Prompts().OpenFile(this, settings.value(QStringLiteral("InitialDir")).toString(),
                           filters.join(";;"), filters.value(filterIndex));
    if (chosen.isEmpty() || !ShowPalette(chosen, false))
        return;
    const QFileInfo file(chosen);
    settings.setValue(QStringLiteral("InitialDir"), file.absolutePath());
    ListPaletteFolder(file.absolutePath());
    SelectPaletteName(file.fileName());
    shownPaletteName = file.fileName();
    // Remembered as well, so that the next start shows this file from the new folder rather
    // than looking for the old name there.
    settings.setValue(QStringLiteral("Last File"), file.fileName());
}

void ColourPickerDialog::btnMoreColorClick() {
    SetSpectrumShown(btnMoreColor->isChecked());
}

void ColourPickerDialog::SetSpectrumShown(bool shown) {
    pnlSpectrum->setVisible(shown);
    btnMoreColor->setText(shown ? QStringLiteral("<<") : QStringLiteral(">>"));
    btnFind->setToolTip(shown ? tr("Find nearest color in palette and spectrum")
                              : tr("Find nearest color in palette"));
    if (shown)
        SearchSpectrum();
    PickerSettings::Open().setValue(QStringLiteral("Show "), PickerSettings::BoolText(shown));
}

void ColourPickerDialog::SearchSpectrum() {
    if (const std::optional<QPoint> at = FindInSpectrum(pnlSpectrum->Spectrum(), currentColour))
        pnlSpectrum->MoveMarkers(*at);
}

void ColourPickerDialog::btnFindClick() {
    if (pnlSpectrum->isVisible())
        SearchSpectrum();
    grid1->SelectCell(FindNearestColour(grid1->Colours(), currentColour));
}

} // namespace mottler
