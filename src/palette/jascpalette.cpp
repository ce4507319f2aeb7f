#include "base/errors.h"
#include "palette/palettefile.h"

#include <QCoreApplication>
#include <QList>

namespace mottler {
namespace {

constexpr int FirstColourLine = 3; // zero-based: the fourth line holds the first colour

/// The first `wanted` lines of the text, each without its CR LF or LF ending. Stops early so
/// that a file of many short lines is never split further than the palette needs.
QList<QByteArray> LeadingLines(const QByteArray& bytes, int wanted) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (lines.size() < wanted && start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArray line = bytes.mid(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(line);
        start = end + 1;
    }
    return lines;
}

/// The stated colour count, at most 256; text that is not a number (or is negative) reads 0.
int ParseCount(const QByteArray& line) {
    bool ok = false;
    const int count = line.trimmed().toInt(&ok);
    if (!ok || count < 0)
        return 0;
    return count < 256 ? count : 256;
}

/// One "red green blue" line. A blank line gives black, like a missing one.
PackedColour ParseColourLine(const QByteArray& line, int lineNumber) {
    if (line.trimmed().isEmpty())
        return 0;
    const QList<QByteArray> parts = line.simplified().split(' ');
    int channels[3] = {};
    bool ok = parts.size() == 3;
    for (int i = 0; ok && i < 3; ++i) {
        channels[i] = parts[i].toInt(&ok);
        ok = ok && channels[i] >= 0 && channels[i] <= 255;
    }
    if (!ok)
        throw MottlerError(
            QCoreApplication::translate("mottler::PaletteFile",
                                        "Line %1 of this JASC palette is not a color given as "
                                        "three numbers from 0 to 255.")
                .arg(lineNumber));
    return PackRgb(channels[0], channels[1], channels[2]);
}

} // namespace

PaletteFileColours ReadJascPalette(const QByteArray& bytes) {
    if (!bytes.startsWith("JASC-PAL"))
        throw MottlerError(QCoreApplication::translate(
            "mottler::PaletteFile", "This file is not a JASC palette: it does not begin "
                                    "with \"JASC-PAL\"."));
    const QList<QByteArray> lines = LeadingLines(bytes, FirstColourLine + 256);
    PaletteFileColours result;
    result.Count = lines.size() > 2 ? ParseCount(lines[2]) : 0;
    for (int i = 0; i < result.Count && FirstColourLine + i < lines.size(); ++i)
        result.Colours[static_cast<std::size_t>(i)] =
            ParseColourLine(lines[FirstColourLine + i], FirstColourLine + i + 1);
    return result;
}

} // namespace mottler
