// Long work on the interface thread: the window painted first, the hourglass meanwhile, and
// nothing busy left over a question that follows.
#include "mainwindowfixture.h"
#include "widgets/ui/busycursor.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <optional>
#include <stdexcept>

namespace mottler::test {
namespace {

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

std::optional<Qt::CursorShape> OverrideShape() {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor ? std::optional(cursor->shape()) : std::nullopt;
}

TEST(WorkBusy, PaintsTheWindowFirstAndShowsTheHourglassWhileItWorks) {
    QWidget window;
    window.resize(200, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const PaintCounter counter(&window);
    int paintsBefore = 0;
    std::optional<Qt::CursorShape> during;
    WorkBusy(&window, [&] {
        paintsBefore = counter.paints;
        during = OverrideShape();
    });
    EXPECT_GE(paintsBefore, 1);
    EXPECT_EQ(during, Qt::WaitCursor);
    EXPECT_EQ(OverrideShape(), std::nullopt);
    EXPECT_THROW(WorkBusy(&window, [] { throw std::runtime_error("failed"); }), std::runtime_error);
    EXPECT_EQ(OverrideShape(), std::nullopt);
}

// A 3000 × 3000 picture: decoded busy, but the size question gets the normal cursor.
TEST_F(MainWindowTest, ALargePictureAsksItsSizeQuestionWithoutTheHourglass) {
    QTemporaryDir dir;
    QImage big(3000, 3000, QImage::Format_RGB888);
    big.fill(QColor(20, 90, 200));
    const QString file = dir.filePath("big.png");
    ASSERT_TRUE(big.save(file));
    QList<std::optional<Qt::CursorShape>> duringQuestion;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            duringQuestion << OverrideShape();
            box->button(QMessageBox::Yes)->click(); // stretched over the texture
        }
    });
    answer.start(5);
    P().spIterations->setValue(2);
    W().Commands().LoadInitialImage(file);
    EXPECT_EQ(duringQuestion, QList<std::optional<Qt::CursorShape>>{std::nullopt});
    EXPECT_EQ(W().Document().Engine.Width(), 100);
    EXPECT_EQ(W().Document().Settings().ImageFile, file);
    EXPECT_EQ(OverrideShape(), std::nullopt);
}

} // namespace
} // namespace mottler::test
