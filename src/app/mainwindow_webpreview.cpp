// The "Preview Settings" page: the sample words over the tile preview, the readability of the
// four colours over the background, the preview page in the browser and the colour codes.
#include "app/mainwindow.h"
#include "app/previewframe.h"
#include "base/errors.h"
#include "engine/ui/texturepreview.h"
#include "help/ui/showhelp.h"
#include "palette/colourtext.h"
#include "picker/ui/colourdropdown.h"
#include "preview/colourcodes.h"
#include "preview/ui/previewsettingspage.h"
#include "preview/ui/textcolouroverlay.h"
#include "widgets/ui/messages.h"

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
    textColours = new TextColourOverlay(preview->imgTexture);
    readabilityTimer = new QTimer(this);
    readabilityTimer->setSingleShot(true);
    readabilityTimer->setInterval(ReadabilityDelayMs);
    connect(readabilityTimer, &QTimer::timeout, this, [this] { UpdateTextColours(); });
    connect(pgControl, &QTabWidget::currentChanged, this,
            [this] { ShowTextColourPreview(pgControl->currentWidget() == textPage); });
    // The words and the figures follow the page's colours and font (also after a preset
    // load).
    connect(&document, &TextureDocument::PreviewSettingsChanged, this, [this] {
        textColours->SetFontFamily(document.Preview().FontName);
        UpdateTextColours();
    });
    connect(preview->btnPreview, &QPushButton::clicked, this, [this] { btnPreviewClick(); });
    connect(textPage->btnCopyToClipboard, &QPushButton::clicked, this,
            [this] { btnCopyToClipboardClick(); });
    connect(preview->btnToClipboard, &QToolButton::clicked, this,
            [this] { btnToClipboardClick(); });
    connect(textPage->btnCopyAsCss, &QPushButton::clicked, this, [this] { btnCopyAsCssClick(); });
    InstallPageHelpKey(textPage, HelpContext::WebPreview);
}

void MainWindow::ShowTextColourPreview(bool show) {
    if (auto* saveImage = findChild<QAction*>("mnuSaveImage")) {
        saveImage->setEnabled(!show);
        saveImage->setVisible(!show);
    }
    preview->btnToClipboard->setVisible(show);
    if (show) {
        textPage->FillEmptyPickers();
        UpdateTextColours();
    }
    textColours->setVisible(show);
}

void MainWindow::UpdateTextColours() {
    const PreviewColours& set = document.Preview().Colours;
    const std::array<std::optional<PackedColour>, 4> chosen = {set.Text, set.Link, set.VisitedLink,
                                                               set.ActiveLink};
    std::array<QColor, 4> colours;
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        const PackedColour colour = chosen[i].value_or(ButtonFaceColour());
        colours[i] = QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
    }
    textColours->SetColours(colours);
    UpdateReadability();
}

// The one place that says which image the page's background is.
// The background is the image of the tab shown last: the texture or the fading border.
PreviewBackground MainWindow::CurrentPreviewBackground() const {
    const bool texture = document.LastImageTab() == ImageTab::Texture;
    return {document.CurrentImage(),
            texture ? BackgroundSource::Texture : BackgroundSource::GradientStrip};
}

void MainWindow::BackgroundChanged() {
    backgroundContrast.reset();
    if (pgControl->currentWidget() == textPage)
        readabilityTimer->start();
}

// The background is measured once per change; each colour then costs one look-up.
void MainWindow::UpdateReadability() {
    if (pgControl->currentWidget() != textPage)
        return;
    if (!backgroundContrast) {
        try {
            backgroundContrast.emplace(CurrentPreviewBackground().Image);
        } catch (const MottlerError&) {
            // No background to measure yet (or its image cannot be made): no figures.
        }
    }
    const PreviewColours& colours = document.Preview().Colours;
    const std::array<std::optional<PackedColour>, 4> set = {
        colours.Text, colours.Link, colours.VisitedLink, colours.ActiveLink};
    const auto labels = textPage->ReadabilityLabels();
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i]->setText(set[i] && backgroundContrast
                               ? ReadabilityText(backgroundContrast->Readability(*set[i]))
                               : QString());
}

void MainWindow::btnPreviewClick() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString pageFile;
    try {
        pageFile = previewFiles.Preview(document.Preview(), CurrentPreviewBackground());
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
    QGuiApplication::clipboard()->setText(ColourCodesText(document.Preview().Colours));
}

void MainWindow::btnToClipboardClick() {
    const ColourCodesCopy copy = ColourCodesWithMessage(document.Preview().Colours);
    if (copy.PutOnClipboard)
        QGuiApplication::clipboard()->setText(copy.Text);
    ShowMessage(this, copy.Message);
}

void MainWindow::btnCopyAsCssClick() {
    QGuiApplication::clipboard()->setText(ColourCodesCss(document.Preview().Colours));
}

} // namespace mottler
