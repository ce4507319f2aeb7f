#include "app/tfrmthumb.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Quorvex");
    QApplication::setApplicationName("Mottler");
    mottler::TfrmThumb window;
    window.show();
    return QApplication::exec();
}
