#include "output/jpegfile.h"

#include "base/bmpfile.h"
#include "base/errors.h"

#include <QCoreApplication>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace mottler {
namespace {

/// libjpeg reports failures through error_exit, which must not return: it jumps back into
/// Compress with the library's message.
struct JpegErrors {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

extern "C" void OnJpegError(j_common_ptr info) {
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    (*info->err->format_message)(info, errors->Message);
    std::longjmp(errors->Jump, 1);
}

/// Only plain C objects live in this function, so the jump out of libjpeg skips no
/// destructor. On success *buffer holds the file (malloc'ed by libjpeg; the caller frees).
bool Compress(const QImage& rgb, int quality, unsigned char** buffer, unsigned long* size,
              JpegErrors& errors) {
    jpeg_compress_struct info;
    info.err = jpeg_std_error(&errors.Manager);
    errors.Manager.error_exit = OnJpegError;
    if (setjmp(errors.Jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uchar*>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

QByteArray EncodeJpeg(const QImage& image, int quality) {
    if (image.isNull())
        throw MottlerError(
            QCoreApplication::translate("mottler::JpegFile", "There is no image to save."));
    if (quality < 1 || quality > 100)
        throw MottlerError(
            QCoreApplication::translate("mottler::JpegFile",
                                        "The JPEG quality must lie between 1 and 100, not %1.")
                .arg(quality));
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    JpegErrors errors{};
    const bool ok = Compress(rgb, quality, &buffer, &size, errors);
    QByteArray bytes;
    if (ok)
        bytes = QByteArray(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    if (!ok)
        throw MottlerError(QCoreApplication::translate("mottler::JpegFile",
                                                       "The JPEG image could not be encoded: %1.")
                               .arg(QString::fromLocal8Bit(errors.Message)));
    return bytes;
}

} // namespace mottler
