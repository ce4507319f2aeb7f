#pragma once

#include "palette/palette.h"

#include <QDialog>

class QColorDialog;

namespace mottler {

/// The program's colour dialog: the caller sets the initial colour, shows it modally and,
/// after OK, reads the chosen colour.
class TfrmColorPicker : public QDialog {
    Q_OBJECT
public:
    explicit TfrmColorPicker(QWidget* parent);

    void SetInitialColour(PackedColour colour);
    PackedColour ChosenColour() const { return chosen; }

private:
    QColorDialog* picker = nullptr;
    PackedColour chosen = 0;
};

} // namespace mottler
