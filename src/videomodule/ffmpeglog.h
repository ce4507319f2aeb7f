#pragma once

#include <string>

namespace mottler {

/// FFmpeg tells the detail of a failure (an encoder's refusal) only in its log. From the
/// first call on, the last error logged is kept for the message and nothing is printed.
void KeepFfmpegErrors();

/// The last error FFmpeg logged since the previous call, or an empty text.
std::string TakeFfmpegError();

/// FFmpeg's text for one of its error codes.
std::string FfmpegErrorText(int code);

} // namespace mottler
