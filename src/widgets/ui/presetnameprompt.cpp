#include "widgets/ui/presetnameprompt.h"

#include "widgets/ui/plainmessagebox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

namespace mottler {

PresetNameTexts TexturePresetNameTexts() {
    return {QCoreApplication::translate("mottler::PresetNamePrompt", "Enter Name Of Preset"),
            QCoreApplication::translate("mottler::PresetNamePrompt",
                                        "What is the name of this preset ?"),
            QCoreApplication::translate("mottler::PresetNamePrompt", "Replace the preset \"%1\"?")};
}

PresetNameTexts GradientPresetNameTexts() {
    return {
        QCoreApplication::translate("mottler::PresetNamePrompt", "New Gradient Name"),
        QCoreApplication::translate("mottler::PresetNamePrompt",
                                    "Please enter a name for your new gradient"),
        QCoreApplication::translate("mottler::PresetNamePrompt", "Replace the gradient \"%1\"?")};
}

int TitleWidth(const QWidget& window) {
    QFont bold = window.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(window.windowTitle()) +
           TitleBarControlLines * metrics.height();
}

namespace {

// The prompt's text is shorter than its caption: the box is made wide enough that the title
// bar shows the caption whole.
QString PromptForName(QWidget* parent, const PresetNameTexts& texts, const QString& name) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(texts.Caption);
    dialog.setLabelText(texts.Prompt);
    dialog.setTextValue(name);
    // The dialog's layout decides its minimum size, so the prompt's label holds the width.
    dialog.ensurePolished();
    if (auto* label = dialog.findChild<QLabel*>())
        label->setMinimumWidth(TitleWidth(dialog));
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

} // namespace

QString AskPresetName(QWidget* parent, const QComboBox* list, const PresetNameTexts& texts) {
    QString name = list->currentText();
    for (;;) {
        name = PromptForName(parent, texts, name);
        if (name.isEmpty())
            return {};
        const int existing = list->findText(name, Qt::MatchFixedString);
        if (existing < 0)
            return name;
        const QString question = texts.ReplaceQuestion.arg(list->itemText(existing));
        if (AskPlainQuestion(parent, "Mottler", question))
            return list->itemText(existing);
    }
}

} // namespace mottler
