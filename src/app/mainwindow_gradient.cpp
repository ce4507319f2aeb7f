// The "Gradient Settings" tab: the fading-border strip in the tile preview and the controls
// that shape it, dragging its edge, the gradient presets, and what entering a tab changes.
#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/presetnameprompt.h"
#include "base/errors.h"
#include "base/numbers.h"
#include "engine/ui/agethumbnail.h"
#include "engine/ui/texturepreview.h"
#include "gradients/gradientstore.h"
#include "presets/inifile.h"
#include "widgets/ui/colourdropdown.h"
#include "widgets/ui/numericedit.h"
#include "widgets/ui/updown.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QTabWidget>
#include <QToolButton>
#include <vector>

namespace mottler {

void MainWindow::ConnectGradient() {
    const GradientPage& g = gradientPage;
    mottler::GradientSettings& b = document.FadingBorder;
    connect(g.cmbGradients, &QComboBox::activated, this, [this] { cmbGradientsClick(); });
    connect(g.btnSaveGradient, &QToolButton::clicked, this, [this] { btnSaveGradientClick(); });
    const std::pair<ColourDropDown*, PackedColour*> pickers[] = {
        {g.scpStartColour, &b.StartColour},
        {g.scpEndColour, &b.EndColour},
        {g.scpBGColour, &b.BackgroundColour},
        {g.scpBorderColour, &b.BorderColour}};
    for (const auto& [picker, colour] : pickers)
        connect(picker, &ColourDropDown::Changed, this,
                [this, picker, colour] { scpStartColourChange(picker, *colour); });
    const std::pair<NumericEdit*, QString*> widthBoxes[] = {{g.txtGradientWidth, &b.GradientWidth},
                                                            {g.txtSaveWidth, &b.SaveWidth},
                                                            {g.txtSaveHeight, &b.SaveHeight}};
    for (const auto& [box, text] : widthBoxes) {
        connect(box, &QLineEdit::textChanged, this, [this, text](const QString& typed) {
            *text = typed;
            txtGradientWidthChange();
        });
        connect(box, &NumericEdit::KeyPress, this,
                [this](QKeyEvent* event) { txtGradientWidthKeyPress(event); });
    }
    connect(g.udWidth, &UpDown::Clicked, this, [this] { udWidthClick(); });
    connect(g.txtBorderWidth, &QLineEdit::textChanged, this, [this](const QString& typed) {
        document.FadingBorder.BorderWidth = typed;
        txtBorderWidthChange();
    });
    connect(g.udBorderWidth, &UpDown::Clicked, this, [this] { udBorderWidthClick(); });
    connect(g.chkAddBorder, &QCheckBox::clicked, this, [this] { chkAddBorderClick(); });
    connect(g.chkUseTextureGradient, &QCheckBox::clicked, this,
            [this] { chkUseTextureGradientClick(); });
    connect(pgControl, &QTabWidget::currentChanged, this, [this] { pgControlChange(); });
    preview.imgTexture->setMouseTracking(true); // the split cursor over the strip's edge
}

// The strip fills the whole preview control, so a column of the strip is a column of the
// control and dragging sets the width to the mouse's x.
void MainWindow::RedrawGradient() {
    if (loadingGradient || document.LastImageTab != ImageTab::Gradient)
        return;
    TexturePreview* view = preview.imgTexture;
    QImage strip(view->size(), QImage::Format_BGR888);
    mottler::RedrawGradient(strip, document.FadingBorder, gradient.Colours);
    view->Show({std::move(strip), view->rect()});
}

void MainWindow::txtGradientWidthChange() {
    const int width = IntValue(document.FadingBorder.GradientWidth);
    gradientPage.udWidth->SetPosition(width);
    if (width >= 1)
        RedrawGradient();
}

void MainWindow::txtGradientWidthKeyPress(const QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        RedrawGradient();
}

void MainWindow::udWidthClick() {
    gradientPage.txtGradientWidth->setText(QString::number(gradientPage.udWidth->Position()));
    RedrawGradient();
}

void MainWindow::txtBorderWidthChange() {
    gradientPage.udBorderWidth->SetPosition(IntValue(document.FadingBorder.BorderWidth));
    RedrawGradient();
}

void MainWindow::udBorderWidthClick() {
    gradientPage.txtBorderWidth->setText(QString::number(gradientPage.udBorderWidth->Position()));
    RedrawGradient();
}

void MainWindow::chkAddBorderClick() {
    const bool on = gradientPage.chkAddBorder->isChecked();
    document.FadingBorder.AddBorder = on;
    gradientPage.fraBorder->setEnabled(on);
    if (IntValue(document.FadingBorder.BorderWidth) == 0)
        gradientPage.txtBorderWidth->setText(DefaultBorderWidthText);
    RedrawGradient();
}

void MainWindow::scpStartColourChange(const ColourDropDown* picker, PackedColour& colour) {
    if (!picker->IsColourSet())
        return;
    colour = picker->Colour();
    RedrawGradient();
}

// The width box shows 256 while the texture's gradient is used, and the width from before
// afterwards; the strip is redrawn even when the box already held that text.
void MainWindow::chkUseTextureGradientClick() {
    mottler::GradientSettings& b = document.FadingBorder;
    b.UseTextureGradient = gradientPage.chkUseTextureGradient->isChecked();
    if (b.UseTextureGradient)
        savedGradientWidth = SavedGradientWidth(b.GradientWidth);
    const QString width = b.UseTextureGradient ? QString(TextureGradientWidthText)
                                               : QString::number(savedGradientWidth);
    if (width == b.GradientWidth)
        txtGradientWidthChange();
    else
        gradientPage.txtGradientWidth->setText(width);
}

void MainWindow::imgTextureMouse(const QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease)
        preview.imgTexture->unsetCursor(); // imgTextureMouseUp
    else if (event->type() == QEvent::MouseMove &&
             pgControl->currentWidget() == gradientPage.tbGradient)
        imgTextureMouseMove(static_cast<const QMouseEvent*>(event));
}

// Dragging left of the preview would give the width box a width it cannot hold; the strip
// then keeps its last width.
void MainWindow::imgTextureMouseMove(const QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    if (event->buttons().testFlag(Qt::LeftButton)) {
        if (x >= 1)
            gradientPage.txtGradientWidth->setText(QString::number(x));
    } else if (IsOnGradientEdge(x, document.FadingBorder.GradientWidth)) {
        preview.imgTexture->setCursor(Qt::SplitHCursor);
    } else {
        preview.imgTexture->unsetCursor();
    }
}

void MainWindow::pgControlChange() {
    QWidget* current = pgControl->currentWidget();
    const bool onGradient = current == gradientPage.tbGradient;
    if (auto* textureSize = findChild<QAction*>("mnuTextureSize"))
        textureSize->setEnabled(!onGradient);
    if (onGradient) {
        document.LastImageTab = ImageTab::Gradient;
        ShowTextureControls(false);
        EnterGradientTab();
    } else if (current == page.tbBackground) {
        document.LastImageTab = ImageTab::Texture;
        ShowTextureControls(true);
        if (document.ShownIteration)
            ShowPreview();
        else
            preview.imgTexture->Clear();
    }
}

// The age thumbnails and the recording controls belong to the texture. Their place stays
// empty while they are hidden, so the tabs and the preview keep their size.
void MainWindow::ShowTextureControls(bool shown) {
    std::vector<QWidget*> controls{recording.fraRecord};
    for (AgeThumbnail* age : ages)
        controls.push_back(age->parentWidget());
    for (QWidget* control : controls) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
        control->setVisible(shown);
    }
}

// The first preset is loaded when none is shown yet; otherwise the strip is drawn as it was.
void MainWindow::EnterGradientTab() {
    QComboBox* list = gradientPage.cmbGradients;
    if (list->count() > 0 && list->currentIndex() < 0) {
        list->setCurrentIndex(0);
        LoadGradient(list->currentText());
    } else {
        RedrawGradient();
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
    QComboBox* list = gradientPage.cmbGradients;
    list->clear();
    list->addItems(GradientPresetNames(*gradientFile));
    list->setCurrentIndex(list->findText(selected, Qt::MatchExactly));
}

void MainWindow::cmbGradientsClick() {
    if (gradientPage.cmbGradients->currentIndex() >= 0)
        LoadGradient(gradientPage.cmbGradients->currentText());
}

// The controls a preset reaches are set without redrawing on each; the strip is drawn once
// from what was set, also when a malformed colour stopped the load part way.
void MainWindow::LoadGradient(const QString& name) {
    if (!gradientFile)
        return;
    const LoadedGradient loaded = mottler::LoadGradient(*gradientFile, name);
    if (!loaded.Loadable)
        return;
    ApplyLoadedGradient(loaded, document.FadingBorder);
    loadingGradient = true;
    ShowGradientSettings(gradientPage, document.FadingBorder);
    loadingGradient = false;
    if (!loaded.Complete())
        ShowError(this, loaded.Error);
    RedrawGradient();
}

// Cancel leaves the presets alone (it never saves under the name shown).
void MainWindow::btnSaveGradientClick() {
    const QString name = AskPresetName(this, gradientPage.cmbGradients, GradientPresetNameTexts);
    if (name.isEmpty() || !gradientFile)
        return;
    try {
        ShowGradientPresetNames(SaveGradient(*gradientFile, name, document.FadingBorder));
    } catch (const MottlerError& error) {
        ShowError(this, error.Message());
    }
}

} // namespace mottler
