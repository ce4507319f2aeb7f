#include "mainwindowfixture.h"

#include "widgets/ui/numericedit.h"

#include <QApplication>
#include <QInputDialog>
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

QStringList AnsweringDialogs(QStringList answers, const std::function<void()>& action) {
    QStringList shown;
    QTimer script;
    QObject::connect(&script, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* prompt = qobject_cast<QInputDialog*>(modal)) {
            shown.append("prompt: " + prompt->textValue());
            const QString name = answers.isEmpty() ? QString() : answers.takeFirst();
            prompt->setTextValue(name);
            name.isEmpty() ? prompt->reject() : prompt->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            shown.append("question: " + box->text());
            const bool yes = !answers.isEmpty() && answers.takeFirst() == "Yes";
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        }
    });
    script.start(5);
    action();
    return shown;
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
