#include "picker/ui/colourpickerdialog.h"

#include "base/errors.h"
#include "help/ui/showhelp.h"
#include "palette/websafepalette.h"
#include "picker/ui/colourbandsview.h"
#include "picker/ui/colourgrid.h"
#include "picker/ui/pickercursors.h"
#include "picker/ui/swatchstrip.h"
#include "presets/datafolder.h"
#include "widgets/ui/numericedit.h"
#include "widgets/ui/plainmessagebox.h"
#include "widgets/ui/toolicons.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace mottler {
namespace {

constexpr int DefaultArrowStep = 10;

PickerPrompts DefaultPrompts() {
    PickerPrompts prompts;
    prompts.Message = [](QWidget* parent, const QString& message) {
        ShowPlainMessageBox(parent, QMessageBox::Warning, ColourPickerDialog::tr("Color Picker"),
                            message);
    };
    prompts.Confirm = [](QWidget* parent, const QString& question) {
        return AskPlainQuestion(parent, ColourPickerDialog::tr("Color Picker"), question);
    };
    prompts.SchemeName = [](QWidget* parent) -> std::optional<QString> {
        bool ok = false;
        const QString name =
            QInputDialog::getText(parent, ColourPickerDialog::tr("New Scheme Name"),
                                  ColourPickerDialog::tr("Please choose a name for "
                                                         "this scheme"),
                                  QLineEdit::Normal, QString(), &ok);
        return ok ? std::optional<QString>(name) : std::nullopt;
    };
    prompts.OpenFile = [](QWidget* parent, const QString& folder, const QString& filter,
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
    button->setAccessibleName(hint);
    button->setAutoRaise(true);
    button->setIconSize(QSize(16, 16));
    return button;
}

NumericEdit* ChannelEdit(QWidget* parent) {
    auto* edit = new NumericEdit(parent);
    edit->SetNumericOnly(true);
    edit->SetMax(255);
    edit->setFixedWidth(34);
    return edit;
}

NumericEdit* HexEdit(QWidget* parent) {
    auto* edit = new NumericEdit(parent);
    edit->SetAllowChars(QStringLiteral("0123456789ABCDEFabcdef"));
    edit->setMaxLength(2);
    edit->setFixedWidth(34);
    return edit;
}

} // namespace

bool ColourPickerDialog::FadeGrid = false;

PickerPrompts& ColourPickerDialog::Prompts() {
    static PickerPrompts prompts = DefaultPrompts();
    return prompts;
}

ColourPickerDialog::ColourPickerDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Color Picker"));
    BuildParts();
    // Every part's keys pass the dialog first: pastes into the colour fields and the arrow
    // keys of the spectrum (eventFilter).
    for (QWidget* part : findChildren<QWidget*>())
        if (!qobject_cast<QMenu*>(part)) // a pop-up menu keeps its own arrow keys
            part->installEventFilter(this);
    ConnectParts();
    SetCurrentColour(PackRgb(0, 0, 0));
    LoadSettings();
    InstallHelpKey(this, HelpContext::ColourPicker);
}

ColourPickerDialog::~ColourPickerDialog() = default;

void ColourPickerDialog::BuildParts() {
    auto* layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(BuildPaletteColumn(), 0, Qt::AlignTop);
    pnlSpectrum = new SpectrumView(this);
    pnlSpectrum->hide();
    layout->addWidget(pnlSpectrum, 0, Qt::AlignTop);
}

QWidget* ColourPickerDialog::BuildPaletteColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* paletteRow = new QHBoxLayout;
    cmbPal = new QComboBox(column);
    cmbPal->setToolTip(tr("Select palette or GIF"));
    cmbPal->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbPal->setMinimumContentsLength(12);
    btnLoadFile = SpeedButton(column, tr("Load palette"));
    btnLoadFile->setIcon(ToolIcon("document-open", QStyle::SP_DialogOpenButton));
    btnMoreColor = SpeedButton(column, tr("More colors"));
    btnMoreColor->setText(QStringLiteral(">>"));
    btnMoreColor->setCheckable(true);
    paletteRow->addWidget(cmbPal, 1);
    paletteRow->addWidget(btnLoadFile);
    paletteRow->addWidget(btnMoreColor);
    layout->addLayout(paletteRow);

    grid1 = new ColourGrid(column);
    layout->addWidget(grid1, 0, Qt::AlignHCenter);
    cmbSort = new QComboBox(column);
    cmbSort->addItems({tr("Palette Order"), tr("Luminance")});
    layout->addWidget(cmbSort);
    layout->addWidget(BuildCurrentColourGroup());
    lblScreen = new QLabel(column);
    lblScreen->setWordWrap(true);
    lblScreen->setMaximumWidth(grid1->width());
    lblScreen->hide();
    layout->addWidget(lblScreen);
    layout->addWidget(BuildSchemeGroup());

    auto* buttons = new QHBoxLayout;
    btnOK = new QPushButton(tr("&OK"), column);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(tr("&Cancel"), column);
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);
    return column;
}

QWidget* ColourPickerDialog::BuildCurrentColourGroup() {
    auto* group = new QGroupBox(tr("Current Color"), this);
    auto* layout = new QGridLayout(group);
    shColor = new QFrame(group);
    shColor->setFrameShape(QFrame::Box);
    shColor->setFixedSize(44, 44);
    shColor->setAutoFillBackground(true);
    shColor->setToolTip(tr("Selected color"));
    shColor->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(shColor, 0, 0, 2, 1);

    layout->addWidget(new QLabel(tr("RGB"), group), 0, 1);
    txtRed = ChannelEdit(group);
    txtGreen = ChannelEdit(group);
    txtBlue = ChannelEdit(group);
    layout->addWidget(new QLabel(tr("Hex"), group), 1, 1);
    txtHexRed = HexEdit(group);
    txtHexGreen = HexEdit(group);
    txtHexBlue = HexEdit(group);
    const std::array<NumericEdit*, 6> fields{txtRed,    txtGreen,    txtBlue,
                                             txtHexRed, txtHexGreen, txtHexBlue};
    for (int i = 0; i < 6; ++i)
        layout->addWidget(fields[i], i / 3, 2 + i % 3);

    btnFind = SpeedButton(group, tr("Find nearest color in palette"));
    btnFind->setText(tr("Find"));
    btnSample = SpeedButton(group, tr("Pick a color from the screen"));
    btnSample->setIcon(SampleCursor().pixmap());
    btnZoom = SpeedButton(group, tr("Magnify part of the screen"));
    btnZoom->setIcon(MagnifyCursor().pixmap());
    auto* tools = new QHBoxLayout;
    tools->addWidget(btnFind);
    tools->addWidget(btnSample);
    tools->addWidget(btnZoom);
    tools->addStretch();
    layout->addLayout(tools, 2, 0, 1, 5);

    mnuCool = new QMenu(shColor);
    mnuFade = mnuCool->addAction(tr("&Fade"));
    mnuFade->setCheckable(true);
    return group;
}

QWidget* ColourPickerDialog::BuildSchemeGroup() {
    auto* group = new QGroupBox(tr("Custom Color Schemes"), this);
    auto* layout = new QVBoxLayout(group);
    auto* row = new QHBoxLayout;
    cmbSchemes = new QComboBox(group);
    btnAddScheme = SpeedButton(group, tr("Create new group of custom colors"));
    btnAddScheme->setText(QStringLiteral("+"));
    btnDeleteScheme = SpeedButton(group, tr("Remove a group of custom colors"));
    btnDeleteScheme->setText(QStringLiteral("-"));
    row->addWidget(cmbSchemes, 1);
    row->addWidget(btnAddScheme);
    row->addWidget(btnDeleteScheme);
    layout->addLayout(row);
    pnlCustom = new SwatchStrip(group);
    layout->addWidget(pnlCustom);

    mnuPop = new QMenu(pnlCustom);
    mnuSetColor = mnuPop->addAction(tr("&Set Current Color"));
    mnuDeleteColor = mnuPop->addAction(tr("&Delete Color"));
    mnuClearAll = mnuPop->addAction(tr("&Clear All Colors"));
    return group;
}

void ColourPickerDialog::ConnectParts() {
    connect(cmbPal, &QComboBox::activated, this, &ColourPickerDialog::cmbPalClick);
    connect(btnLoadFile, &QToolButton::clicked, this, &ColourPickerDialog::btnLoadFileClick);
    connect(btnMoreColor, &QToolButton::clicked, this, &ColourPickerDialog::btnMoreColorClick);
    connect(cmbSort, &QComboBox::activated, this,
            [this] { ShowPalette(paletteFile, showingWebSafe); });
    connect(grid1, &ColourGrid::CellSelected, this,
            [this](int index) { SetCurrentColour(grid1->Colours()[index]); });
    connect(grid1, &ColourGrid::DoubleClicked, this, &ColourPickerDialog::btnOKClick);
    connect(pnlSpectrum, &SpectrumView::ColourPicked, this, &ColourPickerDialog::SetCurrentColour);
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
    connect(btnFind, &QToolButton::clicked, this, &ColourPickerDialog::btnFindClick);
    connect(btnSample, &QToolButton::pressed, this, &ColourPickerDialog::btnSampleDown);
    connect(btnZoom, &QToolButton::clicked, this, &ColourPickerDialog::btnZoomClick);
    connect(cmbSchemes, &QComboBox::activated, this, &ColourPickerDialog::cmbSchemesClick);
    connect(btnAddScheme, &QToolButton::clicked, this, &ColourPickerDialog::btnAddSchemeClick);
    connect(btnDeleteScheme, &QToolButton::clicked, this,
            &ColourPickerDialog::btnDeleteSchemeClick);
    connect(pnlCustom, &SwatchStrip::SwatchClicked, this,
            [this](int index) { SetCurrentColour(pnlCustom->Colours()[index]); });
    connect(pnlCustom, &SwatchStrip::MenuRequested, this, [this](int index, QPoint at) {
        SetMenuSwatch(index);
        mnuPop->popup(at);
    });
    connect(mnuSetColor, &QAction::triggered, this, &ColourPickerDialog::mnuSetColorClick);
    connect(mnuDeleteColor, &QAction::triggered, this, &ColourPickerDialog::mnuDeleteColorClick);
    connect(mnuClearAll, &QAction::triggered, this, &ColourPickerDialog::mnuClearAllClick);
    connect(shColor, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { mnuCool->popup(shColor->mapToGlobal(at)); });
    connect(mnuFade, &QAction::toggled, this, [this](bool on) {
        FadeGrid = on;
        if (!loading)
            PickerSettings::Open().setValue(QStringLiteral("Fade"), PickerSettings::BoolText(on));
    });
    connect(btnOK, &QPushButton::clicked, this, &ColourPickerDialog::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ColourPickerDialog::LoadSettings() {
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
        EnsureWebSafePaletteFile(DataFolder());
    } catch (const MottlerError&) {
        // The grid reads the built-in palette itself; the copy in the data folder is only
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

void ColourPickerDialog::SetInitialColour(PackedColour colour) {
    SetCurrentColour(colour);
}

void ColourPickerDialog::btnOKClick() {
    chosenColour = currentColour;
    SaveScheme();
    accept();
}

} // namespace mottler
