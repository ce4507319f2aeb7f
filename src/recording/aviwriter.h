#pragma once

#include "base/filereplacement.h"

#include <QImage>
#include <QList>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace mottler {

/// Raised when a bitmap cannot be read as 24-bit bits.
inline constexpr const char* FailedToCreateDibMessage =
    QT_TRANSLATE_NOOP("mottler::AviWriter", "Failed to create DIB.");
/// Raised when a frame cannot be written to the file.
inline constexpr const char* CouldNotAddFrameMessage =
    QT_TRANSLATE_NOOP("mottler::AviWriter", "Could not add frame");

/// The largest file written. Plain AVI files beyond 1 GB are not read by many players, so the
/// writer refuses a frame that would pass it and keeps the file complete up to there.
inline constexpr qint64 AviSizeLimit = qint64(1) << 30;

/// The 40-byte BITMAPINFOHEADER that describes every frame (and is the stream format).
struct BitmapInfoHeader {
    std::uint32_t Size = 40;
    std::int32_t Width = 0;
    std::int32_t Height = 0; ///< positive: rows are stored bottom-up
    std::uint16_t Planes = 1;
    std::uint16_t BitCount = 24;
    std::uint32_t Compression = 0; ///< uncompressed RGB
    std::uint32_t SizeImage = 0;   ///< rows padded to 4 bytes, times the height
    std::int32_t XPelsPerMeter = 0;
    std::int32_t YPelsPerMeter = 0;
    std::uint32_t ClrUsed = 0;
    std::uint32_t ClrImportant = 0;
};

/// The header of the bitmap written as uncompressed 24-bit bits (every pixel format is
/// converted to 24 bits). Throws MottlerError(FailedToCreateDibMessage) for a null bitmap or
/// one whose bits would not fit a 32-bit size.
BitmapInfoHeader FillBitmapInfoHeader(const QImage& bitmap);

/// What the caller chooses for the one video stream.
struct AviStreamInfo {
    std::uint32_t Scale = 1;
    std::uint32_t Rate = 10; ///< frames per second = Rate / Scale
    /// Frames announced in the headers until the file is closed; closing replaces it with the
    /// number of frames actually written.
    std::uint32_t Length = 0;
};

/// An AVI 1.0 file being written: one uncompressed, bottom-up 24-bit video stream ('00db'
/// chunks, every frame a key frame) of the size of its first bitmap. It is written to a
/// temporary file beside the target; closing, explicitly or by destruction, appends the idx1
/// index, patches the frame counts and puts the file in place, so the file is complete
/// however the writing ends. A frame that cannot be added (other than for the size limit)
/// abandons the file, and a file that cannot be finished or was abandoned replaces nothing.
class AviFile {
public:
    AviFile(const AviFile&) = delete;
    AviFile& operator=(const AviFile&) = delete;
    /// Closes the file; an error while closing is swallowed here (call Close to see it).
    ~AviFile();

    /// Appends the bitmap as the next frame. Throws MottlerError: FailedToCreateDibMessage
    /// when it cannot be read as 24-bit bits, CouldNotAddFrameMessage and the system's reason
    /// when the write fails, and a message of its own when the bitmap's size differs from the
    /// stream's or the file would pass the size limit. At the size limit (SizeLimitReached is
    /// then true) the file keeps the earlier frames and is put in place when closed; after
    /// any other failure it is abandoned, as by Discard.
    void AddFrame(const QImage& bitmap);

    /// Writes the index, patches the headers and closes. Does nothing when already closed.
    /// Throws MottlerError when that fails.
    void Close();
    /// Abandons the file: the frames written so far are deleted and whatever was at the
    /// target stays as it was (an export cancelled with Escape).
    void Discard() { output.Discard(); }

    int FrameCount() const { return static_cast<int>(chunkOffsets.size()); }
    bool SizeLimitReached() const { return sizeLimitReached; }
    const BitmapInfoHeader& Format() const { return format; }

private:
    friend std::unique_ptr<AviFile> CreateAviFile(const QString&, const AviStreamInfo&,
                                                  const QImage&, qint64);
    AviFile(const QString& path, const BitmapInfoHeader& format, qint64 sizeLimit);
    void WriteHeaders(const AviStreamInfo& info);
    void AppendFrame(const QImage& bitmap);
    void FillChunk(const QImage& bitmap);
    void WriteIndexAndPatch();
    [[noreturn]] void FailToFinish();

    FileReplacement output;
    qint64 end = 0; ///< the size of the file written so far
    BitmapInfoHeader format;
    qint64 sizeLimit;
    bool sizeLimitReached = false;
    qint64 moviListAt = 0;                   ///< position of the 'movi' LIST chunk
    qint64 totalFramesAt = 0;                ///< position of avih's frame count
    qint64 streamLengthAt = 0;               ///< position of strh's length
    std::vector<std::uint32_t> chunkOffsets; ///< each frame's chunk, from the 'movi' fourcc
    std::vector<char> chunk; ///< one frame's chunk, made by the first frame and reused
};

/// Starts the AVI file, which replaces an existing file of that name when it is closed, with
/// a stream of the first bitmap's size and format; writes no frame yet. Throws MottlerError
/// naming the file when it cannot be created (or is a folder), FailedToCreateDibMessage when
/// the bitmap cannot be read.
std::unique_ptr<AviFile> CreateAviFile(const QString& path, const AviStreamInfo& info,
                                       const QImage& firstBitmap, qint64 sizeLimit = AviSizeLimit);

/// Appends one bitmap as the next frame (see AviFile::AddFrame).
void AddAviFrame(const QImage& bitmap, AviFile& avi);

/// Writes the bitmaps as a 10 frames-a-second AVI file, replacing an existing file. Throws
/// MottlerError when there is nothing to write or writing fails (an earlier file then stays).
void SaveBitmapsAsAvi(const QString& path, const QList<QImage>& bitmaps);

} // namespace mottler
