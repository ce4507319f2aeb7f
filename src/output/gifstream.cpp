#include "output/gifstream.h"

#include "base/errors.h"
#include "base/filereplacement.h"

#include <QCoreApplication>
#include <algorithm>
#include <gif_lib.h>
#include <memory>

namespace mottler {
namespace {

[[noreturn]] void FailWithCode(int code) {
    const char* reason = GifErrorString(code);
    throw MottlerError(
        QCoreApplication::translate("mottler::GifStream", "The GIF image could not be encoded: %1.")
            .arg(reason ? QString::fromLatin1(reason) : QString::number(code)));
}

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, MapDeleter>;

/// A giflib colour map of the colours, padded with black to the power of two GIF needs.
ColourMap MakeColourMap(const std::vector<PackedColour>& colours) {
    if (colours.empty())
        return nullptr;
    if (colours.size() > 256)
        throw MottlerError(QCoreApplication::translate(
            "mottler::GifStream", "The GIF image could not be encoded: more than 256 colours."));
    int size = 2;
    while (size < static_cast<int>(colours.size()))
        size *= 2;
    ColourMap map(GifMakeMapObject(size, nullptr));
    if (!map)
        FailWithCode(E_GIF_ERR_NOT_ENOUGH_MEM);
    std::fill(map->Colors, map->Colors + size, GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < colours.size(); ++i)
        map->Colors[i] = GifColorType{static_cast<GifByteType>(RedOf(colours[i])),
                                      static_cast<GifByteType>(GreenOf(colours[i])),
                                      static_cast<GifByteType>(BlueOf(colours[i]))};
    return map;
}

void CheckSide(int side) {
    if (side < 1 || side > GifMaxSide)
        throw MottlerError(
            QCoreApplication::translate("mottler::GifStream",
                                        "A GIF image cannot be %1 pixels wide or high (1 … %2).")
                .arg(side)
                .arg(GifMaxSide));
}

} // namespace

// The public constructors delegate to the private one, so the object is whole before the
// screen is written: when writing it fails, the destructor still closes giflib's file.
GifStream::GifStream(int width, int height, const std::vector<PackedColour>& globalColours)
    : GifStream(nullptr) {
    Start(width, height, globalColours);
}

GifStream::GifStream(int width, int height, const std::vector<PackedColour>& globalColours,
                     FileReplacement& output)
    : GifStream(&output) {
    Start(width, height, globalColours);
}

int GifStream::Output(GifFileType* gif, const GifByteType* data, int length) {
    auto* stream = static_cast<GifStream*>(gif->UserData);
    const auto* bytes = reinterpret_cast<const char*>(data);
    if (!stream->file) {
        stream->bytes.append(bytes, length);
        return length;
    }
    if (!stream->file->WriteAt(stream->fileEnd, bytes, length)) {
        stream->fileFailed = true;
        return 0;
    }
    stream->fileEnd += length;
    return length;
}

void GifStream::Start(int width, int height, const std::vector<PackedColour>& globalColours) {
    CheckSide(width);
    CheckSide(height);
    int error = 0;
    gif = EGifOpen(this, Output, &error);
    if (!gif)
        FailWithCode(error);
    EGifSetGifVersion(gif, true);
    const ColourMap map = MakeColourMap(globalColours);
    Check(EGifPutScreenDesc(gif, width, height, 8, 0, map.get()));
}

GifStream::~GifStream() {
    if (gif)
        EGifCloseFile(gif, nullptr);
}

void GifStream::Check(int giflibResult) const {
    if (giflibResult != GIF_OK)
        Fail(gif->Error);
}

void GifStream::Fail(int code) const {
    if (fileFailed)
        throw FileWriteError(file->Path(), file->ErrorText());
    FailWithCode(code);
}

void GifStream::PutLoopForever() {
    static const GifByteType Identifier[] = "NETSCAPE2.0";
    static const GifByteType LoopForever[3] = {1, 0, 0}; // sub-block 1, loop count 0
    Check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE));
    Check(EGifPutExtensionBlock(gif, 11, Identifier));
    Check(EGifPutExtensionBlock(gif, 3, LoopForever));
    Check(EGifPutExtensionTrailer(gif));
}

void GifStream::PutGraphicControl(int delay, int transparentIndex) {
    GraphicsControlBlock block{};
    block.DelayTime = delay;
    block.TransparentColor = transparentIndex >= 0 ? transparentIndex : NO_TRANSPARENT_COLOR;
    block.DisposalMode = transparentIndex >= 0 ? DISPOSE_BACKGROUND : DISPOSAL_UNSPECIFIED;
    GifByteType extension[4];
    const std::size_t length = EGifGCBToExtension(&block, extension);
    Check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension));
}

void GifStream::PutImage(int width, int height, const std::vector<std::uint8_t>& indices,
                         const std::vector<PackedColour>& localColours) {
    CheckSide(width);
    CheckSide(height);
    const ColourMap map = MakeColourMap(localColours);
    // giflib forgets, without freeing it, the local table of the image before when this one
    // has none.
    if (!map && gif->Image.ColorMap != nullptr) {
        GifFreeMapObject(gif->Image.ColorMap);
        gif->Image.ColorMap = nullptr;
    }
    Check(EGifPutImageDesc(gif, 0, 0, width, height, false, map.get()));
    // giflib takes the row through a non-const pointer but only reads it.
    std::vector<GifPixelType> row(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        const auto start = indices.begin() + static_cast<std::ptrdiff_t>(y) * width;
        std::copy(start, start + width, row.begin());
        Check(EGifPutLine(gif, row.data(), width));
    }
}

QByteArray GifStream::Finish() {
    int error = 0;
    const int result = EGifCloseFile(gif, &error);
    gif = nullptr;
    if (result != GIF_OK)
        Fail(error);
    return std::move(bytes);
}

int FindExactColour(const std::vector<PackedColour>& table, PackedColour colour) {
    const auto found = std::find(table.begin(), table.end(), colour);
    return found == table.end() ? -1 : static_cast<int>(found - table.begin());
}

} // namespace mottler
