#include "app/previewframe.h"

#include "base/errors.h"
#include "base/numbers.h"
#include "document/texturedocument.h"
#include "engine/tilepreview.h"
#include "engine/ui/texturepreview.h"
#include "gradients/gradientstrip.h"
#include "palette/colourtext.h"
#include "preview/colourcodes.h"
#include "preview/ui/textcolouroverlay.h"
#include "widgets/ui/messages.h"
#include "widgets/ui/numericedit.h"
#include "widgets/ui/partsprogressbar.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDesktopServices>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace mottler {
namespace {

QLabel* BoldLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QFrame* LoweredPanel(PreviewFrame& f) {
    auto* pnlTexture = new QFrame(&f);
    pnlTexture->setObjectName("pnlTexture");
    pnlTexture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlTexture->setLineWidth(2);
    auto* inner = new QVBoxLayout(pnlTexture);
    inner->setContentsMargins(2, 2, 2, 2);
    f.imgTexture = new TexturePreview(pnlTexture);
    inner->addWidget(f.imgTexture);
    return pnlTexture;
}

// The progress bar of a run shares the row with the labels, so it never covers the caption.
QHBoxLayout* LabelsRow(PreviewFrame& f) {
    auto* row = new QHBoxLayout;
    f.progressBar = new PartsProgressBar(&f);
    f.progressBar->setObjectName("progressBar");
    f.progressBar->SetShowPercent(false);
    // Wide enough for either caption of a run ("Allocating memory", "Press ESC to stop"),
    // and its place is kept while hidden: a run shows it without waiting for a new layout.
    const QFontMetrics metrics = f.progressBar->fontMetrics();
    const int captionWidth =
        std::max(metrics.horizontalAdvance(PreviewFrame::tr("Allocating memory")),
                 metrics.horizontalAdvance(
                     QCoreApplication::translate("mottler::DocumentRun", "Press ESC to stop")));
    f.progressBar->setMinimumWidth(captionWidth + 4 * metrics.averageCharWidth());
    QSizePolicy policy = f.progressBar->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    f.progressBar->setSizePolicy(policy);
    f.progressBar->hide();
    f.lblFrameHeading = BoldLabel(PreviewFrame::tr("Frame"), "lblFrameHeading", &f);
    f.lblFrameNumber = BoldLabel("", "lblFrameNumber", &f);
    f.lblFrameNumber->setMinimumWidth(50);
    f.lblTextureSize = new QLabel(&f);
    f.lblTextureSize->setObjectName("lblTextureSize");
    row->addWidget(f.lblFrameHeading);
    row->addWidget(f.lblFrameNumber);
    row->addStretch();
    row->addWidget(f.progressBar);
    row->addWidget(f.lblTextureSize);
    f.btnChangeSize = new QPushButton(PreviewFrame::tr("Change Si&ze"), &f);
    f.btnChangeSize->setObjectName("btnChangeSize");
    row->addWidget(f.btnChangeSize);
    return row;
}

QHBoxLayout* OptionsRow(PreviewFrame& f) {
    auto* row = new QHBoxLayout;
    f.chkTile = new QCheckBox(PreviewFrame::tr("&Tile"), &f);
    f.chkTile->setObjectName("chkTile");
    f.chkTile->setToolTip(PreviewFrame::tr("Display the frame in a tiled pattern"));
    f.chkTile->setChecked(true);
    f.chkAnimate = new QCheckBox(PreviewFrame::tr("Ani&mate growth"), &f);
    f.chkAnimate->setObjectName("chkAnimate");
    f.chkAnimate->setToolTip(PreviewFrame::tr("Display every frame while growing texture"));
    f.chkAnimate->setChecked(true);
    f.txtAnimateMod = new NumericEdit(&f);
    f.txtAnimateMod->setText("1");
    f.txtAnimateMod->SetNumericOnly(true);
    f.txtAnimateMod->setObjectName("txtAnimateMod");
    f.txtAnimateMod->setToolTip(PreviewFrame::tr("Show every 'n'th frame while growing."));
    f.txtAnimateMod->setMaximumWidth(40);
    f.txtAnimateMod->setAccessibleName(PreviewFrame::tr("Show every nth frame"));
    row->addWidget(f.chkTile);
    row->addStretch();
    f.btnSaveImage = new QPushButton(PreviewFrame::tr("&Save Image"), &f);
    f.btnSaveImage->setObjectName("btnSaveImage");
    f.btnSaveImage->setToolTip(PreviewFrame::tr("Save this image for use in your web pages"));
    row->addWidget(f.btnSaveImage);
    row->addStretch();
    row->addWidget(f.chkAnimate);
    row->addWidget(f.txtAnimateMod);
    return row;
}

QHBoxLayout* WebPreviewRow(PreviewFrame& f) {
    f.btnPreview = new QPushButton(PreviewFrame::tr("Preview In Browser"), &f);
    f.btnPreview->setObjectName("btnPreview");
    f.btnPreview->setToolTip(
        PreviewFrame::tr("Uses your web browser to preview your texture as a background"));
    f.btnToClipboard = new QToolButton(&f);
    f.btnToClipboard->setObjectName("btnToClipboard");
    f.btnToClipboard->setText(PreviewFrame::tr("Copy To Clipboard"));
    f.btnToClipboard->setToolTip(PreviewFrame::tr("Copy To Clipboard"));
    f.btnToClipboard->setIcon(QIcon::fromTheme("edit-copy"));
    f.btnToClipboard->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    f.btnToClipboard->hide();
    auto* row = new QHBoxLayout;
    row->addWidget(f.btnPreview);
    row->addWidget(f.btnToClipboard);
    row->addStretch();
    return row;
}

} // namespace

PreviewFrame::PreviewFrame(QWidget* parent) : QGroupBox(parent) {
    setObjectName("fraTilePreview");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LoweredPanel(*this), 1);
    layout->addLayout(LabelsRow(*this));
    layout->addLayout(OptionsRow(*this));
    layout->addLayout(WebPreviewRow(*this));
    textColours = new TextColourOverlay(imgTexture);
    urlOpener = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    // Row by row, left to right, as the controls are seen.
    QWidget* const order[] = {btnChangeSize, chkTile,    btnSaveImage,  chkAnimate,
                              txtAnimateMod, btnPreview, btnToClipboard};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void PreviewFrame::Bind(TextureDocument& document) {
    doc = &document;
    connect(chkTile, &QCheckBox::toggled, this, [this](bool on) {
        doc->SetTile(on);
        imgTexture->Clear(); // a white slate until the texture is shown in the new mode
        ShowPreview();
    });
    connect(chkAnimate, &QCheckBox::toggled, this, [this](bool on) { doc->SetAnimate(on); });
    connect(txtAnimateMod, &QLineEdit::textChanged, this,
            [this](const QString& text) { doc->SetAnimateEvery(IntValue(text)); });
    connect(imgTexture, &TexturePreview::Resized, this, [this] { PreviewResized(); });

    connect(doc, &TextureDocument::SettingsChanged, this, [this] { ShowSettings(); });
    connect(doc, &TextureDocument::ShownIterationChanged, this, [this] { ShowIteration(); });
    connect(doc, &TextureDocument::SizeChanged, this, [this](int width, int height) {
        lblTextureSize->setText(tr("%1 by %2").arg(width).arg(height));
    });
    connect(doc, &TextureDocument::TextureRendered, this, [this] { ShowPreview(); });
    connect(doc, &TextureDocument::TextureSeeded, this, [this] { ShowPreview(); });
    connect(doc, &TextureDocument::FadingBorderChanged, this, [this] { ShowPreview(); });
    connect(doc, &TextureDocument::GradientChanged, this, [this] { ShowPreview(); });
    connect(doc, &TextureDocument::ImageTabChanged, this, [this](ImageTab tab) {
        ShowTextureOptions(tab == ImageTab::Texture);
        ShowPreview();
    });
    connect(doc, &TextureDocument::RunProgressText, progressBar, &PartsProgressBar::SetText);
    // The words follow the page's colours and font (also after a preset load).
    connect(doc, &TextureDocument::PreviewSettingsChanged, this, [this] {
        textColours->SetFontFamily(doc->Preview().FontName);
        UpdateTextColours();
    });
    connect(btnPreview, &QPushButton::clicked, this, [this] { btnPreviewClick(); });
    connect(btnToClipboard, &QToolButton::clicked, this, [this] { btnToClipboardClick(); });
    connect(doc, &TextureDocument::RunProgress, this,
            [this](int parts, int total) { ShowProgress(parts, total); });
    ShowSettings();
}

void PreviewFrame::ShowSettings() {
    const TextureSettings& settings = doc->Settings();
    const QSignalBlocker quietTile(chkTile);
    const QSignalBlocker quietAnimate(chkAnimate);
    const QSignalBlocker quietEvery(txtAnimateMod);
    chkTile->setChecked(settings.Tile);
    chkAnimate->setChecked(settings.Animate);
    txtAnimateMod->setEnabled(settings.Animate);
    if (IntValue(txtAnimateMod->text()) != settings.AnimateEvery)
        txtAnimateMod->setText(QString::number(settings.AnimateEvery));
}

void PreviewFrame::ShowIteration() {
    const std::optional<int> shown = doc->ShownIteration();
    lblFrameNumber->setText(shown ? QString::number(*shown) : QString());
    lblFrameNumber->repaint(); // during a run, before the next iteration
}

// The preview shows the image of the tab shown last: the texture or the gradient strip. The
// strip fills the whole preview, so a column of the strip is a column of the control and
// dragging its edge sets the width to the mouse's x. Freshly seeded fields show nothing.
void PreviewFrame::ShowPreview() {
    if (doc->LastImageTab() == ImageTab::Gradient) {
        QImage strip(imgTexture->size(), QImage::Format_BGR888);
        RedrawGradient(strip, doc->FadingBorder(), doc->Gradient.Colours);
        imgTexture->Show({std::move(strip), imgTexture->rect()});
    } else if (doc->ShowsTexture()) {
        imgTexture->ShowTexture(doc->DisplayedTexture(), DesignPreviewSize, doc->Settings().Tile);
    } else {
        imgTexture->Clear();
    }
    Q_EMIT PreviewShown();
}

// The frame number, the size, the tiling and the animation belong to the texture.
void PreviewFrame::ShowTextureOptions(bool shown) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{lblFrameHeading, lblFrameNumber, lblTextureSize, chkTile,
                                         chkAnimate, txtAnimateMod, btnChangeSize}) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
        control->setVisible(shown);
    }
}

void PreviewFrame::ShowProgress(int parts, int total) {
    if (total <= 0) {
        progressBar->SetPartsComplete(0);
        progressBar->hide();
        return;
    }
    if (progressBar->isHidden() || progressBar->TotalParts() != total) {
        progressBar->SetTotalParts(total);
        progressBar->show();
    }
    progressBar->SetPartsComplete(parts);
    progressBar->repaint();
}

// A resize recomposes the preview for the new size and says how much of it is shown.
void PreviewFrame::PreviewResized() {
    const QSize size = imgTexture->size();
    setTitle(tr("Texture Preview (Double-click to expand) %1 by %2 currently shown")
                 .arg(size.width())
                 .arg(size.height()));
    if (doc != nullptr)
        ShowPreview();
}

void PreviewFrame::ShowTextColours(bool show) {
    btnToClipboard->setVisible(show);
    if (show)
        UpdateTextColours();
    textColours->setVisible(show);
}

// The sample words take the page's colours; a colour not set shows in the button face.
void PreviewFrame::UpdateTextColours() {
    const PreviewColours& set = doc->Preview().Colours;
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
void PreviewFrame::btnPreviewClick() {
    const bool texture = doc->LastImageTab() == ImageTab::Texture;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString pageFile;
    try {
        pageFile = previewFiles.Preview(
            doc->Preview(), {doc->CurrentImage(), texture ? BackgroundSource::Texture
                                                          : BackgroundSource::GradientStrip});
    } catch (const MottlerError& error) {
        QApplication::restoreOverrideCursor();
        ShowError(window(), error.Message());
        return;
    }
    const bool opened = urlOpener(QUrl::fromLocalFile(pageFile));
    QApplication::restoreOverrideCursor();
    if (!opened)
        ShowError(window(), tr("The preview page could not be opened in your web "
                               "browser.  It has been written to:\n%1")
                                .arg(pageFile));
}

void PreviewFrame::btnToClipboardClick() {
    const ColourCodesCopy copy = ColourCodesWithMessage(doc->Preview().Colours);
    if (copy.PutOnClipboard)
        QGuiApplication::clipboard()->setText(copy.Text);
    ShowMessage(window(), copy.Message);
}

} // namespace mottler
