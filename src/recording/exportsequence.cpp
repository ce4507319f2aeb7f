#include "recording/exportsequence.h"

#include "base/numbers.h"

#include <algorithm>

namespace mottler {
namespace {

std::vector<ExportEntry> RangeEntries(const ExportOptions& options, int frameCount) {
    int start = 0;
    int end = frameCount - 1;
    // The boxes count frames from 1, as the user reads them, and include both ends.
    if (options.Range == FrameRange::Between) {
        start = std::max(IntValue(options.StartText) - 1, 0);
        end = std::min(IntValue(options.EndText) - 1, frameCount - 1);
    }
    const qint64 step = std::max(IntValue(options.SkipText), 1);
    std::vector<ExportEntry> entries;
    for (qint64 i = start; i <= end; i += step)
        entries.push_back({static_cast<int>(i)});
    return entries;
}

void AppendPingPong(std::vector<ExportEntry>& entries) {
    for (auto i = static_cast<std::ptrdiff_t>(entries.size()) - 2; i >= 1; --i) {
        const ExportEntry back = entries[static_cast<std::size_t>(i)];
        entries.push_back(back);
    }
}

// The last b entries fade toward the first b, and the first b are then left out: the loop
// runs from entry b to the end, whose last entry is mostly entry b − 1, so playing entry b
// next continues without a jump. At most half the entries blend, so that every faded entry
// stays in the loop.
void BlendEnds(std::vector<ExportEntry>& entries, int blendCount) {
    const int count = static_cast<int>(entries.size());
    const int blended = std::clamp(blendCount, 0, count / 2);
    for (int k = 0; k < blended; ++k) {
        ExportEntry& entry = entries[static_cast<std::size_t>(count - blended + k)];
        entry.BlendFrame = entries[static_cast<std::size_t>(k)].Frame;
        entry.BlendWeight = k + 1;
        entry.BlendDenominator = blended + 1;
    }
    entries.erase(entries.begin(), entries.begin() + blended);
}

} // namespace

std::vector<ExportEntry> BuildFrameSequence(const ExportOptions& options, int frameCount) {
    std::vector<ExportEntry> entries = RangeEntries(options, frameCount);
    if (!options.Looping)
        return entries;
    if (options.Loop == LoopStyle::PingPong)
        AppendPingPong(entries);
    else
        BlendEnds(entries, IntValue(options.BlendCountText));
    return entries;
}

} // namespace mottler
