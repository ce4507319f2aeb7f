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
#include <QDesktopServices>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>

namespace mottler {

void MainWindow::ConnectWebPreview() {
    urlOpener = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    textColours = new TextColourOverlay(preview->imgTexture);
    connect(pgControl, &QTabWidget::currentChanged, this,
            [this] { ShowTextColourPreview(pgControl->currentWidget() == textPage); });
    // The words follow the page's colours and font (also after a preset load).
    connect(&document, &TextureDocument::PreviewSettingsChanged, this, [this] {
        textColours->SetFontFamily(document.Preview().FontName);
        UpdateTextColours();
    });
    connect(preview->btnPreview, &QPushButton::clicked, this, [this] { btnPreviewClick(); });
    connect(preview->btnToClipboard, &QToolButton::clicked, this,
            [this] { btnToClipboardClick(); });
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

// The sample words take the page's colours; a colour not set shows in the button face.
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
}

// The background is the image of the tab shown last: the texture or the fading border.
void MainWindow::btnPreviewClick() {
    const bool texture = document.LastImageTab() == ImageTab::Texture;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString pageFile;
    try {
        pageFile =
            previewFiles.Preview(document.Preview(), {document.CurrentImage(),
                                                      texture ? BackgroundSource::Texture
                                                              : BackgroundSource::GradientStrip});
    } catch (const MottlerError& error) {
        QApplication::restoreOverrideCursor();
        ShowError(this, error.Message());
        return;
    }
    const bool opened = urlOpener(QUrl::fromLocalFile(pageFile));
    QApplication::restoreOverrideCursor();
    if (!opened)
        ShowError(this, tr("The preview page could not be opened in your web "
                           "browser.  It has been written to:\n%1")
                            .arg(pageFile));
}

void MainWindow::btnToClipboardClick() {
    const ColourCodesCopy copy = ColourCodesWithMessage(document.Preview().Colours);
    if (copy.PutOnClipboard)
        QGuiApplication::clipboard()->setText(copy.Text);
    ShowMessage(this, copy.Message);
}

} // namespace mottler
