#include "engine/ui/tfrmadvanced.h"

#include "controls/quoreditrules.h"
#include "controls/ui/tquoredit.h"
#include "engine/errors.h"
#include "help/ui/showhelp.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace mottler {
namespace {

TQuorEdit* Field(QVBoxLayout* layout, QWidget* parent, const char* name, const QString& label,
                 const QString& text, int decimalPlaces) {
    auto* caption = new QLabel(label, parent);
    auto* edit = new TQuorEdit(parent);
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

TfrmAdvanced::TfrmAdvanced(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setObjectName("frmAdvanced");
    setWindowTitle("Advanced Mottler Controls");
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel("Change these numbers and see what happens !", this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    txtCFactor = Field(layout, this, "txtCFactor", "C Factor (Default=12)", "12", 2);
    txtDFactor = Field(layout, this, "txtDFactor", "D Factor (Default=16)", "16", 2);
    txtAMultiplier = Field(layout, this, "txtAMultiplier", "A Multiplier (Default=4.0)", "4.0", 3);
    txtBMultiplier = Field(layout, this, "txtBMultiplier", "B Multiplier (Default=4.0)", "4.0", 3);

    auto* group = new QGroupBox("On Negative Value, set A = ", this);
    auto* row = new QHBoxLayout(group);
    rgZeroAction = new QButtonGroup(this);
    const QStringList items{"Zero", "B", "Abs(A)"};
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], group);
        rgZeroAction->addButton(radio, i);
        row->addWidget(radio);
    }
    SelectZeroAction(0);
    layout->addWidget(group);

    auto* buttons = new QHBoxLayout;
    btnRestoreDefaults = new QPushButton("Restore Defaults", this);
    btnGo = new QPushButton("&Go", this);
    btnClose = new QPushButton("&Close", this);
    buttons->addWidget(btnRestoreDefaults);
    buttons->addWidget(btnGo);
    buttons->addWidget(btnClose);
    layout->addLayout(buttons);
    resize(271, 272);

    connect(btnRestoreDefaults, &QPushButton::clicked, this, [this] { btnRestoreDefaultsClick(); });
    connect(btnGo, &QPushButton::clicked, this, &TfrmAdvanced::GoClicked);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::hide);
    InstallHelpKey(this, HelpContext::Advanced);
}

int TfrmAdvanced::ZeroActionIndex() const {
    return rgZeroAction->checkedId();
}

void TfrmAdvanced::SelectZeroAction(int index) {
    if (QAbstractButton* button = rgZeroAction->button(index)) {
        button->setChecked(true);
        return;
    }
    rgZeroAction->setExclusive(false); // an index outside the list leaves nothing selected
    for (QAbstractButton* button : rgZeroAction->buttons())
        button->setChecked(false);
    rgZeroAction->setExclusive(true);
}

void TfrmAdvanced::btnRestoreDefaultsClick() {
    txtCFactor->setText("12");
    txtDFactor->setText("16");
    txtAMultiplier->setText("4");
    txtBMultiplier->setText("4");
    SelectZeroAction(0);
}

GrowthFactors TfrmAdvanced::ApplyTo(GrowthFactors factors) const {
    if (!isVisible())
        return factors;
    factors.FactorC = IntValue(txtCFactor->text());
    factors.FactorD = IntValue(txtDFactor->text());
    factors.MultiplierA = DecimalNumber(txtAMultiplier->text());
    factors.MultiplierB = DecimalNumber(txtBMultiplier->text());
    factors.Zero = ZeroActionIndex();
    return factors;
}

} // namespace mottler
