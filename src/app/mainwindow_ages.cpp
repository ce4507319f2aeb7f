// The nine age thumbnails: painting during a run, regrowing to a thumbnail's age on a click,
// and the engine switches behind Shift+right-clicks.
#include "app/mainwindow.h"
#include "app/messages.h"
#include "engine/ui/agethumbnail.h"

#include <QTabWidget>

namespace mottler {
namespace {

QString TrueFalse(bool on) {
    return on ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

void MainWindow::ConnectAges() {
    for (AgeThumbnail* age : ages) {
        connect(age, &AgeThumbnail::Clicked, this, [this](AgeThumbnail* t) { imgAge1Click(t); });
        connect(age, &AgeThumbnail::ShiftRightPressed, this,
                [this](AgeThumbnail* t) { ToggleEngineSwitch(t); });
    }
}

void MainWindow::ClearAges() {
    for (AgeThumbnail* age : ages)
        age->Clear();
}

void MainWindow::PaintAge(int index, int iteration) {
    if (!HasAge(index))
        return;
    Age(index)->PaintFrom(engine.TextureBitmap, iteration);
}

void MainWindow::imgAge1Click(AgeThumbnail* thumbnail) {
    if (running || pgControl->currentWidget() != page.tbBackground ||
        ShowRecordedAge(thumbnail->Tag()))
        return;
    document.Settings.Iterations = thumbnail->Tag();
    ShowFactors();
    GrowTexture(RunMode::Fresh);
}

void MainWindow::ToggleEngineSwitch(AgeThumbnail* thumbnail) {
    EngineSwitches& switches = engine.Switches;
    switch (thumbnail->Index()) {
    case 1:
        switches.PaintAges = !switches.PaintAges;
        ShowMessage(this, "Paint aging windows is now " + TrueFalse(switches.PaintAges));
        break;
    case 4:
        switches.ProcessMessagesDuringGrowth = !switches.ProcessMessagesDuringGrowth;
        ShowMessage(this, "Process messages during texture growth " +
                              TrueFalse(switches.ProcessMessagesDuringGrowth));
        break;
    case 9:
        switches.ShowProgress = !switches.ShowProgress;
        ShowMessage(this, "Progress bar is now " + TrueFalse(switches.ShowProgress));
        break;
    default:
        break;
    }
}

} // namespace mottler
