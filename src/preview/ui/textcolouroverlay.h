#pragma once

#include <QColor>
#include <QWidget>
#include <array>

namespace mottler {

/// The sample words drawn over the tile preview while the "Preview Settings" page is current:
/// "Document Text", "Unused Link", "Visited Link" and "Active Link" in their colours, 14 point,
/// each centred at its own height. It covers the preview, lets the mouse through and has no
/// background of its own, so the preview may be redrawn beneath it at any time.
class TextColourOverlay : public QWidget {
    Q_OBJECT
public:
    /// Covers `preview` and follows its size; starts hidden.
    explicit TextColourOverlay(QWidget* preview);

    /// The colours of the four words, in the order above.
    void SetColours(const std::array<QColor, 4>& colours);
    /// The family of the words; empty: the program's font.
    void SetFontFamily(const QString& family);

    const std::array<QColor, 4>& Colours() const { return colours; }
    QFont WordFont() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QColor, 4> colours;
    QString fontFamily;
};

} // namespace mottler
