#pragma once

#include "palette/gradientstate.h"
#include "palette/ui/adjustpointer.h"

#include <QObject>

class QKeyEvent;
class QLabel;
class QMouseEvent;
class QToolButton;
class QWidget;

namespace mottler {

class ImageWidget;

/// The contrast and brightness strips beside the gradient strip, each with a pointer the user
/// drags: the pointer's middle at the strip's top edge means −255, at its bottom edge 255.
class AdjustPanel : public QObject {
    Q_OBJECT
public:
    AdjustPanel(QWidget* page, GradientState& state);

    /// Centres both pointers and sets both values to 0 (the palette is the caller's).
    void ResetContrastBrightness();
    /// Places the pointers for the current values, as a preset load does.
    void ShowValues();

    QLabel* ContrastPointer() const { return imgContrastPointer; }
    QLabel* BrightnessPointer() const { return imgBrightnessPointer; }
    ImageWidget* BrightnessStrip() const { return imgBrightness; }
    QToolButton* ResetButton() const { return btnResetCB; }

Q_SIGNALS:
    /// A value changed: rebuild the palette and recolour the texture.
    void Adjusted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Slider {
        ImageWidget* Strip;
        AdjustPointer* Pointer;
        int* Value;
        const char* Hint;
        int GrabOffset = 0;
    };
    void DragPointer(Slider& slider, QMouseEvent* event);
    bool MovesPointerByKey(Slider& slider, const QKeyEvent* event);
    /// Moves the pointer's top there (kept on the strip), sets the value and reports it.
    void MovePointer(Slider& slider, int wantedTop);
    void SetHint(const Slider& slider);
    void PlacePointer(Slider& slider);

    GradientState& state;
    ImageWidget* imgContrast = nullptr;
    ImageWidget* imgBrightness = nullptr;
    AdjustPointer* imgContrastPointer = nullptr;
    AdjustPointer* imgBrightnessPointer = nullptr;
    QToolButton* btnResetCB = nullptr;
    Slider contrast{};
    Slider brightness{};
};

} // namespace mottler
