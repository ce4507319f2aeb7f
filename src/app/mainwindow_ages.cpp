// The nine age thumbnails: painting during a run, regrowing to a thumbnail's age on a click,
// and the engine switches behind Shift+right-clicks.
#include "app/agestrip.h"
#include "app/mainwindow.h"
#include "app/texturecommands.h"
#include "app/texturepage.h"
#include "engine/ui/agethumbnail.h"
#include "widgets/ui/messages.h"

#include <QTabWidget>

namespace mottler {
namespace {

QString TrueFalse(bool on) {
    return on ? MainWindow::tr("True") : MainWindow::tr("False");
}

} // namespace

void MainWindow::ConnectAges() {
    connect(ages, &AgeStrip::Clicked, this, [this](AgeThumbnail* t) { imgAge1Click(t); });
    connect(ages, &AgeStrip::ShiftRightPressed, this,
            [this](AgeThumbnail* t) { ToggleEngineSwitch(t); });
}

// A recorded frame of that age is shown; without one the texture is grown to that age.
void MainWindow::imgAge1Click(AgeThumbnail* thumbnail) {
    if (document.Running() || pgControl->currentWidget() != page ||
        document.ShowRecordedAge(thumbnail->Tag()))
        return;
    document.SetIterations(thumbnail->Tag());
    commands->GrowTexture(RunMode::Fresh);
}

void MainWindow::ToggleEngineSwitch(AgeThumbnail* thumbnail) {
    EngineSwitches& switches = document.Engine.Switches;
    switch (thumbnail->Index()) {
    case 1:
        switches.PaintAges = !switches.PaintAges;
        ShowMessage(this, tr("Paint aging windows is now %1").arg(TrueFalse(switches.PaintAges)));
        break;
    case 4:
        switches.ProcessMessagesDuringGrowth = !switches.ProcessMessagesDuringGrowth;
        ShowMessage(this, tr("Process messages during texture growth %1")
                              .arg(TrueFalse(switches.ProcessMessagesDuringGrowth)));
        break;
    case 9:
        switches.ShowProgress = !switches.ShowProgress;
        ShowMessage(this, tr("Progress bar is now %1").arg(TrueFalse(switches.ShowProgress)));
        break;
    default:
        break;
    }
}

} // namespace mottler
