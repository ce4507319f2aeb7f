#pragma once

#include <QString>

namespace mottler::test {

/// Points MOTTLER_HOME and XDG_CONFIG_HOME into a fresh temporary folder so that no test
/// touches the real home folder. Called by each test executable's main before anything else.
void IsolateUserFolders();

/// The temporary folder made by IsolateUserFolders.
QString TestHome();

/// An empty folder of that name in TestHome (emptied when it exists).
QString FreshFolder(const QString& name);

} // namespace mottler::test
