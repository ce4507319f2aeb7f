#include "app/applicationicon.h"
#include "app/mainwindow.h"
#include "app/safeapplication.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    mottler::SafeApplication app(argc, argv);
    QApplication::setOrganizationName("Quorvex");
    QApplication::setApplicationName("Mottler");
    mottler::IdentifyApplication();
    mottler::MainWindow window;
    window.show();
    // Greet the user with a grown texture rather than an empty preview.
    QTimer::singleShot(0, &window, [&window] { window.GrowTexture(mottler::RunMode::Fresh); });
    return QApplication::exec();
}
