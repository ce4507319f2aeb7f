#pragma once

#include "preview/previewfiles.h"

#include <QGroupBox>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;
class QUrl;

namespace mottler {

class TexturePreview;
class NumericEdit;
class PartsProgressBar;
class TextColourOverlay;
class TextureDocument;

/// The tile-preview group: the preview image, the size and frame labels, the display options
/// and the progress bar that a run drives. It shows the document's current image (the
/// texture or, after the "Gradient Settings" tab, the fading border) and run progress. On the
/// "Preview Settings" tab it shows the page's words over the tile and opens the preview page.
class PreviewFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit PreviewFrame(QWidget* parent);

    /// Controls write the document; its signals update the controls and the preview.
    void Bind(TextureDocument& document);
    /// Draws the current image into the preview afresh.
    void ShowPreview();

    /// Opens a page in the desktop's browser; false when that failed.
    using UrlOpener = std::function<bool(const QUrl& url)>;
    void SetUrlOpener(UrlOpener opener) { urlOpener = std::move(opener); }
    void btnPreviewClick();
    void btnToClipboardClick();
    /// Shows or hides the sample words over the tile and the colour-codes button.
    void ShowTextColours(bool show);
    /// Removes the last preview page written, when the program closes.
    void DeleteLastPreviewPage() { previewFiles.DeleteLastPreview(); }

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
    QPushButton* btnPreview = nullptr;        ///< "Preview In Browser"
    QToolButton* btnToClipboard = nullptr;    ///< the colour codes; shown on the preview page
    TextColourOverlay* textColours = nullptr; ///< the page's words over the tile

Q_SIGNALS:
    /// The preview was drawn afresh (the full-size view follows it).
    void PreviewShown();

private:
    void ShowSettings();
    void ShowIteration();
    void ShowTextureOptions(bool shown);
    void ShowProgress(int parts, int total);
    void PreviewResized();
    void UpdateTextColours();

    TextureDocument* doc = nullptr;
    PreviewPageFiles previewFiles;
    UrlOpener urlOpener;
};

} // namespace mottler
