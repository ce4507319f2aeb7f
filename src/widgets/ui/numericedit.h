#pragma once

#include "widgets/numericeditrules.h"

#include <QLineEdit>
#include <QPointer>
#include <QToolButton>
#include <functional>

namespace mottler {

/// The dialog behind a NumericEdit's browse button.
enum class BrowseGlyph { sgOpen, sgSave };

/// What the browse button asks of a file dialog.
struct FileDialogRequest {
    QWidget* Parent = nullptr;
    bool Save = false;     ///< a save dialog instead of an open dialog
    QString StartFolder;   ///< empty: the dialog's own choice
    QString Filter;        ///< in Qt's form, "Bitmaps (*.bmp);;All files (*)"
    QString DefaultSuffix; ///< without the dot
};

/// Shows a file dialog and returns the chosen full path, or an empty text when cancelled.
using FileDialogRunner = std::function<QString(const FileDialogRequest&)>;

/// The program's file dialog (QFileDialog), the runner every browse starts with.
QString RunFileDialog(const FileDialogRequest& request);

/// The one-line edit box of the program's windows. On top of QLineEdit it can restrict typing
/// to a number (with a count of decimals and an upper bound) or to given characters, apply a
/// lower bound when the user leaves it, keep its text in the settings, and carry a browse
/// button that fills it with a file name. Pasted text is put through the same typing rules, so
/// it can never bring a character in that could not be typed; boxes with typing rules accept
/// no drops. textChanged and the other QLineEdit signals stay available to the owner.
class NumericEdit : public QLineEdit {
    Q_OBJECT
public:
    /// When StoreInSettings writes the text to the settings.
    enum StoreOption {
        seOnExit = 0x1,           ///< when the box loses focus
        seOnCarriageReturn = 0x2, ///< when Enter is pressed in the box
        seOnChange = 0x4,         ///< on every change of the text
    };
    Q_DECLARE_FLAGS(StoreOptions, StoreOption)

    explicit NumericEdit(QWidget* parent = nullptr);
    ~NumericEdit() override;

    bool NumericOnly() const { return rules.NumericOnly; }
    void SetNumericOnly(bool on);
    bool AllowDecimal() const { return rules.AllowDecimal; }
    /// Switching on sets DecimalPlaces to 2 when it is 0; switching off sets it to 0.
    void SetAllowDecimal(bool on);
    int DecimalPlaces() const { return rules.DecimalPlaces; }
    void SetDecimalPlaces(int places) { rules.DecimalPlaces = places; }
    /// Upper bound checked while typing in a NumericOnly box; 0 means none.
    int Max() const { return rules.Max; }
    void SetMax(int bound) { rules.Max = bound; }
    /// Lower bound applied when the user leaves the box; 0 or less means none.
    int Min() const { return min; }
    void SetMin(int bound) { min = bound; }
    /// When not empty, only these characters may be typed (case-sensitive).
    QString AllowChars() const { return rules.AllowChars; }
    void SetAllowChars(const QString& chars);
    /// Characters that may not be typed (case-sensitive).
    QString BlockChars() const { return rules.BlockChars; }
    void SetBlockChars(const QString& chars);

    /// Shows the browse button, a sibling 24 pixels wide right of the box.
    bool FileBrowser() const { return fileBrowser; }
    void SetFileBrowser(bool on);
    /// sgOpen: an open dialog; sgSave: a save dialog. The button shows the matching icon.
    BrowseGlyph FileGlyph() const { return glyph; }
    void SetFileGlyph(BrowseGlyph kind);
    /// The dialog's filter as pairs "Description|*.ext;*.ex2|..." (Qt's own form also works).
    QString FileFilter() const { return fileFilter; }
    void SetFileFilter(const QString& filter) { fileFilter = filter; }
    QString FileDefaultExt() const { return fileDefaultExt; }
    void SetFileDefaultExt(const QString& extension) { fileDefaultExt = extension; }
    /// Settings key and value name of the browse dialog's start folder (see SettingsNameOf).
    QString FileBrowserStartFolderKey() const { return initDirKey; }
    void SetFileBrowserStartFolderKey(const QString& key) { initDirKey = key; }
    QString FileBrowserStartFolderName() const { return initDirValue; }
    void SetFileBrowserStartFolderName(const QString& name) { initDirValue = name; }

    /// Keeps the text in the settings as value SettingsValueName under key SettingsKey.
    bool StoreInSettings() const { return storeInSettings; }
    void SetStoreInSettings(bool on) { storeInSettings = on; }
    QString SettingsKey() const { return settingsKey; }
    /// A key not starting with "\" gets one prepended.
    void SetSettingsKey(const QString& key);
    QString SettingsValueName() const { return settingsValueName; }
    void SetSettingsValueName(const QString& name) { settingsValueName = name; }
    StoreOptions Options() const { return options; }
    void SetOptions(StoreOptions when) { options = when; }

    /// The text as an integer: 0 when empty or not an integer.
    int IntValue() const;
    /// Writes the text to the settings; with an empty SettingsKey it shows an internal error
    /// instead and writes nothing.
    void WriteToSettings();
    /// With StoreInSettings on and SettingsKey set, a non-empty stored text becomes the text. Call
    /// once the properties are set.
    void LoadFromSettings();

    /// Replaces the file dialog of the browse button (tests, or a caller's own dialog).
    void SetFileDialogRunner(FileDialogRunner runner);
    /// The browse button; null until FileBrowser is on and the box has a parent.
    QToolButton* BrowseButton() const { return browseButton; }

public Q_SLOTS:
    /// What the browse button does: asks for a file and puts its full path into the box.
    void Browse();
    /// Pastes the clipboard through the typing rules.
    void PasteFiltered();

Q_SIGNALS:
    /// A key the typing rules let through, before it takes effect.
    void KeyPress(QKeyEvent* event);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    EditState State() const;
    void InsertFiltered(const QString& typed);
    void UpdateDropAcceptance();
    void PlaceBrowseButton();
    QString BrowseSettingsName() const;

    NumericEditRules rules;
    int min = 0;
    bool fileBrowser = false;
    BrowseGlyph glyph = BrowseGlyph::sgOpen;
    QString fileFilter;
    QString fileDefaultExt;
    QString initDirKey;
    QString initDirValue;
    bool storeInSettings = false;
    QString settingsKey;
    QString settingsValueName;
    StoreOptions options;
    FileDialogRunner dialogRunner;
    QPointer<QToolButton> browseButton;
};

} // namespace mottler

Q_DECLARE_OPERATORS_FOR_FLAGS(mottler::NumericEdit::StoreOptions)
