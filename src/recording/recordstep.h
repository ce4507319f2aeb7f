#pragma once

#include "engine/engine.h"
#include "recording/frames.h"

namespace mottler {

/// The "Record Every" value as the recording uses it: values below 1 (an empty, zero,
/// negative or non-numeric box reads as 0) record every iteration.
inline int EffectiveRecordEvery(int recordEvery) {
    return recordEvery < 1 ? 1 : recordEvery;
}

/// True when iteration i is one the recording takes: i mod n = 0.
inline bool IsRecordedIteration(int iteration, int recordEvery) {
    return iteration % EffectiveRecordEvery(recordEvery) == 0;
}

/// The recording step into memory after iteration i of a run (the palette-index field is
/// current): adds the frame when i mod n = 0. Throws SilentAbort when memory runs out (see
/// FrameList::AddFrame).
void RecordFrameStep(FrameList& frames, const TextureEngine& engine, int iteration, int recordEvery,
                     MessageSink& messages);

} // namespace mottler
