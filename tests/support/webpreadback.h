#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

namespace mottler::test {

/// What webpmux -info tells of an animated WebP.
struct WebpInfo {
    bool Read = false; ///< false when webpmux is missing or could not read the file
    QSize Size;        ///< the canvas
    int LoopCount = -1;
    std::vector<int> Durations; ///< per frame, in milliseconds
};
WebpInfo ReadWebpInfo(const QString& path);

/// Every frame of an animated WebP as shown (composed on the canvas) by Qt's WebP image
/// plugin, in 24-bit BGR; empty when the plugin is missing.
std::vector<QImage> DecodeWebpFrames(const QString& path);

} // namespace mottler::test
