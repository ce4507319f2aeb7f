#pragma once

#include <QLabel>

namespace mottler {

/// A contrast or brightness pointer beside its strip (AdjustPanel moves it). Screen readers
/// see it as a slider from −255 to 255 holding the value it points at.
class AdjustPointer : public QLabel {
    Q_OBJECT
public:
    explicit AdjustPointer(QWidget* parent);

    int Value() const { return value; }
    /// Records the value the pointer stands for and tells screen readers of a change.
    void SetValue(int newValue);

private:
    int value = 0;
};

} // namespace mottler
