#include "explore/variationgrowth.h"

#include "base/errors.h"
#include "engine/engine.h"
#include "engine/random.h"
#include "engine/render.h"
#include "engine/seeding.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>
#include <numeric>

namespace mottler {
namespace {

/// A run without display that stops when the map is cancelled.
class CellObserver : public GrowthObserver {
public:
    CellObserver(const GrowthFactors& runFactors, const std::atomic<bool>& cancelled)
        : factors(runFactors), cancel(cancelled) {}
    GrowthFactors ReadFactors() override { return factors; }
    bool EscapePressed() override { return cancel.load(std::memory_order_relaxed); }

private:
    GrowthFactors factors;
    const std::atomic<bool>& cancel;
};

void CopyInto(ChemicalField& field, const std::vector<float>& values) {
    if (values.size() != field.Cells())
        throw MottlerError(QCoreApplication::translate(
            "mottler::VariationGrowth", "The picture's fields do not fit the texture."));
    std::memcpy(field.Data(), values.data(), values.size() * sizeof(float));
}

void SeedCell(TextureEngine& engine, const Variation& variation, const CellSeeding& seeding) {
    engine.SetTextureSize(seeding.Width, seeding.Height);
    if (variation.Settings.Type == ImageFile && seeding.Picture) {
        CopyInto(engine.InitialA, seeding.Picture->A);
        CopyInto(engine.InitialB, seeding.Picture->B);
        return;
    }
    SetRandomSeed(static_cast<std::uint32_t>(variation.Settings.Seed));
    SeedTexture(engine, variation.Settings.Type, seeding.Tuning);
}

} // namespace

InitialFields CopyInitialFields(const TextureEngine& engine) {
    InitialFields fields;
    if (!engine.HasFields())
        return fields;
    const auto cells = static_cast<std::size_t>(engine.CellCount());
    fields.A.assign(engine.InitialA.Data(), engine.InitialA.Data() + cells);
    fields.B.assign(engine.InitialB.Data(), engine.InitialB.Data() + cells);
    return fields;
}

GrownCell GrowVariation(const Variation& variation, const CellSeeding& seeding,
                        const std::atomic<bool>& cancel) {
    GrownCell cell;
    cell.Width = seeding.Width;
    cell.Height = seeding.Height;
    try {
        TextureEngine engine;
        SeedCell(engine, variation, seeding);
        engine.Switches.PaintAges = false;
        engine.Switches.ShowProgress = false;
        CellObserver observer(VariationFactors(variation), cancel);
        RunParameters run =
            HeadlessFreshRun(variation.Settings.Iterations, variation.Settings.DriftKind);
        run.Sweeping.Threads = 1; // the map grows a cell on every core already
        const RunResult result = GrowTexture(engine, run, observer);
        cell.Outcome = result.Outcome;
        cell.Message = result.Message;
        if (result.Outcome != RunOutcome::Overflow && result.Outcome != RunOutcome::InternalError)
            cell.Display.assign(engine.DisplayField.Data(),
                                engine.DisplayField.Data() + engine.CellCount());
    } catch (const MottlerError& error) {
        cell.Outcome = RunOutcome::InternalError;
        cell.Message = error.Message();
    }
    return cell;
}

QImage ColourCell(const GrownCell& cell, const Palette& palette) {
    if (cell.Failed())
        return {};
    QImage bitmap(cell.Width, cell.Height, QImage::Format_BGR888);
    ColourField(cell.Display.data(), palette, bitmap);
    return bitmap;
}

std::vector<int> CentreFirstOrder(int columns, int rows) {
    std::vector<int> order(static_cast<std::size_t>(columns * rows));
    std::iota(order.begin(), order.end(), 0);
    // Twice the distance, so the centre of an even count lies on whole numbers.
    const auto distance = [columns, rows](int index) {
        const int dx = 2 * (index % columns) - (columns - 1);
        const int dy = 2 * (index / columns) - (rows - 1);
        return dx * dx + dy * dy;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return distance(a) < distance(b); });
    return order;
}

} // namespace mottler
