#pragma once

#include "output/videoencoder.h"

#include <QString>
#include <QStringList>

namespace mottler {

/// Where the video module is looked for, in order: beside the running program (the build
/// folder, a program run from where it was unpacked), then in the library folder of the
/// installation the program lies in.
QStringList VideoModulePaths();

/// The video module's interface, loaded on first use and kept for the rest of the process.
/// When no place holds a module that loads, returns nothing and sets `reason` to the
/// loader's texts.
const VideoModuleInterface* LoadedVideoModule(QString& reason);

} // namespace mottler
