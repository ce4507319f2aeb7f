// Undo and redo of the document without any window: each kind of step, merging, a preset
// load and a run as one step each, and the guard that keeps undo from recording itself.
#include "document/runhost.h"
#include "document/texturedocument.h"
#include "explore/adoption.h"
#include "explore/variation.h"
#include "palette/colourtext.h"
#include "palette/controlpoints.h"
#include "presets/preset.h"
#include "smalldocument.h"

#include <QSignalSpy>
#include <QUndoStack>
#include <cstring>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace mottler::test {
namespace {

const ShapeTuning Tuning{};

struct FieldCopy {
    std::vector<float> A, B, Display;
};

FieldCopy CopyOf(const TextureEngine& engine) {
    const auto copy = [&](const ChemicalField& field) {
        return std::vector<float>(field.Data(), field.Data() + field.Cells());
    };
    return {copy(engine.FieldA), copy(engine.FieldB), copy(engine.DisplayField)};
}

bool SameBits(const FieldCopy& a, const FieldCopy& b) {
    const auto same = [](const std::vector<float>& x, const std::vector<float>& y) {
        return x.size() == y.size() && std::memcmp(x.data(), y.data(), x.size() * 4) == 0;
    };
    return same(a.A, b.A) && same(a.B, b.B) && same(a.Display, b.Display);
}

// A document with a small texture and a two-point gradient; start-up is no step.
class UndoTest : public ::testing::Test {
protected:
    void SetUp() override {
        MakeSmallDocument(doc);
        doc.SetIterations(12);
        doc.SeedFromSettings(Tuning);
        doc.ClearUndo();
    }

    QUndoStack& stack() { return doc.UndoStack(); }

    void Grow(RunMode mode = RunMode::Fresh) { doc.Grow(mode, host); }

    int AddPoint(int position, PackedColour colour) {
        const int id =
            *doc.Gradient.Points.AddControlPoint(position, colour, true, PointKind::Middle);
        doc.GradientEdited();
        return id;
    }

    TextureDocument doc;
    RunHost host;
};

TEST_F(UndoTest, EachGradientEditIsAStepNamedForWhatItDid) {
    const int id = AddPoint(100, PackRgb(255, 0, 0));
    EXPECT_EQ(stack().undoText(), "Add Colour Point");
    doc.Gradient.Points.MoveMarker(id, 150);
    doc.GradientEdited();
    EXPECT_EQ(stack().undoText(), "Move Colour Point");
    doc.Gradient.Points.SetPointColour(id, PackRgb(0, 255, 0));
    doc.GradientEdited();
    EXPECT_EQ(stack().undoText(), "Recolour Colour Point");
    doc.Gradient.Contrast = 40;
    doc.GradientEdited();
    EXPECT_EQ(stack().undoText(), "Change Contrast");
    doc.Gradient.Points.RemoveControlPoint(id);
    doc.GradientEdited();
    EXPECT_EQ(stack().undoText(), "Delete Colour Point");
    ASSERT_EQ(stack().count(), 5);

    QSignalSpy replaced(&doc, &TextureDocument::GradientReplaced);
    doc.Undo(); // the deleted point is back where it was, in its colour
    ASSERT_NE(doc.Gradient.Points.Find(id), nullptr);
    EXPECT_EQ(doc.Gradient.Points.Find(id)->Colour, PackRgb(0, 255, 0));
    EXPECT_EQ(doc.Gradient.Points.Find(id)->MarkerTop, 150);
    EXPECT_EQ(replaced.count(), 1) << "the editors rebuild their markers";
    doc.Undo();
    EXPECT_EQ(doc.Gradient.Contrast, 0);
    doc.Undo();
    doc.Undo();
    EXPECT_EQ(doc.Gradient.Points.Find(id)->MarkerTop, 98);
    EXPECT_EQ(doc.Gradient.Points.Find(id)->Colour, PackRgb(255, 0, 0));
    const auto middle = doc.Gradient.Colours.Pixels[100];
    doc.Undo();
    EXPECT_EQ(doc.Gradient.Points.Count(), 2);
    EXPECT_NE(doc.Gradient.Colours.Pixels[100], middle) << "the palette is rebuilt";
    EXPECT_FALSE(doc.CanUndo());

    for (int i = 0; i < 5; ++i)
        doc.Redo();
    EXPECT_EQ(doc.Gradient.Points.Count(), 2);
    EXPECT_EQ(doc.Gradient.Contrast, 40);
    EXPECT_FALSE(doc.CanRedo());
}

TEST_F(UndoTest, AGradientReplacedWholeIsOneNewGradient) {
    AddPoint(60, PackRgb(1, 2, 3));
    doc.Gradient.Points.ClearControlPoints();
    doc.Gradient.Points.AddControlPoint(0, PackRgb(9, 9, 9), false, PointKind::Start);
    doc.Gradient.Points.AddControlPoint(40, PackRgb(8, 8, 8), true, PointKind::Middle);
    doc.Gradient.Points.AddControlPoint(255, PackRgb(7, 7, 7), false, PointKind::End);
    doc.GradientEdited();
    EXPECT_EQ(stack().undoText(), "New Gradient");
    doc.Undo();
    ASSERT_EQ(doc.Gradient.Points.Count(), 3);
    EXPECT_EQ(doc.Gradient.Points.Points()[1].Colour, PackRgb(1, 2, 3));
}

TEST_F(UndoTest, ConsecutiveEditsOfOneControlMergeIntoOneStep) {
    const int a = doc.Settings().FactorA;
    for (int value = 300; value <= 310; ++value)
        doc.SetFactorA(value); // a trackbar dragged
    doc.SetFactorB(200);
    doc.SetFactorA(400); // the same control again after another: a step of its own
    ASSERT_EQ(stack().count(), 3);
    EXPECT_EQ(stack().undoText(), "Change A");
    doc.Undo();
    EXPECT_EQ(doc.Settings().FactorA, 310);
    doc.Undo();
    EXPECT_EQ(doc.Settings().FactorB, PresetValues::FactorB.Startup);
    doc.Undo();
    EXPECT_EQ(doc.Settings().FactorA, a);

    // A marker dragged is one step; another marker is another step.
    const int first = AddPoint(60, PackRgb(1, 2, 3));
    const int second = AddPoint(180, PackRgb(4, 5, 6));
    const int before = stack().count();
    for (int top = 70; top < 90; top += 4) {
        doc.Gradient.Points.MoveMarker(first, top);
        doc.GradientEdited();
    }
    doc.Gradient.Points.MoveMarker(second, 200);
    doc.GradientEdited();
    EXPECT_EQ(stack().count(), before + 2);
    doc.Undo();
    doc.Undo();
    EXPECT_EQ(doc.Gradient.Points.Find(first)->MarkerTop, 58);

    // Edits that end where they began leave no step.
    const int count = stack().index(); // the undone steps go with the next one
    doc.SetIterations(50);
    doc.SetIterations(12);
    EXPECT_EQ(stack().count(), count);
}

TEST_F(UndoTest, UndoPutsBackOnlyWhatItsStepChanged) {
    doc.SetFactorA(500);
    doc.SetTile(false);
    doc.Undo(); // the tile
    doc.Undo(); // A
    EXPECT_EQ(doc.Settings().FactorA, PresetValues::FactorA.Startup);
    EXPECT_FALSE(doc.Settings().Tile == false);
    doc.SetSeed(77); // a new step ends the redo branch
    EXPECT_FALSE(doc.CanRedo());
}

TEST_F(UndoTest, ChangesMadeWhileUndoingRecordNothing) {
    doc.SetFactorA(500);
    doc.SetFactorB(600);
    // A control that writes back what it is shown, as a page without a signal blocker would.
    bool echo = true;
    const auto connection = QObject::connect(&doc, &TextureDocument::SettingsChanged, &doc, [&] {
        if (std::exchange(echo, false))
            doc.SetIterations(doc.Settings().Iterations + 1);
    });
    doc.Undo();
    QObject::disconnect(connection);
    EXPECT_FALSE(echo);
    EXPECT_EQ(stack().count(), 2);
    EXPECT_EQ(stack().index(), 1);
    EXPECT_EQ(doc.Settings().FactorB, PresetValues::FactorB.Startup);
}

TEST_F(UndoTest, ARunIsUndoneToTheExactFieldsBeforeIt) {
    Grow();
    const FieldCopy grown = CopyOf(doc.Engine);
    ASSERT_EQ(stack().undoText(), "Generate Texture");
    doc.SetIterations(30);
    Grow(RunMode::Continued);
    EXPECT_EQ(stack().undoText(), "Continue");
    const FieldCopy continued = CopyOf(doc.Engine);
    const int grownTo = doc.IterationsGrown();
    ASSERT_FALSE(SameBits(grown, continued));

    QSignalSpy runs(&doc, &TextureDocument::RunStateChanged);
    doc.Undo();
    EXPECT_TRUE(SameBits(CopyOf(doc.Engine), grown));
    EXPECT_EQ(doc.ShownIteration(), 12);
    EXPECT_TRUE(doc.CanContinue()) << "the texture before the run can be continued again";
    doc.Redo();
    EXPECT_TRUE(SameBits(CopyOf(doc.Engine), continued));
    EXPECT_EQ(doc.IterationsGrown(), grownTo);
    EXPECT_EQ(runs.count(), 0) << "undo and redo never start a run";

    doc.Undo();
    doc.Undo(); // the iterations
    doc.Undo(); // the first run: the freshly seeded fields, nothing on display
    EXPECT_FALSE(doc.ShowsTexture());
    EXPECT_FALSE(doc.ShownIteration().has_value());
    EXPECT_FALSE(doc.CanContinue());

    EXPECT_GT(TextureSnapshot::KeptBytes(), 0U);
    doc.ClearUndo();
    EXPECT_EQ(TextureSnapshot::KeptBytes(), 0U) << "forgotten steps give their memory back";
}

// The run's host tries to undo in the middle of the run: nothing happens.
class UndoingHost : public RunHost {
public:
    explicit UndoingHost(TextureDocument& document) : doc(document) {}
    bool PollEscape() override {
        couldUndo = couldUndo || doc.CanUndo();
        doc.Undo();
        return false;
    }
    TextureDocument& doc;
    bool couldUndo = false;
};

TEST_F(UndoTest, NothingIsUndoneWhileARunGoes) {
    doc.SetFactorA(500);
    UndoingHost undoing(doc);
    doc.Grow(RunMode::Fresh, undoing);
    EXPECT_FALSE(undoing.couldUndo);
    EXPECT_EQ(doc.Settings().FactorA, 500);
    EXPECT_EQ(stack().count(), 2);
}

TEST_F(UndoTest, APresetLoadIsOneStepBackToTheTextureBeforeIt) {
    Grow();
    const FieldCopy before = CopyOf(doc.Engine);
    const TextureSettings settingsBefore = doc.Settings();
    Preset preset;
    preset.Width = 24;
    preset.Height = 18;
    preset.FactorA = "700";
    preset.FactorB = "300";
    preset.Iterations = 9;
    preset.Contrast = 25;
    preset.MiddlePoints = {{"00FF00", "128"}};
    preset.TextColour = "123456";
    int runs = 0;
    const int count = stack().count();
    doc.ApplyPreset(preset, Tuning, {}, [&] {
        ++runs;
        Grow();
    });
    ASSERT_EQ(stack().count(), count + 1);
    EXPECT_EQ(stack().undoText(), "Load Preset");
    const FieldCopy loaded = CopyOf(doc.Engine);

    QSignalSpy size(&doc, &TextureDocument::SizeChanged);
    doc.Undo();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(doc.Engine.Width(), 20);
    EXPECT_EQ(doc.Settings().Width, 20);
    EXPECT_EQ(size.count(), 1);
    EXPECT_TRUE(SameBits(CopyOf(doc.Engine), before));
    EXPECT_EQ(doc.Settings().FactorA, settingsBefore.FactorA);
    EXPECT_EQ(doc.Settings().Iterations, 12);
    EXPECT_EQ(doc.Gradient.Points.Count(), 2);
    EXPECT_EQ(doc.Gradient.Contrast, 0);
    EXPECT_NE(doc.Preview().Colours.Text, ColourFromPresetHex("123456"));

    doc.Redo();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(SameBits(CopyOf(doc.Engine), loaded));
    EXPECT_EQ(doc.Settings().FactorB, 300);
    EXPECT_EQ(doc.Gradient.Points.Count(), 3);
}

TEST_F(UndoTest, ASizeChangeIsUndoneWithItsTexture) {
    Grow();
    const FieldCopy before = CopyOf(doc.Engine);
    doc.ChangeSize(32, 8, Tuning);
    EXPECT_EQ(stack().undoText(), "Change Size");
    doc.Undo();
    EXPECT_EQ(doc.Engine.Width(), 20);
    EXPECT_EQ(doc.Engine.Height(), 16);
    EXPECT_TRUE(SameBits(CopyOf(doc.Engine), before));
    EXPECT_EQ(doc.DisplayedTexture().size(), QSize(20, 16));
    doc.Redo();
    EXPECT_EQ(doc.Engine.Width(), 32);
}

TEST_F(UndoTest, AnAdoptedVariationIsOneStep) {
    Variation variation = DocumentVariation(doc);
    variation.Settings.FactorA = 2500;
    variation.Settings.FactorB = 44;
    variation.Advanced.FactorC = "9";
    AdoptVariation(doc, variation);
    ASSERT_EQ(stack().count(), 1);
    EXPECT_EQ(stack().undoText(), "Adopt Variation");
    doc.Undo();
    EXPECT_EQ(doc.Settings().FactorA, PresetValues::FactorA.Startup);
    EXPECT_EQ(doc.Maximum(RangedValue::FactorA), 1000);
    EXPECT_EQ(doc.Advanced().FactorC, AdvancedFactorTexts{}.FactorC);
}

} // namespace
} // namespace mottler::test
