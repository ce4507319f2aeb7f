#include "app/mainwindow.h"

#include "app/agestrip.h"
#include "app/helpmenu.h"
#include "app/previewframe.h"
#include "app/recordframe.h"
#include "app/texturecommands.h"
#include "app/texturepage.h"
#include "app/texturepresets.h"
#include "base/errors.h"
#include "engine/random.h"
#include "engine/ui/advancedwindow.h"
#include "engine/ui/texturepreview.h"
#include "gradients/ui/gradientpage.h"
#include "output/ui/fullsizeview.h"
#include "palette/ui/adjustpanel.h"
#include "palette/ui/gradienteditor.h"
#include "presets/datafolder.h"
#include "presets/programsettings.h"
#include "presets/shapetuning.h"
#include "preview/ui/previewsettingspage.h"
#include "widgets/ui/messages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace mottler {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmThumb");
    BuildWindow();
    BuildMenus();
    // Smaller than its contents the window scrolls them; below this it would show too little
    // of them to work with.
    setMinimumSize(QSize(600, 400).boundedTo(StartSize()));
    resize(StartSize());
    frmAdvanced = new AdvancedWindow(this);
    BindPages();
    commands = new TextureCommands(document, *this, *page, *preview, *frmAdvanced);
    presets = new TexturePresets(document, *this, *page, *gradientPage, *commands);
    ConnectAges();
    ConnectColours();
    ConnectGradient();
    ConnectOutput();
    // Keys the window handles before its controls (digit keys, the wheel over a trackbar).
    QApplication::instance()->installEventFilter(this);
    FormCreate();
}

// The full-size view is a child window: it must not report its hiding to a window that is
// being destroyed.
MainWindow::~MainWindow() {
    frmTrueImage->blockSignals(true);
}

// The settings on the left; the preview with the age thumbnails and the recording controls under
// it on the right, so that the window fits a laptop screen. A window made smaller than its
// contents scrolls them.
void MainWindow::BuildWindow() {
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName("scrWindow");
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setFocusPolicy(Qt::NoFocus); // Tab goes to the controls, which it scrolls into view
    setCentralWidget(scroller);
    auto* central = new QWidget(scroller);
    auto* columns = new QHBoxLayout(central);
    // The contents never shrink below what they need: the scroll area scrolls them instead.
    columns->setSizeConstraint(QLayout::SetMinimumSize);
    auto* left = new QVBoxLayout;
    pgControl = new QTabWidget(central);
    pgControl->setObjectName("pgControl");
    pgControl->setAccessibleName(tr("Settings"));
    page = new TexturePage(pgControl);
    gradientEditor = new GradientEditor(page->pnlGradient, document.Gradient);
    adjustPanel = new AdjustPanel(page->pnlGradient, document.Gradient);
    pgControl->addTab(page, tr("Texture Settings"));
    gradientPage = new GradientPage(pgControl);
    pgControl->addTab(gradientPage, tr("Gradient Settings"));
    textPage = new PreviewSettingsPage(pgControl);
    pgControl->addTab(textPage, tr("Preview Settings"));
    left->addWidget(pgControl);
    lblTime = new QLabel(central);
    lblTime->setObjectName("lblTime");
    lblTime->hide();
    left->addWidget(lblTime);
    left->addStretch();
    columns->addLayout(left);
    auto* right = new QVBoxLayout;
    preview = new PreviewFrame(central);
    right->addWidget(preview, 1);
    ages = new AgeStrip(central);
    right->addWidget(ages);
    recording = new RecordFrame(central);
    right->addWidget(recording);
    columns->addLayout(right, 1);
    scroller->setWidget(central);
}

// The contents at their preferred size, as far as the screen holds them.
QSize MainWindow::StartSize() const {
    const auto* scroller = static_cast<const QScrollArea*>(centralWidget());
    QSize wanted = scroller->widget()->sizeHint();
    wanted.rheight() += menuBar()->sizeHint().height();
    if (const QScreen* shown = screen())
        wanted = wanted.boundedTo(shown->availableGeometry().size());
    return wanted;
}

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* recordingOptions = file->addAction(tr("Set File Recording Options"), this,
                                                [this] { mnuFileSetRecordingOptionsClick(); });
    recordingOptions->setObjectName("mnuFileSetRecordingOptions");
    file->addAction(tr("&Import Texture Pack"), this,
                    [this] { presets->mnuFileImportTexturePackClick(); });
    file->addSeparator();
    file->addAction(tr("E&xit"), this, &QWidget::close);
    AddEditMenu();
    QMenu* texture = menuBar()->addMenu(tr("Te&xture"));
    QAction* go =
        texture->addAction(tr("&Generate Texture"), this, [this] { commands->btnGoClick(); });
    texture->addAction(tr("Ad&vanced"), this, [this] { commands->btnChangeModeClick(); });
    AddExploreCommand(texture);
    AddOutputCommands(file, texture);
    AddHelpMenu(this);
    InstallTabHelpKey(
        this, pgControl,
        {HelpContext::MainWindow, HelpContext::GradientMaker, HelpContext::WebPreview});
    connect(&document, &TextureDocument::RunStateChanged, go,
            [go](bool running) { go->setEnabled(!running); });
}

// Every page shows the document and writes into it; the window follows what it must keep in
// step itself (the run time, the full-size view).
void MainWindow::BindPages() {
    page->Bind(document);
    preview->Bind(document);
    recording->Bind(document);
    ages->Bind(document);
    gradientPage->Bind(document);
    textPage->Bind(document);
    frmAdvanced->Bind(document);
    connect(&document, &TextureDocument::RunTimeMeasured, this,
            [this](double seconds) { lblTime->setText(QString::asprintf("%.2f", seconds)); });
    connect(&document, &TextureDocument::SizeChanged, this, [this](int width, int height) {
        setWindowTitle(tr("Mottler - [%1 by %2]").arg(width).arg(height));
    });
    connect(preview, &PreviewFrame::PreviewShown, this, [this] { FollowInFullView(); });
}

void MainWindow::FormCreate() {
    const ProgramSettings settings = LoadSettings();
    mottler::GradientSettings border = document.FadingBorder();
    border.SaveHeight = settings.BorderSaveHeight;
    border.SaveWidth = settings.BorderSaveWidth;
    document.SetFadingBorder(border);
    PreviewSettings previewSettings = document.Preview();
    previewSettings.UseNewFilename = settings.UseNewFilename;
    document.SetPreview(previewSettings);
    adjustPanel->ResetContrastBrightness();
    WarnAboutColourDepth();
    ExtractBuiltInFiles();
    presets->LoadPresetNames();
    gradientPage->LoadPresetNames();
    ReseedFromClock();
    commands->Allocating([this] { document.SetTextureSize(100, 100); });
    document.Seed(ReadShapeTuning());
    gradientEditor->AddControlPoint(0, PackRgb(255, 255, 255), false, PointKind::Start);
    gradientEditor->AddControlPoint(255, PackRgb(0, 0, 0), false, PointKind::End);
    gradientEditor->RebuildPalette();
    document.ClearUndo(); // the start-up texture is where undo stops
}

void MainWindow::WarnAboutColourDepth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr && screen->depth() < 9)
        ShowMessage(this, tr("Warning: You must be running at higher than 256 colors to use this "
                             "program.  Please close Mottler, adjust your Display Properties "
                             "(right-click on your Desktop and click Properties) to have a Color "
                             "Palette of 16-Bit (65 000 colors) or better."));
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
    if (document.Running()) {
        event->ignore();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SaveSettings({document.FadingBorder().SaveHeight, document.FadingBorder().SaveWidth,
                  document.Preview().UseNewFilename});
    frmAdvanced->hide();
    frmTrueImage->hide();
    document.Frames.ClearFrames();
    preview->DeleteLastPreviewPage();
    QApplication::restoreOverrideCursor();
    QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (MovesTrackbar(event))
        return true;
    if (watched == preview->imgTexture)
        imgTextureMouse(event);
    SelectsPointByDigit(watched, event);
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && event->modifiers().testFlag(Qt::ShiftModifier))
        lblTime->setVisible(!lblTime->isVisible());
    QMainWindow::mousePressEvent(event);
}

// The mouse wheel moves a focused trackbar.
bool MainWindow::MovesTrackbar(QEvent* event) {
    auto* bar = qobject_cast<QSlider*>(QApplication::focusWidget());
    if (event->type() != QEvent::Wheel || bar == nullptr || !isAncestorOf(bar))
        return false;
    bar->setValue(bar->value() + static_cast<QWheelEvent*>(event)->angleDelta().y());
    return true;
}

} // namespace mottler
