#pragma once

#include "engine/tilepreview.h"

#include <QWidget>

namespace mottler {

/// The tile preview's image control: shows the composed preview picture in its target
/// rectangle (the whole control, a centred area, or stretched over the control).
class TexturePreview : public QWidget {
    Q_OBJECT
public:
    explicit TexturePreview(QWidget* parent);

    void Show(TilePreview preview);
    /// Composes the preview of the texture at the control's size (see ComposeTilePreview) into
    /// the pictures the control keeps from the previous frame, and repaints.
    void ShowTexture(const QImage& texture, QSize threshold, bool tile);
    /// A white control, as after a texture-size change.
    void Clear();
    const TilePreview& Shown() const { return shown; }
    /// The preview starts at its design size and may shrink to a small square.
    QSize sizeHint() const override { return DesignPreviewSize; }
    QSize minimumSizeHint() const override { return {160, 160}; }

Q_SIGNALS:
    void DoubleClicked();
    void Resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Qt sends no resize event for a size the layout sets while the window is still being
    // shown (after the pending events went out), so showing reports a size not yet reported.
    void ReportSize();

    TilePreview shown;
    QSize reportedSize;
    QImage converted; ///< the texture as RGB32, which its reduced copy is scaled from
};

} // namespace mottler
