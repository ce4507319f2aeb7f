#include "app/helpmenu.h"

#include "app/aboutdialog.h"
#include "help/ui/showhelp.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>

namespace mottler {

void AddHelpMenu(QMainWindow* window) {
    QMenu* help =
        window->menuBar()->addMenu(QCoreApplication::translate("mottler::HelpMenu", "&Help"));
    QAction* contents =
        help->addAction(QCoreApplication::translate("mottler::HelpMenu", "&Contents"), window,
                        [] { ShowHelpTopic(HelpContext::Contents); });
    contents->setObjectName("mnuHelpContents");
    contents->setShortcut(QKeySequence::HelpContents);
    help->addSeparator();
    QAction* about = help->addAction(
        QCoreApplication::translate("mottler::HelpMenu", "&About Mottler"), window, [window] {
            AboutDialog dialog(window);
            dialog.exec();
        });
    about->setObjectName("mnuHelpAbout");
}

} // namespace mottler
