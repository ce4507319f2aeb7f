#include "engine/ui/advancedwindow.h"

#include "base/presetkeys.h"
#include "document/texturedocument.h"
#include "help/ui/showhelp.h"
#include "widgets/ui/numericedit.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace mottler {
namespace {

NumericEdit* Field(QVBoxLayout* layout, QWidget* parent, const char* name, const QString& label,
                   const QString& text, int decimalPlaces) {
    auto* caption = new QLabel(label, parent);
    auto* edit = new NumericEdit(parent);
    edit->setObjectName(name);
    edit->setText(text);
    edit->SetNumericOnly(true);
    edit->SetAllowDecimal(true);
    edit->SetDecimalPlaces(decimalPlaces);
    caption->setBuddy(edit);
    layout->addWidget(caption);
    layout->addWidget(edit);
    return edit;
}

} // namespace

AdvancedWindow::AdvancedWindow(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setObjectName("frmAdvanced");
    setWindowTitle(tr("Advanced Mottler Controls"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    // The window is as wide as this line; the "!" stays with its word.
    auto* intro = new QLabel(tr("Change these numbers and see what happens\u00A0!"), this);
    layout->addWidget(intro);
    // The boxes start with the start-up texts, which are also the defaults their labels name.
    const AdvancedFactorTexts startup;
    const QString& c = startup.FactorC;
    const QString& d = startup.FactorD;
    const QString& aMult = startup.MultiplierA;
    const QString& bMult = startup.MultiplierB;
    txtCFactor = Field(layout, this, "txtCFactor", tr("C Factor (Default=%1)").arg(c), c, 2);
    txtDFactor = Field(layout, this, "txtDFactor", tr("D Factor (Default=%1)").arg(d), d, 2);
    txtAMultiplier =
        Field(layout, this, "txtAMultiplier", tr("A Multiplier (Default=%1)").arg(aMult), aMult, 3);
    txtBMultiplier =
        Field(layout, this, "txtBMultiplier", tr("B Multiplier (Default=%1)").arg(bMult), bMult, 3);

    auto* group = new QGroupBox(tr("On Negative Value, set A = "), this);
    auto* row = new QHBoxLayout(group);
    rgZeroAction = new QButtonGroup(this);
    const QStringList items{tr("Zero"), tr("B"), tr("Abs(A)")};
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], group);
        rgZeroAction->addButton(radio, i);
        row->addWidget(radio);
    }
    SelectZeroAction(startup.ZeroAction);
    layout->addWidget(group);

    auto* buttons = new QHBoxLayout;
    btnRestoreDefaults = new QPushButton(tr("Restore Defaults"), this);
    btnGo = new QPushButton(tr("&Go"), this);
    btnClose = new QPushButton(tr("&Close"), this);
    // A dialog's buttons take Enter by default; here Enter in a box must not throw away
    // what was typed (Restore Defaults) or regrow (Go), so no button takes it.
    for (QPushButton* button : {btnRestoreDefaults, btnGo, btnClose})
        button->setAutoDefault(false);
    buttons->addWidget(btnRestoreDefaults);
    buttons->addWidget(btnGo);
    buttons->addWidget(btnClose);
    layout->addLayout(buttons);

    connect(btnRestoreDefaults, &QPushButton::clicked, this, [this] { btnRestoreDefaultsClick(); });
    connect(btnGo, &QPushButton::clicked, this, &AdvancedWindow::GoClicked);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::hide);
    for (NumericEdit* box : {txtCFactor, txtDFactor, txtAMultiplier, txtBMultiplier})
        connect(box, &QLineEdit::textChanged, this, [this] { ReportEdit(); });
    connect(rgZeroAction, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            ReportEdit();
    });
    InstallHelpKey(this, HelpContext::Advanced);
}

int AdvancedWindow::ZeroActionIndex() const {
    return rgZeroAction->checkedId();
}

void AdvancedWindow::SelectZeroAction(int index) {
    if (QAbstractButton* button = rgZeroAction->button(index)) {
        button->setChecked(true);
        return;
    }
    rgZeroAction->setExclusive(false); // an index outside the list leaves nothing selected
    for (QAbstractButton* button : rgZeroAction->buttons())
        button->setChecked(false);
    rgZeroAction->setExclusive(true);
}

void AdvancedWindow::btnRestoreDefaultsClick() {
    txtCFactor->setText(QString::number(PresetValues::FactorC.Startup));
    txtDFactor->setText(QString::number(PresetValues::FactorD.Startup));
    txtAMultiplier->setText(QString::number(PresetValues::MultiplierA.Startup));
    txtBMultiplier->setText(QString::number(PresetValues::MultiplierB.Startup));
    SelectZeroAction(PresetValues::ZeroAction.Startup);
}

void AdvancedWindow::Bind(TextureDocument& document) {
    connect(this, &AdvancedWindow::Edited, &document,
            [this, &document] { document.SetAdvanced(Texts()); });
    connect(&document, &TextureDocument::AdvancedChanged, this,
            [this, &document] { ShowTexts(document.Advanced()); });
}

AdvancedFactorTexts AdvancedWindow::Texts() const {
    AdvancedFactorTexts texts;
    texts.FactorC = txtCFactor->text();
    texts.FactorD = txtDFactor->text();
    texts.MultiplierA = txtAMultiplier->text();
    texts.MultiplierB = txtBMultiplier->text();
    texts.ZeroAction = ZeroActionIndex();
    texts.Shown = isVisible();
    return texts;
}

void AdvancedWindow::ShowTexts(const AdvancedFactorTexts& texts) {
    showingTexts = true;
    txtCFactor->setText(texts.FactorC);
    txtDFactor->setText(texts.FactorD);
    txtAMultiplier->setText(texts.MultiplierA);
    txtBMultiplier->setText(texts.MultiplierB);
    SelectZeroAction(texts.ZeroAction);
    setVisible(texts.Shown);
    showingTexts = false;
}

void AdvancedWindow::setVisible(bool visible) {
    const bool was = isVisible();
    QDialog::setVisible(visible);
    if (isVisible() != was)
        ReportEdit();
}

void AdvancedWindow::ReportEdit() {
    if (!showingTexts)
        Q_EMIT Edited();
}

} // namespace mottler
