#pragma once

#include "palette/palette.h"

#include <QImage>
#include <cstdint>
#include <optional>
#include <unordered_set>
#include <vector>

struct liq_attr;
struct liq_histogram;

namespace mottler {

/// The largest colour table a GIF image can have.
inline constexpr std::size_t GifMaxColours = 256;

/// The distinct colours of the image in the order first met, or nothing when it has more
/// than `limit`.
std::optional<std::vector<PackedColour>> DistinctColours(const QImage& image, std::size_t limit);

/// Each pixel's index in the table by exact match, row-major, or nothing when a pixel's
/// colour is not in the table.
std::optional<std::vector<std::uint8_t>> ExactIndices(const QImage& image,
                                                      const std::vector<PackedColour>& table);

/// Chooses one colour table of at most 256 colours for a series of images, looked at one at a
/// time: exactly their colours when they have no more than 256 together, else the optimised
/// palette libimagequant makes from the histogram of all of them.
class SharedColourTable {
public:
    SharedColourTable();
    SharedColourTable(const SharedColourTable&) = delete;
    SharedColourTable& operator=(const SharedColourTable&) = delete;
    ~SharedColourTable();

    void AddImage(const QImage& image);
    /// Throws MottlerError when the quantiser fails.
    std::vector<PackedColour> Build() const;

private:
    liq_attr* attributes;
    liq_histogram* histogram;
    std::unordered_set<PackedColour> exact; ///< the colours met, until there are too many
    bool tooManyForExact = false;
};

} // namespace mottler
