#pragma once

class QWidget;

namespace mottler {

class NumericEdit;

/// The "Gradient Settings" page's size of the gradient image, kept between sessions.
struct GradientPage {
    QWidget* tbGradient = nullptr;
    NumericEdit* txtSaveWidth = nullptr;
    NumericEdit* txtSaveHeight = nullptr;
};

GradientPage BuildGradientPage(QWidget* parent);

} // namespace mottler
