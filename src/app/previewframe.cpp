#include "app/previewframe.h"

#include "engine/ui/texturepreview.h"
#include "widgets/ui/numericedit.h"
#include "widgets/ui/partsprogressbar.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

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
    auto* pnlTexture = new QFrame(f.fraTilePreview);
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
    f.progressBar = new PartsProgressBar(f.fraTilePreview);
    f.progressBar->setObjectName("progressBar");
    f.progressBar->SetShowPercent(false);
    // Wide enough for either caption of a run ("Allocating memory", "Press ESC to stop"),
    // and its place is kept while hidden: a run shows it without waiting for a new layout.
    const QFontMetrics metrics = f.progressBar->fontMetrics();
    f.progressBar->setMinimumWidth(metrics.horizontalAdvance("Allocating memory") +
                                   4 * metrics.averageCharWidth());
    QSizePolicy policy = f.progressBar->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    f.progressBar->setSizePolicy(policy);
    f.progressBar->hide();
    f.lblFrameHeading = BoldLabel("Frame", "lblFrameHeading", f.fraTilePreview);
    f.lblFrameNumber = BoldLabel("", "lblFrameNumber", f.fraTilePreview);
    f.lblFrameNumber->setMinimumWidth(50);
    f.lblTextureSize = new QLabel(f.fraTilePreview);
    f.lblTextureSize->setObjectName("lblTextureSize");
    row->addWidget(f.lblFrameHeading);
    row->addWidget(f.lblFrameNumber);
    row->addStretch();
    row->addWidget(f.progressBar);
    row->addWidget(f.lblTextureSize);
    f.btnChangeSize = new QPushButton("Change Si&ze", f.fraTilePreview);
    f.btnChangeSize->setObjectName("btnChangeSize");
    row->addWidget(f.btnChangeSize);
    return row;
}

QHBoxLayout* OptionsRow(PreviewFrame& f) {
    auto* row = new QHBoxLayout;
    f.chkTile = new QCheckBox("&Tile", f.fraTilePreview);
    f.chkTile->setObjectName("chkTile");
    f.chkTile->setToolTip("Display the frame in a tiled pattern");
    f.chkTile->setChecked(true);
    f.chkAnimate = new QCheckBox("Ani&mate growth", f.fraTilePreview);
    f.chkAnimate->setObjectName("chkAnimate");
    f.chkAnimate->setToolTip("Display every frame while growing texture");
    f.chkAnimate->setChecked(true);
    f.txtAnimateMod = new NumericEdit(f.fraTilePreview);
    f.txtAnimateMod->setText("1");
    f.txtAnimateMod->SetNumericOnly(true);
    f.txtAnimateMod->setObjectName("txtAnimateMod");
    f.txtAnimateMod->setToolTip("Show every 'n'th frame while growing.");
    f.txtAnimateMod->setMaximumWidth(40);
    row->addWidget(f.chkTile);
    row->addStretch();
    f.btnSaveImage = new QPushButton("&Save Image", f.fraTilePreview);
    f.btnSaveImage->setObjectName("btnSaveImage");
    f.btnSaveImage->setToolTip("Save this image for use in your web pages");
    row->addWidget(f.btnSaveImage);
    row->addStretch();
    row->addWidget(f.chkAnimate);
    row->addWidget(f.txtAnimateMod);
    return row;
}

QHBoxLayout* WebPreviewRow(PreviewFrame& f) {
    f.btnPreview = new QPushButton("Preview In Browser", f.fraTilePreview);
    f.btnPreview->setObjectName("btnPreview");
    f.btnPreview->setToolTip("Uses your web browser to preview your texture as a background");
    f.btnToClipboard = new QToolButton(f.fraTilePreview);
    f.btnToClipboard->setObjectName("btnToClipboard");
    f.btnToClipboard->setText("Copy To Clipboard");
    f.btnToClipboard->setToolTip("Copy To Clipboard");
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

PreviewFrame BuildPreviewFrame(QWidget* parent) {
    PreviewFrame f;
    f.fraTilePreview = new QGroupBox(parent);
    f.fraTilePreview->setObjectName("fraTilePreview");
    auto* layout = new QVBoxLayout(f.fraTilePreview);
    layout->addWidget(LoweredPanel(f), 1);
    layout->addLayout(LabelsRow(f));
    layout->addLayout(OptionsRow(f));
    layout->addLayout(WebPreviewRow(f));
    return f;
}

} // namespace mottler
