// The name prompt of the preset lists.
#include "widgets/ui/presetnameprompt.h"

#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace mottler::test {
namespace {

// The prompt's text is short; the caption in its title bar must not be cut.
TEST(PresetNamePrompt, IsWideEnoughForItsWholeCaption) {
    QComboBox list;
    for (const PresetNameTexts& texts : {TexturePresetNameTexts(), GradientPresetNameTexts()}) {
        SCOPED_TRACE(texts.Caption.toStdString());
        int width = 0;
        int needed = 1;
        QString title;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            title = dialog->windowTitle();
            width = dialog->width();
            QFont bold = dialog->font();
            bold.setBold(true);
            needed = QFontMetrics(bold).horizontalAdvance(texts.Caption);
            dialog->reject();
        });
        EXPECT_TRUE(AskPresetName(nullptr, &list, texts).isEmpty());
        EXPECT_EQ(title, texts.Caption);
        EXPECT_GE(width, needed + 6 * QFontMetrics(QApplication::font()).height());
    }
}

} // namespace
} // namespace mottler::test
