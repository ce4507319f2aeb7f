#pragma once

#include "engine/engine.h"

namespace mottler {

/// The smallest width and height the texture-size window accepts.
inline constexpr int MinTextureSide = 2;

/// Shown when the texture-size window is given a side below MinTextureSide (empty or
/// non-numeric text counts as 0).
inline constexpr const char* TextureTooSmallMessage =
    QT_TRANSLATE_NOOP("mottler::TextureSize", "The width and height must each be at least 2.");

/// What OK in the texture-size window does with the size it was given.
enum class TextureSizeChange {
    /// The texture's own size: the fields stay; RenderDisplayField draws the same texture in
    /// the same colours again, at its own size even after a quarter turn.
    KeepTexture,
    /// Another size: TextureEngine::SetTextureSize, then a new texture is seeded. An
    /// impossible size throws there and leaves the current texture exactly as it was.
    NewTexture
};

/// Decides what OK does. Throws MottlerError(TextureTooSmallMessage) for a side below
/// MinTextureSide, before anything changes.
TextureSizeChange TextureSizeChangeFor(const TextureEngine& engine, int width, int height);

} // namespace mottler
