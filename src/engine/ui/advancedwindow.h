#pragma once

#include "engine/growth.h"

#include <QDialog>

class QButtonGroup;
class QPushButton;

namespace mottler {
class NumericEdit;
}

namespace mottler {

/// "Advanced Mottler Controls": the factors C and D, the two multipliers and the zero
/// action. Created hidden at start-up; its values steer a run only while it is shown.
class AdvancedWindow : public QDialog {
    Q_OBJECT
public:
    explicit AdvancedWindow(QWidget* parent);

    /// The values a run uses: the window's while it is shown, else the defaults. Throws
    /// MottlerError when a multiplier box does not hold a number.
    GrowthFactors ApplyTo(GrowthFactors factors) const;

    NumericEdit* txtCFactor = nullptr;
    NumericEdit* txtDFactor = nullptr;
    NumericEdit* txtAMultiplier = nullptr;
    NumericEdit* txtBMultiplier = nullptr;
    QButtonGroup* rgZeroAction = nullptr;
    QPushButton* btnRestoreDefaults = nullptr;
    QPushButton* btnGo = nullptr;
    QPushButton* btnClose = nullptr;

    /// The zero action selected, −1 when no item is.
    int ZeroActionIndex() const;
    void SelectZeroAction(int index);

Q_SIGNALS:
    /// "&Go": regrow the current texture from its initial state with these values.
    void GoClicked();

private:
    void btnRestoreDefaultsClick();
};

} // namespace mottler
