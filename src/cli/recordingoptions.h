#pragma once

#include <QString>

namespace mottler::cli {

/// The recording options of `mottler-cli grow`.
struct RecordingOptions {
    int Every = 1;     ///< record iterations i with i mod Every = 0
    QString Avi;       ///< record straight into this AVI file
    QString FramesBmp; ///< record into memory, then write a numbered BMP series
    bool Enabled() const { return !Avi.isEmpty() || !FramesBmp.isEmpty(); }
};

} // namespace mottler::cli
