#pragma once

#include <QStringList>

namespace mottler::cli {

/// `mottler-cli sheet`: draws every preset of a preset file into one contact sheet image;
/// returns the exit status. Needs a QGuiApplication (for the captions' fonts).
int RunSheetCommand(const QStringList& args);

} // namespace mottler::cli
