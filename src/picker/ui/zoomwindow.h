#pragma once

#include "palette/palette.h"
#include "picker/ui/screenoutline.h"

#include <QDialog>
#include <QImage>
#include <QTimer>

class QFrame;
class QLabel;
class QMenuBar;
class QSlider;

namespace mottler {

class ColourPickerDialog;

/// The colour picker's magnifier ("Zoom"): drag from the window to any place on the screen to
/// magnify it, then point at a pixel of the enlarged picture and click to make its colour the
/// picker's current colour (the release that ends the drag is the first click and turns the
/// cursor into the eyedropper; the next click picks and closes with OK). Escape closes with
/// Cancel. The picture follows the screen every 200 ms.
class ZoomWindow : public QDialog {
    Q_OBJECT
public:
    /// `owner` receives the picked colours (SetCurrentColour).
    explicit ZoomWindow(ColourPickerDialog* owner);
    ~ZoomWindow() override;

    /// The "&How To Use" message.
    static QString HowToUseText();

    /// Magnifies the screen around a point of the client area ((−1, −1): the last point);
    /// with `outline` the magnified area is outlined on the screen.
    void UpdateZoom(QPoint point, bool outline);
    /// The view area inside the bevels.
    QSize ViewSize() const;
    /// The screen rectangle last magnified (`SourceRect`).
    QRect SourceRect() const { return sourceRect; }
    bool HasZoom() const { return hasZoom; }
    /// Whether the window shows the eyedropper, so that the next click picks and closes.
    bool SampleCursorShown() const { return sampleCursorShown; }

    /// Restores and saves the window's place under "Form Positions\Color Picker Zoom".
    void RestorePosition();
    void SavePosition() const;

    QWidget* client = nullptr;
    QSlider* trZoom = nullptr;
    QFrame* bvlTop = nullptr;
    QFrame* bvlLeft = nullptr;
    QFrame* bvlBottom = nullptr;
    QFrame* bvlRight = nullptr;
    QLabel* lblHowTo = nullptr;
    QMenuBar* menu = nullptr;
    QTimer tmrRefresh;
    QTimer tmrDelayed;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void BuildParts();
    void PlaceParts();
    void PaintClient();
    void ClientMouseDown(QMouseEvent* event);
    void ClientMouseMove(QMouseEvent* event);
    void ClientMouseUp();
    void tmrDelayedTimer();
    void mnuHowToUseClick();
    void ShowOutline(bool on);
    void PlaceHint();

    ColourPickerDialog* owner;
    ScreenOutline outlineWindows;
    QImage canvas;
    QPoint lastPoint{-1, -1};
    QRect sourceRect;
    PackedColour pixelColour = 0;
    bool shown = false;
    bool dragging = false;
    bool hasZoom = false;
    bool pixelPicked = false;
    bool sampleCursorShown = false;
    bool hintMouseDown = false;
};

} // namespace mottler
