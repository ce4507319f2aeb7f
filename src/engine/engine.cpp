#include "engine/engine.h"

#include "base/errors.h"
#include "base/memoryprobe.h"
#include "engine/sweep.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <unistd.h>

namespace mottler {
namespace {

constexpr int FieldCount = 6;

// Bytes a texture of `cells` cells needs: six float fields and the 24-bit bitmap.
double BytesNeeded(double cells) {
    return cells * (FieldCount * 4.0 + 3.0);
}

double PhysicalMemory() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    return pages > 0 && pageSize > 0 ? double(pages) * double(pageSize) : 0.0;
}

// Fields are touched by the seeding straight away, so a size that only fits in overcommitted
// address space would end in the kernel killing the program: the new fields must fit into
// physical memory and into what is available now beside the fields they replace (those are
// freed only once the new ones exist, so a failure can leave them as they were).
bool SizeFitsMemory(int w, int h) {
    if (w < 1 || h < 1)
        return false;
    const double cells = double(w) * double(h);
    const double bytes = BytesNeeded(cells);
    return cells <= 2147483647.0 && bytes <= PhysicalMemory() &&
           FitsAvailableMemory(static_cast<std::uint64_t>(bytes));
}

} // namespace

void TextureEngine::SetTextureSize(int w, int h) {
    if (!SizeFitsMemory(w, h))
        throw MottlerError(QCoreApplication::translate("mottler::Engine", NotEnoughMemoryMessage));
    const auto cells = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);

    std::array<ChemicalField, FieldCount> fresh;
    ChemicalField row;
    for (auto& field : fresh)
        if (!field.Allocate(cells))
            throw MottlerError(
                QCoreApplication::translate("mottler::Engine", NotEnoughMemoryMessage));
    if (!row.Allocate(SweepScratchCells(w)))
        throw MottlerError(QCoreApplication::translate("mottler::Engine", NotEnoughMemoryMessage));
    QImage bitmap(w, h, QImage::Format_BGR888);
    if (bitmap.isNull())
        throw MottlerError(QCoreApplication::translate("mottler::Engine", NotEnoughMemoryMessage));
    bitmap.fill(Qt::white);
    // The scaled fields are shown (recoloured) before any run fills them: start them at
    // palette entry 0 rather than leaving arbitrary bytes to be used as palette indices.
    std::fill_n(fresh[4].Data(), cells, 0.0f);
    std::fill_n(fresh[5].Data(), cells, 0.0f);

    FieldA = std::move(fresh[0]);
    FieldB = std::move(fresh[1]);
    InitialA = std::move(fresh[2]);
    InitialB = std::move(fresh[3]);
    DisplayField = std::move(fresh[4]);
    PaletteIndexField = std::move(fresh[5]);
    ScratchRows = std::move(row);
    TextureBitmap = std::move(bitmap);
    width = w;
    height = h;
}

} // namespace mottler
