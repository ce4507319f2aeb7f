#pragma once

#include "engine/growth.h"
#include "engine/shapes.h"
#include "explore/variation.h"
#include "palette/palette.h"

#include <QImage>
#include <QString>
#include <atomic>
#include <memory>
#include <vector>

namespace mottler {

class TextureEngine;

/// Initial fields taken from a texture ("Image File": its picture's, which no seed redraws).
struct InitialFields {
    std::vector<float> A;
    std::vector<float> B;
};
InitialFields CopyInitialFields(const TextureEngine& engine);

/// How each cell's fields are made: the texture size, and either a seeding from the cell's
/// seed and texture type (as the Go button does) or a copy of a picture's initial fields.
struct CellSeeding {
    int Width = 0;
    int Height = 0;
    ShapeTuning Tuning;
    std::shared_ptr<const InitialFields> Picture; ///< for "Image File" textures
};

/// One grown cell: the state a fresh run of its variation leaves on display, scaled to
/// 0 … 255 as the display field holds it, so recolouring needs no new run.
struct GrownCell {
    int Width = 0;
    int Height = 0;
    std::vector<float> Display;
    RunOutcome Outcome = RunOutcome::Completed;
    QString Message; ///< why the run failed (overflow, an error)
    bool Failed() const { return Display.empty(); }
};

/// Grows the variation as a fresh run of the main window does, bit for bit: the same seeding
/// (the calling thread's generator set to the seed, then the texture type's seeding), the same
/// factors and the same engine. `cancel` stops the run at its next Escape poll; the cell then
/// holds the state reached.
GrownCell GrowVariation(const Variation& variation, const CellSeeding& seeding,
                        const std::atomic<bool>& cancel);

/// The cell coloured through the palette, as the main window colours its texture.
QImage ColourCell(const GrownCell& cell, const Palette& palette);

/// The cells of a columns × rows map (row-major) in the order they are grown: nearest the
/// centre first, ties in row-major order.
std::vector<int> CentreFirstOrder(int columns, int rows);

} // namespace mottler
