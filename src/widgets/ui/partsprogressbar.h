#pragma once

#include "widgets/partsprogress.h"

#include <QColor>
#include <QWidget>

namespace mottler {

/// A light progress bar that counts completed parts out of a total and shows the percentage
/// or a caption centred over the bar, the caption drawn in black or white, whichever reads on
/// the part beneath it. Every setter does nothing when the value is unchanged; otherwise it stores
/// the value and repaints.
class PartsProgressBar : public QWidget {
    Q_OBJECT
public:
    /// The frame drawn around the bar.
    enum TBorderStyle { bsFlat, bsCtl3D, bsStatusControl };

    explicit PartsProgressBar(QWidget* parent = nullptr);

    /// The number of parts of the job; setting it starts a new job at 0 parts and 0%.
    int TotalParts() const { return progress.Total; }
    void SetTotalParts(int parts);
    /// The parts done, stored clamped to 0 … TotalParts; sets Percent.
    int PartsComplete() const { return progress.Complete; }
    void SetPartsComplete(int parts);
    /// round(PartsComplete / TotalParts × 100), halves to even; 0 while TotalParts is 0.
    int Percent() const { return progress.Percent; }

    /// Show the percentage ("37%") instead of Text.
    bool ShowPercent() const { return showPercent; }
    void SetShowPercent(bool on);
    /// The caption shown when ShowPercent is off.
    QString Text() const { return caption; }
    void SetText(const QString& text);
    /// The unfilled part. Default white.
    QColor BackColour() const { return backColour; }
    void SetBackColour(const QColor& colour);
    /// The filled part. Default: the palette's highlight colour.
    QColor BarColour() const { return barColour; }
    void SetBarColour(const QColor& colour);
    /// Switching to bsStatusControl with BorderWidth 0 sets BorderWidth 2; leaving it resets
    /// a BorderWidth of 2 to 0.
    TBorderStyle BorderStyle() const { return borderStyle; }
    void SetBorderStyle(TBorderStyle style);
    /// True exactly when BorderStyle is bsCtl3D.
    bool Ctl3D() const { return borderStyle == bsCtl3D; }
    /// Margin inside the control before the frame.
    int BorderWidth() const { return borderWidth; }
    /// Width of a frame in the control's own colour drawn inside the border (0 … 255).
    int InteriorOffset() const { return interiorOffset; }
    void SetInteriorOffset(int width);
    /// Horizontal bars fill from the left, vertical bars from the bottom.
    Qt::Orientation Orientation() const { return orientation; }
    void SetOrientation(Qt::Orientation direction);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    /// Raised whenever Percent changes.
    void Changed(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void RepaintAndAnnounce(int oldPercent);
    template <typename T> void Store(T& field, const T& value);
    QRect DrawFrame(QPainter& painter) const;
    void DrawBar(QPainter& painter, const QRect& interior) const;

    PartsProgress progress;
    bool showPercent = true;
    QString caption;
    QColor backColour = Qt::white;
    QColor barColour;
    TBorderStyle borderStyle = bsCtl3D;
    int borderWidth = 0;
    int interiorOffset = 0;
    Qt::Orientation orientation = Qt::Horizontal;
};

} // namespace mottler
