#pragma once

class QCheckBox;
class QGroupBox;
class QLabel;
class QWidget;

namespace mottler {

class TexturePreview;
class TQuorEdit;
class TPartsProgressBar;

/// The tile-preview group: the preview image, the size and frame labels, the display options
/// and the progress bar that a run drives.
struct PreviewFrame {
    QGroupBox* fraTilePreview = nullptr;
    TexturePreview* imgTexture = nullptr;
    QLabel* lblTextureSize = nullptr;
    QLabel* lblFrameHeading = nullptr;
    QLabel* lblFrameNumber = nullptr;
    QCheckBox* chkTile = nullptr;
    QCheckBox* chkAnimate = nullptr;
    TQuorEdit* txtAnimateMod = nullptr;
    TPartsProgressBar* progressBar = nullptr;
};

PreviewFrame BuildPreviewFrame(QWidget* parent);

} // namespace mottler
