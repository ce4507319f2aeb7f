#pragma once

#include "avireadback.h"

#include <QStringList>

namespace mottler::test {

/// `mottler-cli grow` of a small texture that changes over its 20 iterations (seed 3,
/// 16 × 12 cells, factors A 50 and B 200), with the options given.
inline ToolResult GrowSmallTexture(const QStringList& extra) {
    return RunTool(MOTTLER_CLI_PATH,
                   QStringList{"grow", "--seed", "3", "--width", "16", "--height", "12",
                               "--iterations", "20", "--a", "50", "--b", "200"} +
                       extra);
}

} // namespace mottler::test
