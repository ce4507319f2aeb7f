#include "controls/ui/tfrmcolorpicker.h"

#include "controls/colourmatch.h"
#include "controls/filefilter.h"
#include "controls/palettefile.h"
#include "controls/pickerpaste.h"
#include "controls/ui/colourgrid.h"
#include "controls/ui/pickercursors.h"
#include "controls/ui/screengrab.h"
#include "controls/ui/spectrumview.h"
#include "controls/ui/swatchstrip.h"
#include "controls/ui/tfrmzoom.h"
#include "controls/ui/tquoredit.h"
#include "controls/websafepalette.h"
#include "engine/errors.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace mottler {
namespace {

constexpr PackedColour White = 0xFFFFFF;
constexpr int DefaultArrowStep = 10;

const char* const PaletteFilter = "GIF files (*.gif)|*.gif|Palette Files (RIFF & JASC) "
                                  "(*.pal)|*.pal|Photoshop Palettes (*.act)|*.act";

QString BoolText(bool on) {
    return on ? QStringLiteral("True") : QStringLiteral("False");
}

PickerPrompts DefaultPrompts() {
    PickerPrompts prompts;
    prompts.message = [](QWidget* parent, const QString& message) {
        QMessageBox::warning(parent, QStringLiteral("Color Picker"), message);
    };
    prompts.confirm = [](QWidget* parent, const QString& question) {
        return QMessageBox::question(parent, QStringLiteral("Color Picker"), question) ==
               QMessageBox::Yes;
    };
    prompts.schemeName = [](QWidget* parent) -> std::optional<QString> {
        bool ok = false;
        const QString name = QInputDialog::getText(parent, QStringLiteral("New Scheme Name"),
                                                   QStringLiteral("Please choose a name for "
                                                                  "this scheme"),
                                                   QLineEdit::Normal, QString(), &ok);
        return ok ? std::optional<QString>(name) : std::nullopt;
    };
    prompts.openFile = [](QWidget* parent, const QString& folder, const QString& filter,
                          const QString& selectedFilter) {
        QFileDialog dialog(parent, QString(), folder, filter);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.selectNameFilter(selectedFilter);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
    return prompts;
}

QToolButton* SpeedButton(QWidget* parent, const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setIconSize(QSize(16, 16));
    return button;
}

TQuorEdit* ChannelEdit(QWidget* parent) {
    auto* edit = new TQuorEdit(parent);
    edit->SetNumericOnly(true);
    edit->SetMax(255);
    edit->setFixedWidth(34);
    return edit;
}

TQuorEdit* HexEdit(QWidget* parent) {
    auto* edit = new TQuorEdit(parent);
    edit->SetAllowChars(QStringLiteral("0123456789ABCDEFabcdef"));
    edit->setMaxLength(2);
    edit->setFixedWidth(34);
    return edit;
}

int ChannelOf(const TQuorEdit* edit) {
    return std::clamp(edit->IntValue(), 0, 255);
}

bool IsPasteKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Paste) ||
           (key->key() == Qt::Key_Insert && key->modifiers() == Qt::ShiftModifier);
}

bool IsWebSafeName(const QString& name) {
    return name.compare(WebSafePaletteName(), Qt::CaseInsensitive) == 0;
}

} // namespace

bool TfrmColorPicker::FadeGrid = false;

PickerPrompts& TfrmColorPicker::Prompts() {
    static PickerPrompts prompts = DefaultPrompts();
    return prompts;
}

TfrmColorPicker::TfrmColorPicker(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Color Picker"));
    BuildParts();
    ConnectParts();
    SetCurrentColour(PackRgb(0, 0, 0));
    LoadSettings();
}

TfrmColorPicker::~TfrmColorPicker() = default;

void TfrmColorPicker::BuildParts() {
    auto* layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(BuildPaletteColumn(), 0, Qt::AlignTop);
    pnlSpectrum = new SpectrumView(this);
    pnlSpectrum->hide();
    layout->addWidget(pnlSpectrum, 0, Qt::AlignTop);
}

QWidget* TfrmColorPicker::BuildPaletteColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* paletteRow = new QHBoxLayout;
    cmbPal = new QComboBox(column);
    cmbPal->setToolTip(QStringLiteral("Select palette or GIF"));
    cmbPal->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbPal->setMinimumContentsLength(12);
    btnLoadFile = SpeedButton(column, QStringLiteral("Load palette"));
    btnLoadFile->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    btnMoreColor = SpeedButton(column, QStringLiteral("More colors"));
    btnMoreColor->setText(QStringLiteral(">>"));
    btnMoreColor->setCheckable(true);
    paletteRow->addWidget(cmbPal, 1);
    paletteRow->addWidget(btnLoadFile);
    paletteRow->addWidget(btnMoreColor);
    layout->addLayout(paletteRow);

    grid1 = new ColourGrid(column);
    layout->addWidget(grid1, 0, Qt::AlignHCenter);
    cmbSort = new QComboBox(column);
    cmbSort->addItems({QStringLiteral("Palette Order"), QStringLiteral("Luminance")});
    layout->addWidget(cmbSort);
    layout->addWidget(BuildCurrentColourGroup());
    lblScreen = new QLabel(column);
    lblScreen->setWordWrap(true);
    lblScreen->setMaximumWidth(grid1->width());
    lblScreen->hide();
    layout->addWidget(lblScreen);
    layout->addWidget(BuildSchemeGroup());

    auto* buttons = new QHBoxLayout;
    btnOK = new QPushButton(QStringLiteral("&OK"), column);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), column);
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);
    return column;
}

QWidget* TfrmColorPicker::BuildCurrentColourGroup() {
    auto* group = new QGroupBox(QStringLiteral("Current Color"), this);
    auto* layout = new QGridLayout(group);
    shColor = new QFrame(group);
    shColor->setFrameShape(QFrame::Box);
    shColor->setFixedSize(44, 44);
    shColor->setAutoFillBackground(true);
    shColor->setToolTip(QStringLiteral("Selected color"));
    shColor->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(shColor, 0, 0, 2, 1);

    layout->addWidget(new QLabel(QStringLiteral("RGB"), group), 0, 1);
    txtRed = ChannelEdit(group);
    txtGreen = ChannelEdit(group);
    txtBlue = ChannelEdit(group);
    layout->addWidget(new QLabel(QStringLiteral("Hex"), group), 1, 1);
    txtHexRed = HexEdit(group);
    txtHexGreen = HexEdit(group);
    txtHexBlue = HexEdit(group);
    const std::array<TQuorEdit*, 6> fields{txtRed,    txtGreen,    txtBlue,
                                           txtHexRed, txtHexGreen, txtHexBlue};
    for (int i = 0; i < 6; ++i) {
        layout->addWidget(fields[i], i / 3, 2 + i % 3);
        fields[i]->installEventFilter(this);
    }

    btnFind = SpeedButton(group, QStringLiteral("Find nearest color in palette"));
    btnFind->setText(QStringLiteral("Find"));
    btnSample = SpeedButton(group, QStringLiteral("Pick a color from the screen"));
    btnSample->setIcon(SampleCursor().pixmap());
    btnZoom = SpeedButton(group, QStringLiteral("Magnify part of the screen"));
    btnZoom->setIcon(MagnifyCursor().pixmap());
    auto* tools = new QHBoxLayout;
    tools->addWidget(btnFind);
    tools->addWidget(btnSample);
    tools->addWidget(btnZoom);
    tools->addStretch();
    layout->addLayout(tools, 2, 0, 1, 5);

    mnuCool = new QMenu(shColor);
    mnuFade = mnuCool->addAction(QStringLiteral("&Fade"));
    mnuFade->setCheckable(true);
    return group;
}

QWidget* TfrmColorPicker::BuildSchemeGroup() {
    auto* group = new QGroupBox(QStringLiteral("Custom Color Schemes"), this);
    auto* layout = new QVBoxLayout(group);
    auto* row = new QHBoxLayout;
    cmbSchemes = new QComboBox(group);
    btnAddScheme = SpeedButton(group, QStringLiteral("Create new group of custom colors"));
    btnAddScheme->setText(QStringLiteral("+"));
    btnDeleteScheme = SpeedButton(group, QStringLiteral("Remove a group of custom colors"));
    btnDeleteScheme->setText(QStringLiteral("-"));
    row->addWidget(cmbSchemes, 1);
    row->addWidget(btnAddScheme);
    row->addWidget(btnDeleteScheme);
    layout->addLayout(row);
    pnlCustom = new SwatchStrip(group);
    layout->addWidget(pnlCustom);

    mnuPop = new QMenu(pnlCustom);
    mnuSetColor = mnuPop->addAction(QStringLiteral("&Set Current Color"));
    mnuDeleteColor = mnuPop->addAction(QStringLiteral("&Delete Color"));
    mnuClearAll = mnuPop->addAction(QStringLiteral("&Clear All Colors"));
    return group;
}

void TfrmColorPicker::ConnectParts() {
    connect(cmbPal, &QComboBox::activated, this, &TfrmColorPicker::cmbPalClick);
    connect(btnLoadFile, &QToolButton::clicked, this, &TfrmColorPicker::btnLoadFileClick);
    connect(btnMoreColor, &QToolButton::clicked, this, &TfrmColorPicker::btnMoreColorClick);
    connect(cmbSort, &QComboBox::activated, this,
            [this] { ShowPalette(paletteFile, showingWebSafe); });
    connect(grid1, &ColourGrid::CellSelected, this,
            [this](int index) { SetCurrentColour(grid1->Colours()[index]); });
    connect(grid1, &ColourGrid::DoubleClicked, this, &TfrmColorPicker::btnOKClick);
    connect(pnlSpectrum, &SpectrumView::ColourPicked, this, &TfrmColorPicker::SetCurrentColour);
    connect(txtRed, &QLineEdit::textChanged, this,
            [this] { DecimalFieldChanged(txtRed, txtHexRed); });
    connect(txtGreen, &QLineEdit::textChanged, this,
            [this] { DecimalFieldChanged(txtGreen, txtHexGreen); });
    connect(txtBlue, &QLineEdit::textChanged, this,
            [this] { DecimalFieldChanged(txtBlue, txtHexBlue); });
    connect(txtHexRed, &QLineEdit::textChanged, this,
            [this] { HexFieldChanged(txtHexRed, txtRed); });
    connect(txtHexGreen, &QLineEdit::textChanged, this,
            [this] { HexFieldChanged(txtHexGreen, txtGreen); });
    connect(txtHexBlue, &QLineEdit::textChanged, this,
            [this] { HexFieldChanged(txtHexBlue, txtBlue); });
    connect(btnFind, &QToolButton::clicked, this, &TfrmColorPicker::btnFindClick);
    connect(btnSample, &QToolButton::pressed, this, &TfrmColorPicker::btnSampleDown);
    connect(btnZoom, &QToolButton::clicked, this, &TfrmColorPicker::btnZoomClick);
    connect(cmbSchemes, &QComboBox::activated, this, &TfrmColorPicker::cmbSchemesClick);
    connect(btnAddScheme, &QToolButton::clicked, this, &TfrmColorPicker::btnAddSchemeClick);
    connect(btnDeleteScheme, &QToolButton::clicked, this, &TfrmColorPicker::btnDeleteSchemeClick);
    connect(pnlCustom, &SwatchStrip::SwatchClicked, this,
            [this](int index) { SetCurrentColour(pnlCustom->Colours()[index]); });
    connect(pnlCustom, &SwatchStrip::MenuRequested, this, [this](int index, QPoint at) {
        SetMenuSwatch(index);
        mnuPop->popup(at);
    });
    connect(mnuSetColor, &QAction::triggered, this, &TfrmColorPicker::mnuSetColorClick);
    connect(mnuDeleteColor, &QAction::triggered, this, &TfrmColorPicker::mnuDeleteColorClick);
    connect(mnuClearAll, &QAction::triggered, this, &TfrmColorPicker::mnuClearAllClick);
    connect(shColor, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { mnuCool->popup(shColor->mapToGlobal(at)); });
    connect(mnuFade, &QAction::toggled, this, [this](bool on) {
        FadeGrid = on;
        if (!loading)
            PickerSettings::Open().setValue(QStringLiteral("Fade"), BoolText(on));
    });
    connect(btnOK, &QPushButton::clicked, this, &TfrmColorPicker::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmColorPicker::LoadSettings() {
    loading = true;
    QSettings settings = PickerSettings::Open();
    cmbSchemes->addItems(PickerSettings::SchemeNames());
    const QString lastScheme =
        settings.value(QStringLiteral("Last Scheme"), PickerSettings::DefaultSchemeName())
            .toString();
    const int schemeIndex = cmbSchemes->findText(lastScheme);
    cmbSchemes->setCurrentIndex(
        schemeIndex >= 0 ? schemeIndex : cmbSchemes->findText(PickerSettings::DefaultSchemeName()));
    ShowScheme(cmbSchemes->currentText());

    try {
        EnsureWebSafePaletteFile();
    } catch (const MottlerError&) {
        // The grid reads the built-in palette itself; the copy in the temporary folder is only
        // for other programs, so a folder that cannot be written costs nothing here.
    }
    ListPaletteFolder(settings.value(QStringLiteral("InitialDir")).toString());
    SelectPaletteName(settings.value(QStringLiteral("Last File"), WebSafePaletteName()).toString());
    cmbPalClick();

    bool stepRead = false;
    const int step =
        settings.value(QStringLiteral(" Arrow Key Movement")).toString().toInt(&stepRead);
    pnlSpectrum->SetArrowStep(stepRead ? step : DefaultArrowStep);
    if (PickerSettings::IsTrueText(settings.value(QStringLiteral("Show ")).toString())) {
        btnMoreColor->setChecked(true);
        btnMoreColorClick();
    }
    mnuFade->setChecked(
        PickerSettings::IsTrueText(settings.value(QStringLiteral("Fade")).toString()));
    FadeGrid = mnuFade->isChecked();
    loading = false;
}

void TfrmColorPicker::SetInitialColour(PackedColour colour) {
    SetCurrentColour(colour);
}

void TfrmColorPicker::SetCurrentColour(PackedColour colour) {
    txtRed->setText(QString::number(RedOf(colour)));
    txtGreen->setText(QString::number(GreenOf(colour)));
    txtBlue->setText(QString::number(BlueOf(colour)));
    currentColour = PackRgb(ChannelOf(txtRed), ChannelOf(txtGreen), ChannelOf(txtBlue));
    ShowColourSwatch();
}

void TfrmColorPicker::ShowColourSwatch() {
    QPalette colours = shColor->palette();
    colours.setColor(QPalette::Window,
                     QColor(RedOf(currentColour), GreenOf(currentColour), BlueOf(currentColour)));
    shColor->setPalette(colours);
}

void TfrmColorPicker::DecimalFieldChanged(TQuorEdit* decimal, TQuorEdit* hex) {
    const QString hexText = QString::asprintf("%02X", ChannelOf(decimal));
    if (hex->text() != hexText)
        hex->setText(hexText);
    currentColour = PackRgb(ChannelOf(txtRed), ChannelOf(txtGreen), ChannelOf(txtBlue));
    ShowColourSwatch();
}

void TfrmColorPicker::HexFieldChanged(TQuorEdit* hex, TQuorEdit* decimal) {
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

bool TfrmColorPicker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && IsPasteKey(static_cast<QKeyEvent*>(event)))
        return PasteIntoField(watched);
    return QDialog::eventFilter(watched, event);
}

bool TfrmColorPicker::PasteIntoField(QObject* field) {
    const QString text = QGuiApplication::clipboard()->text();
    if (field == txtHexRed || field == txtHexGreen || field == txtHexBlue) {
        try {
            const ChannelTexts parts = HexFieldsFromPaste(text);
            txtHexRed->setText(parts[0]);
            txtHexGreen->setText(parts[1]);
            txtHexBlue->setText(parts[2]);
        } catch (const MottlerError& error) {
            Prompts().message(this, error.Message());
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
                    Prompts().message(this,
                                      QStringLiteral("All values must be between 0 and 255."));
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

void TfrmColorPicker::ListPaletteFolder(const QString& folder) {
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

void TfrmColorPicker::SelectPaletteName(const QString& name) {
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

void TfrmColorPicker::cmbPalClick() {
    ShowPaletteNamed(cmbPal->currentText());
}

void TfrmColorPicker::ShowPaletteNamed(const QString& name) {
    QString shownName = name;
    QString path = QDir(QDir::tempPath()).filePath(WebSafePaletteName());
    bool webSafe = IsWebSafeName(name);
    if (!webSafe) {
        path = QDir(paletteFolder).filePath(name);
        if (paletteFolder.isEmpty() || !QFileInfo(path).isFile()) {
            Prompts().message(this, QStringLiteral("The file \"%1\" does not exist.  The default "
                                                   "websafe palette will be displayed instead.")
                                        .arg(QDir::toNativeSeparators(path)));
            cmbPal->removeItem(cmbPal->findText(name));
            webSafe = true;
            shownName = WebSafePaletteName();
            path = QDir(QDir::tempPath()).filePath(WebSafePaletteName());
        }
    }
    if (ShowPalette(path, webSafe))
        shownPaletteName = shownName;
    // After a failure the list shows again the palette the grid still holds.
    SelectPaletteName(shownPaletteName.isEmpty() ? WebSafePaletteName() : shownPaletteName);
    PickerSettings::Open().setValue(QStringLiteral("Last File"), cmbPal->currentText());
}

bool TfrmColorPicker::ShowPalette(const QString& path, bool webSafe) {
    PaletteFileColours read;
    try {
        read = webSafe ? ReadRiffPalette(WebSafePaletteBytes()) : ReadPaletteFile(path);
    } catch (const MottlerError& error) {
        Prompts().message(this, error.Message());
        return false;
    }
    if (cmbSort->currentIndex() == 1)
        SortByLuminance(read.Colours, read.Count);
    grid1->SetColours(read.Colours, FadeGrid && !loading);
    paletteFile = path;
    showingWebSafe = webSafe;
    return true;
}

void TfrmColorPicker::btnLoadFileClick() {
    const QStringList filters = QtFileFilter(QString::fromLatin1(PaletteFilter)).split(";;");
    const QString suffix = QFileInfo(paletteFile).suffix().toLower();
    const int filterIndex = suffix == "pal" ? 1 : suffix == "act" ? 2 : 0;
    QSettings settings = PickerSettings::Open();
    const QString chosen =
        Prompts().openFile(this, settings.value(QStringLiteral("InitialDir")).toString(),
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

void TfrmColorPicker::btnMoreColorClick() {
    SetSpectrumShown(btnMoreColor->isChecked());
}

void TfrmColorPicker::SetSpectrumShown(bool shown) {
    pnlSpectrum->setVisible(shown);
    btnFind->setToolTip(shown ? QStringLiteral("Find nearest color in palette and spectrum")
                              : QStringLiteral("Find nearest color in palette"));
    if (shown)
        SearchSpectrum();
    PickerSettings::Open().setValue(QStringLiteral("Show "), BoolText(shown));
}

void TfrmColorPicker::SearchSpectrum() {
    if (const std::optional<QPoint> at = FindInSpectrum(pnlSpectrum->Spectrum(), currentColour))
        pnlSpectrum->MoveMarkers(*at);
}

void TfrmColorPicker::btnFindClick() {
    if (pnlSpectrum->isVisible())
        SearchSpectrum();
    grid1->SelectCell(FindNearestColour(grid1->Colours(), currentColour));
}

void TfrmColorPicker::keyPressEvent(QKeyEvent* event) {
    const bool arrow = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right ||
                       event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    // Arrow keys no other part used move the spectrum pick while the spectrum is shown.
    if (arrow && pnlSpectrum->isVisible()) {
        QCoreApplication::sendEvent(pnlSpectrum, event);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmColorPicker::btnSampleDown() {
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

void TfrmColorPicker::btnZoomClick() {
    if (zoom == nullptr)
        zoom = new TfrmZoom(this);
    zoom->RestorePosition();
    zoom->exec();
    btnZoom->setDown(false);
}

void TfrmColorPicker::SampleAt(QPoint globalPos) {
    if (const std::optional<PackedColour> pixel = ReadScreenPixel(globalPos)) {
        SetCurrentColour(*pixel);
        return;
    }
    EndSampling();
    lblScreen->setText(ScreenUnreadableText());
    lblScreen->show();
}

void TfrmColorPicker::EndSampling() {
    if (!sampling)
        return;
    sampling = false;
    releaseMouse();
}

void TfrmColorPicker::mouseMoveEvent(QMouseEvent* event) {
    if (sampling || event->buttons().testFlag(Qt::LeftButton))
        SampleAt(event->globalPosition().toPoint());
    QDialog::mouseMoveEvent(event);
}

void TfrmColorPicker::mouseReleaseEvent(QMouseEvent* event) {
    EndSampling();
    QDialog::mouseReleaseEvent(event);
}

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

void TfrmColorPicker::btnOKClick() {
    chosenColour = currentColour;
    SaveScheme();
    accept();
}

} // namespace mottler
