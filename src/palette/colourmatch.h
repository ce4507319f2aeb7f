#pragma once

#include "palette/palette.h"

#include <QImage>
#include <QPoint>
#include <array>
#include <optional>

namespace mottler {

/// The distance that marks a rejected candidate.
inline constexpr int RejectedDistance = 2147483647;

/// Lightness of a colour: (max + min of its channels) / 2, halves rounded to even.
int LuminanceOf(PackedColour colour);

/// Orders the first `count` entries (clamped to 0 … 256) by ascending lightness, keeping the
/// file order of equally light colours. The entries after them stay where they are.
void SortByLuminance(std::array<PackedColour, 256>& colours, int count);

/// The weighted distance 10·ΔG² + 3·ΔR² + ΔB² of two colours, or RejectedDistance at once when
/// 10·ΔG² alone is not below `best`, the smallest distance found so far.
int ColourDistance(PackedColour a, PackedColour b, int best = RejectedDistance);

/// The index of the grid colour nearest to `colour`, scanning from index 0: an exact match
/// ends the scan, otherwise the first of the nearest wins.
int FindNearestColour(const std::array<PackedColour, 256>& grid, PackedColour colour);

/// Where the spectrum image shows `colour` or the nearest to it. White is placed at
/// (width − 1, height div 2) and black at (0, height div 2); any other colour is searched
/// column by column from the right (columns width − 1 … 0, in each rows height − 2 … 0) until
/// an exact match, the first of the nearest winning otherwise. Nothing for an image too small
/// to search (no pixel, or a single row for a colour other than white and black).
std::optional<QPoint> FindInSpectrum(const QImage& spectrum, PackedColour colour);

} // namespace mottler
