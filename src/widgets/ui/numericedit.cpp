#include "widgets/ui/numericedit.h"

#include "base/errors.h"
#include "base/usersettings.h"
#include "presets/datafolder.h"
#include "widgets/filebrowse.h"
#include "widgets/filefilter.h"
#include "widgets/ui/toolicons.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QStyle>
#include <QToolButton>

namespace mottler {
namespace {

constexpr int BrowseButtonWidth = 24;

bool IsEnterKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

QString RunFileDialog(const FileDialogRequest& request) {
    QFileDialog dialog(request.Parent, QString(), request.StartFolder, request.Filter);
    dialog.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.DefaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

NumericEdit::NumericEdit(QWidget* parent) : QLineEdit(parent), dialogRunner(RunFileDialog) {
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (storeInSettings && options.testFlag(seOnChange))
            WriteToSettings();
    });
}

NumericEdit::~NumericEdit() {
    delete browseButton.data();
}

void NumericEdit::SetNumericOnly(bool on) {
    rules.NumericOnly = on;
    UpdateDropAcceptance();
}

void NumericEdit::SetAllowDecimal(bool on) {
    rules.AllowDecimal = on;
    if (!on)
        rules.DecimalPlaces = 0;
    else if (rules.DecimalPlaces == 0)
        rules.DecimalPlaces = 2;
}

void NumericEdit::SetAllowChars(const QString& chars) {
    rules.AllowChars = chars;
    UpdateDropAcceptance();
}

void NumericEdit::SetBlockChars(const QString& chars) {
    rules.BlockChars = chars;
    UpdateDropAcceptance();
}

void NumericEdit::SetFileBrowser(bool on) {
    fileBrowser = on;
    PlaceBrowseButton();
}

void NumericEdit::SetFileGlyph(BrowseGlyph kind) {
    glyph = kind;
    PlaceBrowseButton();
}

void NumericEdit::SetSettingsKey(const QString& key) {
    settingsKey = key.isEmpty() || key.startsWith(u'\\') ? key : u'\\' + key;
}

int NumericEdit::IntValue() const {
    return mottler::IntValue(text());
}

void NumericEdit::WriteToSettings() {
    if (settingsKey.isEmpty()) {
        QMessageBox::critical(this, QApplication::applicationName(),
                              QStringLiteral("TQuorEdit Internal Error : WriteToRegistry called "
                                             "while sRegPath was blank !"));
        return;
    }
    UserSettings::WriteString(SettingsNameOf(settingsKey, settingsValueName), text());
}

void NumericEdit::LoadFromSettings() {
    if (!storeInSettings || settingsKey.isEmpty())
        return;
    const QString stored = UserSettings::ReadString(SettingsNameOf(settingsKey, settingsValueName));
    if (!stored.isEmpty())
        setText(stored);
}

void NumericEdit::SetFileDialogRunner(FileDialogRunner runner) {
    dialogRunner = std::move(runner);
}

void NumericEdit::Browse() {
    const bool open = glyph == BrowseGlyph::sgOpen;
    const QString settingsName = BrowseSettingsName();
    QString programFolder;
    try {
        programFolder = DataFolder();
    } catch (const MottlerError&) {
        // No data folder: the dialog starts wherever it likes.
    }
    const BrowseStart start = ChooseBrowseStart(text(), settingsName, open, programFolder);
    const QString chosen = dialogRunner(
        {this, !open, start.Folder, QtFileFilter(fileFilter), DefaultSuffix(fileDefaultExt)});
    if (chosen.isEmpty())
        return;
    setText(chosen);
    if (start.StoreChosenFolder)
        UserSettings::WriteString(settingsName, FolderOf(chosen));
}

void NumericEdit::PasteFiltered() {
    InsertFiltered(QGuiApplication::clipboard()->text());
}

bool NumericEdit::event(QEvent* event) {
    const bool result = QLineEdit::event(event);
    if (event->type() == QEvent::ParentChange) {
        if (browseButton)
            browseButton->setParent(parentWidget());
        PlaceBrowseButton();
    } else if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        PlaceBrowseButton();
    }
    return result;
}

void NumericEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        Q_EMIT KeyPress(event);
        if (!isReadOnly())
            PasteFiltered();
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.front().isPrint() &&
        FilterInsertion(rules, State(), typed) != typed) {
        event->accept(); // a dropped key goes nowhere, not even to the window
        return;
    }
    if (IsEnterKey(event) && storeInSettings && options.testFlag(seOnCarriageReturn))
        WriteToSettings();
    Q_EMIT KeyPress(event);
    QLineEdit::keyPressEvent(event);
}

void NumericEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(FilterInsertion(rules, State(), event->commitString()),
                             event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

void NumericEdit::focusOutEvent(QFocusEvent* event) {
    // Only leaving for another control counts; a menu or another window taking focus does not.
    const bool leaving =
        event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason;
    if (leaving) {
        const QString bounded = ApplyMin(text(), min);
        if (bounded != text())
            setText(bounded);
        if (storeInSettings && options.testFlag(seOnExit))
            WriteToSettings();
    }
    QLineEdit::focusOutEvent(event);
}

void NumericEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The X11 middle-button paste of the selection, put through the typing rules.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
        deselect();
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        InsertFiltered(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void NumericEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // The menu's Paste is the one action wired to QLineEdit::paste; rewire it to the rules.
    // Qt 6.4 wires it by name; later versions may use the member pointer.
    for (QAction* action : menu->actions()) {
        if (disconnect(action, SIGNAL(triggered()), this, SLOT(paste())) ||
            disconnect(action, &QAction::triggered, this, &QLineEdit::paste))
            connect(action, &QAction::triggered, this, &NumericEdit::PasteFiltered);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void NumericEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        PlaceBrowseButton();
}

void NumericEdit::moveEvent(QMoveEvent* event) {
    QLineEdit::moveEvent(event);
    PlaceBrowseButton();
}

void NumericEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    PlaceBrowseButton();
}

EditState NumericEdit::State() const {
    EditState state{text(), cursorPosition(), cursorPosition(), 0};
    if (hasSelectedText()) {
        state.SelectionStart = selectionStart();
        state.SelectionLength = static_cast<int>(selectedText().size());
    }
    return state;
}

void NumericEdit::InsertFiltered(const QString& typed) {
    const QString accepted = FilterInsertion(rules, State(), typed);
    if (!accepted.isEmpty())
        insert(accepted);
}

void NumericEdit::UpdateDropAcceptance() {
    // A drop can neither be checked key by key nor sanitised in place, so a box with typing
    // rules takes none.
    setAcceptDrops(!rules.NumericOnly && rules.AllowChars.isEmpty() && rules.BlockChars.isEmpty());
}

void NumericEdit::PlaceBrowseButton() {
    if (!browseButton && fileBrowser && parentWidget()) {
        browseButton = new QToolButton(parentWidget());
        browseButton->setFocusPolicy(Qt::NoFocus);
        connect(browseButton, &QToolButton::clicked, this, &NumericEdit::Browse);
    }
    if (!browseButton)
        return;
    const bool opens = glyph == BrowseGlyph::sgOpen;
    browseButton->setIcon(opens ? ToolIcon("document-open", QStyle::SP_DialogOpenButton)
                                : ToolIcon("document-save-as", QStyle::SP_DialogSaveButton));
    browseButton->setToolTip(opens ? tr("Choose the file to open") : tr("Choose where to save"));
    browseButton->setAccessibleName(browseButton->toolTip());
    browseButton->setGeometry(geometry().right() + 1, y(), BrowseButtonWidth, height());
    const int side = std::min(16, height() - 8); // the icon fits the button beside the box
    browseButton->setIconSize(QSize(side, side));
    browseButton->setEnabled(isEnabled());
    browseButton->setVisible(fileBrowser && !isHidden());
}

QString NumericEdit::BrowseSettingsName() const {
    if (initDirKey.isEmpty() || initDirValue.isEmpty())
        return {};
    return SettingsNameOf(initDirKey, initDirValue);
}

} // namespace mottler
