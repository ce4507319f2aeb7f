#include "testenv.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    mottler::test::IsolateUserFolders();
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Quorvex");
    QCoreApplication::setApplicationName("Mottler");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
