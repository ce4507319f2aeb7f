#pragma once

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace mottler {

class TexturePreview;
class NumericEdit;
class PartsProgressBar;
class TextureDocument;

/// The tile-preview group: the preview image, the size and frame labels, the display options
/// and the progress bar that a run drives. It shows the document's current image (the
/// texture or, after the "Gradient Settings" tab, the fading border) and run progress.
class PreviewFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit PreviewFrame(QWidget* parent);

    /// Controls write the document; its signals update the controls and the preview.
    void Bind(TextureDocument& document);
    /// Draws the current image into the preview afresh.
    void ShowPreview();

    TexturePreview* imgTexture = nullptr;
    QLabel* lblTextureSize = nullptr;
    QPushButton* btnChangeSize = nullptr;
    QPushButton* btnSaveImage = nullptr;
    QLabel* lblFrameHeading = nullptr;
    QLabel* lblFrameNumber = nullptr;
    QCheckBox* chkTile = nullptr;
    QCheckBox* chkAnimate = nullptr;
    NumericEdit* txtAnimateMod = nullptr;
    PartsProgressBar* progressBar = nullptr;
    QPushButton* btnPreview = nullptr;     ///< "Preview In Browser"
    QToolButton* btnToClipboard = nullptr; ///< the colour codes; shown on the preview page

Q_SIGNALS:
    /// The preview was drawn afresh (the full-size view follows it).
    void PreviewShown();

private:
    void ShowSettings();
    void ShowIteration();
    void ShowTextureOptions(bool shown);
    void ShowProgress(int parts, int total);
    void PreviewResized();

    TextureDocument* doc = nullptr;
};

} // namespace mottler
