#pragma once

#include "preview/previewsettings.h"
#include "preview/textcontrast.h"

#include <QWidget>
#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace mottler {

class ColourDropDown;
class TextureDocument;
class NumericEdit;

/// The controls of the "Preview Settings" page: the page of the user's own, the font and the
/// four text and link colours a preview page uses (presets carry the colours too), each with
/// its readability over the background, and the colour-code buttons.
class PreviewSettingsPage : public QWidget {
    Q_OBJECT
public:
    /// Creates the page and its controls with their captions, hints and start-up values; the
    /// font list holds the system's fonts with none chosen.
    explicit PreviewSettingsPage(QWidget* parent);

    /// Controls write the document's preview settings; its changes update the controls.
    void Bind(TextureDocument& document);
    /// Every picker that is still empty gets its default colour (the page is being shown).
    void FillEmptyPickers();
    /// The background changed: its readability figures are measured again once a burst of
    /// changes (a run, a drag of the pointers) is over, while the page is shown.
    void BackgroundChanged();
    void btnCopyToClipboardClick();
    void btnCopyAsCssClick();

    QLabel* Label13 = nullptr;
    QLabel* Label1 = nullptr;
    NumericEdit* txtTestPage = nullptr;
    QComboBox* cmbFonts = nullptr;
    ColourDropDown* scpText = nullptr;
    ColourDropDown* scpLink = nullptr;
    ColourDropDown* scpVisitedLink = nullptr;
    ColourDropDown* scpActive = nullptr;
    QLabel* lblTextReadability = nullptr;
    QLabel* lblLinkReadability = nullptr;
    QLabel* lblVisitedLinkReadability = nullptr;
    QLabel* lblActiveReadability = nullptr;
    QCheckBox* chkUseNewFilename = nullptr;
    QPushButton* btnCopyToClipboard = nullptr;
    QPushButton* btnCopyAsCss = nullptr;

    /// The four pickers in the order text, link, visited link, active link.
    std::array<ColourDropDown*, 4> Pickers() const;
    /// The readability labels, in the order of Pickers().
    std::array<QLabel*, 4> ReadabilityLabels() const;
    /// The colours that are set; a picker without a complete colour code gives none.
    PreviewColours Colours() const;
    /// The font chosen for the preview; empty when none is.
    QString FontName() const;
    PreviewSettings Settings() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void scpTextChange(const ColourDropDown* changed);
    void Edited();
    void ShowSettings();
    void UpdateReadability();

    TextureDocument* doc = nullptr;
    std::optional<BackgroundContrast> backgroundContrast; ///< empty: measure again
    QTimer* readabilityTimer = nullptr;
    bool showing = false; ///< the controls are being given the document's values
};

/// The colour each picker gets when the page is first shown while it is still empty.
inline constexpr std::array<PackedColour, 4> DefaultPreviewColours = {
    DefaultTextColour, DefaultLinkColour, DefaultVisitedLinkColour, DefaultActiveLinkColour};

} // namespace mottler
