#pragma once

#include "explore/mapimage.h"
#include "explore/variation.h"
#include "explore/variationgrowth.h"

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <memory>
#include <optional>
#include <vector>

namespace mottler {

struct MapJob;

/// A square map of variations: columns vary one value, rows another, each over `Steps`
/// evenly spaced numbers; every other value is the centre's.
struct VariationMap {
    Variation Centre;
    VariationAxis Columns{VariedValue::FactorA, 0, 0};
    VariationAxis Rows{VariedValue::FactorB, 0, 0};
    int Steps = 5;

    int Count() const { return Steps * Steps; }
    /// The variation of the cell in `column` and `row`.
    Variation Cell(int column, int row) const;
    /// Every cell's variation, row by row.
    std::vector<Variation> Cells() const;
};

/// A map centred on the variation, varying `columns` and `rows` over their centred ranges.
VariationMap CentredMap(const Variation& centre, VariedValue columns, VariedValue rows, int steps);
/// A finer map around a cell: its neighbours' values become the edges.
VariationMap ZoomedMap(const VariationMap& map, int column, int row);

/// The map's axis titles and the value of each column and row.
MapLabels LabelsOf(const VariationMap& map);

/// Grows every cell on `threads` threads (0: one per core) and returns them row by row.
std::vector<GrownCell> GrowCells(const std::vector<Variation>& cells, int columns,
                                 const CellSeeding& seeding, int threads = 0);

/// Grows a map's cells in the background, one per core at a time, nearest the centre first,
/// and reports each on the owner's thread as it finishes. Starting again or cancelling stops
/// the cells still growing at their next iteration; their results are dropped.
class MapGrowth : public QObject {
    Q_OBJECT
public:
    explicit MapGrowth(QObject* parent = nullptr);
    /// Cancels and waits for the cells still growing.
    ~MapGrowth() override;

    void Start(const std::vector<Variation>& cells, int columns, const CellSeeding& seeding);
    void Cancel();
    bool Growing() const { return job != nullptr && grownCount < cells.size(); }
    /// Cells grown of the map started last.
    int Grown() const { return static_cast<int>(grownCount); }
    int Total() const { return static_cast<int>(cells.size()); }
    /// The cell at `index` (row by row); nothing until it has grown.
    const std::optional<GrownCell>& Cell(int index) const;

Q_SIGNALS:
    void CellGrown(int index);
    void Finished();

private:
    void Deliver(const std::shared_ptr<MapJob>& from, int index, GrownCell cell);

    QThreadPool pool;
    std::shared_ptr<MapJob> job;
    std::vector<std::optional<GrownCell>> cells;
    std::size_t grownCount = 0;
};

} // namespace mottler
