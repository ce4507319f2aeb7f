#pragma once

#include "gradients/gradientsettings.h"
#include "output/savetile.h"
#include "widgets/ui/numericedit.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

namespace mottler {

/// The gradient strip as the main window's preview shows it and the settings it was drawn
/// with: what the output commands take instead of the texture in gradient mode.
struct GradientStripImage {
    QImage Strip;
    GradientSettings Settings;
};

/// "Save Tile": saves the texture as BMP, GIF, JPEG, PNG or WebP, after quarter turns and an
/// optional mirror, keeping the choices encoded in the work file "workpic.*" of the data
/// folder so that its size is always on show. Given the engine, it also saves chemical A as a
/// height map or a normal map (PNG, as grown: turns and mirror apply to the texture only),
/// previewed as the texture is. Given a gradient strip it saves the strip's output image as a
/// GIF instead, with the texture's options hidden or disabled.
class SaveTileDialog : public QDialog {
    Q_OBJECT
public:
    /// Saves `texture` as the user turns it; the caller learns the turns from QuarterTurns.
    SaveTileDialog(QWidget* parent, const QImage& texture,
                   std::optional<GradientStripImage> gradient = std::nullopt,
                   const TextureEngine* field = nullptr);
    /// The quarter turns to the right the user made, 0 … 3.
    int QuarterTurns() const { return quarterTurns; }
    /// The texture as turned.
    const QImage& Texture() const { return texture; }

    /// Replaces the save-file dialog (tests, or a caller's own dialog).
    void SetFileDialogRunner(FileDialogRunner runner) { fileDialog = std::move(runner); }
    /// The work file as last written (empty in gradient mode).
    const WorkFile& Work() const { return work; }

    QGroupBox* fraTile = nullptr;
    QWidget* pnlTile = nullptr;
    QLabel* imgImage = nullptr;
    QCheckBox* chkMirror = nullptr;
    QPushButton* btnRotateLeft = nullptr;
    QPushButton* btnRotateRight = nullptr;
    QLabel* pnlRotatelabel = nullptr;
    QGroupBox* fraOptions = nullptr;
    QComboBox* cmbOutput = nullptr;
    QDoubleSpinBox* spNormalStrength = nullptr;
    QCheckBox* chkNormalDirectX = nullptr;
    NumericEdit* txtWidth = nullptr;
    NumericEdit* txtHeight = nullptr;
    QRadioButton* rbBMP = nullptr;
    QRadioButton* rbGIF = nullptr;
    QRadioButton* rbJpeg = nullptr;
    QRadioButton* rbPNG = nullptr;
    QRadioButton* rbWebP = nullptr;
    QSlider* tbJPEGQuality = nullptr;
    QLabel* lblJpegQuality = nullptr;
    QPushButton* btnCalculateSize = nullptr;
    QLabel* stFileSize = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnClose = nullptr;
    QPushButton* btnHelp = nullptr;

private:
    QGroupBox* BuildTileGroup();
    QGroupBox* BuildOptionsGroup();
    QLayout* BuildOutputRows(QWidget* parent);
    QLayout* BuildSizeRow(QWidget* parent);
    QLayout* BuildFormatButtons(QWidget* parent);
    QLayout* BuildButtonRow();
    void Connect();
    void EnterGradientMode();
    SaveTileChoices Choices() const;
    void rbBMPClick();
    void cmbOutputChange();
    /// The image the work file and the save encode: the texture, or the chosen map.
    QImage SavedImage() const;
    void RefreshWorkFile(bool showLook);
    /// Shows what is saved: the texture (turned, mirrored as chosen) or the map `saved`.
    void PreparePreview(const QImage& saved);
    void ShowPreviewImage(const QImage& image, int side);
    void btnRotateLeftClick();
    void btnRotateRightClick();
    void TurnTexture(int turns);
    void tbJPEGQualityChange();
    void ShowQuality();
    void btnCalculateSizeClick();
    void btnSaveClick();
    QRadioButton* FormatButton(ImageFormat format) const;
    void SaveChosenFile(const SaveTarget& target);
    void ShowFailure(const QString& message);

    QImage texture;
    int quarterTurns = 0;
    std::optional<GradientStripImage> gradient;
    const TextureEngine* field = nullptr;
    FileDialogRunner fileDialog = RunFileDialog;
    WorkFile work;
};

} // namespace mottler
