#pragma once

#include <QString>

namespace mottler {

/// The QSettings("Quorvex", "Mottler") name of a value kept under a registry-style key. The
/// key may be given in full ("\Software\Quorvex\Mottler\Export") or relative to the
/// program's key ("Export", "\Export"); its subkeys become groups: "Export/Folder". An empty
/// key names a top-level value.
QString SettingsNameOf(const QString& key, const QString& valueName);

/// The folder part of a path with its trailing separator ("/a/b/c.bmp" → "/a/b/"); empty
/// when the path names no folder.
QString FolderOf(const QString& path);

/// Where a browse dialog opens, and whether the folder of the chosen file is stored back.
struct BrowseStart {
    QString Folder; ///< empty: the dialog's own choice
    bool StoreChosenFolder = false;
};

/// Chooses the start folder of a browse dialog: the folder of the box's current text when it
/// exists; else, when `settingsName` is not empty, the folder stored under that name (and
/// the chosen folder is stored back afterwards, so the first browse starts the habit); when
/// nothing usable is stored, the open dialog starts in `programFolder`.
BrowseStart ChooseBrowseStart(const QString& currentText, const QString& settingsName,
                              bool openDialog, const QString& programFolder);

} // namespace mottler
