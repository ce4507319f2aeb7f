// The Edit menu: undo and redo of the document's steps, named after the step.
#include "app/mainwindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QUndoStack>

namespace mottler {
namespace {

constexpr int NoticeMilliseconds = 10'000;

} // namespace

void MainWindow::AddEditMenu() {
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* undo = edit->addAction(tr("&Undo"), this, [this] { document.Undo(); });
    undo->setObjectName("mnuEditUndo");
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = edit->addAction(tr("&Redo"), this, [this] { document.Redo(); });
    redo->setObjectName("mnuEditRedo");
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    const QUndoStack& stack = document.UndoStack();
    // Disabled while a run goes: the fields belong to the run.
    const auto show = [this, undo, redo, &stack] {
        undo->setEnabled(document.CanUndo());
        undo->setText(stack.canUndo() ? tr("&Undo %1").arg(stack.undoText()) : tr("&Undo"));
        redo->setEnabled(document.CanRedo());
        redo->setText(stack.canRedo() ? tr("&Redo %1").arg(stack.redoText()) : tr("&Redo"));
    };
    connect(&stack, &QUndoStack::indexChanged, this, show);
    connect(&stack, &QUndoStack::undoTextChanged, this, show);
    connect(&stack, &QUndoStack::redoTextChanged, this, show);
    connect(&document, &TextureDocument::RunStateChanged, this, show);
    show();
    // The status bar shows only while it has something to say.
    connect(&document, &TextureDocument::UndoNotice, this, [this](const QString& text) {
        statusBar()->show();
        statusBar()->showMessage(text, NoticeMilliseconds);
    });
    connect(statusBar(), &QStatusBar::messageChanged, this,
            [this](const QString& text) { statusBar()->setVisible(!text.isEmpty()); });
    statusBar()->hide();
}

} // namespace mottler
