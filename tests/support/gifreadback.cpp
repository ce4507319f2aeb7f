#include "gifreadback.h"

#include "avireadback.h"

#include <QFile>
#include <gif_lib.h>
#include <gtest/gtest.h>

namespace mottler::test {
namespace {

void ReadExtensions(const SavedImage& image, GifImageInfo& info) {
    for (int k = 0; k < image.ExtensionBlockCount; ++k) {
        const ExtensionBlock& block = image.ExtensionBlocks[k];
        if (block.Function == GRAPHICS_EXT_FUNC_CODE) {
            GraphicsControlBlock control{};
            DGifExtensionToGCB(static_cast<std::size_t>(block.ByteCount), block.Bytes, &control);
            info.Delay = control.DelayTime;
            info.TransparentIndex = control.TransparentColor;
            info.Disposal = control.DisposalMode;
        }
        const bool netscape =
            block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
            QByteArray(reinterpret_cast<const char*>(block.Bytes), 11) == "NETSCAPE2.0";
        if (netscape && k == 0 && k + 1 < image.ExtensionBlockCount) {
            const ExtensionBlock& data = image.ExtensionBlocks[k + 1];
            info.LoopBlockFirst = data.ByteCount == 3 && data.Bytes[0] == 1;
            info.LoopCount = data.Bytes[1] | data.Bytes[2] << 8;
        }
    }
}

} // namespace

GifInfo ReadGifInfo(const QString& path) {
    GifInfo info;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        info.Signature = file.read(6);
    int error = 0;
    GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (!gif) {
        ADD_FAILURE() << "giflib cannot open " << path.toStdString() << ": " << error;
        return info;
    }
    EXPECT_EQ(DGifSlurp(gif), GIF_OK) << GifErrorString(gif->Error);
    info.Width = gif->SWidth;
    info.Height = gif->SHeight;
    if (gif->SColorMap)
        for (int i = 0; i < gif->SColorMap->ColorCount; ++i) {
            const GifColorType c = gif->SColorMap->Colors[i];
            info.GlobalColours.push_back(unsigned(c.Red) << 16 | unsigned(c.Green) << 8 | c.Blue);
        }
    for (int i = 0; i < gif->ImageCount; ++i) {
        GifImageInfo image;
        image.LocalTable = gif->SavedImages[i].ImageDesc.ColorMap != nullptr;
        ReadExtensions(gif->SavedImages[i], image);
        info.Images.push_back(image);
    }
    DGifCloseFile(gif, &error);
    return info;
}

QString IdentifyVerbose(const QString& path) {
    const ToolResult result = RunTool("identify", {"-verbose", path});
    EXPECT_EQ(result.ExitCode, 0) << result.Err.toStdString();
    return QString::fromUtf8(result.Out);
}

bool ImageMagickAvailable() {
    return RunTool("identify", {"-version"}).ExitCode == 0;
}

} // namespace mottler::test
