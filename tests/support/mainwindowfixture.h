#pragma once

#include "app/agestrip.h"
#include "app/mainwindow.h"
#include "app/previewframe.h"
#include "app/recordframe.h"
#include "app/texturecommands.h"
#include "app/texturepage.h"
#include "app/texturepresets.h"
#include "gradients/ui/gradientpage.h"
#include "preview/ui/previewsettingspage.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <vector>

namespace mottler::test {

/// Closes the message boxes that open while it lives and keeps the text of the last one.
class MessageBoxCatcher {
public:
    MessageBoxCatcher();
    QString text;

private:
    QTimer timer;
};

/// Runs `action` and answers the dialogs it opens, in order: a name for a name prompt (an
/// empty one cancels it), "Yes" or "No" for a question. Returns what each one showed
/// ("prompt: " and the text offered, "question: " and the question).
QStringList AnsweringDialogs(QStringList answers, const std::function<void()>& action);

/// A main window created as at start-up, with helpers to drive its real controls.
class MainWindowTest : public ::testing::Test {
protected:
    /// The window as at start-up, with the factors of a texture that keeps its pattern over
    /// long runs (the start-up factors let some seeds fade to a uniform field).
    void SetUp() override;

    MainWindow& W() { return *window; }
    TexturePage& P() { return window->Page(); }
    /// A part of the window found by its type (and object name).
    template <class T> T& Part(const QString& name = QString()) {
        T* part = window->findChild<T*>(name);
        if (part == nullptr)
            throw std::logic_error("the main window has no such part");
        return *part;
    }
    QTabWidget* Tabs() { return &Part<QTabWidget>("pgControl"); }

    /// Clicks where a user would: the middle of a button, the box of a check box or radio
    /// button (they answer only on their box and text, which a layout may leave short of the
    /// widget's middle).
    void Click(QWidget* widget) {
        const bool box = qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget);
        const int middle = widget->height() / 2;
        QTest::mouseClick(widget, Qt::LeftButton, {}, box ? QPoint(middle, middle) : QPoint());
    }

    /// Sets seed and iteration count, then presses "Generate Texture".
    void Generate(int seed, int iterations);

    std::vector<float> FieldA() {
        const float* a = window->Document().Engine.FieldA.Data();
        return {a, a + window->Document().Engine.CellCount()};
    }

    std::unique_ptr<MainWindow> window;
};

} // namespace mottler::test
