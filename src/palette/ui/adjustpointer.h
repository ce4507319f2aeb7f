#pragma once

#include "widgets/ui/accessibleslider.h"

#include <QLabel>

namespace mottler {

/// A contrast or brightness pointer beside its strip (AdjustPanel moves it). Screen readers
/// see it as a slider from −255 to 255 holding the value it points at.
class AdjustPointer : public QLabel, public AccessibleSlider {
    Q_OBJECT
public:
    explicit AdjustPointer(QWidget* parent) : QLabel(parent) {}

    /// Records the value the pointer stands for and tells screen readers of a change.
    void SetValue(int newValue);

    int AccessibleValue() const override { return value; }
    int AccessibleMinimum() const override { return -255; }
    int AccessibleMaximum() const override { return 255; }

private:
    int value = 0;
};

} // namespace mottler
