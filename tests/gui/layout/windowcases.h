#pragma once

#include <QSize>
#include <QWidget>
#include <functional>
#include <memory>

namespace mottler::test {

/// A window to check and what keeps it alive (the window itself or its owner).
struct Shown {
    std::unique_ptr<QWidget> owner;
    QWidget* window = nullptr;
};

struct WindowCase {
    const char* name;
    std::function<Shown()> make;
    QSize size; ///< the size to show it at; empty for the window's own start size
};

/// Every window of the program, one line each, as the layout and accessibility tests show
/// them. A size smaller than the window's minimum shows it at its minimum.
const std::vector<WindowCase>& Windows();

} // namespace mottler::test
