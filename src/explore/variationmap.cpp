#include "explore/variationmap.h"

#include <QThread>
#include <algorithm>
#include <functional>

namespace mottler {

/// The cells of one start: workers take the next cell in growing order until none is left or
/// the job is cancelled.
struct MapJob {
    std::vector<Variation> Cells;
    std::vector<int> Order;
    CellSeeding Seeding;
    std::atomic<std::size_t> Next{0};
    std::atomic<bool> Cancelled{false};

    /// Grows cells until none is left; `done` receives each (on the worker's thread).
    void Work(const std::function<void(int, GrownCell)>& done) {
        for (std::size_t k = Next++; k < Order.size() && !Cancelled; k = Next++) {
            const int index = Order[k];
            GrownCell cell =
                GrowVariation(Cells[static_cast<std::size_t>(index)], Seeding, Cancelled);
            if (!Cancelled)
                done(index, std::move(cell));
        }
    }
};

namespace {

int ThreadsFor(int threads) {
    return threads > 0 ? threads : std::max(1, QThread::idealThreadCount());
}

} // namespace

Variation VariationMap::Cell(int column, int row) const {
    Variation cell = Centre;
    SetValue(cell, Columns.Value, AxisNumbers(Columns, Steps)[static_cast<std::size_t>(column)]);
    SetValue(cell, Rows.Value, AxisNumbers(Rows, Steps)[static_cast<std::size_t>(row)]);
    return cell;
}

std::vector<Variation> VariationMap::Cells() const {
    std::vector<Variation> cells;
    for (int row = 0; row < Steps; ++row)
        for (int column = 0; column < Steps; ++column)
            cells.push_back(Cell(column, row));
    return cells;
}

VariationMap CentredMap(const Variation& centre, VariedValue columns, VariedValue rows, int steps) {
    return {centre, CentredAxis(centre, columns), CentredAxis(centre, rows), steps};
}

VariationMap ZoomedMap(const VariationMap& map, int column, int row) {
    return {map.Cell(column, row), ZoomedAxis(map.Columns, map.Steps, column),
            ZoomedAxis(map.Rows, map.Steps, row), map.Steps};
}

MapLabels LabelsOf(const VariationMap& map) {
    MapLabels labels{VariedValueTitle(map.Columns.Value), VariedValueTitle(map.Rows.Value), {}, {}};
    for (int i = 0; i < map.Steps; ++i) {
        const Variation cell = map.Cell(i, i);
        labels.Columns << ValueText(cell, map.Columns.Value);
        labels.Rows << ValueText(cell, map.Rows.Value);
    }
    return labels;
}

std::vector<GrownCell> GrowCells(const std::vector<Variation>& cells, int columns,
                                 const CellSeeding& seeding, int threads) {
    MapJob job;
    job.Cells = cells;
    job.Order = CentreFirstOrder(columns, static_cast<int>(cells.size()) / std::max(columns, 1));
    job.Seeding = seeding;
    std::vector<GrownCell> grown(cells.size());
    QThreadPool pool;
    pool.setMaxThreadCount(ThreadsFor(threads));
    for (int t = 0; t < pool.maxThreadCount(); ++t)
        pool.start([&job, &grown] {
            job.Work([&grown](int index, GrownCell cell) {
                grown[static_cast<std::size_t>(index)] = std::move(cell);
            });
        });
    pool.waitForDone();
    return grown;
}

MapGrowth::MapGrowth(QObject* parent) : QObject(parent) {
    pool.setMaxThreadCount(ThreadsFor(0));
}

MapGrowth::~MapGrowth() {
    Cancel();
    pool.waitForDone();
}

void MapGrowth::Start(const std::vector<Variation>& variations, int columns,
                      const CellSeeding& seeding) {
    Cancel();
    job = std::make_shared<MapJob>();
    job->Cells = variations;
    job->Order =
        CentreFirstOrder(columns, static_cast<int>(variations.size()) / std::max(columns, 1));
    job->Seeding = seeding;
    cells.assign(variations.size(), std::nullopt);
    grownCount = 0;
    for (int t = 0; t < pool.maxThreadCount(); ++t)
        pool.start([this, started = job] {
            started->Work([this, &started](int index, GrownCell cell) {
                auto shared = std::make_shared<GrownCell>(std::move(cell));
                QMetaObject::invokeMethod(
                    this,
                    [this, started, index, shared] { Deliver(started, index, std::move(*shared)); },
                    Qt::QueuedConnection);
            });
        });
}

void MapGrowth::Cancel() {
    if (job)
        job->Cancelled = true;
    job.reset();
}

const std::optional<GrownCell>& MapGrowth::Cell(int index) const {
    return cells[static_cast<std::size_t>(index)];
}

void MapGrowth::Deliver(const std::shared_ptr<MapJob>& from, int index, GrownCell cell) {
    if (from != job)
        return;
    cells[static_cast<std::size_t>(index)] = std::move(cell);
    ++grownCount;
    Q_EMIT CellGrown(index);
    if (grownCount == cells.size())
        Q_EMIT Finished();
}

} // namespace mottler
