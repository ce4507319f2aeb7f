#pragma once

#include "palette/palette.h"
#include "widgets/colourentry.h"

#include <QComboBox>
#include <QFrame>
#include <QToolButton>
#include <functional>
#include <optional>

namespace mottler {

/// The editable combo box inside ColourDropDown. Typed keys go to a filter before the combo
/// box handles them, and the list is filled just before it opens.
class ColourCombo : public QComboBox {
    Q_OBJECT
public:
    /// Returns true when it handled the key itself (the combo box then ignores it).
    using KeyFilter = std::function<bool(QKeyEvent* event)>;

    explicit ColourCombo(QWidget* parent);
    void SetKeyFilter(KeyFilter filter) { keyFilter = std::move(filter); }
    void showPopup() override;

Q_SIGNALS:
    /// The list is about to open: the owner fills it now.
    void AboutToShowPopup();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    KeyFilter keyFilter;
};

/// The colour drop-down control: one colour typed as an HTML code ("FF8000") or as decimal
/// "R,G,B", shown as the control's own background around the entry box, with a button that
/// opens the colour picker dialog (as does Ctrl+Enter in the entry). The text rules live in
/// ColourEntry; this class shows them.
class ColourDropDown : public QFrame {
    Q_OBJECT
public:
    /// Shows a message in a message box (replaceable so that tests never block).
    using MessageRunner = std::function<void(QWidget* parent, const QString& message)>;
    /// Runs the colour picker dialog: the initial colour when the text gives one; returns the
    /// chosen colour after OK, nothing after Cancel.
    using DialogRunner =
        std::function<std::optional<PackedColour>(QWidget* parent, std::optional<PackedColour>)>;

    /// Starts empty, in hex mode, with the colour not set and the button-face colour, at its
    /// size hint.
    explicit ColourDropDown(QWidget* parent = nullptr);

    /// The current colour: the colour of the text, or the button-face colour when it gives none.
    PackedColour Colour() const { return entry.Colour(); }
    /// True when the last hex-mode text was a complete six-character code.
    bool IsColourSet() const { return entry.IsColourSet(); }
    /// Six upper-case hex digits of the colour, or empty when the text gives no colour.
    QString HtmlCode() const { return entry.HtmlCode(); }
    /// Writes the colour in the current notation and runs the change procedure.
    void SetColour(PackedColour colour);

    QString Text() const { return entry.Text(); }
    /// Sets the entry text and runs the change procedure ("#" dropped, a comma → decimal mode).
    void SetText(const QString& text);

    /// Whether "All values must be between 0 and 255." is shown for an out-of-range number.
    bool Warnings() const { return entry.Warnings(); }
    void SetWarnings(bool on) { entry.SetWarnings(on); }

    /// The entry box and the dialog button (for layouts, focus chains and tests).
    ColourCombo* Entry() const { return combo; }
    QToolButton* DialogButton() const { return button; }

    /// Names the entry and the dialog button for screen readers after the control's caption.
    void SetAccessibleName(const QString& caption);

    void SetMessageRunner(MessageRunner runner) { messageRunner = std::move(runner); }
    void SetDialogRunner(DialogRunner runner) { dialogRunner = std::move(runner); }

    /// Room for the longest text, "255,255,255", beside the button; at least 113 × 27.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    /// Opens the colour picker dialog; after OK the chosen colour becomes the text.
    void OpenDialog();

Q_SIGNALS:
    /// Raised at the end of every change of the text (`OnChange`).
    void Changed();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool FilterKey(QKeyEvent* event);
    void ShowEntryState();
    void FillDropDown();
    void PlaceParts();

    ColourEntry entry;
    ColourCombo* combo = nullptr;
    QToolButton* button = nullptr;
    MessageRunner messageRunner;
    DialogRunner dialogRunner;
};

} // namespace mottler
