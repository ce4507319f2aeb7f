#pragma once

#include <QLabel>
#include <QWidget>
#include <initializer_list>

class QHBoxLayout;

namespace mottler {

/// A new widget of the window with the object name the tests and settings look it up by.
template <typename W> W* NamedWidget(QWidget* parent, const char* name) {
    auto* widget = new W(parent);
    widget->setObjectName(name);
    return widget;
}

/// A label whose access key moves the focus to `buddy`.
QLabel* BuddyCaption(QWidget* parent, const QString& text, QWidget* buddy);

/// The widgets side by side at their own widths, the rest of the row left empty.
QHBoxLayout* LeftAlignedRow(std::initializer_list<QWidget*> widgets);

/// A tab passes no height-for-width on to its page, so a word-wrapped label reserves the
/// height of its text wrapped at `characters` average characters itself.
void ReserveWrappedHeight(QLabel* label, int characters);

} // namespace mottler
