#pragma once

#include <QRect>
#include <QWidget>
#include <array>

namespace mottler {

/// A dotted outline around a screen rectangle, drawn by four one-pixel frameless windows that
/// stay on top and let the mouse through. The zoom window marks the area it magnifies with it;
/// the outline lies on the area's border pixels, which the zoom window does not copy, so the
/// outline never shows in the magnified picture. Unlike an inverting focus rectangle it needs
/// no access to the screen's pixels and works without a compositor.
class ScreenOutline {
public:
    ScreenOutline();
    ~ScreenOutline();
    ScreenOutline(const ScreenOutline&) = delete;
    ScreenOutline& operator=(const ScreenOutline&) = delete;

    void Show(const QRect& screenRect);
    void Hide();
    bool IsShown() const { return shown; }

private:
    std::array<QWidget*, 4> edges{};
    bool shown = false;
};

} // namespace mottler
