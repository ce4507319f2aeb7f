#include "recording/frameseries.h"

namespace mottler {

QString NumberedBmpFileName(const QString& path, int index) {
    const qsizetype nameStart = path.lastIndexOf('/') + 1;
    const QString numbered = QStringLiteral("%1.bmp").arg(index, 4, 10, QLatin1Char('0'));
    QString name = path.mid(nameStart);
    if (name.contains(QLatin1String(".bmp"), Qt::CaseInsensitive))
        name.replace(QLatin1String(".bmp"), numbered, Qt::CaseInsensitive);
    else
        name += numbered;
    return path.left(nameStart) + name;
}

} // namespace mottler
