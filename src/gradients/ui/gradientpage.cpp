#include "gradients/ui/gradientpage.h"

#include "base/errors.h"
#include "base/numbers.h"
#include "document/texturedocument.h"
#include "gradients/gradientstore.h"
#include "picker/ui/colourdropdown.h"
#include "presets/inifile.h"
#include "widgets/ui/layoutparts.h"
#include "widgets/ui/messages.h"
#include "widgets/ui/numericedit.h"
#include "widgets/ui/presetnameprompt.h"
#include "widgets/ui/updown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <QVBoxLayout>

namespace mottler {
namespace {

// The colour box keeps its design size while its entry fits; a larger font widens and
// heightens it by what the entry needs beyond that.
ColourDropDown* ColourBox(QWidget* parent, const char* name) {
    auto* box = NamedWidget<ColourDropDown>(parent, name);
    const QSize growth = (box->Entry()->sizeHint() - box->Entry()->size()).expandedTo(QSize(0, 0));
    box->setMinimumSize(box->sizeHint() + growth);
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return box;
}

// The caption of a colour box, which also names the box's parts for screen readers.
QLabel* ColourCaption(QWidget* parent, const QString& text, ColourDropDown* box) {
    box->SetAccessibleName(text);
    return BuddyCaption(parent, text, box->Entry());
}

// A numeric box wide enough for `digits` digits in its own font.
NumericEdit* NumberBox(QWidget* parent, const char* name, const QString& hint, int digits) {
    auto* box = NamedWidget<NumericEdit>(parent, name);
    box->SetNumericOnly(true);
    box->setToolTip(hint);
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const QFontMetrics metrics = box->fontMetrics();
    const QSize text(metrics.horizontalAdvance(QString(digits, '0')) + metrics.averageCharWidth(),
                     metrics.height());
    box->setFixedWidth(
        box->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, box).width());
    return box;
}

void AddRow(QGridLayout* grid, QLabel* label, QLayout* field) {
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addLayout(field, row, 1);
}

QGridLayout* BuildGradientRows(QWidget* page, GradientPage& p) {
    auto* grid = new QGridLayout;
    p.cmbGradients = NamedWidget<QComboBox>(page, "cmbGradients");
    p.cmbGradients->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    p.btnSaveGradient = NamedWidget<QToolButton>(page, "btnSaveGradient");
    p.btnSaveGradient->setIcon(page->style()->standardIcon(QStyle::SP_DialogSaveButton));
    p.btnSaveGradient->setToolTip(GradientPage::tr("Save this pattern"));
    p.btnSaveGradient->setAccessibleName(GradientPage::tr("Save this pattern"));
    AddRow(grid, BuddyCaption(page, GradientPage::tr("&Presets"), p.cmbGradients),
           LeftAlignedRow({p.cmbGradients, p.btnSaveGradient}));

    p.scpStartColour = ColourBox(page, "scpStartColour");
    AddRow(grid, ColourCaption(page, GradientPage::tr("Gradient &Start Color"), p.scpStartColour),
           LeftAlignedRow({p.scpStartColour}));
    p.scpEndColour = ColourBox(page, "scpEndColour");
    AddRow(grid, ColourCaption(page, GradientPage::tr("Gradient &End Color"), p.scpEndColour),
           LeftAlignedRow({p.scpEndColour}));

    p.chkUseTextureGradient = NamedWidget<QCheckBox>(page, "chkUseTextureGradient");
    p.chkUseTextureGradient->setText(GradientPage::tr("Use Texture gradient (Forces Width=256)"));
    p.chkUseTextureGradient->setToolTip(
        GradientPage::tr("Uses the color gradient from the Texture Settings tab"));
    grid->addWidget(p.chkUseTextureGradient, grid->rowCount(), 0, 1, 2);

    p.txtGradientWidth =
        NumberBox(page, "txtGradientWidth", GradientPage::tr("The width of the gradient"), 5);
    p.udWidth = NamedWidget<UpDown>(page, "udWidth");
    p.udWidth->SetRange(1, 10000);
    p.udWidth->SetPosition(1);
    p.udWidth->SetAccessibleName(GradientPage::tr("Width"));
    AddRow(grid, BuddyCaption(page, GradientPage::tr("&Width"), p.txtGradientWidth),
           LeftAlignedRow({p.txtGradientWidth, p.udWidth}));

    p.scpBGColour = ColourBox(page, "scpBGColour");
    AddRow(grid, ColourCaption(page, GradientPage::tr("&Background Color"), p.scpBGColour),
           LeftAlignedRow({p.scpBGColour}));
    grid->setColumnStretch(1, 1);
    return grid;
}

QGroupBox* BuildBorderGroup(QWidget* page, GradientPage& p) {
    p.fraBorder = NamedWidget<QGroupBox>(page, "fraBorder");
    auto* grid = new QGridLayout(p.fraBorder);
    p.txtBorderWidth = NumberBox(
        p.fraBorder, "txtBorderWidth",
        GradientPage::tr("The width of the border between the gradient and background"), 3);
    p.udBorderWidth = NamedWidget<UpDown>(p.fraBorder, "udBorderWidth");
    p.udBorderWidth->SetRange(1, 999);
    p.udBorderWidth->SetPosition(1);
    p.udBorderWidth->SetAccessibleName(GradientPage::tr("Border Width"));
    AddRow(grid, BuddyCaption(p.fraBorder, GradientPage::tr("Border Width"), p.txtBorderWidth),
           LeftAlignedRow({p.txtBorderWidth, p.udBorderWidth}));
    p.scpBorderColour = ColourBox(p.fraBorder, "scpBorderColour");
    AddRow(grid, ColourCaption(p.fraBorder, GradientPage::tr("Border Color"), p.scpBorderColour),
           LeftAlignedRow({p.scpBorderColour}));
    grid->setColumnStretch(1, 1);
    p.fraBorder->setEnabled(false);
    return p.fraBorder;
}

QGroupBox* BuildOutputSizeGroup(QWidget* page, GradientPage& p) {
    p.fraBorderOutputSize = NamedWidget<QGroupBox>(page, "fraBorderOutputSize");
    p.fraBorderOutputSize->setTitle(GradientPage::tr("&Output Size for Fading Border"));
    QWidget* group = p.fraBorderOutputSize;
    p.txtSaveWidth =
        NumberBox(group, "txtSaveWidth", GradientPage::tr("The width of the gradient"), 6);
    p.txtSaveHeight =
        NumberBox(group, "txtSaveHeight", GradientPage::tr("The height of the gradient"), 6);
    auto* row = new QHBoxLayout(group);
    for (NumericEdit* box : {p.txtSaveWidth, p.txtSaveHeight}) {
        box->SetMin(1);
        row->addWidget(BuddyCaption(
            group, box == p.txtSaveWidth ? GradientPage::tr("Width") : GradientPage::tr("Height"),
            box));
        row->addWidget(box);
    }
    row->addStretch();
    return p.fraBorderOutputSize;
}

} // namespace

GradientPage::GradientPage(QWidget* parent) : QWidget(parent) {
    setObjectName("tbGradient");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildGradientRows(this, *this));
    Label21 = NamedWidget<QLabel>(this, "Label21");
    Label21->setText(tr("You can adjust the width of the gradient by holding down the left mouse "
                        "button in the \"Tile Preview\" window, or by using the \"Width\" box "
                        "above."));
    Label21->setWordWrap(true);
    ReserveWrappedHeight(Label21, 55);
    layout->addWidget(Label21);
    chkAddBorder = NamedWidget<QCheckBox>(this, "chkAddBorder");
    chkAddBorder->setText(tr("&Add Border"));
    chkAddBorder->setToolTip(tr("Display a graduated border to the right of the main gradient"));
    layout->addWidget(chkAddBorder);
    layout->addWidget(BuildBorderGroup(this, *this));
    layout->addWidget(BuildOutputSizeGroup(this, *this));
    layout->addStretch();
    ShowSettings(GradientSettings{});
}

GradientPage::~GradientPage() = default;

void GradientPage::Bind(TextureDocument& document) {
    doc = &document;
    const std::pair<ColourDropDown*, PackedColour GradientSettings::*> pickers[] = {
        {scpStartColour, &GradientSettings::StartColour},
        {scpEndColour, &GradientSettings::EndColour},
        {scpBGColour, &GradientSettings::BackgroundColour},
        {scpBorderColour, &GradientSettings::BorderColour}};
    for (const auto& [picker, colour] : pickers)
        connect(picker, &ColourDropDown::Changed, this,
                [this, picker, colour] { scpStartColourChange(picker, colour); });
    const std::pair<NumericEdit*, QString GradientSettings::*> boxes[] = {
        {txtGradientWidth, &GradientSettings::GradientWidth},
        {txtBorderWidth, &GradientSettings::BorderWidth},
        {txtSaveWidth, &GradientSettings::SaveWidth},
        {txtSaveHeight, &GradientSettings::SaveHeight}};
    for (const auto& [box, text] : boxes)
        connect(box, &QLineEdit::textChanged, this, [this, text](const QString& typed) {
            Edit([&](GradientSettings& b) { b.*text = typed; });
        });
    connect(udWidth, &UpDown::Clicked, this,
            [this] { txtGradientWidth->setText(QString::number(udWidth->Position())); });
    connect(udBorderWidth, &UpDown::Clicked, this,
            [this] { txtBorderWidth->setText(QString::number(udBorderWidth->Position())); });
    connect(chkAddBorder, &QCheckBox::clicked, this, [this] { chkAddBorderClick(); });
    connect(cmbGradients, &QComboBox::activated, this, [this] { cmbGradientsClick(); });
    connect(btnSaveGradient, &QToolButton::clicked, this, [this] { btnSaveGradientClick(); });
    connect(chkUseTextureGradient, &QCheckBox::clicked, this,
            [this](bool on) { doc->SetUseTextureGradient(on); });
    connect(doc, &TextureDocument::FadingBorderChanged, this,
            [this] { ShowSettings(doc->FadingBorder()); });
    ShowSettings(doc->FadingBorder());
}

void GradientPage::Edit(const std::function<void(GradientSettings&)>& change) {
    if (showing || doc == nullptr)
        return;
    GradientSettings border = doc->FadingBorder();
    change(border);
    doc->SetFadingBorder(border);
}

// A colour box that gives no complete colour leaves the strip as it is.
void GradientPage::scpStartColourChange(const ColourDropDown* picker,
                                        PackedColour GradientSettings::*colour) {
    if (picker->IsColourSet())
        Edit([&](GradientSettings& b) { b.*colour = picker->Colour(); });
}

// An empty or zero border width gets the default width when the border is switched on.
void GradientPage::chkAddBorderClick() {
    Edit([&](GradientSettings& b) {
        b.AddBorder = chkAddBorder->isChecked();
        if (IntValue(b.BorderWidth) == 0)
            b.BorderWidth = DefaultBorderWidthText;
    });
}

// Puts the settings into the controls without reporting them back as edits, and enables the
// border group to match "Add Border".
void GradientPage::ShowSettings(const GradientSettings& settings) {
    showing = true;
    scpStartColour->SetColour(settings.StartColour);
    scpEndColour->SetColour(settings.EndColour);
    scpBorderColour->SetColour(settings.BorderColour);
    if (txtBorderWidth->text() != settings.BorderWidth)
        txtBorderWidth->setText(settings.BorderWidth);
    chkAddBorder->setChecked(settings.AddBorder);
    fraBorder->setEnabled(settings.AddBorder);
    chkUseTextureGradient->setChecked(settings.UseTextureGradient);
    scpBGColour->SetColour(settings.BackgroundColour);
    if (txtGradientWidth->text() != settings.GradientWidth)
        txtGradientWidth->setText(settings.GradientWidth);
    if (txtSaveWidth->text() != settings.SaveWidth)
        txtSaveWidth->setText(settings.SaveWidth);
    if (txtSaveHeight->text() != settings.SaveHeight)
        txtSaveHeight->setText(settings.SaveHeight);
    udWidth->SetPosition(IntValue(settings.GradientWidth));
    udBorderWidth->SetPosition(IntValue(settings.BorderWidth));
    showing = false;
}

void GradientPage::LoadPresetNames() {
    try {
        gradientFile = std::make_unique<IniFile>(ProgramGradientFile());
        ShowPresetNames(QString());
    } catch (const MottlerError& error) {
        ShowError(this, error.Message());
    }
}

void GradientPage::RefreshPresetNames() {
    try {
        if (gradientFile && gradientFile->ReloadIfChanged())
            ShowPresetNames(cmbGradients->currentText());
    } catch (const MottlerError&) {
        // A file that cannot be read now is reported when it is next used.
    }
}

void GradientPage::ShowPresetNames(const QString& selected) {
    cmbGradients->clear();
    cmbGradients->addItems(GradientPresetNames(*gradientFile));
    cmbGradients->setCurrentIndex(cmbGradients->findText(selected, Qt::MatchExactly));
}

void GradientPage::EnterTab() {
    if (cmbGradients->count() > 0 && cmbGradients->currentIndex() < 0) {
        cmbGradients->setCurrentIndex(0);
        LoadGradient(cmbGradients->currentText());
    }
}

void GradientPage::cmbGradientsClick() {
    if (cmbGradients->currentIndex() >= 0)
        LoadGradient(cmbGradients->currentText());
}

// The document takes what a preset sets at once, also when a malformed colour stopped the
// load part way; the error is shown afterwards.
void GradientPage::LoadGradient(const QString& name) {
    if (!gradientFile || doc == nullptr)
        return;
    const LoadedGradient loaded = mottler::LoadGradient(*gradientFile, name);
    if (!loaded.Loadable)
        return;
    GradientSettings border = doc->FadingBorder();
    ApplyLoadedGradient(loaded, border);
    doc->SetFadingBorder(border);
    if (!loaded.Complete())
        ShowError(this, loaded.Error);
}

// Cancel leaves the presets alone; a listed name is replaced only when the user agrees.
void GradientPage::btnSaveGradientClick() {
    const QString name = AskPresetName(this, cmbGradients, GradientPresetNameTexts());
    if (name.isEmpty() || !gradientFile)
        return;
    try {
        ShowPresetNames(SaveGradient(*gradientFile, name, doc->FadingBorder()));
    } catch (const MottlerError& error) {
        ShowError(this, error.Message());
    }
}

} // namespace mottler
