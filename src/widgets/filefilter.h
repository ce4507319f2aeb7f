#pragma once

#include <QString>

namespace mottler {

/// Converts a file-type filter written as pairs "Description|*.ext;*.ex2|Description 2|*.x"
/// into Qt's form "Description (*.ext *.ex2);;Description 2 (*.x)". A description that
/// already ends in its own patterns in brackets ("Bitmaps (*.bmp)|*.bmp") keeps them once; one
/// that is its patterns, or empty ("*.gif|*.gif"), becomes the patterns alone ("*.gif"); a
/// trailing description without patterns is left out. An empty filter stays empty.
QString QtFileFilter(const QString& filter);

/// The default suffix for a file dialog from an extension given as ".bmp" or "bmp".
QString DefaultSuffix(const QString& extension);

} // namespace mottler
