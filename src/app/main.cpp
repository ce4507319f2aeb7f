#include "app/applicationicon.h"
#include "app/mainwindow.h"
#include "app/safeapplication.h"
#include "app/texturecommands.h"
#include "app/translations.h"
#include "base/imagememory.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>

namespace {

const char* const Help = R"(Usage: mottler [Qt options]

Grows seamless, tileable textures for web-page backgrounds; the manual is under Help.

Options:
  -h, --help   show this help
  --version    show the version
The usual Qt options (-platform NAME, -style NAME, ...) are passed on to Qt.
)";

/// Answers --help and --version before the application connects to a display, so that they
/// work without one. Returns whether one was answered.
bool AnsweredInformationRequest(int argc, char* argv[]) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Help, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("mottler %s\n", MOTTLER_VERSION);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (AnsweredInformationRequest(argc, argv))
        return 0;
    mottler::SafeApplication app(argc, argv);
    // Qt's image threads start while memory is plentiful: a large picture converted later,
    // under a memory limit, never waits for a thread that cannot be created.
    mottler::KeepImageThreadsStarted();
    QApplication::setOrganizationName("Quorvex");
    QApplication::setApplicationName("Mottler");
    mottler::IdentifyApplication();
    mottler::InstallTranslations();
    mottler::MainWindow window;
    window.show();
    // Greet the user with a grown texture rather than an empty preview; undo stops there.
    QTimer::singleShot(0, &window, [&window] {
        window.Commands().GrowTexture(mottler::RunMode::Fresh);
        window.Document().ClearUndo();
    });
    return QApplication::exec();
}
