#include "recording/frames.h"

#include "base/errors.h"
#include "base/memoryprobe.h"

#include <QCoreApplication>
#include <algorithm>
#include <new>

namespace mottler {

FrameList::FrameList() : allocate(AllocateFrameBlock) {}

void FrameList::SetAllocator(FrameAllocator allocator) {
    allocate = std::move(allocator);
}

void FrameList::AddFrame(const TextureEngine& engine, int iteration, MessageSink& messages) {
    Frame frame;
    frame.Width = engine.Width();
    frame.Height = engine.Height();
    frame.Iteration = iteration;
    frame.Data = allocate(frame.Cells());
    bool stored = false;
    if (frame.Data) {
        std::copy_n(engine.PaletteIndexField.Data(), frame.Cells(), frame.Data.get());
        try {
            frames.push_back(std::move(frame)); // leaves the list unchanged when it throws
            stored = true;
        } catch (const std::bad_alloc&) {
        }
    }
    if (!stored) {
        messages.ShowMessage(
            QCoreApplication::translate("mottler::Frames", NotEnoughMemoryForFramesMessage));
        throw SilentAbort();
    }
}

void FrameList::ClearFrames(PartsProgressSink* progress) {
    if (!frames.empty() && progress)
        progress->SetTotalParts(Count());
    for (int index = Count() - 1; index >= 0; --index) {
        frames.pop_back();
        if (progress && index % 5 == 0)
            progress->SetPartsComplete(index);
    }
    frames.shrink_to_fit();
    if (progress)
        progress->SetPartsComplete(0);
}

} // namespace mottler
