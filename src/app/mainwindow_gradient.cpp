// The "Gradient Settings" tab: the fading-border strip in the tile preview and the controls
// that shape it, dragging its edge, the gradient presets, and what entering a tab changes.
#include "app/agestrip.h"
#include "app/mainwindow.h"
#include "app/previewframe.h"
#include "app/recordframe.h"
#include "app/texturepage.h"
#include "base/errors.h"
#include "engine/ui/texturepreview.h"
#include "gradients/gradientstore.h"
#include "gradients/ui/gradientpage.h"
#include "presets/inifile.h"
#include "widgets/ui/messages.h"

#include <QAction>
#include <QComboBox>
#include <QInputDialog>
#include <QMouseEvent>
#include <QTabWidget>
#include <QToolButton>

namespace mottler {

void MainWindow::ConnectGradient() {
    connect(gradientPage->cmbGradients, &QComboBox::activated, this,
            [this] { cmbGradientsClick(); });
    connect(gradientPage->btnSaveGradient, &QToolButton::clicked, this,
            [this] { btnSaveGradientClick(); });
    connect(pgControl, &QTabWidget::currentChanged, this, [this] { pgControlChange(); });
    preview->imgTexture->setMouseTracking(true); // the split cursor over the strip's edge
}

void MainWindow::imgTextureMouse(const QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease)
        preview->imgTexture->unsetCursor(); // imgTextureMouseUp
    else if (event->type() == QEvent::MouseMove && pgControl->currentWidget() == gradientPage)
        imgTextureMouseMove(static_cast<const QMouseEvent*>(event));
}

// Dragging left of the preview would give the width box a width it cannot hold; the strip
// then keeps its last width.
void MainWindow::imgTextureMouseMove(const QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    if (event->buttons().testFlag(Qt::LeftButton)) {
        if (x >= 1) {
            mottler::GradientSettings border = document.FadingBorder();
            border.GradientWidth = QString::number(x);
            document.SetFadingBorder(border);
        }
    } else if (IsOnGradientEdge(x, document.FadingBorder().GradientWidth)) {
        preview->imgTexture->setCursor(Qt::SplitHCursor);
    } else {
        preview->imgTexture->unsetCursor();
    }
}

// Entering a page decides the image that is saved, copied and previewed: the texture page's
// texture or the gradient page's strip; the preview page keeps the image shown last.
void MainWindow::pgControlChange() {
    QWidget* current = pgControl->currentWidget();
    const bool onGradient = current == gradientPage;
    if (auto* textureSize = findChild<QAction*>("mnuTextureSize"))
        textureSize->setEnabled(!onGradient);
    if (onGradient) {
        document.SetLastImageTab(ImageTab::Gradient);
        EnterGradientTab();
    } else if (current == page) {
        document.SetLastImageTab(ImageTab::Texture);
    }
    ShowTextureControls(current == page);
}

// The age thumbnails and the recording controls belong to the texture. Their place stays
// empty while they are hidden, so the tabs and the preview keep their size.
void MainWindow::ShowTextureControls(bool shown) {
    for (QWidget* control : std::initializer_list<QWidget*>{recording, ages}) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
        control->setVisible(shown);
    }
}

// The first preset is loaded when none is shown yet; otherwise the strip is drawn as it was.
void MainWindow::EnterGradientTab() {
    QComboBox* list = gradientPage->cmbGradients;
    if (list->count() > 0 && list->currentIndex() < 0) {
        list->setCurrentIndex(0);
        LoadGradient(list->currentText());
    }
}

void MainWindow::LoadGradientPresetNames() {
    try {
        gradientFile = std::make_unique<IniFile>(ProgramGradientFile());
        ShowGradientPresetNames(QString());
    } catch (const MottlerError& error) {
        ShowError(this, error.Message());
    }
}

void MainWindow::ShowGradientPresetNames(const QString& selected) {
    QComboBox* list = gradientPage->cmbGradients;
    list->clear();
    list->addItems(GradientPresetNames(*gradientFile));
    list->setCurrentIndex(list->findText(selected, Qt::MatchExactly));
}

void MainWindow::cmbGradientsClick() {
    if (gradientPage->cmbGradients->currentIndex() >= 0)
        LoadGradient(gradientPage->cmbGradients->currentText());
}

// The controls a preset reaches are set without redrawing on each; the strip is drawn once
// from what was set, also when a malformed colour stopped the load part way.
void MainWindow::LoadGradient(const QString& name) {
    if (!gradientFile)
        return;
    const LoadedGradient loaded = mottler::LoadGradient(*gradientFile, name);
    if (!loaded.Loadable)
        return;
    mottler::GradientSettings border = document.FadingBorder();
    ApplyLoadedGradient(loaded, border);
    document.SetFadingBorder(border);
    if (!loaded.Complete())
        ShowError(this, loaded.Error);
}

// Cancel leaves the presets alone (it never saves under the name shown).
void MainWindow::btnSaveGradientClick() {
    bool ok = false;
    const QString name = QInputDialog::getText(
        this, "New Gradient Name", "Please enter a name for your new gradient", QLineEdit::Normal,
        gradientPage->cmbGradients->currentText(), &ok);
    if (!ok || name.isEmpty() || !gradientFile)
        return;
    try {
        ShowGradientPresetNames(SaveGradient(*gradientFile, name, document.FadingBorder()));
    } catch (const MottlerError& error) {
        ShowError(this, error.Message());
    }
}

} // namespace mottler
