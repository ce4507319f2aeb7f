#include "app/guirunhost.h"

#include "app/runinputfilter.h"
#include "widgets/ui/messages.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace mottler {

void GuiRunHost::RunStarting(bool processMessages) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    filter.Start(processMessages);
}

bool GuiRunHost::PollEscape() {
    return filter.PollEscape();
}

void GuiRunHost::ProcessEvents() {
    QApplication::processEvents();
}

void GuiRunHost::RunEnded() {
    filter.Stop();
    QApplication::restoreOverrideCursor();
}

void GuiRunHost::ShowMessage(const QString& text) {
    ShowError(&owner, text);
}

// One refresh of the screen the window is on; 60 Hz where the screen does not say.
qint64 GuiRunHost::RefreshNanoseconds() const {
    const QScreen* screen = owner.screen();
    const qreal hertz = screen != nullptr ? screen->refreshRate() : 0.0;
    return static_cast<qint64>(1e9 / (hertz >= 1.0 ? std::min<qreal>(hertz, 1000.0) : 60.0));
}

} // namespace mottler
