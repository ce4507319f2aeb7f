#pragma once

#include "engine/chemicalfield.h"

#include <QImage>
#include <cstdint>

namespace mottler {

/// Shown when the fields of a requested texture size cannot be allocated.
inline constexpr const char* NotEnoughMemoryMessage = QT_TRANSLATE_NOOP(
    "mottler::Engine",
    "There is not enough memory to support textures of that size.  Please choose a smaller "
    "size (e.g. 100 X 100) for your textures.");

/// Switches toggled from the age thumbnails; a run reads them anew at every iteration.
struct EngineSwitches {
    bool ProcessMessagesDuringGrowth = false;
    bool PaintAges = true;
    bool ShowProgress = true;
};

/// The one texture of the program: grid geometry, the six chemical fields and the state that
/// lives beside them. The main window (or the command-line tool) owns exactly one.
class TextureEngine {
public:
    /// The highest palette index, the numerator of the render scale.
    static constexpr int PaletteTop = 255;

    /// Replaces all six fields and resizes the texture bitmap (filled white). A size whose
    /// fields would not fit into the memory available now is refused before anything is
    /// allocated. On failure it throws MottlerError(NotEnoughMemoryMessage) and the previous
    /// size, fields and bitmap stay exactly as they were. The chemical fields are undefined
    /// afterwards (seed next); the display and palette-index fields start at 0.
    void SetTextureSize(int width, int height);

    bool HasFields() const { return FieldA.IsAllocated(); }
    int Width() const { return width; }
    int Height() const { return height; }
    int MaxX() const { return width - 1; }
    int MaxY() const { return height - 1; }
    int LastIndex() const { return width * height - 1; }
    int CellCount() const { return width * height; }

    ChemicalField FieldA;            ///< chemical A, the live state that is displayed
    ChemicalField FieldB;            ///< chemical B, the live state
    ChemicalField InitialA;          ///< A as seeded; every fresh run starts from it
    ChemicalField InitialB;          ///< B as seeded
    ChemicalField DisplayField;      ///< the state on display, scaled to 0 … 255
    ChemicalField PaletteIndexField; ///< the scaled copy made during a run (frames copy it)
    ChemicalField ScratchRows;       ///< scratch rows for the sweep and vertical drift

    float FieldMin = 0.0f; ///< least value of A in the latest sweep
    float FieldMax = 0.0f; ///< greatest value of A in the latest sweep
    std::int32_t CurrentSeed = 0;
    EngineSwitches Switches;

    QImage TextureBitmap;        ///< W × H, 24-bit (BGR888): the state on display, coloured
    QImage InitialTextureBitmap; ///< the picture the last shapes or image seeding was made from

private:
    int width = 0;
    int height = 0;
};

} // namespace mottler
