// The gradient editor and the contrast and brightness pointers recolour the texture on
// display without regrowing it.
#include "app/mainwindow.h"
#include "palette/ui/adjustpanel.h"
#include "palette/ui/gradienteditor.h"

#include <QApplication>
#include <QKeyEvent>

namespace mottler {

// The editor and the pointers edit the document's gradient in place and report it; a preset
// load replaces the gradient, and they show it afresh.
void MainWindow::ConnectColours() {
    connect(gradientEditor, &GradientEditor::RecolourTexture, &document,
            &TextureDocument::GradientEdited);
    connect(adjustPanel, &AdjustPanel::Adjusted, &document, &TextureDocument::GradientEdited);
    connect(&document, &TextureDocument::GradientReplaced, this, [this] {
        gradientEditor->RebuildPalette();
        adjustPanel->ShowValues();
    });
    connect(&document, &TextureDocument::GradientChanged, gradientEditor,
            &GradientEditor::RebuildPalette);
}

// The window previews every key: a digit selects a control point, and the key still goes on
// to the focused control. (A key a control ignores passes here again on its way to the
// parents; selecting the same point again changes nothing.)
bool MainWindow::SelectsPointByDigit(QObject* watched, QEvent* event) {
    auto* target = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::KeyPress || target == nullptr ||
        (target != this && !isAncestorOf(target)))
        return false;
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (text.size() != 1 || !text[0].isDigit())
        return false;
    gradientEditor->DigitKey(text[0].digitValue());
    return true;
}

} // namespace mottler
