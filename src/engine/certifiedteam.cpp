#include "engine/certifiedteam.h"

#include "engine/certifiedgroup.h"

#include <vector>

namespace mottler {

using namespace wavefront;
using certified::GroupLinks;
using certified::TeamGroupRows;

class CertifiedTeam::Crew {
public:
    Crew(int threads, VectorWidth width);

    int Threads() const { return crew.Threads(); }
    SweepCrew& Workers() { return crew; }
    long Sweep(TextureEngine& engine, const SweepCoefficients& k);

private:
    void Prepare(TextureEngine& engine, const SweepCoefficients& k);
    void Band(int t);
    bool SweepGroup(int t, int group);
    int GroupsCompleted() const;
    SweepContext Context(int t);
    float* HandOn(int group, int field) {
        return handOn[std::size_t(group % 2)].data() + std::size_t(field) * std::size_t(w);
    }

    SweepCrew crew;
    const VectorWidth width;
    std::vector<std::vector<float>> scratch; // per thread: its group's lane buffers
    std::vector<long> fallbacks;             // per thread
    // A group's last row as it is finished, A then B, for the group below; two, because a
    // group's successor but one starts while the group below still reads it.
    std::vector<float> handOn[2];
    std::vector<Range> ranges; // per row of the groups

    // The sweep under way.
    float* a = nullptr;
    float* b = nullptr;
    const SweepCoefficients* coefficients = nullptr;
    int w = 0;
    int h = 0;
    int groups = 0;
};

CertifiedTeam::Crew::Crew(int threads, VectorWidth vectors)
    : crew(threads), width(vectors), scratch(std::size_t(threads)),
      fallbacks(std::size_t(threads)) {}

SweepContext CertifiedTeam::Crew::Context(int t) {
    return {a, b, *coefficients, w, h, scratch[std::size_t(t)].data(), {}};
}

void CertifiedTeam::Crew::Prepare(TextureEngine& engine, const SweepCoefficients& k) {
    a = engine.FieldA.Data();
    b = engine.FieldB.Data();
    coefficients = &k;
    w = engine.Width();
    h = engine.Height();
    // The lane buffers copy the rows above and below a group and each row's first and last
    // columns, which must be other rows and other cells: the one-thread sweep's condition.
    groups = w >= 2 && h > TeamGroupRows ? h / TeamGroupRows : 0;
    for (std::vector<float>& lanes : scratch)
        lanes.resize(CertifiedScratchCells(w));
    for (std::vector<float>& row : handOn)
        row.resize(2 * std::size_t(w));
    ranges.assign(std::size_t(groups) * TeamGroupRows, Range{});
    std::fill(fallbacks.begin(), fallbacks.end(), 0);
}

// Groups t, t + threads, … until the sweep ends or stops.
void CertifiedTeam::Crew::Band(int t) {
    for (int group = t; group < groups; group += crew.Threads())
        if (!SweepGroup(t, group))
            return;
}

bool CertifiedTeam::Crew::SweepGroup(int t, int group) {
    const int y = group * TeamGroupRows;
    // The last group's row below is row 0, as the first group leaves it, when no rows follow.
    if (group == groups - 1 && y + TeamGroupRows == h &&
        !crew.Await(0, GroupLinks::Report(0, w, w + 1)))
        return false;
    GroupLinks links{group == 0 ? a + std::size_t(h - 1) * std::size_t(w) : HandOn(group - 1, 0),
                     group == 0 ? b + std::size_t(h - 1) * std::size_t(w) : HandOn(group - 1, 1),
                     HandOn(group, 0),
                     HandOn(group, 1),
                     &crew,
                     group,
                     t,
                     w};
    SweepContext s = Context(t);
    if (!certified::SweepTeamGroup(s, width, y, links, &ranges[std::size_t(y)],
                                   fallbacks[std::size_t(t)]))
        return false;
    links.Passed(w + 1);
    return true;
}

// Each group needs all of the one above, so the finished ones are a prefix.
int CertifiedTeam::Crew::GroupsCompleted() const {
    for (int group = 0; group < groups; ++group)
        if (crew.Done(group) < GroupLinks::Report(group, w, w + 1))
            return group;
    return groups;
}

long CertifiedTeam::Crew::Sweep(TextureEngine& engine, const SweepCoefficients& k) {
    Prepare(engine, k);
    if (groups > 0)
        crew.Run([this](int t) { Band(t); });
    SweepContext s = Context(0);
    s.FieldRange = {9999999.0f, 0.0f};
    PublishRange publish{engine, s.FieldRange};
    const int completed = GroupsCompleted();
    for (std::size_t row = 0; row < std::size_t(completed) * TeamGroupRows; ++row)
        s.FieldRange.Add(ranges[row]);
    long recomputed = 0;
    for (long n : fallbacks)
        recomputed += n;
    if (completed < groups) {
        // A value did not fit: the unfinished groups left the fields alone, and the row order
        // from the first of them stops at the first such cell as Sweep does.
        WithZeroAction(k.Zero, [&](auto zero) {
            wavefront::SweepRowsFrom<decltype(zero)::value>(s, completed * TeamGroupRows);
        });
        return recomputed;
    }
    return recomputed + certified::SweepRowsFrom(s, width, groups * TeamGroupRows);
}

CertifiedTeam::CertifiedTeam(int threads, VectorWidth width)
    : crew(std::make_unique<Crew>(threads, width)) {}

CertifiedTeam::~CertifiedTeam() = default;

int CertifiedTeam::Threads() const {
    return crew->Threads();
}

SweepCrew& CertifiedTeam::Workers() {
    return crew->Workers();
}

long CertifiedTeam::Sweep(TextureEngine& engine, const SweepCoefficients& k) {
    return crew->Sweep(engine, k);
}

} // namespace mottler
