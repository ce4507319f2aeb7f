#pragma once

#include "palette/gradientstate.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <map>

class QAction;
class QFrame;
class QMenu;
class QMouseEvent;
class QToolButton;
class QWidget;

namespace mottler {

class ImageWidget;
class TriangleMarker;

/// The gradient editor on the texture page: the strip with a marker per control point, the
/// spectrum to sample from, the active colour, delete and lock, the marker menu, digit keys,
/// random gradients and the colour cycle. Every edit rebuilds the palette; edits that change
/// colours on display ask for the texture to be recoloured through RecolourTexture.
class GradientEditor : public QObject {
    Q_OBJECT
public:
    GradientEditor(QWidget* page, GradientState& state);

    // The strip's place in the editor's area (TexturePage::pnlGradient).
    static constexpr int StripLeft = 96;
    static constexpr int StripTop = 9;

    void AddControlPoint(int position, PackedColour colour, bool movable, PointKind kind);
    void RemoveControlPoint(int id);
    void ClearControlPoints();
    void SelectControlPoint(int id);
    void SetPointColour(int id, PackedColour colour);
    /// Rebuilds the palette, moves and relabels the markers and redraws the strip.
    void RebuildPalette();
    void RandomGradient();
    void ColourCycle();
    /// A digit key pressed anywhere in the window: 1 … 9, 0 meaning 10, selects that point.
    void DigitKey(int digit);

    TriangleMarker* Marker(int id) const;
    ImageWidget* GradientStrip() const { return imgGradient; }
    ImageWidget* Spectrum() const { return imgSpectrum; }
    QToolButton* PickButton() const { return btnPickEnd; }
    QToolButton* DeleteButton() const { return btnDeleteGradientPoint; }
    QToolButton* LockButton() const { return btnLockGradient; }
    QMenu* MarkerMenu() const { return mnuGCP; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

Q_SIGNALS:
    /// The palette changed in a way the texture on display should show.
    void RecolourTexture();

private:
    void BuildWidgets(QWidget* page);
    void BuildMenu();
    void SyncMarkers();
    void ShowMarkerNumbers();
    void ShowActiveColour(PackedColour colour);
    void ApplyColourToActive(PackedColour colour);
    void PickColourForActive();
    void OrderMarkerFocus();
    void FocusActiveMarker();
    void imgGradientDblClick(QMouseEvent* event);
    void AddPointAt(int row);
    void AddPointBeside(TriangleMarker* marker);
    void imgGradientMouseDown(QMouseEvent* event);
    void imgSpectrumMouseMove(QMouseEvent* event);
    void imgSpectrumMouseUp(QMouseEvent* event);
    void btnDeleteGradientPointClick();
    void MarkerPressed(TriangleMarker* marker, Qt::MouseButton button);
    void MarkerDragged(TriangleMarker* marker);
    void mnuGCPPopup();
    void mnuCC0Click(int number);
    void mnuDuplicateClick();
    void Edited();

    GradientState& state;
    QWidget* page = nullptr;
    ImageWidget* imgSpectrum = nullptr;
    ImageWidget* imgGradient = nullptr;
    QFrame* pnlActiveGPColour = nullptr;
    PackedColour panelColour = 0; ///< what pnlActiveGPColour shows
    QToolButton* btnPickEnd = nullptr;
    QToolButton* btnDeleteGradientPoint = nullptr;
    QToolButton* btnLockGradient = nullptr;
    QMenu* mnuGCP = nullptr;
    QList<QAction*> copyColourItems;
    QImage spectrum;
    std::map<int, TriangleMarker*> markers;
};

} // namespace mottler
