#include "mainwindowfixture.h"

#include "controls/ui/tquoredit.h"
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace mottler::test {

void MainWindowTest::SetUp() {
    window = std::make_unique<TfrmThumb>();
    P().spFactorA->setValue(622);
    P().spFactorB->setValue(1000);
}

void MainWindowTest::Generate(int seed, int iterations) {
    P().txtRandomSeed->setText(QString::number(seed));
    P().spIterations->setValue(iterations);
    Click(P().btnGo);
}

} // namespace mottler::test
