// Message boxes that show outside text (preset names from a texture pack, file names).
#include "widgets/ui/messages.h"
#include "widgets/ui/plainmessagebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace mottler {
namespace {

TEST(PlainMessageBox, OutsideTextIsShownAsItIsNeverAsMarkup) {
    // A preset name from a texture pack that would restyle the question and show a picture.
    const QString spoof = "<b style=\"font-size:40pt\">Marble</b><img src=\"/tmp/x.png\">";
    for (const auto& show : std::initializer_list<std::function<void()>>{
             [&] { ShowError(nullptr, spoof); }, [&] { ShowMessage(nullptr, spoof); }}) {
        QString text;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            text = box->text();
            format = box->textFormat();
            box->button(QMessageBox::Ok)->click();
        });
        show();
        EXPECT_EQ(text, spoof);
        EXPECT_EQ(format, Qt::PlainText);
    }

    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        format = box->textFormat();
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(AskPlainQuestion(nullptr, "Confirm",
                                 "A pattern called " + spoof + " already exists. Overwrite ?"));
    EXPECT_EQ(format, Qt::PlainText);
}

} // namespace
} // namespace mottler
