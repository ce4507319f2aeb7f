#include "preview/ui/textcolouroverlay.h"

#include <QEvent>
#include <QPainter>

namespace mottler {
namespace {

struct SampleWord {
    const char* Text;
    int Top;
};
constexpr std::array<SampleWord, 4> SampleWords = {
    {{QT_TRANSLATE_NOOP("mottler::TextColourOverlay", "Document Text"), 10},
     {QT_TRANSLATE_NOOP("mottler::TextColourOverlay", "Unused Link"), 60},
     {QT_TRANSLATE_NOOP("mottler::TextColourOverlay", "Visited Link"), 110},
     {QT_TRANSLATE_NOOP("mottler::TextColourOverlay", "Active Link"), 160}}};

constexpr int WordPointSize = 14;

} // namespace

TextColourOverlay::TextColourOverlay(QWidget* preview) : QWidget(preview) {
    setObjectName("TextColourOverlay");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(preview->rect());
    preview->installEventFilter(this);
    hide();
}

void TextColourOverlay::SetColours(const std::array<QColor, 4>& newColours) {
    colours = newColours;
    update();
}

void TextColourOverlay::SetFontFamily(const QString& family) {
    fontFamily = family;
    update();
}

QFont TextColourOverlay::WordFont() const {
    QFont wordFont = font();
    if (!fontFamily.isEmpty())
        wordFont.setFamily(fontFamily);
    wordFont.setPointSize(WordPointSize);
    return wordFont;
}

bool TextColourOverlay::eventFilter(QObject* watched, QEvent* event) {
    // Showing too: a size set while the window is being shown comes without a resize event.
    if (watched == parent() && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void TextColourOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(WordFont());
    const QFontMetrics metrics = painter.fontMetrics();
    for (std::size_t i = 0; i < SampleWords.size(); ++i) {
        const QString word = tr(SampleWords[i].Text);
        const int x = width() / 2 - metrics.horizontalAdvance(word) / 2;
        painter.setPen(colours[i]);
        painter.drawText(x, SampleWords[i].Top + metrics.ascent(), word);
    }
}

} // namespace mottler
