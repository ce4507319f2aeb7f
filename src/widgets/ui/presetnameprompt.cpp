#include "widgets/ui/presetnameprompt.h"

#include "widgets/ui/plainmessagebox.h"

#include <QComboBox>
#include <QInputDialog>
#include <QMessageBox>

namespace mottler {

QString AskPresetName(QWidget* parent, const QComboBox* list, const PresetNameTexts& texts) {
    QString name = list->currentText();
    for (;;) {
        bool ok = false;
        name = QInputDialog::getText(parent, texts.Caption, texts.Prompt, QLineEdit::Normal, name,
                                     &ok);
        if (!ok || name.isEmpty())
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
