#pragma once

#include <QCursor>

namespace mottler {

/// The eyedropper shown while a colour is taken from the screen (screen sampling, and the zoom
/// window once it shows a magnified picture).
QCursor SampleCursor();

/// The magnifying glass shown while dragging from the zoom window.
QCursor MagnifyCursor();

} // namespace mottler
