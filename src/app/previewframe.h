#pragma once

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace mottler {

class TexturePreview;
class NumericEdit;
class PartsProgressBar;

/// The tile-preview group: the preview image, the size and frame labels, the display options
/// and the progress bar that a run drives.
struct PreviewFrame {
    QGroupBox* fraTilePreview = nullptr;
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
};

PreviewFrame BuildPreviewFrame(QWidget* parent);

} // namespace mottler
