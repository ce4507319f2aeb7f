#pragma once

namespace mottler {

/// Keys under which consecutive undo steps merge: edits of one control (a trackbar dragged,
/// a number typed digit by digit, a marker dragged) become one step. Point edits add the
/// point's id to their base.
namespace UndoKey {
inline constexpr int None = 0;
inline constexpr int Seed = 1;
inline constexpr int Type = 2;
inline constexpr int ImageFile = 3;
inline constexpr int Iterations = 4;
inline constexpr int FactorA = 5;
inline constexpr int FactorB = 6;
inline constexpr int Drift = 7;
inline constexpr int Animate = 8;
inline constexpr int AnimateEvery = 9;
inline constexpr int Tile = 10;
inline constexpr int Advanced = 11;
inline constexpr int Contrast = 12;
inline constexpr int Brightness = 13;
inline constexpr int MovePoint = 1000000;
inline constexpr int RecolourPoint = 2000000;
} // namespace UndoKey

} // namespace mottler
