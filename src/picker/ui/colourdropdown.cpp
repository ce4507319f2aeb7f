#include "picker/ui/colourdropdown.h"

#include "palette/colourtext.h"
#include "picker/ui/colourpickerdialog.h"
#include "widgets/ui/plainmessagebox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionComboBox>
#include <algorithm>

namespace mottler {
namespace {

constexpr int EntryInset = 3;
/// The dialog button's side at the least; the style may ask for more (larger fonts, scale).
constexpr int ButtonSize = 21;
/// The gaps around the button: the entry is the button's side and this much narrower than
/// the control.
constexpr int ButtonGaps = 8;

void ShowMessage(QWidget* parent, const QString& message) {
    ShowPlainMessageBox(parent, QMessageBox::Warning, QString(), message);
}

std::optional<PackedColour> RunPickerDialog(QWidget* parent, std::optional<PackedColour> initial) {
    ColourPickerDialog dialog(parent);
    if (initial)
        dialog.SetInitialColour(*initial);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.ChosenColour();
}

/// The button's glyph: four black-outlined ellipses, red, blue, yellow and green, one in each
/// quadrant of a (size − 3)-pixel square.
QPixmap FourEllipseGlyph(QSize buttonSize) {
    QPixmap glyph(buttonSize.width() - 3, buttonSize.height() - 3);
    glyph.fill(Qt::transparent);
    const int w = glyph.width() / 2 - 1;
    const int h = glyph.height() / 2 - 1;
    QPainter painter(&glyph);
    painter.setPen(Qt::black);
    const auto ellipse = [&painter](QColor fill, int left, int top, int right, int bottom) {
        painter.setBrush(fill);
        painter.drawEllipse(QRect(QPoint(left, top), QPoint(right, bottom)));
    };
    ellipse(Qt::red, 0, 0, w, h);
    ellipse(Qt::blue, w + 1, 0, 2 * w + 1, h);
    ellipse(Qt::yellow, 0, h + 1, w, 2 * h + 1);
    ellipse(Qt::green, w + 1, h + 1, 2 * w + 1, 2 * h + 1);
    return glyph;
}

bool IsEnterKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

ColourCombo::ColourCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr); // the list holds the other notation, never a completion
}

void ColourCombo::showPopup() {
    Q_EMIT AboutToShowPopup();
    QComboBox::showPopup();
}

void ColourCombo::keyPressEvent(QKeyEvent* event) {
    if (keyFilter && keyFilter(event))
        return;
    QComboBox::keyPressEvent(event);
}

ColourDropDown::ColourDropDown(QWidget* parent)
    : QFrame(parent), entry(ButtonFaceColour()), messageRunner(ShowMessage),
      dialogRunner(RunPickerDialog) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    combo = new ColourCombo(this);
    combo->SetKeyFilter([this](QKeyEvent* event) { return FilterKey(event); });
    connect(combo->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { entry.SetText(text); });
    connect(combo, &ColourCombo::AboutToShowPopup, this, &ColourDropDown::FillDropDown);
    connect(combo, &QComboBox::activated, this, [this](int index) {
        entry.ChooseDropDownEntry(index);
        ShowEntryState();
    });

    button = new QToolButton(this);
    button->setIcon(FourEllipseGlyph(QSize(ButtonSize, ButtonSize)));
    button->setIconSize(QSize(ButtonSize - 3, ButtonSize - 3));
    const QSize needed = button->minimumSizeHint();
    const int side = std::max({ButtonSize, needed.width(), needed.height()});
    button->setFixedSize(side, side);
    button->setAutoRaise(true);
    button->setToolTip(tr("Choose a colour"));
    connect(button, &QToolButton::clicked, this, &ColourDropDown::OpenDialog);
    SetAccessibleName(tr("Colour"));

    entry.SetMessageHandler([this](const QString& message) { messageRunner(this, message); });
    entry.SetChangeHandler([this] {
        ShowEntryState();
        Q_EMIT Changed();
    });
    resize(sizeHint());
    PlaceParts(); // a hidden widget gets its resize event only when first shown
    ShowEntryState();
}

void ColourDropDown::SetAccessibleName(const QString& caption) {
    const QString name = QString(caption).remove('&');
    setAccessibleName(name);
    combo->setAccessibleName(name);
    combo->lineEdit()->setAccessibleName(name);
    combo->setAccessibleDescription(
        tr("An HTML colour code such as FF8000, or red, green and blue as 255,128,0; "
           "Ctrl+Enter opens the colour picker"));
    button->setAccessibleName(tr("Choose %1").arg(name));
}

void ColourDropDown::SetColour(PackedColour colour) {
    entry.SetColour(colour);
}

void ColourDropDown::SetText(const QString& text) {
    entry.SetText(text);
}

void ColourDropDown::OpenDialog() {
    const std::optional<PackedColour> initial =
        entry.IsTextValid() ? std::optional<PackedColour>(entry.Colour()) : std::nullopt;
    if (const std::optional<PackedColour> chosen = dialogRunner(this, initial))
        SetColour(*chosen);
    combo->setFocus();
}

bool ColourDropDown::FilterKey(QKeyEvent* event) {
    if (IsEnterKey(event) && event->modifiers().testFlag(Qt::ControlModifier)) {
        OpenDialog();
        return true;
    }
    const QString typed = event->text();
    if (typed.size() != 1 || !typed[0].isPrint())
        return false; // editing and navigation keys, shortcuts
    const ColourEntry::KeyAction action = entry.KeyPress(typed[0]);
    ShowEntryState(); // the key may have rewritten the text or switched the mode
    if (action == ColourEntry::KeyAction::Swallow)
        return true;
    // The length limit applies to typing only: a pasted "#FF8000" must still arrive whole so
    // that the "#" can be dropped.
    const QLineEdit* line = combo->lineEdit();
    const qsizetype kept = line->text().size() - line->selectedText().size();
    return entry.MaxLength() > 0 && kept >= entry.MaxLength();
}

void ColourDropDown::ShowEntryState() {
    QLineEdit* line = combo->lineEdit();
    if (line->text() != entry.Text()) {
        line->setText(entry.Text());
        line->end(false);
    }
    QPalette colours = palette();
    const PackedColour shown = entry.Colour();
    colours.setColor(QPalette::Window, QColor(RedOf(shown), GreenOf(shown), BlueOf(shown)));
    setPalette(colours);
}

void ColourDropDown::FillDropDown() {
    // Changing the items of an editable combo box rewrites its text: keep the entry's text.
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(entry.DropDownEntries());
    combo->setCurrentIndex(-1);
    combo->lineEdit()->setText(entry.Text());
}

QSize ColourDropDown::minimumSizeHint() const {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = true;
    const QFontMetrics metrics = combo->fontMetrics();
    const QSize text(metrics.horizontalAdvance(QStringLiteral("255,255,255")) +
                         metrics.averageCharWidth(),
                     metrics.height());
    const int entryWidth =
        combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, combo).width();
    const int entryHeight = std::max(button->height(), metrics.height() + 6);
    return {entryWidth + button->width() + ButtonGaps, entryHeight + 2 * EntryInset};
}

QSize ColourDropDown::sizeHint() const {
    return minimumSizeHint().expandedTo(QSize(113, 27));
}

void ColourDropDown::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    PlaceParts();
}

void ColourDropDown::PlaceParts() {
    const QRect entryRect(EntryInset, EntryInset, width() - button->width() - ButtonGaps,
                          height() - 2 * EntryInset);
    combo->setGeometry(entryRect);
    button->move(entryRect.right() + 1 + 2, EntryInset);
}

} // namespace mottler
