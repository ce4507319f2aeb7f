#include "recording/recordstep.h"

namespace mottler {

void RecordFrameStep(FrameList& frames, const TextureEngine& engine, int iteration, int recordEvery,
                     MessageSink& messages) {
    if (IsRecordedIteration(iteration, recordEvery))
        frames.AddFrame(engine, iteration, messages);
}

} // namespace mottler
