#pragma once

#include "palette/palette.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

struct GifFileType;

namespace mottler {

class FileReplacement;

/// The largest width or height a GIF file can describe.
inline constexpr int GifMaxSide = 65535;

/// A GIF89a file being written through giflib (LZW-compressed image data), into memory or
/// straight into a file. The caller writes the blocks in file order: screen (in the
/// constructor), extensions, images. Every giflib failure throws MottlerError, a failed
/// write to the file FileWriteError.
class GifStream {
public:
    /// Starts the file with a logical screen of the size and an optional global colour table
    /// (at most 256 colours; empty: none). Throws MottlerError for a side outside 1 … 65535.
    GifStream(int width, int height, const std::vector<PackedColour>& globalColours);
    /// The same, writing the bytes into `file` as they are made rather than into memory.
    GifStream(int width, int height, const std::vector<PackedColour>& globalColours,
              FileReplacement& file);
    GifStream(const GifStream&) = delete;
    GifStream& operator=(const GifStream&) = delete;
    ~GifStream();

    /// The NETSCAPE2.0 application extension with loop count 0: play forever.
    void PutLoopForever();

    /// A graphic control extension: delay in hundredths of a second; with a transparent
    /// index of 0 or more also the transparency flag, that index and disposal 2 (restore to
    /// background).
    void PutGraphicControl(int delay, int transparentIndex);

    /// One image at the top-left corner: width × height colour indices, row-major, with its
    /// own colour table when `localColours` is not empty.
    void PutImage(int width, int height, const std::vector<std::uint8_t>& indices,
                  const std::vector<PackedColour>& localColours);

    /// Writes the trailer and returns the whole file (empty when written into a file).
    QByteArray Finish();

private:
    explicit GifStream(FileReplacement* output) : file(output) {}
    static int Output(GifFileType* gif, const unsigned char* data, int length);
    void Start(int width, int height, const std::vector<PackedColour>& globalColours);
    void Check(int giflibResult) const;
    [[noreturn]] void Fail(int code) const;

    QByteArray bytes;
    FileReplacement* file = nullptr;
    qint64 fileEnd = 0;
    bool fileFailed = false;
    GifFileType* gif = nullptr;
};

/// The index of the colour in the table by exact red, green and blue match, or −1.
int FindExactColour(const std::vector<PackedColour>& table, PackedColour colour);

} // namespace mottler
