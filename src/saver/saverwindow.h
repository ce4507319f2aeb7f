#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QRasterWindow>
#include <QTimer>
#include <optional>

namespace mottler::saver {

/// Shows the growing texture tiled over the whole window, cross-fading from the previous
/// texture when a new one starts. As its own full-screen window it closes on any key, click
/// or mouse movement; inside XScreenSaver's window XScreenSaver watches the input instead.
class SaverWindow : public QRasterWindow {
    Q_OBJECT
public:
    explicit SaverWindow(bool closesOnInput);

    /// A state of the growth; `fresh` starts the fade from what is on display.
    void ShowFrame(const QImage& texture, bool fresh);

    static constexpr int FadeMilliseconds = 2000;
    /// A mouse that moves less than this (in pixels) has only been nudged.
    static constexpr int MouseSlack = 10;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QSize TileSize(QSize texture) const;
    double FadeLevel() const;

    bool endsOnInput;
    QImage texture; ///< the latest state, as grown
    QImage tile;    ///< the latest state, scaled for this window
    QImage previousTile;
    QElapsedTimer fade;
    QTimer fadeTicks;
    std::optional<QPointF> firstMousePosition;
};

} // namespace mottler::saver
