#include "testenv.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    mottler::test::IsolateUserFolders();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Quorvex");
    QApplication::setApplicationName("Mottler");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
