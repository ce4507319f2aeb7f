#pragma once

#include "picker/pickersettings.h"

#include <QWidget>
#include <array>

namespace mottler {

/// The colour picker's custom colours (`pnlCustom`): 16 swatches in a row, 11 × 11 pixels on a
/// 13-pixel pitch at the usual font and larger with a larger one. A swatch's hint is "#" + its hex
/// code, a line break and R,G,B.
class SwatchStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int Count = 16;

    explicit SwatchStrip(QWidget* parent);

    const SchemeColours& Colours() const { return colours; }
    /// Shows a scheme's colours, each with its hint.
    void SetColours(const SchemeColours& newColours);
    /// Gives one swatch a colour and its hint.
    void SetSwatch(int index, PackedColour colour);
    /// Whitens every swatch and clears their hints.
    void ClearAll();
    /// The hint of a swatch; empty after ClearAll until the swatch is set again.
    QString Hint(int index) const;

    QSize sizeHint() const override { return {1 + pitch * Count + 1, pitch + 2}; }

Q_SIGNALS:
    void SwatchClicked(int index);
    /// Right-click on a swatch: the owner shows the swatch menu at `globalPos`.
    void MenuRequested(int index, QPoint globalPos);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int SwatchAt(QPoint point) const;
    QRect SwatchRect(int index) const;

    int pitch = 13; ///< a swatch's side and the gap to the next

    SchemeColours colours{};
    std::array<bool, Count> hinted{};
};

} // namespace mottler
