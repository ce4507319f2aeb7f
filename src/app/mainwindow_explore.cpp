// The variation map: the Texture menu's command, and adopting a cell of the map.
#include "app/mainwindow.h"
#include "app/texturecommands.h"
#include "explore/adoption.h"
#include "explore/ui/explorewindow.h"
#include "presets/shapetuning.h"

#include <QAction>
#include <QMenu>

namespace mottler {

void MainWindow::AddExploreCommand(QMenu* texture) {
    QAction* explore = texture->addAction(tr("&Explore Variations..."), this,
                                          [this] { mnuExploreVariationsClick(); });
    explore->setObjectName("mnuExploreVariations");
    explore->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
}

// One window, kept while the main window lives; opening it again maps the current values.
void MainWindow::mnuExploreVariationsClick() {
    auto* window = findChild<ExploreWindow*>();
    if (window) {
        window->CentreOnDocument();
    } else {
        window = new ExploreWindow(document, ReadShapeTuning(), this);
        window->setWindowIcon(windowIcon());
        connect(window, &ExploreWindow::VariationAdopted, this, [this](const Variation& variation) {
            if (document.Running())
                return;
            const TextureDocument::Step step(document, tr("Adopt Variation"), StepKeeps::Texture);
            AdoptVariation(document, variation);
            commands->btnGoClick();
        });
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace mottler
