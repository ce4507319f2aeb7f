#pragma once

#include <QSize>
#include <QWidget>
#include <functional>
#include <memory>

namespace mottler::test {

/// A window to check and what keeps it alive (the window itself or its owner).
struct Shown {
    std::unique_ptr<QWidget> Owner;
    QWidget* Window = nullptr;
};

struct WindowCase {
    const char* Name;
    std::function<Shown()> Make;
    QSize Size; ///< the size to show it at; empty for the window's own start size
};

/// Every window of the program, one line each, as the layout and accessibility tests show
/// them. A size smaller than the window's minimum shows it at its minimum.
const std::vector<WindowCase>& Windows();

} // namespace mottler::test
