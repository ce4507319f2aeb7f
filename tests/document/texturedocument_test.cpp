// The document without any window: its signals, the Continue rules, playback and recorded
// ages, the preset load order and what a failed run leaves on display.
#include "base/errors.h"
#include "document/runhost.h"
#include "document/texturedocument.h"
#include "engine/random.h"
#include "palette/controlpoints.h"
#include "presets/preset.h"
#include "smalldocument.h"
#include "testenv.h"

#include <QDir>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace mottler::test {
namespace {

const ShapeTuning Tuning{};

// A document with a small texture and a two-point gradient, ready to grow.
class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        MakeSmallDocument(doc);
        doc.SetFactorA(622);
        doc.SetFactorB(1000);
    }

    RunResult Grow(int seed, int iterations) {
        doc.SetSeed(seed);
        doc.SetIterations(iterations);
        doc.SeedFromSettings(Tuning);
        return doc.Grow(RunMode::Fresh, host);
    }

    TextureDocument doc;
    RunHost host; // no cursor, no Escape, no messages
};

TEST_F(DocumentTest, SettersEmitOnlyForAChange) {
    QSignalSpy settings(&doc, &TextureDocument::SettingsChanged);
    doc.SetFactorA(622);
    doc.SetIterations(doc.Settings().Iterations);
    EXPECT_EQ(settings.count(), 0);
    doc.SetFactorA(700);
    doc.SetDrift(DriftLeft);
    EXPECT_EQ(settings.count(), 2);
    EXPECT_EQ(doc.Settings().FactorA, 700);

    QSignalSpy recording(&doc, &TextureDocument::RecordingChanged);
    doc.SetRecording(doc.Recording());
    RecordSettings options = doc.Recording();
    options.Every = 3;
    doc.SetRecording(options);
    EXPECT_EQ(recording.count(), 1);

    QSignalSpy border(&doc, &TextureDocument::FadingBorderChanged);
    doc.SetFadingBorder(doc.FadingBorder());
    EXPECT_EQ(border.count(), 0);
}

TEST_F(DocumentTest, ContinueNeedsAGrownTextureWithIterationsLeft) {
    EXPECT_FALSE(doc.CanContinue()) << "nothing grown at start";
    Grow(5, 12);
    EXPECT_EQ(doc.ShownIteration(), 12);
    EXPECT_FALSE(doc.CanContinue()) << "all iterations grown";
    doc.SetIterations(20);
    EXPECT_TRUE(doc.CanContinue());
    doc.Grow(RunMode::Continued, host);
    EXPECT_EQ(doc.IterationsGrown(), 20);
    EXPECT_FALSE(doc.CanContinue());
}

// A new size or any new seeding leaves nothing to continue: Continue would grow fields that
// no run has grown (after a size change, fields never filled at all).
TEST_F(DocumentTest, ANewSizeOrSeedingEndsContinueUntilARunHasGrownIt) {
    Grow(5, 12);
    doc.SetIterations(30);
    ASSERT_TRUE(doc.CanContinue());
    QSignalSpy seeded(&doc, &TextureDocument::TextureSeeded);
    doc.ChangeSize(24, 18, Tuning);
    EXPECT_EQ(seeded.count(), 1);
    EXPECT_FALSE(doc.CanContinue());
    EXPECT_FALSE(doc.ShownIteration().has_value()) << "the frame label shows no old frame";
    EXPECT_FALSE(doc.ShowsTexture());

    QSignalSpy running(&doc, &TextureDocument::RunStateChanged);
    // The live field holds whatever the allocation left (NaN among it): compared as bytes.
    const auto bytes = [this] {
        return QByteArray(reinterpret_cast<const char*>(doc.Engine.FieldA.Data()),
                          doc.Engine.CellCount() * qsizetype(sizeof(float)));
    };
    const QByteArray before = bytes();
    doc.Grow(RunMode::Continued, host);
    EXPECT_EQ(running.count(), 0) << "no run starts";
    EXPECT_EQ(bytes(), before);

    doc.Grow(RunMode::Fresh, host);
    doc.SetIterations(40);
    EXPECT_TRUE(doc.CanContinue());
    doc.SeedFromSettings(Tuning);
    EXPECT_FALSE(doc.CanContinue());
}

// Nine ages evenly over the run, also where the iterations divide by nine exactly.
TEST_F(DocumentTest, TheNineAgesSpreadEvenlyOverTheRun) {
    for (const int iterations : {18, 27, 10}) {
        QList<int> painted;
        const auto connection = QObject::connect(
            &doc, &TextureDocument::AgePainted,
            [&painted](int index, int iteration) { painted << index << iteration; });
        Grow(5, iterations);
        QObject::disconnect(connection);
        const int step = std::max(iterations / 9, 1);
        QList<int> expected;
        for (int index = 1; index <= 9; ++index)
            expected << index << (index - 1) * step;
        EXPECT_EQ(painted, expected) << iterations << " iterations";
    }
}

TEST_F(DocumentTest, TheSameSizeKeepsTheTextureAndRendersItAgain) {
    Grow(5, 12);
    const QImage before = doc.Engine.TextureBitmap.copy();
    QSignalSpy rendered(&doc, &TextureDocument::TextureRendered);
    QSignalSpy seeded(&doc, &TextureDocument::TextureSeeded);
    doc.ChangeSize(20, 16, Tuning);
    EXPECT_EQ(rendered.count(), 1);
    EXPECT_EQ(seeded.count(), 0);
    EXPECT_EQ(doc.Engine.TextureBitmap, before);
    EXPECT_TRUE(doc.CanContinue() || doc.IterationsGrown() == doc.Settings().Iterations);
}

// Save Tile's quarter turns stay on show until the texture is rendered again.
TEST_F(DocumentTest, AQuarterTurnShowsUntilTheNextRendering) {
    Grow(5, 12);
    QSignalSpy rendered(&doc, &TextureDocument::TextureRendered);
    doc.TurnDisplayedTexture(1);
    EXPECT_EQ(doc.CurrentImage().size(), QSize(16, 20));
    doc.TurnDisplayedTexture(4);
    EXPECT_EQ(rendered.count(), 1) << "a whole turn changes nothing";
    doc.RenderTexture();
    EXPECT_EQ(doc.CurrentImage().size(), QSize(20, 16));
}

TEST_F(DocumentTest, RandomizeTurnsAPictureIntoRandomNoiseWithANewSeed) {
    doc.SetType(ImageFile);
    doc.SetSeed(77);
    doc.Randomize(Tuning);
    EXPECT_EQ(doc.Settings().Type, RandomNoise);
    EXPECT_EQ(doc.Settings().Seed, doc.Engine.CurrentSeed);
    EXPECT_NE(doc.Settings().Seed, 77);
}

TEST_F(DocumentTest, PlaybackWrapsAndARecordedAgeShowsItsFrame) {
    RecordSettings options;
    options.Record = true;
    options.Every = 2;
    doc.SetRecording(options);
    Grow(5, 10);
    ASSERT_EQ(doc.Frames.Count(), 5); // iterations 0, 2, 4, 6, 8
    EXPECT_EQ(doc.ShownFrame(), 5) << "the last frame in place of the run's last state";
    EXPECT_EQ(doc.ShownIteration(), 8);
    EXPECT_TRUE(doc.CanSaveRecording());

    QSignalSpy shown(&doc, &TextureDocument::ShownFrameChanged);
    doc.StepFrame(1);
    EXPECT_EQ(doc.ShownFrame(), 1);
    doc.StepFrame(-1);
    EXPECT_EQ(doc.ShownFrame(), 5);
    EXPECT_EQ(shown.count(), 2);
    doc.ShowFrame(99);
    EXPECT_EQ(doc.ShownFrame(), 5) << "beyond the frames shows the last";

    EXPECT_TRUE(doc.ShowRecordedAge(4));
    EXPECT_EQ(doc.ShownFrame(), 2);
    EXPECT_EQ(doc.ShownIteration(), 2);
    EXPECT_FALSE(doc.ShowRecordedAge(11)) << "beyond the recording: the caller regrows";
    EXPECT_EQ(doc.ShownFrame(), 2);
}

// The texture on display after a run that failed is the bitmap the run left: the preview,
// Save and Copy all take it, and nothing is left to continue.
TEST_F(DocumentTest, AFailedRunShowsWhatItLeftAndLeavesNothingToContinue) {
    Grow(5, 12);
    RecordSettings options;
    options.Record = true;
    options.ToFile = true;
    options.FileName = QDir(TestHome()).filePath("no such folder/run.avi");
    doc.SetRecording(options);
    QSignalSpy rendered(&doc, &TextureDocument::TextureRendered);
    const RunResult result = Grow(6, 12);
    EXPECT_EQ(result.Outcome, RunOutcome::InternalError);
    EXPECT_GE(rendered.count(), 1);
    EXPECT_FALSE(doc.Running());
    EXPECT_FALSE(doc.CanContinue());
    EXPECT_EQ(doc.CurrentImage(), doc.Engine.TextureBitmap);
    EXPECT_EQ(doc.ShownIteration(), 0) << "the frame the run rendered before it failed";
}

// The one load order: size, factors, colours, preview colours, seed and seeding, then the run.
TEST_F(DocumentTest, APresetLoadsInItsOrderAndItsPreviewColoursComeBack) {
    Preset preset;
    preset.Width = 30;
    preset.Height = 10;
    preset.Iterations = 40;
    preset.FactorA = "500";
    preset.FactorB = "900";
    preset.Seed = -12345;
    preset.Type = RandomNoise;
    preset.TextColour = "112233";
    preset.LinkColour = "";
    preset.MiddlePoints.append(PresetPoint{"FF0000", "100"});
    QStringList order;
    const auto note = [&order](const char* what) { return [&order, what] { order << what; }; };
    QObject::connect(&doc, &TextureDocument::SizeChanged, note("size"));
    QObject::connect(&doc, &TextureDocument::GradientReplaced, note("colours"));
    QObject::connect(&doc, &TextureDocument::PreviewSettingsChanged, note("preview"));
    QObject::connect(&doc, &TextureDocument::TextureSeeded, note("seeded"));
    doc.ApplyPreset(
        preset, Tuning, [](const QString&) {}, [&order] { order << "grow"; });
    EXPECT_EQ(order, QStringList({"size", "colours", "preview", "seeded", "grow"}));
    EXPECT_EQ(doc.Settings().FactorA, 500);
    EXPECT_EQ(doc.Settings().Seed, -12345);
    EXPECT_EQ(doc.Engine.CurrentSeed, -12345);

    const Preset saved = doc.CurrentPreset();
    EXPECT_EQ(saved.TextColour, "112233");
    EXPECT_EQ(saved.LinkColour, "0000FF") << "an empty colour loads as its default";
    TextureDocument other;
    other.ApplyPreset(
        saved, Tuning, [](const QString&) {}, [] {});
    EXPECT_EQ(other.Preview().Colours.Text, doc.Preview().Colours.Text);
    EXPECT_EQ(other.Preview().Colours.ActiveLink, doc.Preview().Colours.ActiveLink);
}

TEST_F(DocumentTest, AFactorThatIsNoNumberStopsTheLoadWithTheStepsBeforeItDone) {
    Preset preset;
    preset.Iterations = 77;
    preset.FactorA = "abc";
    bool grown = false;
    EXPECT_THROW(doc.ApplyPreset(
                     preset, Tuning, [](const QString&) {}, [&] { grown = true; }),
                 MottlerError);
    EXPECT_EQ(doc.Settings().Iterations, 77);
    EXPECT_FALSE(grown);
}

TEST_F(DocumentTest, UsingTheTextureGradientRemembersTheWidthBefore) {
    GradientSettings border = doc.FadingBorder();
    border.GradientWidth = "77";
    doc.SetFadingBorder(border);
    doc.SetUseTextureGradient(true);
    EXPECT_EQ(doc.FadingBorder().GradientWidth, "256");
    doc.SetUseTextureGradient(false);
    EXPECT_EQ(doc.FadingBorder().GradientWidth, "77");
}

// A screen that shows every frame: the frame label gets each one's iteration, not only the
// ages'.
class EveryFrameHost : public RunHost {
public:
    qint64 RefreshNanoseconds() const override { return 0; }
};

TEST_F(DocumentTest, TheShownIterationFollowsEveryShownFrame) {
    doc.SetAnimate(true);
    doc.SetAnimateEvery(1);
    doc.SetIterations(30);
    doc.SeedFromSettings(Tuning);
    QList<int> shown;
    QObject::connect(&doc, &TextureDocument::ShownIterationChanged,
                     [&] { shown << doc.ShownIteration().value_or(-1); });
    EveryFrameHost everyFrame;
    doc.Grow(RunMode::Fresh, everyFrame);
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_GE(shown.size(), 29);
    for (int i = 1; i < shown.size(); ++i)
        EXPECT_EQ(shown[i], shown[i - 1] + 1) << i;
    EXPECT_EQ(shown.back(), 30);
}

} // namespace
} // namespace mottler::test
