#pragma once

#include "presets/advancedfactors.h"

#include <QDialog>

class QButtonGroup;
class QPushButton;

namespace mottler {
class NumericEdit;
class TextureDocument;
} // namespace mottler

namespace mottler {

/// "Advanced Mottler Controls": the factors C and D, the two multipliers and the zero
/// action. Created hidden at start-up; its values steer a run only while it is shown. The
/// window holds no state of its own: every change of a box, the zero action or whether the
/// window is shown is reported by Edited, and its owner keeps the values (Texts).
class AdvancedWindow : public QDialog {
    Q_OBJECT
public:
    explicit AdvancedWindow(QWidget* parent);

    /// The boxes' texts, the zero action and whether the window is shown.
    AdvancedFactorTexts Texts() const;
    /// Shows `texts` in the boxes and shows or hides the window as they say, without Edited.
    void ShowTexts(const AdvancedFactorTexts& texts);
    /// Every edit goes into the document's advanced texts; their changes are shown.
    void Bind(TextureDocument& document);
    void setVisible(bool visible) override;

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
    /// A box, the zero action or whether the window is shown changed (not through ShowTexts).
    void Edited();

private:
    void btnRestoreDefaultsClick();
    void ReportEdit();

    bool showingTexts = false;
};

} // namespace mottler
