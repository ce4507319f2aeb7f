#pragma once

#include <initializer_list>

class QHBoxLayout;
class QLabel;
class QWidget;

namespace mottler {

/// The widgets side by side at their own widths, the rest of the row left empty.
QHBoxLayout* LeftAlignedRow(std::initializer_list<QWidget*> widgets);

/// A tab passes no height-for-width on to its page, so a word-wrapped label reserves the
/// height of its text wrapped at `characters` average characters itself.
void ReserveWrappedHeight(QLabel* label, int characters);

} // namespace mottler
