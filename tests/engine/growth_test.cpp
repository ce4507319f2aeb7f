#include "base/errors.h"
#include "engine/growth.h"
#include "engine/random.h"
#include "engine/seeding.h"
#include "engine/texturesettings.h"
#include "referencegrowth.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace mottler;

namespace {

// Notes every hook in order; can press Escape at a given poll and throw from ReadFactors.
class Recorder : public GrowthObserver {
public:
    explicit Recorder(TextureEngine& e, GrowthFactors f = {}) : engine(e), factors(f) {}

    GrowthFactors ReadFactors() override {
        events.push_back("factors");
        if (failFactors)
            throw MottlerError("not a number");
        return factors;
    }
    bool EscapePressed() override { return ++polls == escapeAtPoll; }
    void RenderFrame(int i) override {
        rendered.push_back(i);
        frames.emplace_back(engine.FieldA.Data(), engine.FieldA.Data() + engine.CellCount());
    }
    void PaintAge(int index, int i) override { ages.emplace_back(index, i); }
    void FinishRun(int k) override { finished.push_back(k); }
    void RunEnded(double) override { events.push_back("ended"); }

    TextureEngine& engine;
    GrowthFactors factors;
    bool failFactors = false;
    int polls = 0;
    int escapeAtPoll = -1; // poll 1 is the discarded one before the first iteration
    std::vector<std::string> events;
    std::vector<int> rendered;
    std::vector<std::vector<float>> frames;
    std::vector<std::pair<int, int>> ages;
    std::vector<int> finished;
};

void SeedNoise(TextureEngine& engine, int w, int h, std::uint32_t seed) {
    engine.SetTextureSize(w, h);
    SetRandomSeed(seed);
    SeedTexture(engine, RandomNoise, ShapeTuning{});
}

RunParameters Fresh(int n, int drift = NoDrift) {
    RunParameters p;
    p.Iterations = n;
    p.Animate = false;
    p.DriftKind = drift;
    return p;
}

bool SameA(const TextureEngine& a, const TextureEngine& b) {
    return std::memcmp(a.FieldA.Data(), b.FieldA.Data(), sizeof(float) * a.CellCount()) == 0 &&
           std::memcmp(a.FieldB.Data(), b.FieldB.Data(), sizeof(float) * a.CellCount()) == 0;
}

} // namespace

TEST(GrowTexture, FreshRunsMatchTheReferenceBitForBit) {
    struct Case {
        int W, H, N;
        GrowthFactors F;
        int Drift;
    } cases[] = {
        {16, 9, 40, {}, DriftLeft},
        {5, 3, 25, {622, 1000, 12, 16, 4.0, 4.0, 0}, DriftDown},
        {7, 1, 30, {300, 700, 40, 20, 3.5, 4.25, 1}, DriftUp},
        {1, 7, 30, {500, 250, 30, 16, 4.0, 2.0, 2}, DriftRight},
    };
    for (const Case& c : cases) {
        TextureEngine engine;
        SeedNoise(engine, c.W, c.H, 424242);
        Recorder observer(engine, c.F);
        const RunResult result = GrowTexture(engine, Fresh(c.N, c.Drift), observer);

        test::RefTexture ref = test::RefSeedNoise(c.W, c.H, 424242);
        const test::RefFactors rf{c.F.FactorA,     c.F.FactorB,     c.F.FactorC, c.F.FactorD,
                                  c.F.MultiplierA, c.F.MultiplierB, c.F.Zero,    c.Drift};
        int reported = 0;
        ASSERT_EQ(test::RefGrow(ref, rf, c.N, &reported), test::RefStop::Completed);
        EXPECT_EQ(result.Outcome, RunOutcome::Completed);
        EXPECT_EQ(result.Reported, reported);
        EXPECT_EQ(std::memcmp(engine.FieldA.Data(), ref.A.data(), ref.A.size() * 4), 0);
        EXPECT_EQ(std::memcmp(engine.FieldB.Data(), ref.B.data(), ref.B.size() * 4), 0);
        EXPECT_EQ(engine.FieldMin, ref.Min);
        EXPECT_EQ(engine.FieldMax, ref.Max);
    }
}

TEST(GrowTexture, ZeroOrOneIterationRunsIterationZeroOnlyAndReportsOne) {
    for (int n : {0, 1}) {
        TextureEngine engine;
        SeedNoise(engine, 5, 3, 7);
        Recorder observer(engine);
        const RunResult result = GrowTexture(engine, Fresh(n), observer);
        EXPECT_EQ(observer.rendered, std::vector<int>{0});
        EXPECT_EQ(result.Reported, 1);
        EXPECT_EQ(observer.finished, std::vector<int>{1});
    }
}

TEST(GrowTexture, DriftUpMovesRowsAfterTheIterationsImageWasTaken) {
    TextureEngine engine;
    SeedNoise(engine, 4, 3, 99);
    Recorder observer(engine);
    GrowTexture(engine, Fresh(1, DriftUp), observer);
    ASSERT_EQ(observer.frames.size(), 1u);
    const std::vector<float>& image = observer.frames[0];
    const float* a = engine.FieldA.Data();
    EXPECT_EQ(std::memcmp(a, image.data() + 4, 8 * sizeof(float)), 0); // rows 1, 2 → 0, 1
    EXPECT_EQ(std::memcmp(a + 8, image.data(), 4 * sizeof(float)), 0); // row 0 → row 2
}

TEST(GrowTexture, UniformFieldStopsAfterTheSweepAndReportsTheIterationBefore) {
    TextureEngine engine;
    SeedNoise(engine, 6, 4, 5);
    GrowthFactors f;
    f.FactorA = 0;
    f.FactorC = 10000;
    Recorder observer(engine, f);
    const RunResult result = GrowTexture(engine, Fresh(50), observer);
    EXPECT_EQ(result.Outcome, RunOutcome::UniformField);
    EXPECT_EQ(result.Reported, -1);
    EXPECT_EQ(observer.finished, std::vector<int>{-1});
    EXPECT_TRUE(observer.rendered.empty());
    for (int k = 0; k < engine.CellCount(); ++k) {
        EXPECT_EQ(engine.FieldA[std::size_t(k)], 0.0f);
        EXPECT_EQ(engine.DisplayField[std::size_t(k)], 0.0f);
    }
}

TEST(GrowTexture, EscapeAtAnIterationsStartKeepsThePreviousStateAndBeforeTheRunIsDiscarded) {
    TextureEngine engine;
    SeedNoise(engine, 8, 5, 31);
    Recorder observer(engine);
    observer.escapeAtPoll = 7; // the discarded poll, iterations 0 … 4, then the start of 5
    const RunResult result = GrowTexture(engine, Fresh(20, DriftRight), observer);
    EXPECT_EQ(result.Outcome, RunOutcome::Escaped);
    EXPECT_EQ(result.Reported, 4);
    EXPECT_EQ(observer.finished, std::vector<int>{4});

    TextureEngine five;
    SeedNoise(five, 8, 5, 31);
    Recorder plain(five);
    GrowTexture(five, Fresh(5, DriftRight), plain);
    EXPECT_TRUE(SameA(engine, five));

    Recorder early(engine);
    early.escapeAtPoll = 1; // pressed before the run: discarded
    EXPECT_EQ(GrowTexture(engine, Fresh(4), early).Outcome, RunOutcome::Completed);
}

TEST(GrowTexture, AgesOfAFreshRunArePaintedEveryNinthOfTheRun) {
    const std::pair<int, std::vector<std::pair<int, int>>> expected[] = {
        {20,
         {{1, 0}, {2, 2}, {3, 4}, {4, 6}, {5, 8}, {6, 10}, {7, 12}, {8, 14}, {9, 16}, {10, 18}}},
        {5, {{1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 4}}},
    };
    for (const auto& [n, ages] : expected) {
        TextureEngine engine;
        SeedNoise(engine, 4, 4, 1);
        Recorder observer(engine);
        GrowTexture(engine, Fresh(n), observer);
        EXPECT_EQ(observer.ages, ages) << "N = " << n;
    }
}

TEST(GrowTexture, ContinuedRunGoesOnFromTheCurrentFieldsWithLaterAges) {
    TextureEngine engine;
    SeedNoise(engine, 6, 5, 8);
    GrowthFactors f;
    f.FactorA = 200;
    f.FactorB = 100;
    Recorder first(engine, f);
    ASSERT_EQ(GrowTexture(engine, Fresh(100, DriftLeft), first).Reported, 100);

    RunParameters more = Fresh(200, DriftLeft);
    more.Mode = RunMode::Continued;
    more.ContinueFrom = 100;
    Recorder second(engine, f);
    const RunResult result = GrowTexture(engine, more, second);
    EXPECT_EQ(result.Reported, 200);
    ASSERT_EQ(second.rendered.size(), 100u);
    EXPECT_EQ(second.rendered.front(), 100);
    EXPECT_EQ(second.rendered.back(), 199);
    ASSERT_GE(second.ages.size(), 3u);
    EXPECT_EQ(second.ages[0], std::make_pair(7, 110));
    EXPECT_EQ(second.ages[1], std::make_pair(8, 132));
    EXPECT_EQ(second.ages[2], std::make_pair(9, 154));
    for (std::size_t k = 3; k < second.ages.size(); ++k)
        EXPECT_GT(second.ages[k].first, 9);

    TextureEngine whole;
    SeedNoise(whole, 6, 5, 8);
    Recorder once(whole, f);
    GrowTexture(whole, Fresh(200, DriftLeft), once);
    EXPECT_TRUE(SameA(engine, whole));
}

TEST(GrowTexture, OverflowStopsWithItsMessageAndSkipsFinishRun) {
    TextureEngine engine;
    SeedNoise(engine, 8, 8, 3);
    GrowthFactors f;
    f.MultiplierA = -1e38;
    Recorder observer(engine, f);
    const RunResult result = GrowTexture(engine, Fresh(10), observer);
    EXPECT_EQ(result.Outcome, RunOutcome::Overflow);
    EXPECT_EQ(result.Message,
              "The mathematics involved in this calculation have gone outside the range this "
              "computer can handle.  Texture growth will be stopped here.  \n\nPlease "
              "choose some new settings and try again.");
    EXPECT_TRUE(observer.finished.empty());
    EXPECT_EQ(observer.events.back(), std::string("ended"));
}

// A run that reads nothing between its sweeps (no frames, ages or drift) may keep the
// texture in the certified sweep's lanes: it ends with the fields of the x87 sweep, whether
// it completes, is stopped by Escape or overflows (rows after the lanes' groups included).
TEST(GrowTexture, RunsThatReadNothingBetweenSweepsEndWithTheFieldsOfEverySweep) {
    const auto grow = [](SweepEngine sweep, int iterations, int escapeAtPoll, double amult) {
        auto engine = std::make_unique<TextureEngine>();
        SeedNoise(*engine, 40, 70, 12);
        engine->Switches.PaintAges = false;
        const GrowthFactors f{622, 1000, 12, 16, amult, 4.0, 0};
        Recorder observer(*engine, f);
        observer.escapeAtPoll = escapeAtPoll;
        RunParameters params = Fresh(iterations);
        params.Sweeping = {sweep, 1};
        const RunResult result = GrowTexture(*engine, params, observer);
        return std::make_pair(std::move(engine), result);
    };
    struct Case {
        int Iterations, EscapeAtPoll;
        double MultiplierA;
        RunOutcome Outcome;
    } cases[] = {{90, -1, 4.0, RunOutcome::Completed},
                 {90, 13, 4.0, RunOutcome::Escaped},
                 {90, -1, -1e38, RunOutcome::Overflow}};
    for (const Case& c : cases) {
        const auto [x87, x87Result] =
            grow(SweepEngine::X87, c.Iterations, c.EscapeAtPoll, c.MultiplierA);
        ASSERT_EQ(x87Result.Outcome, c.Outcome);
        for (SweepEngine sweep : {SweepEngine::Sse2, SweepEngine::Auto}) {
            const auto [kept, result] = grow(sweep, c.Iterations, c.EscapeAtPoll, c.MultiplierA);
            EXPECT_EQ(result.Outcome, c.Outcome);
            EXPECT_EQ(result.Reported, x87Result.Reported);
            EXPECT_TRUE(SameA(*kept, *x87)) << int(c.Outcome) << ", " << int(sweep);
            EXPECT_EQ(kept->FieldMin, x87->FieldMin);
            EXPECT_EQ(kept->FieldMax, x87->FieldMax);
            EXPECT_EQ(std::memcmp(kept->DisplayField.Data(), x87->DisplayField.Data(),
                                  sizeof(float) * std::size_t(x87->CellCount())),
                      0);
        }
    }
}

TEST(GrowTexture, FailingFactorReadEndsBeforeTheFirstIterationButStillCleansUp) {
    TextureEngine engine;
    SeedNoise(engine, 4, 4, 3);
    Recorder observer(engine);
    observer.failFactors = true;
    EXPECT_THROW(GrowTexture(engine, Fresh(10), observer), MottlerError);
    EXPECT_TRUE(observer.rendered.empty());
    EXPECT_TRUE(observer.finished.empty());
    EXPECT_EQ(observer.events, (std::vector<std::string>{"factors", "ended"}));
    EXPECT_EQ(std::memcmp(engine.FieldA.Data(), engine.InitialA.Data(), 16 * sizeof(float)), 0);
}

TEST(GrowTexture, ObserverErrorIsReportedAsAnInternalError) {
    struct Failing : Recorder {
        using Recorder::Recorder;
        void RenderFrame(int) override { throw MottlerError("Could not add frame"); }
    };
    TextureEngine engine;
    SeedNoise(engine, 4, 4, 3);
    Failing observer(engine);
    const RunResult result = GrowTexture(engine, Fresh(10), observer);
    EXPECT_EQ(result.Outcome, RunOutcome::InternalError);
    EXPECT_EQ(result.Message,
              "An internal error has occurred while growing this texture.\n\nCould not add frame");
    EXPECT_TRUE(observer.finished.empty());
}

TEST(GrowTexture, AFailureOfTheUsersFileIsShownAsItIsNotAsAnInternalError) {
    struct FullFile : Recorder {
        using Recorder::Recorder;
        void RecordStep(int, bool) override { throw UserFileError("The file is full."); }
    };
    TextureEngine engine;
    SeedNoise(engine, 4, 4, 3);
    FullFile observer(engine);
    RunParameters params = Fresh(10);
    params.Record = true;
    const RunResult result = GrowTexture(engine, params, observer);
    EXPECT_EQ(result.Outcome, RunOutcome::InternalError);
    EXPECT_EQ(result.Message, "The file is full.");
}

TEST(GrowTexture, FailingCleanUpReachesTheCallerAsAnError) {
    struct FailingCleanUp : Recorder {
        using Recorder::Recorder;
        void RunEnded(double) override { throw MottlerError("Could not close the file"); }
    };
    TextureEngine engine;
    SeedNoise(engine, 4, 4, 3);
    FailingCleanUp observer(engine);
    EXPECT_THROW(GrowTexture(engine, Fresh(3), observer), MottlerError);
    observer.failFactors = true;
    EXPECT_THROW(GrowTexture(engine, Fresh(3), observer), MottlerError);
}
