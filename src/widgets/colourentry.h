#pragma once

#include "palette/palette.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace mottler {

/// The text logic of the colour drop-down control `ColourDropDown`: one colour typed either
/// as an HTML code (six hexadecimal digits RRGGBB, "hex mode") or as "R,G,B" in decimal
/// ("decimal mode"). The widget owns the entry box and the swatch; it forwards typed keys and
/// edits here and shows Text() and Colour() afterwards. Messages go to the message handler
/// instead of a message box, so the model runs without a display.
class ColourEntry {
public:
    using MessageHandler = std::function<void(const QString& message)>;
    using ChangeHandler = std::function<void()>;

    /// What the widget does with a typed character after KeyPress.
    enum class KeyAction { Insert, Swallow };

    /// Starts with an empty entry in hex mode, the colour-set flag false and the button-face
    /// colour, which also stands for every text that does not give a colour.
    explicit ColourEntry(PackedColour buttonFace);

    static QString RangeWarningText();
    static QString HexadecimalErrorText();

    /// Receives the two messages the change procedure and the comma key can raise.
    void SetMessageHandler(MessageHandler handler) { onMessage = std::move(handler); }
    /// Called at the end of every change procedure (`OnChange`).
    void SetChangeHandler(ChangeHandler handler) { onChange = std::move(handler); }

    /// Whether an out-of-range decimal value raises RangeWarningText(). Off by default.
    bool Warnings() const { return warnings; }
    void SetWarnings(bool on) { warnings = on; }

    const QString& Text() const { return text; }
    /// Assigns the entry text and runs the change procedure: a comma switches to decimal mode;
    /// in hex mode leading "#" characters are dropped (so Text() may differ from the argument
    /// afterwards) and the colour-set flag becomes whether six characters remain.
    void SetText(const QString& newText);

    /// The current colour, or the button-face colour when the text gives none.
    PackedColour Colour() const { return colour; }
    /// True when the last hex-mode text was a complete six-character code (`IsColourSet`).
    bool IsColourSet() const { return colourSet; }
    bool IsDecimalMode() const { return decimalMode; }
    /// Hex mode: six characters; decimal mode: three comma-separated numbers 0 … 255.
    bool IsTextValid() const;

    /// Six upper-case hex digits of the colour (`HtmlCode`), or empty when the text gives none.
    QString HtmlCode() const;
    /// Writes the colour in the current notation ("FF8000" or "255,128,0") and runs the change
    /// procedure (`SetColour`).
    void SetColour(PackedColour newColour);

    /// The key filter: hex mode takes 0–9 and A–F in either case, "." and backspace; decimal
    /// mode takes 0–9, "," and backspace.
    bool AcceptsCharacter(QChar character) const;
    /// The longest text the entry takes: 6 in hex mode, 0 (no limit) in decimal mode.
    int MaxLength() const { return decimalMode ? 0 : 6; }

    /// Handles a typed character before the entry inserts it: the comma in hex mode converts
    /// the code to R,G,B; a letter A–F in decimal mode turns the text back into hex digits.
    /// When this rewrote Text(), the widget shows the new text with the caret at its end, then
    /// inserts the character when told to (which runs the change procedure through SetText).
    KeyAction KeyPress(QChar key);
    /// A keystroke at the end of the entry: KeyPress, then the insertion (or, for backspace,
    /// the deletion of the last character) within MaxLength().
    void Type(QChar key);

    /// The drop-down list: the hex code first and the R,G,B form second (the current text
    /// standing for its own notation), or nothing when the text gives no colour.
    QStringList DropDownEntries() const;
    /// Choosing entry 0 switches to hex mode, entry 1 to decimal mode, and takes its text.
    void ChooseDropDownEntry(int index);

private:
    void RunChangeProcedure();
    void ApplyDecimalText();
    void ApplyHexText();
    void Report(const QString& message) const;
    KeyAction CommaInHexMode();

    PackedColour buttonFace;
    PackedColour colour;
    QString text;
    bool colourSet = false;
    bool decimalMode = false;
    bool textGaveColour = false;
    bool warnings = false;
    MessageHandler onMessage;
    ChangeHandler onChange;
};

} // namespace mottler
