#include "app/helpmenu.h"

#include "app/aboutdialog.h"
#include "help/ui/showhelp.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>

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

void InstallTabHelpKey(QWidget* window, const QTabWidget* tabs, std::vector<HelpContext> contexts) {
    InstallHelpKey(window, [tabs, contexts = std::move(contexts)] {
        const auto index = static_cast<std::size_t>(tabs->currentIndex());
        return index < contexts.size() ? contexts[index] : HelpContext::Contents;
    });
}

} // namespace mottler
