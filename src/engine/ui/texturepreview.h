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

private:
    TilePreview shown;
};

} // namespace mottler
