// The variation map's cells against the document's own run: the same values grown on worker
// threads give the same display field bit for bit, and adopting a cell gives the document
// exactly those values.
#include "document/runhost.h"
#include "document/texturedocument.h"
#include "engine/random.h"
#include "explore/adoption.h"
#include "explore/variationmap.h"
#include "palette/controlpoints.h"

#include <QSignalSpy>
#include <QTest>
#include <cstring>
#include <gtest/gtest.h>

namespace mottler::test {
namespace {

const ShapeTuning Tuning{};

class VariationMapTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.SetTextureSize(24, 18);
        doc.Gradient.Points.AddControlPoint(0, PackRgb(255, 255, 255), false, PointKind::Start);
        doc.Gradient.Points.AddControlPoint(255, PackRgb(0, 80, 0), false, PointKind::End);
        doc.GradientEdited();
        doc.SetFactorA(50);
        doc.SetFactorB(200);
        doc.SetIterations(30);
        doc.SetAnimate(false);
        doc.SetSeed(7);
    }

    CellSeeding Seeding() const { return {doc.Engine.Width(), doc.Engine.Height(), Tuning, {}}; }

    // What the main window grows after adopting the variation: Go with its values.
    std::vector<float> GrowAdopted(const Variation& variation) {
        AdoptVariation(doc, variation);
        if (doc.Settings().Type != ImageFile)
            doc.SeedFromSettings(Tuning);
        doc.Grow(RunMode::Fresh, host);
        const float* field = doc.Engine.DisplayField.Data();
        return {field, field + doc.Engine.CellCount()};
    }

    static bool SameBits(const std::vector<float>& a, const std::vector<float>& b) {
        return a.size() == b.size() &&
               std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
    }

    TextureDocument doc;
    RunHost host;
};

TEST_F(VariationMapTest, CellsGrownOnThreadsEqualTheDocumentsRunForEveryTextureType) {
    for (const int type : {RandomNoise, RandomShapes, NoiseAndShapes}) {
        doc.SetType(type);
        const VariationMap map =
            CentredMap(DocumentVariation(doc), VariedValue::FactorA, VariedValue::Seed, 3);
        SetRandomSeed(12345); // the interface thread's draws are neither used nor disturbed
        const std::vector<GrownCell> cells = GrowCells(map.Cells(), map.Steps, Seeding(), 3);
        EXPECT_EQ(RandomSeed(), 12345u);
        ASSERT_EQ(cells.size(), 9u);
        for (int index : {0, 4, 8}) {
            const Variation variation = map.Cell(index % 3, index / 3);
            EXPECT_TRUE(
                SameBits(cells[static_cast<std::size_t>(index)].Display, GrowAdopted(variation)))
                << "type " << type << " cell " << index;
            EXPECT_EQ(ColourCell(cells[static_cast<std::size_t>(index)], doc.Gradient.Colours),
                      doc.Engine.TextureBitmap.convertToFormat(QImage::Format_BGR888));
        }
    }
}

TEST_F(VariationMapTest, AdvancedValuesTakeEffectAndAdoptingShowsThem) {
    const VariationMap map =
        CentredMap(DocumentVariation(doc), VariedValue::MultiplierA, VariedValue::FactorD, 3);
    const Variation corner = map.Cell(2, 0);
    EXPECT_TRUE(corner.Advanced.Shown);
    EXPECT_EQ(corner.Advanced.MultiplierA, "5.0");
    EXPECT_EQ(corner.Advanced.FactorD, "12");
    const std::vector<GrownCell> cells = GrowCells({corner, map.Cell(1, 1)}, 2, Seeding());
    EXPECT_FALSE(SameBits(cells[0].Display, cells[1].Display));
    // Settings changed in the window since the map was made are the cell's again.
    doc.SetDrift(DriftLeft);
    doc.SetType(RandomShapes);
    EXPECT_TRUE(SameBits(cells[0].Display, GrowAdopted(corner)));
    EXPECT_EQ(doc.Settings().DriftKind, NoDrift);
    EXPECT_EQ(doc.Advanced().MultiplierA, "5.0");
    EXPECT_TRUE(doc.Advanced().Shown);
}

TEST_F(VariationMapTest, AdoptingRaisesATrackbarsRangeToHoldTheValue) {
    Variation variation = DocumentVariation(doc);
    SetValue(variation, VariedValue::FactorA, 2500);
    AdoptVariation(doc, variation);
    EXPECT_EQ(doc.Settings().FactorA, 2500);
    EXPECT_EQ(doc.Maximum(RangedValue::FactorA), 3000);
    EXPECT_EQ(doc.Maximum(RangedValue::FactorB), 1000);
}

TEST_F(VariationMapTest, PictureTexturesGrowFromThePicturesFields) {
    doc.SetType(ImageFile);
    doc.SeedFromSettings(Tuning); // stands in for the picture's fields
    CellSeeding seeding = Seeding();
    seeding.Picture = std::make_shared<InitialFields>(CopyInitialFields(doc.Engine));
    Variation variation = DocumentVariation(doc);
    SetValue(variation, VariedValue::FactorB, 180);
    variation.Settings.Seed = 99; // no seeding redraws a picture
    const GrownCell cell = GrowCells({variation}, 1, seeding).front();
    EXPECT_TRUE(SameBits(cell.Display, GrowAdopted(variation)));
}

TEST_F(VariationMapTest, AFailingCellSaysWhyAndColoursNothing) {
    Variation variation = DocumentVariation(doc);
    SetValue(variation, VariedValue::FactorA, 1e9);
    SetValue(variation, VariedValue::Iterations, 400);
    const GrownCell cell = GrowCells({variation}, 1, Seeding()).front();
    EXPECT_EQ(cell.Outcome, RunOutcome::Overflow);
    EXPECT_TRUE(cell.Failed());
    EXPECT_TRUE(ColourCell(cell, doc.Gradient.Colours).isNull());
}

TEST_F(VariationMapTest, BackgroundGrowthReportsEveryCellCentreFirstAndRestartsCleanly) {
    MapGrowth growth;
    const VariationMap first =
        CentredMap(DocumentVariation(doc), VariedValue::FactorA, VariedValue::FactorB, 3);
    growth.Start(first.Cells(), 3, Seeding());
    // Restarted at once: nothing of the first map may arrive.
    const VariationMap second = ZoomedMap(first, 0, 0);
    QSignalSpy grown(&growth, &MapGrowth::CellGrown);
    QSignalSpy finished(&growth, &MapGrowth::Finished);
    growth.Start(second.Cells(), 3, Seeding());
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_EQ(grown.count(), 9);
    EXPECT_EQ(growth.Grown(), 9);
    const std::vector<GrownCell> expected = GrowCells(second.Cells(), 3, Seeding(), 1);
    for (int index = 0; index < 9; ++index)
        EXPECT_TRUE(SameBits(growth.Cell(index)->Display,
                             expected[static_cast<std::size_t>(index)].Display));
}

TEST(VariationMapOrder, CentreFirstThenOutwards) {
    const std::vector<int> order = CentreFirstOrder(3, 3);
    EXPECT_EQ(order, (std::vector<int>{4, 1, 3, 5, 7, 0, 2, 6, 8}));
    EXPECT_EQ(CentreFirstOrder(2, 2), (std::vector<int>{0, 1, 2, 3}));
}

TEST(VariationAxes, CentredRangesEvenStepsAndZoom) {
    Variation centre;
    centre.Settings.FactorA = 50;
    centre.Settings.Iterations = 5;
    const VariationAxis a = CentredAxis(centre, VariedValue::FactorA);
    EXPECT_EQ(AxisNumbers(a, 5), (std::vector<double>{40, 45, 50, 55, 60}));
    const VariationAxis zoomed = ZoomedAxis(a, 5, 1);
    EXPECT_EQ(zoomed.From, 40);
    EXPECT_EQ(zoomed.To, 50);
    // Ranges start at the least value the window takes: iterations 1, B 0.
    EXPECT_EQ(CentredAxis(centre, VariedValue::Iterations).From, 1);
    centre.Settings.FactorB = 3;
    const VariationAxis b = CentredAxis(centre, VariedValue::FactorB);
    EXPECT_EQ(b.From, 0);
    EXPECT_EQ(b.To, 20);
    EXPECT_EQ(ZoomedAxis(b, 5, 0).From, 0);
    SetValue(centre, VariedValue::Iterations, -3);
    EXPECT_EQ(centre.Settings.Iterations, 1);
    // Whole numbers round, multipliers keep a short text that converts to the value.
    SetValue(centre, VariedValue::FactorB, 12.5);
    EXPECT_EQ(centre.Settings.FactorB, 13);
    SetValue(centre, VariedValue::MultiplierB, 1.0 / 3);
    EXPECT_EQ(centre.Advanced.MultiplierB, "0.3333");
    EXPECT_EQ(ValueOf(centre, VariedValue::MultiplierB), 0.3333);
    SetValue(centre, VariedValue::Seed, 1e12);
    EXPECT_EQ(centre.Settings.Seed, 2147483647);
    EXPECT_EQ(VariedValueNamed("amult"), VariedValue::MultiplierA);
    EXPECT_FALSE(VariedValueNamed("e").has_value());
}

} // namespace
} // namespace mottler::test
