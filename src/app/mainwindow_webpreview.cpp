// The "Preview Settings" page: the sample words over the tile preview, the readability of the
// four colours over the background, the preview page in the browser and the colour codes.
#include "app/mainwindow.h"
#include "app/messages.h"
#include "base/errors.h"
#include "engine/ui/agethumbnail.h"
#include "engine/ui/texturepreview.h"
#include "help/ui/showhelp.h"
#include "palette/colourtext.h"
#include "preview/colourcodes.h"
#include "preview/ui/textcolouroverlay.h"
#include "widgets/ui/colourdropdown.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace mottler {
namespace {

/// A texture change during a run or a drag of the pointers comes in bursts; the background is
/// measured once the burst is over.
constexpr int ReadabilityDelayMs = 200;

} // namespace

void MainWindow::ConnectWebPreview() {
    urlOpener = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    textColours = new TextColourOverlay(preview.imgTexture);
    readabilityTimer = new QTimer(this);
    readabilityTimer->setSingleShot(true);
    readabilityTimer->setInterval(ReadabilityDelayMs);
    connect(readabilityTimer, &QTimer::timeout, this, [this] { UpdateTextColours(); });
    connect(pgControl, &QTabWidget::currentChanged, this,
            [this] { ShowTextColourPreview(pgControl->currentWidget() == textPage.tbText); });
    for (ColourDropDown* picker : textPage.Pickers())
        connect(picker, &ColourDropDown::Changed, this, [this, picker] { scpTextChange(picker); });
    connect(textPage.cmbFonts, &QComboBox::currentIndexChanged, this, [this] { cmbFontsClick(); });
    connect(preview.btnPreview, &QPushButton::clicked, this, [this] { btnPreviewClick(); });
    connect(textPage.btnCopyToClipboard, &QPushButton::clicked, this,
            [this] { btnCopyToClipboardClick(); });
    connect(preview.btnToClipboard, &QToolButton::clicked, this, [this] { btnToClipboardClick(); });
    connect(textPage.btnCopyAsCss, &QPushButton::clicked, this, [this] { btnCopyAsCssClick(); });
    InstallPageHelpKey(textPage.tbText, HelpContext::WebPreview);
}

void MainWindow::ShowTextColourPreview(bool show) {
    if (auto* saveImage = findChild<QAction*>("mnuSaveImage")) {
        saveImage->setEnabled(!show);
        saveImage->setVisible(!show);
    }
    preview.btnToClipboard->setVisible(show);
    ShowTextureControls(pgControl->currentWidget() == page.tbBackground);
    if (show) {
        SetDefaultPreviewColours();
        UpdateTextColours();
    }
    textColours->setVisible(show);
}

// Every picker that is still empty gets its default; the pickers' own change events are
// ignored meanwhile and the words and figures are brought up to date once afterwards.
void MainWindow::SetDefaultPreviewColours() {
    updatingColours = true;
    const auto pickers = textPage.Pickers();
    for (std::size_t i = 0; i < pickers.size(); ++i)
        if (pickers[i]->Text().isEmpty())
            pickers[i]->SetText(ColourToHex(DefaultPreviewColours[i]));
    updatingColours = false;
}

// On the page, a colour set in one picker refills the others that were emptied with their
// defaults; the picker being emptied itself stays empty while the user types.
void MainWindow::scpTextChange(const ColourDropDown* changed) {
    if (updatingColours)
        return;
    if (!changed->HtmlCode().isEmpty() && pgControl->currentWidget() == textPage.tbText)
        SetDefaultPreviewColours();
    UpdateTextColours();
}

// The words and the figures follow the pickers (also after a preset load, which fills them
// without change events).
void MainWindow::UpdateTextColours() {
    std::array<QColor, 4> colours;
    const auto pickers = textPage.Pickers();
    for (std::size_t i = 0; i < pickers.size(); ++i) {
        const PackedColour colour = pickers[i]->Colour();
        colours[i] = QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
    }
    textColours->SetColours(colours);
    UpdateReadability();
}

void MainWindow::cmbFontsClick() {
    textColours->SetFontFamily(textPage.FontName());
}

// The one place that says which image the page's background is.
// The background is the image of the tab shown last: the texture or the fading border.
PreviewBackground MainWindow::CurrentPreviewBackground() const {
    const bool texture = document.LastImageTab == ImageTab::Texture;
    return {document.CurrentImage(),
            texture ? BackgroundSource::Texture : BackgroundSource::GradientStrip};
}

void MainWindow::BackgroundChanged() {
    backgroundContrast.reset();
    if (pgControl->currentWidget() == textPage.tbText)
        readabilityTimer->start();
}

// The background is measured once per change; each colour then costs one look-up.
void MainWindow::UpdateReadability() {
    if (pgControl->currentWidget() != textPage.tbText)
        return;
    if (!backgroundContrast) {
        try {
            backgroundContrast.emplace(CurrentPreviewBackground().Image);
        } catch (const MottlerError&) {
            // No background to measure yet (or its image cannot be made): no figures.
        }
    }
    const PreviewColours colours = textPage.Colours();
    const std::array<std::optional<PackedColour>, 4> set = {
        colours.Text, colours.Link, colours.VisitedLink, colours.ActiveLink};
    const auto labels = textPage.ReadabilityLabels();
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i]->setText(set[i] && backgroundContrast
                               ? ReadabilityText(backgroundContrast->Readability(*set[i]))
                               : QString());
}

void MainWindow::btnPreviewClick() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString pageFile;
    try {
        pageFile = previewFiles.Preview(textPage.Settings(), CurrentPreviewBackground());
    } catch (const MottlerError& error) {
        QApplication::restoreOverrideCursor();
        ShowError(this, error.Message());
        return;
    }
    const bool opened = urlOpener(QUrl::fromLocalFile(pageFile));
    QApplication::restoreOverrideCursor();
    if (!opened)
        ShowError(this, QStringLiteral("The preview page could not be opened in your web "
                                       "browser.  It has been written to:\n%1")
                            .arg(pageFile));
}

void MainWindow::btnCopyToClipboardClick() {
    QGuiApplication::clipboard()->setText(ColourCodesText(textPage.Colours()));
}

void MainWindow::btnToClipboardClick() {
    const ColourCodesCopy copy = ColourCodesWithMessage(textPage.Colours());
    if (copy.PutOnClipboard)
        QGuiApplication::clipboard()->setText(copy.Text);
    ShowMessage(this, copy.Message);
}

void MainWindow::btnCopyAsCssClick() {
    QGuiApplication::clipboard()->setText(ColourCodesCss(textPage.Colours()));
}

} // namespace mottler
