#pragma once

#include <QWidget>

class QToolButton;

namespace mottler {

/// A horizontal up-down: two arrow buttons that step a position through a range, a spin box
/// without its text. The owner shows the position in an edit box of its own and keeps the two
/// in step. The left arrow steps down, the right arrow up; the position does not wrap.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    int Minimum() const { return minimum; }
    int Maximum() const { return maximum; }
    /// Sets the range and clamps the position into it.
    void SetRange(int lowest, int highest);
    int Position() const { return position; }
    /// Moves to `value` clamped to the range, without Clicked.
    void SetPosition(int value);

    /// Names the arrow buttons for screen readers after the value they step ("Width").
    void SetAccessibleName(const QString& value);

    QToolButton* DownButton() const { return down; }
    QToolButton* UpButton() const { return up; }

Q_SIGNALS:
    /// An arrow button moved the position.
    void Clicked();

private:
    void Step(int by);

    QToolButton* down = nullptr;
    QToolButton* up = nullptr;
    int minimum = 0;
    int maximum = 100;
    int position = 0;
};

} // namespace mottler
