#pragma once

#include "engine/shapes.h"
#include "explore/variationmap.h"

#include <QWidget>
#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;

namespace mottler {

class MapGrowth;
class PartsProgressBar;
class TextureDocument;
class VariationMapView;

/// The "Explore" window: a map of textures grown from the document's settings with two values
/// varied over ranges, grown in the background and coloured with the document's gradient.
/// Clicking a cell reports it for adoption; zooming makes a finer map around a cell and Back
/// returns to the map before.
class ExploreWindow : public QWidget {
    Q_OBJECT
public:
    ExploreWindow(TextureDocument& document, const ShapeTuning& tuning, QWidget* parent = nullptr);
    ~ExploreWindow() override;

    /// A new map centred on the document's current values.
    void CentreOnDocument();
    const VariationMap& Map() const { return map; }
    MapGrowth& Growth() { return *growth; }
    VariationMapView& View() { return *view; }
    /// Zooms into the cell (row by row); the map before is kept for Back.
    void ZoomInto(int index);
    void Back();
    /// The map as an image with its axis labels.
    QImage MapImage() const;

Q_SIGNALS:
    /// The user picked this cell's values for the texture.
    void VariationAdopted(const Variation& variation);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void ShowMap(const VariationMap& shown);
    void ReadControls();
    void AxisChosen(QComboBox* chosen, QComboBox* other);
    void CellGrown(int index);
    void Recolour();
    void ShowCurrentCell(int index);
    void SaveMap();
    void Adopt(int index);

    TextureDocument& doc;
    ShapeTuning shapes;
    VariationMap map;
    std::vector<VariationMap> history;
    MapGrowth* growth = nullptr;
    VariationMapView* view = nullptr;
    QComboBox* cmbAcross = nullptr;
    QComboBox* cmbDown = nullptr;
    QDoubleSpinBox* txtAcrossFrom = nullptr;
    QDoubleSpinBox* txtAcrossTo = nullptr;
    QDoubleSpinBox* txtDownFrom = nullptr;
    QDoubleSpinBox* txtDownTo = nullptr;
    QSpinBox* udCells = nullptr;
    QPushButton* btnZoomIn = nullptr;
    QPushButton* btnBack = nullptr;
    QLabel* lblCell = nullptr;
    PartsProgressBar* progress = nullptr;
    QTimer* restart = nullptr;
};

} // namespace mottler
