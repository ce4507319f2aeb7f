#pragma once

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;
class QToolButton;
class QWidget;

namespace mottler {

class NumericEdit;

/// The controls of the "Texture Settings" page that make textures: seed, texture type,
/// iterations and factors, drift and the generation commands on the left; the presets and the
/// area the gradient editor draws in on the right.
struct TexturePage {
    QWidget* tbBackground = nullptr;
    NumericEdit* txtRandomSeed = nullptr;
    QToolButton* btnRandomize = nullptr;
    QComboBox* cmbTextureType = nullptr;
    QToolButton* btnOpenImage = nullptr;
    QSlider* tbIterations = nullptr;
    QSlider* tbFactorA = nullptr;
    QSlider* tbFactorB = nullptr;
    QSpinBox* spIterations = nullptr;
    QSpinBox* spFactorA = nullptr;
    QSpinBox* spFactorB = nullptr;
    QComboBox* cmbDrift = nullptr;
    QPushButton* btnGo = nullptr;
    QPushButton* btnContinue = nullptr;
    QPushButton* btnChangeMode = nullptr;
    QComboBox* cmbPresets = nullptr;
    QToolButton* btnSavePreset = nullptr;
    QWidget* pnlGradient = nullptr; ///< where the gradient editor and adjust panel draw
};

/// Creates the page and its controls with their captions, hints and start-up values.
TexturePage BuildTexturePage(QWidget* parent);

} // namespace mottler
