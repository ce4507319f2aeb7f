#include "base/usersettings.h"
#include "widgets/filebrowse.h"

#include <gtest/gtest.h>

namespace mottler {
namespace {

TEST(SettingsNameOf, MapsRegistryKeysOntoGroups) {
    EXPECT_EQ(SettingsNameOf("\\Software\\Quorvex\\Mottler\\Export", "Dir"), "Export/Dir");
    EXPECT_EQ(SettingsNameOf("\\software\\quorvex\\mottler", "Dir"), "Dir");
    EXPECT_EQ(SettingsNameOf("\\Export\\", "Dir"), "Export/Dir");
    EXPECT_EQ(SettingsNameOf("", "Dir"), "Dir");
}

TEST(ChooseBrowseStart, FallsBackToProgramFolderForOpenDialogsOnly) {
    // A first browse with nothing stored yet still stores the chosen folder afterwards.
    UserSettings::WriteString("Browse/Empty", QString());
    const BrowseStart first = ChooseBrowseStart("/gone/tile.bmp", "Browse/Empty", true, "/program");
    EXPECT_EQ(first.Folder, "/program");
    EXPECT_TRUE(first.StoreChosenFolder);

    EXPECT_EQ(ChooseBrowseStart("tile.bmp", QString(), true, "/program").Folder, "/program");
    const BrowseStart save = ChooseBrowseStart("tile.bmp", QString(), false, "/program");
    EXPECT_EQ(save.Folder, "");
    EXPECT_FALSE(save.StoreChosenFolder);
}

} // namespace
} // namespace mottler
