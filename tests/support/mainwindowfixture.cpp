#include "mainwindowfixture.h"

#include "widgets/ui/numericedit.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

namespace mottler::test {

MessageBoxCatcher::MessageBoxCatcher() {
    QObject::connect(&timer, &QTimer::timeout, [this] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->close();
        }
    });
    timer.start(5);
}

void MainWindowTest::SetUp() {
    window = std::make_unique<MainWindow>();
    // Shown, so that its layouts give every control its place and clicks land on them.
    window->show();
    P().spFactorA->setValue(622);
    P().spFactorB->setValue(1000);
}

void MainWindowTest::Generate(int seed, int iterations) {
    P().txtRandomSeed->setText(QString::number(seed));
    P().spIterations->setValue(iterations);
    Click(P().btnGo);
}

} // namespace mottler::test
