#include "recording/aviwriter.h"

#include "base/errors.h"

#include <QCoreApplication>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace mottler {
namespace {

constexpr std::uint32_t AvifHasIndex = 0x10;
constexpr std::uint32_t AviifKeyFrame = 0x10;
constexpr qint64 ChunkHeaderSize = 8;
constexpr qint64 IndexEntrySize = 16;

/// Little-endian RIFF data built in memory; remembers where values were put.
class RiffBytes {
public:
    void FourCc(const char* code) { bytes.append(code, 4); }
    void U32(std::uint32_t v) { Append(v); }
    void I32(std::int32_t v) { Append(v); }
    void U16(std::uint16_t v) { Append(v); }
    void I16(std::int16_t v) { Append(v); }
    void Zeros(int count) { bytes.append(count, '\0'); }
    /// Starts a chunk or list and returns the position of its size field.
    qsizetype Open(const char* code) {
        FourCc(code);
        const qsizetype sizeAt = bytes.size();
        U32(0);
        return sizeAt;
    }
    void CloseAt(qsizetype sizeAt) {
        qToLittleEndian(static_cast<std::uint32_t>(bytes.size() - sizeAt - 4),
                        bytes.data() + sizeAt);
    }
    qsizetype Size() const { return bytes.size(); }
    const QByteArray& Bytes() const { return bytes; }

private:
    template <typename T> void Append(T v) {
        char raw[sizeof(T)];
        qToLittleEndian(v, raw);
        bytes.append(raw, sizeof(T));
    }
    QByteArray bytes;
};

void PutBitmapInfoHeader(RiffBytes& out, const BitmapInfoHeader& h) {
    out.U32(h.Size);
    out.I32(h.Width);
    out.I32(h.Height);
    out.U16(h.Planes);
    out.U16(h.BitCount);
    out.U32(h.Compression);
    out.U32(h.SizeImage);
    out.I32(h.XPelsPerMeter);
    out.I32(h.YPelsPerMeter);
    out.U32(h.ClrUsed);
    out.U32(h.ClrImportant);
}

// The frame rectangle's fields are 16 bits wide; players take the size from the format.
std::int16_t FrameEdge(std::int32_t pixels) {
    return static_cast<std::int16_t>(std::min<std::int32_t>(pixels, INT16_MAX));
}

QByteArray U32Bytes(std::uint32_t v) {
    QByteArray raw(4, '\0');
    qToLittleEndian(v, raw.data());
    return raw;
}

// The bitmap as BGR888, whose rows are the DIB's rows: the bitmap itself when it is one
// already (a texture bitmap), else a converted copy.
QImage Bgr888(const QImage& bitmap) {
    if (bitmap.format() == QImage::Format_BGR888)
        return bitmap;
    QImage converted;
    try {
        converted = bitmap.convertToFormat(QImage::Format_BGR888);
    } catch (const std::bad_alloc&) {
        throw MottlerError(
            QCoreApplication::translate("mottler::AviWriter", FailedToCreateDibMessage));
    }
    if (converted.isNull())
        throw MottlerError(
            QCoreApplication::translate("mottler::AviWriter", FailedToCreateDibMessage));
    return converted;
}

} // namespace

BitmapInfoHeader FillBitmapInfoHeader(const QImage& bitmap) {
    if (bitmap.isNull())
        throw MottlerError(
            QCoreApplication::translate("mottler::AviWriter", FailedToCreateDibMessage));
    BitmapInfoHeader h;
    h.Width = bitmap.width();
    h.Height = bitmap.height();
    const qint64 rowBytes = (qint64(h.Width) * h.BitCount + 31) / 32 * 4;
    const qint64 imageSize = rowBytes * h.Height;
    if (imageSize > std::numeric_limits<std::uint32_t>::max())
        throw MottlerError(
            QCoreApplication::translate("mottler::AviWriter", FailedToCreateDibMessage));
    h.SizeImage = static_cast<std::uint32_t>(imageSize);
    return h;
}

AviFile::AviFile(const QString& path, const BitmapInfoHeader& f, qint64 limit)
    : output(path), format(f), sizeLimit(limit) {}

AviFile::~AviFile() {
    try {
        Close();
    } catch (const std::exception&) {
        // Nothing more can be done here; callers who care call Close themselves.
    }
}

void AviFile::WriteHeaders(const AviStreamInfo& info) {
    // A zero rate or scale would divide by zero; such a stream is read as one frame a second.
    const std::uint32_t rate = std::max(info.Rate, 1u), scale = std::max(info.Scale, 1u);
    RiffBytes out;
    const qsizetype riff = out.Open("RIFF");
    out.FourCc("AVI ");
    const qsizetype hdrl = out.Open("LIST");
    out.FourCc("hdrl");

    const qsizetype avih = out.Open("avih");
    out.U32(
        static_cast<std::uint32_t>(std::min<std::uint64_t>(1000000ull * scale / rate, UINT32_MAX)));
    out.U32(static_cast<std::uint32_t>(
        std::min<std::uint64_t>(std::uint64_t(format.SizeImage) * rate / scale, UINT32_MAX)));
    out.U32(0); // padding granularity
    out.U32(AvifHasIndex);
    totalFramesAt = out.Size();
    out.U32(info.Length);
    out.U32(0); // initial frames
    out.U32(1); // streams
    out.U32(format.SizeImage);
    out.I32(format.Width);
    out.I32(format.Height);
    out.Zeros(16);
    out.CloseAt(avih);

    const qsizetype strl = out.Open("LIST");
    out.FourCc("strl");
    const qsizetype strh = out.Open("strh");
    out.FourCc("vids");
    out.U32(0); // handler: none, the bits are plain DIB rows
    out.U32(0); // flags
    out.U16(0); // priority
    out.U16(0); // language
    out.U32(0); // initial frames
    out.U32(scale);
    out.U32(rate);
    out.U32(0); // start
    streamLengthAt = out.Size();
    out.U32(info.Length);
    out.U32(format.SizeImage);
    out.U32(0); // quality
    out.U32(0); // sample size
    out.I16(0);
    out.I16(0);
    out.I16(FrameEdge(format.Width));
    out.I16(FrameEdge(format.Height));
    out.CloseAt(strh);
    const qsizetype strf = out.Open("strf");
    PutBitmapInfoHeader(out, format);
    out.CloseAt(strf);
    out.CloseAt(strl);
    out.CloseAt(hdrl);

    moviListAt = out.Size();
    out.Open("LIST");
    out.FourCc("movi");
    out.CloseAt(riff);
    if (!output.WriteAt(0, out.Bytes()))
        throw UserFileError(QCoreApplication::translate("mottler::AviWriter",
                                                        "Could not create the AVI file \"%1\": %2.")
                                .arg(output.Path(), output.ErrorText()));
    end = out.Size();
}

void AviFile::AddFrame(const QImage& bitmap) {
    if (!output.IsOpen())
        throw MottlerError(
            QCoreApplication::translate("mottler::AviWriter", CouldNotAddFrameMessage));
    try {
        AppendFrame(bitmap);
    } catch (...) {
        // Only a finished recording replaces an earlier file: a recording that failed is
        // deleted, and whatever was at the target stays. Reaching the size limit finishes it.
        if (!sizeLimitReached)
            output.Discard();
        throw;
    }
}

void AviFile::AppendFrame(const QImage& bitmap) {
    if (bitmap.isNull())
        throw MottlerError(
            QCoreApplication::translate("mottler::AviWriter", FailedToCreateDibMessage));
    if (bitmap.width() != format.Width || bitmap.height() != format.Height)
        throw MottlerError(QCoreApplication::translate(
                               "mottler::AviWriter",
                               "Could not add frame: it is %1 x %2 pixels, the video %3 x %4.")
                               .arg(bitmap.width())
                               .arg(bitmap.height())
                               .arg(format.Width)
                               .arg(format.Height));
    const qint64 at = end;
    const qint64 projected = at + ChunkHeaderSize + format.SizeImage + ChunkHeaderSize +
                             IndexEntrySize * (FrameCount() + 1);
    if (projected > sizeLimit) {
        sizeLimitReached = true;
        throw UserFileError(QCoreApplication::translate(
                                "mottler::AviWriter",
                                "The AVI file \"%1\" has reached 1 GB, the largest plain AVI file "
                                "many players can read.  It keeps the %2 frames written so far.")
                                .arg(output.Path())
                                .arg(FrameCount()));
    }
    FillChunk(bitmap);
    const auto bytes = static_cast<qint64>(chunk.size());
    if (!output.WriteAt(at, chunk.data(), bytes))
        throw UserFileError(
            QCoreApplication::translate("mottler::AviWriter", "%1 to \"%2\": %3.")
                .arg(QCoreApplication::translate("mottler::AviWriter", CouldNotAddFrameMessage),
                     output.Path(), output.ErrorText()));
    end = at + bytes;
    chunkOffsets.push_back(static_cast<std::uint32_t>(at - (moviListAt + ChunkHeaderSize)));
}

// The frame's whole chunk in the buffer kept from frame to frame: '00db', the size, then the
// bitmap's rows bottom-up, each padded with zeros to whole 32-bit words.
void AviFile::FillChunk(const QImage& bitmap) {
    const QImage bgr = Bgr888(bitmap);
    if (chunk.empty()) {
        try {
            chunk.assign(static_cast<std::size_t>(ChunkHeaderSize + format.SizeImage), '\0');
        } catch (const std::bad_alloc&) {
            throw MottlerError(
                QCoreApplication::translate("mottler::AviWriter", FailedToCreateDibMessage));
        }
        std::memcpy(chunk.data(), "00db", 4);
        qToLittleEndian(format.SizeImage, chunk.data() + 4);
    }
    const std::size_t stride = format.SizeImage / static_cast<std::uint32_t>(format.Height);
    const auto rowBytes = static_cast<std::size_t>(format.Width) * 3;
    for (int y = 0; y < format.Height; ++y)
        std::memcpy(chunk.data() + ChunkHeaderSize + stride * std::size_t(format.Height - 1 - y),
                    bgr.constScanLine(y), rowBytes);
}

void AviFile::WriteIndexAndPatch() {
    RiffBytes index;
    const qsizetype idx1 = index.Open("idx1");
    for (const std::uint32_t offset : chunkOffsets) {
        index.FourCc("00db");
        index.U32(AviifKeyFrame);
        index.U32(offset);
        index.U32(format.SizeImage);
    }
    index.CloseAt(idx1);
    const qint64 indexAt = end;
    const auto frames = static_cast<std::uint32_t>(FrameCount());
    const qint64 fileEnd = indexAt + index.Size();
    const bool written =
        output.WriteAt(indexAt, index.Bytes()) &&
        output.WriteAt(4, U32Bytes(static_cast<std::uint32_t>(fileEnd - ChunkHeaderSize))) &&
        output.WriteAt(moviListAt + 4, U32Bytes(static_cast<std::uint32_t>(indexAt - moviListAt -
                                                                           ChunkHeaderSize))) &&
        output.WriteAt(totalFramesAt, U32Bytes(frames)) &&
        output.WriteAt(streamLengthAt, U32Bytes(frames));
    if (!written)
        FailToFinish();
}

void AviFile::FailToFinish() {
    const QString reason = output.ErrorText();
    output.Discard();
    throw UserFileError(QCoreApplication::translate("mottler::AviWriter",
                                                    "Could not finish the AVI file \"%1\": %2.")
                            .arg(output.Path(), reason));
}

void AviFile::Close() {
    if (!output.IsOpen())
        return;
    WriteIndexAndPatch();
    output.Commit();
}

std::unique_ptr<AviFile> CreateAviFile(const QString& path, const AviStreamInfo& info,
                                       const QImage& firstBitmap, qint64 sizeLimit) {
    const BitmapInfoHeader format = FillBitmapInfoHeader(firstBitmap);
    if (path.isEmpty())
        throw UserFileError(QCoreApplication::translate(
            "mottler::AviWriter", "Could not create the AVI file \"\": no file name given."));
    // Nothing at `path` changes until the finished file replaces it; a failure here leaves no
    // temporary file behind either.
    std::unique_ptr<AviFile> avi;
    try {
        avi.reset(new AviFile(path, format, sizeLimit));
    } catch (const FileWriteError& error) {
        throw UserFileError(QCoreApplication::translate("mottler::AviWriter",
                                                        "Could not create the AVI file \"%1\": %2.")
                                .arg(path, error.Reason()));
    }
    try {
        avi->WriteHeaders(info);
    } catch (const MottlerError&) {
        avi->output.Discard();
        throw;
    }
    return avi;
}

void AddAviFrame(const QImage& bitmap, AviFile& avi) {
    avi.AddFrame(bitmap);
}

void SaveBitmapsAsAvi(const QString& path, const QList<QImage>& bitmaps) {
    if (bitmaps.isEmpty())
        throw MottlerError(QCoreApplication::translate("mottler::AviWriter",
                                                       "There are no frames to save in \"%1\".")
                               .arg(path));
    AviStreamInfo info;
    info.Length = static_cast<std::uint32_t>(bitmaps.size());
    const std::unique_ptr<AviFile> avi = CreateAviFile(path, info, bitmaps.front());
    for (const QImage& bitmap : bitmaps)
        AddAviFrame(bitmap, *avi);
    avi->Close();
}

} // namespace mottler
