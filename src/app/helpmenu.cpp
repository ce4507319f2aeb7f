#include "app/helpmenu.h"

#include "app/aboutdialog.h"
#include "help/ui/showhelp.h"

#include <QMainWindow>
#include <QMenuBar>

namespace mottler {

void AddHelpMenu(QMainWindow* window) {
    QMenu* help = window->menuBar()->addMenu("&Help");
    QAction* contents =
        help->addAction("&Contents", window, [] { ShowHelpTopic(HelpContext::Contents); });
    contents->setObjectName("mnuHelpContents");
    contents->setShortcut(QKeySequence::HelpContents);
    help->addSeparator();
    QAction* about = help->addAction("&About Mottler", window, [window] {
        AboutDialog dialog(window);
        dialog.exec();
    });
    about->setObjectName("mnuHelpAbout");
}

} // namespace mottler
