#include "app/texturepage.h"

#include "widgets/ui/numericedit.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>

namespace mottler {
namespace {

template <typename W> W* Place(QWidget* page, const char* name, int x, int y, int w, int h) {
    auto* widget = new W(page);
    widget->setObjectName(name);
    widget->setGeometry(x, y, w, h);
    return widget;
}

QLabel* Caption(QWidget* page, const QString& text, QWidget* buddy, int x, int y, int w,
                int h = 16) {
    auto* label = new QLabel(text, page);
    label->setGeometry(x, y, w, h);
    label->setWordWrap(h > 16);
    label->setBuddy(buddy);
    return label;
}

QSlider* Trackbar(QWidget* page, const char* name, int x, int position) {
    auto* bar = Place<QSlider>(page, name, x, 120, 30, 124);
    bar->setOrientation(Qt::Vertical);
    bar->setInvertedAppearance(true); // minimum at the top, as on a vertical trackbar
    bar->setInvertedControls(true);
    bar->setRange(0, 1000);
    bar->setPageStep(50);
    bar->setTickInterval(100);
    bar->setTickPosition(QSlider::TicksBothSides);
    bar->setValue(position);
    return bar;
}

QSpinBox* SpinBox(QWidget* page, const char* name, int x) {
    auto* box = Place<QSpinBox>(page, name, x, 248, 68, 22);
    box->setRange(0, 1000);
    return box;
}

void BuildSeedRow(QWidget* page, TexturePage& p) {
    p.txtRandomSeed = Place<NumericEdit>(page, "txtRandomSeed", 8, 24, 110, 22);
    p.txtRandomSeed->SetNumericOnly(true);
    Caption(page, "Ra&ndom Seed", p.txtRandomSeed, 8, 8, 110);
    p.btnRandomize = Place<QToolButton>(page, "btnRandomize", 120, 23, 24, 24);
    p.btnRandomize->setIcon(page->style()->standardIcon(QStyle::SP_BrowserReload));
    p.btnRandomize->setToolTip("Create a variation on the current image");

    p.cmbTextureType = Place<QComboBox>(page, "cmbTextureType", 8, 66, 136, 22);
    p.cmbTextureType->addItems({"Random Noise", "Random Shapes", "Noise and Shapes", "Image File"});
    Caption(page, "Initial T&extureType", p.cmbTextureType, 8, 50, 140);
    p.btnOpenImage = Place<QToolButton>(page, "btnOpenImage", 148, 65, 24, 24);
    p.btnOpenImage->setIcon(page->style()->standardIcon(QStyle::SP_DialogOpenButton));
    p.btnOpenImage->setToolTip("Open an image");
    p.btnOpenImage->setEnabled(false);
}

void BuildFactorColumns(QWidget* page, TexturePage& p) {
    p.tbIterations = Trackbar(page, "tbIterations", 27, 9);
    p.tbFactorA = Trackbar(page, "tbFactorA", 99, 995);
    p.tbFactorB = Trackbar(page, "tbFactorB", 171, 0);
    p.spIterations = SpinBox(page, "spIterations", 8);
    p.spFactorA = SpinBox(page, "spFactorA", 80);
    p.spFactorB = SpinBox(page, "spFactorB", 152);
    Caption(page, "&Iterations", p.spIterations, 8, 90, 70, 30);
    Caption(page, "The '&A' Factor", p.spFactorA, 80, 90, 72, 30);
    Caption(page, "The '&B' Factor", p.spFactorB, 152, 90, 72, 30);
}

void BuildCommands(QWidget* page, TexturePage& p) {
    p.cmbDrift = Place<QComboBox>(page, "cmbDrift", 8, 296, 100, 22);
    p.cmbDrift->addItems({"No drift", "Left", "Right", "Up", "Down"});
    Caption(page, "&Drift Texture", p.cmbDrift, 8, 280, 100);
    p.btnChangeMode = Place<QPushButton>(page, "btnChangeMode", 116, 295, 100, 24);
    p.btnChangeMode->setText("Ad&vanced");
    p.btnChangeMode->setToolTip("Alter more of Mottler's growth factors !");

    p.btnGo = Place<QPushButton>(page, "btnGo", 8, 324, 128, 26);
    p.btnGo->setText("&Generate Texture");
    p.btnGo->setToolTip("This is probably the best button to push");
    QFont bold = p.btnGo->font();
    bold.setBold(true);
    p.btnGo->setFont(bold);
    p.btnContinue = Place<QPushButton>(page, "btnContinue", 140, 324, 76, 26);
    p.btnContinue->setText("C&ontinue");
    p.btnContinue->setEnabled(false);
}

} // namespace

void BuildPresetRow(QWidget* page, TexturePage& p) {
    p.cmbPresets = Place<QComboBox>(page, "cmbPresets", 232, 24, 140, 22);
    Caption(page, "&Presets", p.cmbPresets, 232, 8, 140);
    p.btnSavePreset = Place<QToolButton>(page, "btnSavePreset", 376, 23, 24, 24);
    p.btnSavePreset->setIcon(page->style()->standardIcon(QStyle::SP_DialogSaveButton));
    p.btnSavePreset->setToolTip("Save this pattern");
    p.btnSavePreset->setEnabled(false);
}

TexturePage BuildTexturePage(QWidget* parent) {
    TexturePage p;
    p.tbBackground = new QWidget(parent);
    p.tbBackground->setObjectName("tbBackground");
    p.tbBackground->setMinimumSize(410, 356);
    BuildSeedRow(p.tbBackground, p);
    BuildFactorColumns(p.tbBackground, p);
    BuildCommands(p.tbBackground, p);
    BuildPresetRow(p.tbBackground, p);
    return p;
}

} // namespace mottler
