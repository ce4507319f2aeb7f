#pragma once

#include <QWidget>

class QComboBox;
class QPushButton;
class QSlider;
class QSpinBox;
class QToolButton;

namespace mottler {

class NumericEdit;
class TextureDocument;

/// The "Texture Settings" page's controls that make textures: seed, texture type,
/// iterations and factors, drift and the generation commands on the left; the presets and the
/// area the gradient editor draws in on the right. It shows the document's settings and run
/// state and writes what the user changes into the document.
class TexturePage : public QWidget {
    Q_OBJECT
public:
    /// Creates the page and its controls with their captions, hints and start-up values.
    explicit TexturePage(QWidget* parent);

    /// Controls write the document; its signals update the controls.
    void Bind(TextureDocument& document);

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowSettings();
    void ShowRunState();

    TextureDocument* doc = nullptr;
};

} // namespace mottler
