#pragma once

#include "engine/engine.h"
#include "recording/recordingfeedback.h"

#include <QtGlobal>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace mottler {

/// Shown when a frame's block cannot be allocated; the run then ends silently.
inline constexpr const char* NotEnoughMemoryForFramesMessage = QT_TRANSLATE_NOOP(
    "mottler::Frames",
    "There is not enough memory to record this number of frames at the current frame size.");

/// One recorded state of a growth run: the palette indices (0 … 255) of every cell, coloured
/// only when shown or exported. A frame keeps the size it was recorded at, so frames recorded
/// before a change of texture size are still read within their own block.
struct Frame {
    std::unique_ptr<float[]> Data; ///< Width × Height floats, row-major; owned by the frame
    int Width = 0;
    int Height = 0;
    std::int32_t Iteration = 0; ///< the growth iteration after which the frame was taken

    std::size_t Cells() const { return static_cast<std::size_t>(Width) * Height; }
};

/// Allocates the block of a new frame, or returns null when memory runs out.
using FrameAllocator = std::function<std::unique_ptr<float[]>(std::size_t cells)>;

/// The recorded frames, oldest first (index 0). Owns them; the only bound is memory.
class FrameList {
public:
    FrameList();

    /// Replaces the allocator of new frame blocks (tests make it fail on purpose).
    void SetAllocator(FrameAllocator allocator);

    /// Appends a copy of the engine's palette-index field as the frame of the iteration. When
    /// memory runs out the message NotEnoughMemoryForFramesMessage goes to the sink, the new
    /// frame is discarded, the earlier frames stay, and SilentAbort is thrown to end the run.
    void AddFrame(const TextureEngine& engine, int iteration, MessageSink& messages);

    /// Frees every frame, from the last to the first, reporting the index of each frame that
    /// is a multiple of 5 as the completed parts (total: the count), then 0.
    void ClearFrames(PartsProgressSink* progress = nullptr);

    int Count() const { return static_cast<int>(frames.size()); }
    bool IsEmpty() const { return frames.empty(); }
    const Frame& operator[](int index) const { return frames[static_cast<std::size_t>(index)]; }
    const Frame& Last() const { return frames.back(); }

private:
    std::vector<Frame> frames;
    FrameAllocator allocate;
};

} // namespace mottler
