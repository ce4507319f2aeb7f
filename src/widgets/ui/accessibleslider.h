#pragma once

class QWidget;

namespace mottler {

/// A control the program draws itself that screen readers should see as a slider: a widget
/// that also derives from this class reports its value and range through it, and calls
/// ReportAccessibleValue when the value changes.
class AccessibleSlider {
public:
    /// Makes screen readers see the widget as a slider (once per program; the constructor of a
    /// deriving widget calls it).
    AccessibleSlider();
    virtual ~AccessibleSlider() = default;

    virtual int AccessibleValue() const = 0;
    virtual int AccessibleMinimum() const = 0;
    virtual int AccessibleMaximum() const = 0;

protected:
    AccessibleSlider(const AccessibleSlider&) = default;
    AccessibleSlider& operator=(const AccessibleSlider&) = default;
};

/// Tells screen readers that the slider's value changed.
void ReportAccessibleValue(QWidget* slider, int value);

} // namespace mottler
