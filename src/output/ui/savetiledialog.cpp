#include "output/ui/savetiledialog.h"

#include "base/bmpfile.h"
#include "base/errors.h"
#include "base/numbers.h"
#include "gradients/gradientstrip.h"
#include "help/ui/showhelp.h"
#include "output/quarterturn.h"
#include "output/savedirectory.h"
#include "presets/datafolder.h"
#include "widgets/ui/busycursor.h"
#include "widgets/ui/plainmessagebox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

namespace mottler {
namespace {

/// The preview's side without and with the mirror, which doubles the tile.
constexpr int PlainPreviewSide = 100;
constexpr int MirrorPreviewSide = 200;
/// What the preview shows of the gradient strip beyond its gradient columns.
constexpr int GradientPreviewMargin = 30;

bool HasQuality(ImageFormat format) {
    return format == ImageFormat::Jpeg || format == ImageFormat::Webp;
}

template <typename T> T* Named(T* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

NumericEdit* SizeBox(const char* name, QWidget* parent) {
    auto* box = Named(new NumericEdit(parent), name);
    box->setText("100");
    box->setEnabled(false); // shows the texture's size, never edited
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance("000000") + 12);
    return box;
}

QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// The strip may be a single row: its first columns are stretched down into a band the
// preview's height, and columns past the strip's end take its last (background) colour.
QImage GradientBand(const QImage& strip, int width) {
    QImage band(width, PlainPreviewSide, QImage::Format_RGB32);
    band.fill(strip.isNull() ? QColor(Qt::white) : strip.pixelColor(strip.width() - 1, 0));
    const int drawn = std::min(width, strip.width());
    QPainter(&band).drawImage(QRect(0, 0, drawn, band.height()), strip,
                              QRect(0, 0, drawn, std::min(strip.height(), MirrorPreviewSide)));
    return band;
}

} // namespace

SaveTileDialog::SaveTileDialog(QWidget* parent, const QImage& tile,
                               std::optional<GradientStripImage> strip, const TextureEngine* engine)
    : QDialog(parent), texture(tile), gradient(std::move(strip)), field(engine) {
    setObjectName("frmPicture");
    setWindowTitle(tr("Save Tile"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* groups = new QHBoxLayout;
    groups->addWidget(BuildTileGroup());
    groups->addWidget(BuildOptionsGroup(), 1);
    layout->addLayout(groups);
    layout->addLayout(BuildButtonRow());
    Connect();
    InstallHelpKey(this, HelpContext::SaveImage);
    if (gradient) {
        EnterGradientMode();
        return;
    }
    rbBMPClick();
    ShowQuality();
    rbJpeg->setFocus();
}

QGroupBox* SaveTileDialog::BuildTileGroup() {
    fraTile = Named(new QGroupBox(tr("Your Tile"), this), "fraTile");
    auto* layout = new QVBoxLayout(fraTile);
    // The panel changes between the plain and the mirrored size; its place keeps the larger.
    auto* place = new QWidget(fraTile);
    place->setMinimumSize(MirrorPreviewSide + 8, MirrorPreviewSide + 8);
    auto* centred = new QGridLayout(place);
    centred->setContentsMargins(0, 0, 0, 0);
    auto* panel = Named(new QFrame(place), "pnlTile");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* inPanel = new QVBoxLayout(panel);
    inPanel->setContentsMargins(1, 1, 1, 1);
    imgImage = Named(new QLabel(panel), "imgImage");
    imgImage->setScaledContents(true);
    inPanel->addWidget(imgImage);
    pnlTile = panel;
    centred->addWidget(panel, 0, 0, Qt::AlignCenter);
    layout->addWidget(place, 1);

    chkMirror = Named(new QCheckBox(tr("Mirror"), fraTile), "chkMirror");
    chkMirror->setToolTip(tr("Build a seamless tile up to 200 X 200 pixels"));
    layout->addWidget(chkMirror, 0, Qt::AlignHCenter);
    auto* rotate = new QHBoxLayout;
    btnRotateLeft = Named(new QPushButton(QStringLiteral("\u21b6"), fraTile), "btnRotateLeft");
    btnRotateLeft->setToolTip(tr("Rotate a quarter turn to the left"));
    btnRotateLeft->setAccessibleName(tr("Rotate left"));
    btnRotateLeft->setAccessibleDescription(btnRotateLeft->toolTip());
    pnlRotatelabel = Named(new QLabel(tr("Rotate"), fraTile), "pnlRotatelabel");
    pnlRotatelabel->setAlignment(Qt::AlignCenter);
    btnRotateRight = Named(new QPushButton(QStringLiteral("\u21b7"), fraTile), "btnRotateRight");
    btnRotateRight->setToolTip(tr("Rotate a quarter turn to the right"));
    btnRotateRight->setAccessibleName(tr("Rotate right"));
    btnRotateRight->setAccessibleDescription(btnRotateRight->toolTip());
    rotate->addStretch();
    rotate->addWidget(btnRotateLeft);
    rotate->addWidget(pnlRotatelabel);
    rotate->addWidget(btnRotateRight);
    rotate->addStretch();
    layout->addLayout(rotate);
    return fraTile;
}

QGroupBox* SaveTileDialog::BuildOptionsGroup() {
    fraOptions = Named(new QGroupBox(tr("Options"), this), "fraOptions");
    auto* layout = new QVBoxLayout(fraOptions);
    layout->addLayout(BuildOutputRows(fraOptions));
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addWidget(Named(new QLabel(tr("Image Dimensions"), fraOptions), "Label6"));
    layout->addLayout(BuildSizeRow(fraOptions));
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addWidget(Named(new QLabel(tr("File Format"), fraOptions), "Label1"));
    layout->addLayout(BuildFormatButtons(fraOptions));
    auto* quality = new QHBoxLayout;
    tbJPEGQuality = Named(new QSlider(Qt::Horizontal, fraOptions), "tbJPEGQuality");
    tbJPEGQuality->setRange(1, 100);
    tbJPEGQuality->setValue(DefaultJpegQuality);
    tbJPEGQuality->setPageStep(10);
    tbJPEGQuality->setTickInterval(10);
    tbJPEGQuality->setTickPosition(QSlider::TicksBelow);
    tbJPEGQuality->setToolTip(tr("Quality of JPEG and WebP files (WebP at 100 % is lossless)"));
    lblJpegQuality = Named(new QLabel(fraOptions), "lblJpegQuality");
    lblJpegQuality->setMinimumWidth(fontMetrics().horizontalAdvance("100 %"));
    quality->addWidget(tbJPEGQuality, 1);
    quality->addWidget(lblJpegQuality);
    layout->addLayout(quality);
    btnCalculateSize =
        Named(new QPushButton(tr("C&alculate Size"), fraOptions), "btnCalculateSize");
    layout->addWidget(btnCalculateSize, 0, Qt::AlignLeft);
    stFileSize = Named(new QLabel(fraOptions), "stFileSize");
    stFileSize->setMinimumWidth(fontMetrics().horizontalAdvance(FileSizeText(99999999)));
    layout->addWidget(stFileSize);
    layout->addStretch();
    return fraOptions;
}

// What is saved: the texture, or chemical A as a height or normal map with the normal map's
// strength and green direction.
QLayout* SaveTileDialog::BuildOutputRows(QWidget* parent) {
    cmbOutput = Named(new QComboBox(parent), "cmbOutput");
    cmbOutput->addItems({tr("Texture"), tr("Height map"), tr("Normal map")});
    cmbOutput->setEnabled(field != nullptr);
    spNormalStrength = Named(new QDoubleSpinBox(parent), "spNormalStrength");
    spNormalStrength->setRange(0.0, MaxNormalStrength);
    spNormalStrength->setDecimals(1);
    spNormalStrength->setSingleStep(0.5);
    spNormalStrength->setValue(DefaultNormalStrength);
    spNormalStrength->setToolTip(tr("How many pixels high the field's whole range stands"));
    chkNormalDirectX =
        Named(new QCheckBox(tr("&DirectX (green down)"), parent), "chkNormalDirectX");
    chkNormalDirectX->setToolTip(tr("Unchecked, green points up as OpenGL expects"));
    auto* rows = new QGridLayout;
    rows->addWidget(BuddyLabel(tr("O&utput"), cmbOutput, parent), 0, 0);
    rows->addWidget(cmbOutput, 0, 1, Qt::AlignLeft);
    rows->addWidget(BuddyLabel(tr("Stre&ngth"), spNormalStrength, parent), 1, 0);
    auto* normal = new QHBoxLayout;
    normal->addWidget(spNormalStrength);
    normal->addWidget(chkNormalDirectX);
    normal->addStretch();
    rows->addLayout(normal, 1, 1);
    return rows;
}

QLayout* SaveTileDialog::BuildSizeRow(QWidget* parent) {
    auto* row = new QHBoxLayout;
    txtWidth = SizeBox("txtWidth", parent);
    txtHeight = SizeBox("txtHeight", parent);
    row->addWidget(BuddyLabel(tr("&Width"), txtWidth, parent));
    row->addWidget(txtWidth);
    row->addWidget(new QLabel(tr("X"), parent));
    row->addWidget(BuddyLabel(tr("&Height"), txtHeight, parent));
    row->addWidget(txtHeight);
    row->addWidget(new QLabel(tr("pixels"), parent));
    row->addStretch();
    return row;
}

QLayout* SaveTileDialog::BuildFormatButtons(QWidget* parent) {
    auto* grid = new QGridLayout;
    rbBMP = Named(new QRadioButton(tr("&BMP"), parent), "rbBMP");
    rbGIF = Named(new QRadioButton(tr("&GIF"), parent), "rbGIF");
    rbJpeg = Named(new QRadioButton(tr("&JPEG"), parent), "rbJpeg");
    rbPNG = Named(new QRadioButton(tr("&PNG"), parent), "rbPNG");
    rbWebP = Named(new QRadioButton(tr("W&ebP"), parent), "rbWebP");
    rbJpeg->setChecked(true);
    grid->addWidget(rbBMP, 0, 0);
    grid->addWidget(rbGIF, 0, 1);
    grid->addWidget(rbJpeg, 0, 2);
    grid->addWidget(rbPNG, 1, 0);
    grid->addWidget(rbWebP, 1, 1);
    return grid;
}

QLayout* SaveTileDialog::BuildButtonRow() {
    auto* row = new QHBoxLayout;
    btnSave = Named(new QPushButton(tr("&Save"), this), "btnSave");
    btnClose = Named(new QPushButton(tr("&Close"), this), "btnClose");
    btnHelp = Named(new QPushButton(tr("&Help"), this), "btnHelp");
    btnSave->setDefault(true);
    row->addStretch();
    row->addWidget(btnSave);
    row->addWidget(btnClose);
    row->addWidget(btnHelp);
    return row;
}

void SaveTileDialog::Connect() {
    for (QRadioButton* button : {rbBMP, rbGIF, rbJpeg, rbPNG, rbWebP})
        connect(button, &QRadioButton::clicked, this, [this] { rbBMPClick(); });
    connect(chkMirror, &QCheckBox::clicked, this, [this] { rbBMPClick(); });
    connect(cmbOutput, &QComboBox::currentIndexChanged, this, [this] { cmbOutputChange(); });
    connect(spNormalStrength, &QDoubleSpinBox::valueChanged, this, [this] { rbBMPClick(); });
    connect(chkNormalDirectX, &QCheckBox::clicked, this, [this] { rbBMPClick(); });
    connect(btnRotateLeft, &QPushButton::clicked, this, [this] { btnRotateLeftClick(); });
    connect(btnRotateRight, &QPushButton::clicked, this, [this] { btnRotateRightClick(); });
    connect(tbJPEGQuality, &QSlider::valueChanged, this, [this] { tbJPEGQualityChange(); });
    connect(btnCalculateSize, &QPushButton::clicked, this, [this] { btnCalculateSizeClick(); });
    connect(btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, [] { ShowHelpTopic(HelpContext::SaveImage); });
}

// The strip is saved as the GIF its output image makes; nothing of the texture applies.
void SaveTileDialog::EnterGradientMode() {
    for (QWidget* option : fraOptions->findChildren<QWidget*>())
        option->setEnabled(false);
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{chkMirror, btnRotateLeft, btnRotateRight, pnlRotatelabel})
        hidden->hide();
    rbGIF->setChecked(true);
    const GradientSettings& settings = gradient->Settings;
    // The boxes show what is saved: the output image, not the texture.
    txtWidth->setText(settings.SaveWidth);
    txtHeight->setText(settings.SaveHeight);
    const int shown = IntValue(settings.GradientWidth) +
                      (settings.AddBorder ? IntValue(settings.BorderWidth) : 0) +
                      GradientPreviewMargin;
    ShowPreviewImage(GradientBand(gradient->Strip, std::clamp(shown, 1, MirrorPreviewSide)), 0);
}

SaveTileChoices SaveTileDialog::Choices() const {
    SaveTileChoices choices;
    choices.Format = rbBMP->isChecked()    ? ImageFormat::Bmp
                     : rbGIF->isChecked()  ? ImageFormat::Gif
                     : rbPNG->isChecked()  ? ImageFormat::Png
                     : rbWebP->isChecked() ? ImageFormat::Webp
                                           : ImageFormat::Jpeg;
    choices.Quality = tbJPEGQuality->value();
    choices.Mirror = chkMirror->isChecked();
    choices.Output = static_cast<TileOutput>(cmbOutput->currentIndex());
    if (choices.Output != TileOutput::Texture) {
        choices.Format = ImageFormat::Png; // a map is always a PNG, neither turned nor mirrored
        choices.Mirror = false;
    }
    choices.Normal.Strength = spNormalStrength->value();
    choices.Normal.Convention =
        chkNormalDirectX->isChecked() ? NormalConvention::DirectX : NormalConvention::OpenGl;
    return choices;
}

// A map offers only PNG and the normal map's own options; the texture everything else.
void SaveTileDialog::cmbOutputChange() {
    const bool map = Choices().Output != TileOutput::Texture;
    if (map)
        rbPNG->setChecked(true);
    for (QWidget* control : std::initializer_list<QWidget*>{
             rbBMP, rbGIF, rbJpeg, rbWebP, btnRotateLeft, btnRotateRight, pnlRotatelabel})
        control->setEnabled(!map);
    rbBMPClick();
}

QImage SaveTileDialog::SavedImage() const {
    const SaveTileChoices choices = Choices();
    return choices.Output == TileOutput::Texture ? texture : TileMap(*field, choices);
}

// The format change, also the refresh after a turn or the mirror: only the formats written
// from the mirrored preview offer the mirror, and only the lossy ones a quality.
void SaveTileDialog::rbBMPClick() {
    const SaveTileChoices choices = Choices();
    const ImageFormat format = choices.Format;
    const bool normalMap = choices.Output == TileOutput::NormalMap;
    spNormalStrength->setEnabled(normalMap);
    chkNormalDirectX->setEnabled(normalMap);
    chkMirror->setEnabled(CarriesMirror(format) && choices.Output == TileOutput::Texture);
    tbJPEGQuality->setEnabled(HasQuality(format));
    lblJpegQuality->setEnabled(HasQuality(format));
    btnCalculateSize->setEnabled(HasQuality(format));
    RefreshWorkFile(false);
}

void SaveTileDialog::RefreshWorkFile(bool showLook) {
    const BusyCursor busy;
    try {
        const QImage saved = SavedImage(); // a map is made once for the preview and the file
        PreparePreview(saved);
        work = WriteWorkFile(saved, Choices(), DataFolder());
    } catch (const MottlerError& error) {
        stFileSize->clear();
        ShowFailure(error.Message());
        return;
    }
    stFileSize->setText(FileSizeText(work.Size));
    if (showLook)
        ShowPreviewImage(work.Look, imgImage->width());
}

void SaveTileDialog::PreparePreview(const QImage& saved) {
    const SaveTileChoices choices = Choices();
    if (choices.Output != TileOutput::Texture) {
        const QImage& map = saved;
        txtWidth->setText(QString::number(map.width()));
        txtHeight->setText(QString::number(map.height()));
        ShowPreviewImage(map, PlainPreviewSide);
        return;
    }
    txtWidth->setText(QString::number(texture.width()));
    txtHeight->setText(QString::number(texture.height()));
    const bool mirror = choices.Mirror && CarriesMirror(choices.Format);
    ShowPreviewImage(SaveTilePreview(texture, mirror),
                     mirror ? MirrorPreviewSide : PlainPreviewSide);
}

// side 0: the image at its own size.
void SaveTileDialog::ShowPreviewImage(const QImage& image, int side) {
    imgImage->setPixmap(QPixmap::fromImage(image));
    imgImage->setFixedSize(side > 0 ? QSize(side, side) : image.size());
}

void SaveTileDialog::btnRotateLeftClick() {
    TurnTexture(-1);
}

void SaveTileDialog::btnRotateRightClick() {
    TurnTexture(1);
}

void SaveTileDialog::TurnTexture(int turns) {
    {
        const BusyCursor busy;
        texture = TurnedBy(texture, turns);
    }
    quarterTurns = ((quarterTurns + turns) % 4 + 4) % 4;
    rbBMPClick();
}

// Small textures encode fast enough to follow the slider; larger ones wait for the button.
void SaveTileDialog::tbJPEGQualityChange() {
    ShowQuality();
    if (txtWidth->IntValue() < LiveSizeLimit && txtHeight->IntValue() < LiveSizeLimit &&
        HasQuality(Choices().Format))
        btnCalculateSizeClick();
}

void SaveTileDialog::ShowQuality() {
    lblJpegQuality->setText(QStringLiteral("%1%").arg(tbJPEGQuality->value()));
}

void SaveTileDialog::btnCalculateSizeClick() {
    if (HasQuality(Choices().Format))
        RefreshWorkFile(true);
}

void SaveTileDialog::btnSaveClick() {
    const ImageFormat chosen = gradient ? ImageFormat::Gif : Choices().Format;
    const QString typed = fileDialog(
        {this, true, SaveDirectory(), SaveTileFilter(chosen), ImageFormatExtension(chosen)});
    if (typed.isEmpty())
        return;
    // A map is a PNG whatever extension was typed, so its name gets ".png" added.
    const bool map = !gradient && Choices().Output != TileOutput::Texture;
    const SaveTarget target =
        map && ImageFormatOf(typed) != ImageFormat::Png
            ? SaveTarget{typed + (typed.endsWith('.') ? "png" : ".png"), ImageFormat::Png}
            : SaveTileTarget(typed, chosen);
    // A typed extension is the user's choice of format: show it and its options as saved.
    if (!gradient && target.Format != chosen) {
        FormatButton(target.Format)->setChecked(true);
        rbBMPClick();
    }
    try {
        SaveChosenFile(target);
    } catch (const MottlerError& error) {
        ShowFailure(error.Message());
        return;
    }
    RememberSaveDirectory(target.Path);
}

QRadioButton* SaveTileDialog::FormatButton(ImageFormat format) const {
    switch (format) {
    case ImageFormat::Bmp:
        return rbBMP;
    case ImageFormat::Gif:
        return rbGIF;
    case ImageFormat::Png:
        return rbPNG;
    case ImageFormat::Webp:
        return rbWebP;
    default:
        return rbJpeg;
    }
}

void SaveTileDialog::SaveChosenFile(const SaveTarget& target) {
    const BusyCursor busy;
    if (!gradient) {
        SaveTile(SavedImage(), Choices(), target.Path);
        return;
    }
    const QImage image = MakeGradientImage(gradient->Strip, gradient->Settings);
    WriteFileAtomically(target.Path, EncodeImage(image, target.Format, tbJPEGQuality->value()));
}

void SaveTileDialog::ShowFailure(const QString& message) {
    ShowPlainMessageBox(this, QMessageBox::Critical, QStringLiteral("Mottler"), message);
}

} // namespace mottler
