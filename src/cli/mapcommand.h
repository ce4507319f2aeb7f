#pragma once

#include <QStringList>

namespace mottler::cli {

/// `mottler-cli map`: grows a square map of variations of one texture (two values varied over
/// ranges, every core in use) and writes it as one image; returns the exit status. Needs a
/// QGuiApplication for --labels (the labels' fonts).
int RunMapCommand(const QStringList& args);

} // namespace mottler::cli
