#include "videomodule/ffmpeglog.h"

#include <cstdarg>
#include <mutex>
#include <utility>

extern "C" {
#include <libavutil/error.h>
#include <libavutil/log.h>
}

namespace mottler {
namespace {

std::mutex logLock;
std::string lastLoggedError;

void KeepLoggedError(void* object, int level, const char* format, va_list arguments) {
    if (level > AV_LOG_ERROR)
        return;
    char line[1024] = {};
    int prefix = 0;
    av_log_format_line2(object, level, format, arguments, line, sizeof line, &prefix);
    std::string text(line);
    const char* const blanks = " \t\r\n";
    text.erase(0, text.find_first_not_of(blanks));
    text.erase(text.find_last_not_of(blanks) + 1);
    const std::lock_guard lock(logLock);
    lastLoggedError = std::move(text);
}

} // namespace

void KeepFfmpegErrors() {
    static const bool kept = (av_log_set_callback(KeepLoggedError), true);
    (void)kept;
}

std::string TakeFfmpegError() {
    const std::lock_guard lock(logLock);
    return std::exchange(lastLoggedError, std::string());
}

std::string FfmpegErrorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

} // namespace mottler
