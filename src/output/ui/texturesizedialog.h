#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace mottler {

class NumericEdit;

/// "Texture Size": the texture's width and height in cells, and whether preset loads keep
/// that size. OK with a side below 2 says so and keeps the window open.
class TextureSizeDialog : public QDialog {
    Q_OBJECT
public:
    TextureSizeDialog(QWidget* parent, int width, int height, bool preserveSize);

    /// The boxes' numbers (empty or non-numeric text counts as 0).
    int ChosenWidth() const;
    int ChosenHeight() const;
    bool PreserveSize() const;

    NumericEdit* txtWidth = nullptr;
    NumericEdit* txtHeight = nullptr;
    QCheckBox* chkSameSize = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildSizeGroup(int width, int height);
};

} // namespace mottler
