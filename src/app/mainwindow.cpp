#include "app/mainwindow.h"

#include "app/helpmenu.h"
#include "app/messages.h"
#include "app/runinputfilter.h"
#include "base/errors.h"
#include "engine/random.h"
#include "engine/ui/advancedwindow.h"
#include "engine/ui/agethumbnail.h"
#include "engine/ui/texturepreview.h"
#include "output/ui/fullsizeview.h"
#include "palette/ui/adjustpanel.h"
#include "palette/ui/gradienteditor.h"
#include "presets/datafolder.h"
#include "presets/inifile.h"
#include "presets/preset.h"
#include "presets/programsettings.h"
#include "recording/ui/recordtofilewindow.h"
#include "widgets/ui/numericedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace mottler {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmThumb");
    runInput = new RunInputFilter(this);
    BuildWindow();
    frmAdvanced = new AdvancedWindow(this);
    frmRecordToFile = new RecordToFileWindow(this);
    ConnectGeneration();
    ConnectTrackbars();
    ConnectAges();
    ConnectPreview();
    ConnectColours();
    ConnectPresets();
    ConnectRecording();
    ConnectGradient();
    ConnectOutput();
    ConnectWebPreview();
    // Keys and clicks the window handles before its controls (Enter in the seed box, digit
    // keys, Shift+right-click on a spin box, the wheel over a trackbar).
    QApplication::instance()->installEventFilter(this);
    FormCreate();
}

// The full-size view is a child window: it must not report its hiding to a window that is
// being destroyed.
MainWindow::~MainWindow() {
    frmTrueImage->blockSignals(true);
}

void MainWindow::BuildWindow() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* columns = new QHBoxLayout(central);
    auto* left = new QVBoxLayout;
    pgControl = new QTabWidget(central);
    pgControl->setObjectName("pgControl");
    page = BuildTexturePage(pgControl);
    gradientEditor = new GradientEditor(page.pnlGradient, gradient);
    adjustPanel = new AdjustPanel(page.pnlGradient, gradient);
    pgControl->addTab(page.tbBackground, "Texture Settings");
    gradientPage = BuildGradientPage(pgControl);
    pgControl->addTab(gradientPage.tbGradient, "Gradient Settings");
    textPage = BuildPreviewSettingsPage(pgControl);
    pgControl->addTab(textPage.tbText, "Preview Settings");
    left->addWidget(pgControl);

    auto* agesRow = new QHBoxLayout;
    for (int i = 1; i <= 9; ++i) {
        auto* panel = new QFrame(central);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setFixedSize(44, 44);
        auto* thumbnail = new AgeThumbnail(i, panel);
        thumbnail->setGeometry(2, 2, 40, 40);
        ages[static_cast<std::size_t>(i - 1)] = thumbnail;
        agesRow->addWidget(panel);
    }
    agesRow->addStretch();
    left->addLayout(agesRow);
    recording = BuildRecordFrame(central);
    left->addWidget(recording.fraRecord);
    lblTime = new QLabel(central);
    lblTime->setObjectName("lblTime");
    lblTime->hide();
    left->addWidget(lblTime);
    left->addStretch();
    columns->addLayout(left);

    preview = BuildPreviewFrame(central);
    columns->addWidget(preview.fraTilePreview, 1);

    QMenu* file = menuBar()->addMenu("&File");
    QAction* recordingOptions = file->addAction("Set File Recording Options", this,
                                                [this] { mnuFileSetRecordingOptionsClick(); });
    recordingOptions->setObjectName("mnuFileSetRecordingOptions");
    file->addAction("&Import Texture Pack", this, [this] { mnuFileImportTexturePackClick(); });
    file->addSeparator();
    file->addAction("E&xit", this, &QWidget::close);
    QMenu* texture = menuBar()->addMenu("Te&xture");
    texture->addAction("&Generate Texture", this, [this] { btnGoClick(); });
    texture->addAction("Ad&vanced", this, [this] { btnChangeModeClick(); });
    AddOutputCommands(file, texture);
    AddHelpMenu(this);
}

void MainWindow::FormCreate() {
    const ProgramSettings settings = LoadSettings();
    gradientPage.txtSaveHeight->setText(settings.BorderSaveHeight);
    gradientPage.txtSaveWidth->setText(settings.BorderSaveWidth);
    textPage.chkUseNewFilename->setChecked(settings.UseNewFilename);
    imageFile.clear();
    ShowTextureType();
    adjustPanel->ResetContrastBrightness();
    WarnAboutColourDepth();
    ExtractBuiltInFiles();
    LoadPresetNames();
    LoadGradientPresetNames();
    ReseedFromClock();
    SetTextureSize(100, 100);
    SeedTexture();
    gradientEditor->AddControlPoint(0, PackRgb(255, 255, 255), false, PointKind::Start);
    gradientEditor->AddControlPoint(255, PackRgb(0, 0, 0), false, PointKind::End);
    gradientEditor->RebuildPalette();
    page.spFactorA->setRange(page.tbFactorA->minimum(), page.tbFactorA->maximum());
    page.spFactorB->setRange(page.tbFactorB->minimum(), page.tbFactorB->maximum());
    ShowFactors();
    SetPreviewMode(document.Settings.Tile);
}

void MainWindow::WarnAboutColourDepth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr && screen->depth() < 9)
        ShowMessage(this, "Warning: You must be running at higher than 256 colors to use this "
                          "program.  Please close Mottler, adjust your Display Properties "
                          "(right-click on your Desktop and click Properties) to have a Color "
                          "Palette of 16-Bit (65 000 colors) or better.");
}

// The built-in presets and their picture go into the data folder on the first start; a file
// that cannot be written is reported and the program starts without it.
void MainWindow::ExtractBuiltInFiles() {
    try {
        for (const QString& message : ExtractMissingBuiltInFiles())
            ShowError(this, message);
    } catch (const MottlerError& error) {
        ShowError(this, error.Message());
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (running) {
        event->ignore();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SaveSettings({gradientPage.txtSaveHeight->text(), gradientPage.txtSaveWidth->text(),
                  textPage.chkUseNewFilename->isChecked()});
    frmAdvanced->hide();
    frmTrueImage->hide();
    frames.ClearFrames();
    previewFiles.DeleteLastPreview();
    QApplication::restoreOverrideCursor();
    QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (EnterRegenerates(watched, event) || RaisesRange(watched, event) || MovesTrackbar(event))
        return true;
    if (watched == preview.imgTexture)
        imgTextureMouse(event);
    SelectsPointByDigit(watched, event);
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && event->modifiers().testFlag(Qt::ShiftModifier))
        lblTime->setVisible(!lblTime->isVisible());
    QMainWindow::mousePressEvent(event);
}

} // namespace mottler
