#include "base/bmpfile.h"

#include "base/imagememory.h"

#include <QCoreApplication>
#include <QtEndian>
#include <cstring>

namespace mottler {
namespace {

void Put16(QByteArray& out, qsizetype at, quint16 v) {
    qToLittleEndian(v, out.data() + at);
}
void Put32(QByteArray& out, qsizetype at, quint32 v) {
    qToLittleEndian(v, out.data() + at);
}

} // namespace

QByteArray EncodeBmp24(const QImage& image) {
    if (image.isNull())
        throw MottlerError(
            QCoreApplication::translate("mottler::BmpFile", "There is no picture to write."));
    const QImage bgr = ConvertedImage(image, QImage::Format_BGR888);
    const int w = bgr.width(), h = bgr.height();
    const qsizetype stride = (static_cast<qsizetype>(w) * 3 + 3) / 4 * 4;
    const qsizetype imageSize = stride * h;
    constexpr qsizetype headers = 14 + 40;
    QByteArray out(headers + imageSize, '\0');

    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<quint32>(headers + imageSize));
    Put32(out, 10, headers);
    Put32(out, 14, 40);
    Put32(out, 18, static_cast<quint32>(w));
    Put32(out, 22, static_cast<quint32>(h));
    Put16(out, 26, 1);
    Put16(out, 28, 24);
    Put32(out, 34, static_cast<quint32>(imageSize));
    for (int y = 0; y < h; ++y)
        std::memcpy(out.data() + headers + stride * (h - 1 - y), bgr.constScanLine(y),
                    static_cast<std::size_t>(w) * 3);
    return out;
}

void WriteBmp24(const QImage& image, const QString& path) {
    WriteFileAtomically(path, EncodeBmp24(image));
}

} // namespace mottler
