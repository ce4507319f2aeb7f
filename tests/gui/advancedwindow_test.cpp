// The Advanced window: what is typed into its boxes stays there.
#include "engine/ui/advancedwindow.h"
#include "widgets/ui/numericedit.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace mottler::test {
namespace {

TEST(AdvancedWindow, EnterInABoxKeepsWhatWasTypedAndClicksNoButton) {
    AdvancedWindow window(nullptr);
    window.show();
    int goes = 0;
    QObject::connect(&window, &AdvancedWindow::GoClicked, [&] { ++goes; });
    for (NumericEdit* box :
         {window.txtCFactor, window.txtDFactor, window.txtAMultiplier, window.txtBMultiplier}) {
        box->setFocus();
        box->setText("7");
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter);
        EXPECT_EQ(box->text(), "7") << box->objectName().toStdString();
    }
    EXPECT_EQ(goes, 0);
    EXPECT_TRUE(window.isVisible());
    for (QPushButton* button : window.findChildren<QPushButton*>())
        EXPECT_FALSE(button->isDefault() || button->autoDefault()) << button->text().toStdString();
}

} // namespace
} // namespace mottler::test
