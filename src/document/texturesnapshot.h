#pragma once

#include "engine/engine.h"

#include <QImage>
#include <cstdint>
#include <memory>
#include <optional>

namespace mottler {

/// A copy of the texture as an undo step keeps it: the live and seeded fields, the state on
/// display with its bitmaps, and what the document knew of them (how far they were grown,
/// whether a run can continue them).
struct TextureSnapshot {
    TextureSnapshot() = default;
    ~TextureSnapshot();
    TextureSnapshot(const TextureSnapshot&) = delete;
    TextureSnapshot& operator=(const TextureSnapshot&) = delete;

    int Width = 0;
    int Height = 0;
    ChemicalField FieldA, FieldB, InitialA, InitialB, DisplayField;
    float FieldMin = 0.0f;
    float FieldMax = 0.0f;
    std::int32_t CurrentSeed = 0;
    QImage TextureBitmap;
    QImage InitialTextureBitmap;

    std::optional<int> ShownIteration;
    int IterationsGrown = 0;
    bool Continuable = false;
    bool ShowsTexture = false;

    /// What a snapshot of the engine's fields takes in memory.
    static std::uint64_t BytesFor(const TextureEngine& engine);
    /// Copies the engine's fields, or nothing when they do not exist or the snapshots kept
    /// would then take more than their share of memory (a quarter of what the process can
    /// still use, at most MaxKeptBytes), so undo never starves a run or a recording.
    static std::unique_ptr<TextureSnapshot> Take(const TextureEngine& engine);
    /// What the snapshots alive take together.
    static std::uint64_t KeptBytes();
    static constexpr std::uint64_t MaxKeptBytes = std::uint64_t(2) << 30;
    /// Puts the copy back into the engine, giving it the snapshot's size first where it has
    /// another (throws MottlerError when those fields do not fit into memory, the engine
    /// unchanged).
    void RestoreInto(TextureEngine& engine) const;

private:
    std::uint64_t counted = 0; ///< this snapshot's part of KeptBytes
};

} // namespace mottler
