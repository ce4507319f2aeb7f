// The Export Animation window's controls and layout. Every size comes from the layouts and the
// font, so the window grows with a larger font or scale factor instead of clipping.
#include "help/ui/showhelp.h"
#include "output/ui/exportanimationdialog.h"
#include "picker/ui/colourdropdown.h"
#include "widgets/ui/layoutparts.h"
#include "widgets/ui/partsprogressbar.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace mottler {
namespace {

template <typename Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* Label(const QString& text, QWidget* parent, const char* name, QWidget* buddy = nullptr) {
    auto* label = Named(new QLabel(text, parent), name);
    label->setBuddy(buddy);
    return label;
}

/// A box wide enough for `digits` digits at its own font.
NumericEdit* NumberBox(QWidget* parent, const char* name, int digits) {
    auto* box = Named(new NumericEdit(parent), name);
    const QFontMetrics metrics = box->fontMetrics();
    box->setFixedWidth(metrics.horizontalAdvance(QString(digits, QChar('0'))) + metrics.height());
    return box;
}

} // namespace

void ExportAnimationDialog::BuildControls() {
    setObjectName("frmExportAnim");
    setWindowTitle(tr("Export Animation"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildOptionsGroup(), 1);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildFormatGroup());
    right->addWidget(BuildPreviewGroup());
    columns->addLayout(right);
    layout->addLayout(columns);

    lblStatus = Named(new QLabel(this), "lblStatus");
    lblStatus->setMinimumWidth(fontMetrics().horizontalAdvance(tr("Analysing Frame 00000")));
    pbExport = Named(new PartsProgressBar(this), "pbExport");
    pbExport->SetShowPercent(true);
    pbExport->setFixedHeight(fontMetrics().height() + 4);
    QSizePolicy keepRoom = pbExport->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true); // the window keeps its size when it shows
    pbExport->setSizePolicy(keepRoom);
    pbExport->hide();
    layout->addLayout(BuildButtonRow());

    tmrShow = Named(new QTimer(this), "tmrShow");
    tmrShow->setInterval(250);
    InstallHelpKey(this, HelpContext::ExportAnimation);
}

QGroupBox* ExportAnimationDialog::BuildOptionsGroup() {
    fraOptions = Named(new QGroupBox(tr("&Export Options"), this), "fraOptions");
    auto* inGroup = new QVBoxLayout(fraOptions);
    rbAll = Named(new QRadioButton(tr("All"), fraOptions), "rbAll");
    rbAll->setChecked(true);
    inGroup->addWidget(
        Label(tr("Which frames are in the exported animation?"), fraOptions, "Label1", rbAll));
    inGroup->addWidget(rbAll);
    rbBetween = Named(new QRadioButton(tr("Between Frame #"), fraOptions), "rbBetween");
    txtStart = NumberBox(fraOptions, "txtStart", 6);
    txtStart->SetNumericOnly(true);
    txtStart->SetMin(1);
    txtStart->setEnabled(false);
    txtEnd = NumberBox(fraOptions, "txtEnd", 6);
    txtEnd->SetNumericOnly(true);
    txtEnd->setEnabled(false);
    inGroup->addLayout(LeftAlignedRow(
        {rbBetween, txtStart, Label(tr("and"), fraOptions, "Label2", txtEnd), txtEnd}));
    txtSkip = NumberBox(fraOptions, "txtSkip", 4);
    txtSkip->setText("1");
    inGroup->addLayout(
        LeftAlignedRow({txtSkip, Label(tr("Include every 'n'th frame (1=every frame)"), fraOptions,
                                       "Label3", txtSkip)}));
    chkLooping = Named(new QCheckBox(tr("&Looping"), fraOptions), "chkLooping");
    inGroup->addWidget(chkLooping);
    inGroup->addWidget(BuildLoopingGroup(fraOptions));
    inGroup->addStretch();
    return fraOptions;
}

QGroupBox* ExportAnimationDialog::BuildLoopingGroup(QGroupBox* parent) {
    fraLooping = Named(new QGroupBox(parent), "fraLooping");
    auto* inGroup = new QVBoxLayout(fraLooping);
    rbPingPong = Named(new QRadioButton(tr("Ping Pong all frames"), fraLooping), "rbPingPong");
    rbBlendFrames =
        Named(new QRadioButton(tr("Blend first/last \"n\" frames"), fraLooping), "rbBlendFrames");
    txtBlendFrameCount = NumberBox(fraLooping, "txtBlendFrameCount", 4);
    txtBlendFrameCount->setText("5");
    txtBlendFrameCount->setAccessibleName(tr("Frames to blend"));
    inGroup->addWidget(rbPingPong);
    inGroup->addLayout(LeftAlignedRow({rbBlendFrames, txtBlendFrameCount}));
    return fraLooping;
}

QGroupBox* ExportAnimationDialog::BuildFormatGroup() {
    GroupBox2 = Named(new QGroupBox(tr("S&ave Format"), this), "GroupBox2");
    auto* inGroup = new QVBoxLayout(GroupBox2);
    rbSaveGIF = Named(new QRadioButton(tr("Animated GIF"), GroupBox2), "rbSaveGIF");
    rbSaveGIF->setChecked(true);
    chkTransparent = Named(new QCheckBox(tr("Transparent"), GroupBox2), "chkTransparent");
    scpTransparentColour = Named(new ColourDropDown(GroupBox2), "scpTransparentColour");
    scpTransparentColour->setEnabled(false);
    scpTransparentColour->SetAccessibleName(tr("Transparent colour"));
    // Room for "255,255,255" beside the combo box's arrow, plus the drop-down's own frame
    // (3 pixels around the entry) and its dialog button (29 pixels).
    const QFontMetrics metrics = fontMetrics();
    const QSize entry = scpTransparentColour->Entry()->sizeHint();
    scpTransparentColour->setFixedSize(scpTransparentColour->sizeHint().expandedTo(
        {metrics.horizontalAdvance("255,255,255") + entry.height() + 29, entry.height() + 6}));
    rbSaveBMP = Named(new QRadioButton(tr("BMP Files"), GroupBox2), "rbSaveBMP");
    rbSaveAVI = Named(new QRadioButton(tr("AVI"), GroupBox2), "rbSaveAVI");
    inGroup->addWidget(rbSaveGIF);
    auto* transparency = LeftAlignedRow({chkTransparent, scpTransparentColour});
    transparency->insertSpacing(0, metrics.height());
    inGroup->addLayout(transparency);
    inGroup->addWidget(rbSaveBMP);
    inGroup->addWidget(rbSaveAVI);
    rbSaveWebM = Named(new QRadioButton(tr("WebM video (VP9)"), GroupBox2), "rbSaveWebM");
    rbSaveMP4 = Named(new QRadioButton(tr("MP4 video (H.264)"), GroupBox2), "rbSaveMP4");
    rbSaveWebP = Named(new QRadioButton(tr("Animated WebP"), GroupBox2), "rbSaveWebP");
    for (QRadioButton* format : {rbSaveWebM, rbSaveMP4, rbSaveWebP})
        inGroup->addWidget(format);
    inGroup->addLayout(BuildVideoRows(GroupBox2));
    return GroupBox2;
}

// The quality, lossless and frame-rate choices of the three compressed formats.
QLayout* ExportAnimationDialog::BuildVideoRows(QGroupBox* parent) {
    spQuality = Named(new QSpinBox(parent), "spQuality");
    spQuality->setRange(1, 100);
    spQuality->setValue(80);
    spQuality->setAccessibleName(tr("Quality"));
    chkLossless = Named(new QCheckBox(tr("L&ossless"), parent), "chkLossless");
    spFrameRate = Named(new QSpinBox(parent), "spFrameRate");
    spFrameRate->setRange(1, MaxFramesPerSecond);
    spFrameRate->setValue(10);
    spFrameRate->setAccessibleName(tr("Frame rate"));
    auto* rows = new QVBoxLayout;
    auto* quality = LeftAlignedRow(
        {Label(tr("&Quality"), parent, "lblQuality", spQuality), spQuality, chkLossless});
    quality->insertSpacing(0, fontMetrics().height());
    auto* rate = LeftAlignedRow({Label(tr("Frame &rate"), parent, "lblFrameRate", spFrameRate),
                                 spFrameRate, Label(tr("a second"), parent, "lblPerSecond")});
    rate->insertSpacing(0, fontMetrics().height());
    rows->addLayout(quality);
    rows->addLayout(rate);
    return rows;
}

QGroupBox* ExportAnimationDialog::BuildPreviewGroup() {
    GroupBox1 = Named(new QGroupBox(tr("Preview"), this), "GroupBox1");
    auto* inGroup = new QHBoxLayout(GroupBox1);
    auto* panel = Named(new QFrame(GroupBox1), "pnlPreview");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* inPanel = new QVBoxLayout(panel);
    inPanel->setContentsMargins(1, 1, 1, 1);
    img = Named(new QLabel(panel), "img");
    img->setScaledContents(true);
    img->setFixedSize(6 * fontMetrics().height(), 6 * fontMetrics().height());
    inPanel->addWidget(img);
    inGroup->addWidget(panel, 0, Qt::AlignTop);

    auto* numbers = new QVBoxLayout;
    lblFrameNumber = Named(new QLabel(GroupBox1), "lblFrameNumber");
    lblLength = Named(new QLabel(GroupBox1), "lblLength");
    numbers->addLayout(LeftAlignedRow({Label(tr("Frame "), GroupBox1, "Label4"), lblFrameNumber}));
    numbers->addWidget(Label(tr("Current Length"), GroupBox1, "Label6"));
    numbers->addWidget(lblLength);
    numbers->addStretch();
    inGroup->addLayout(numbers);
    return GroupBox1;
}

QLayout* ExportAnimationDialog::BuildButtonRow() {
    btnSave = Named(new QPushButton(tr("&Save"), this), "btnSave");
    btnClose = Named(new QPushButton(tr("&Close"), this), "btnClose");
    btnHelp = Named(new QPushButton(tr("&Help"), this), "btnHelp");
    // The export's status and progress sit left of the buttons.
    auto* row = new QHBoxLayout;
    row->addWidget(lblStatus);
    row->addWidget(pbExport, 1);
    for (QPushButton* button : {btnSave, btnClose, btnHelp})
        row->addWidget(button);
    return row;
}

} // namespace mottler
