#include "controls/filebrowse.h"

#include "presets/usersettings.h"
#include "testenv.h"

#include <QDir>
#include <gtest/gtest.h>

namespace mottler {
namespace {

TEST(SettingsNameOf, MapsRegistryKeysOntoGroups) {
    EXPECT_EQ(SettingsNameOf("\\Software\\Quorvex\\Mottler\\Export", "Dir"), "Export/Dir");
    EXPECT_EQ(SettingsNameOf("\\software\\quorvex\\mottler", "Dir"), "Dir");
    EXPECT_EQ(SettingsNameOf("\\Export\\", "Dir"), "Export/Dir");
    EXPECT_EQ(SettingsNameOf("", "Dir"), "Dir");
}

TEST(FolderOf, KeepsTheTrailingSeparator) {
    EXPECT_EQ(FolderOf("/a/b/c.bmp"), "/a/b/");
    EXPECT_EQ(FolderOf("/c.bmp"), "/");
    EXPECT_EQ(FolderOf("c.bmp"), "");
}

class ChooseBrowseStartTest : public testing::Test {
protected:
    void SetUp() override {
        QDir(home).mkpath("pictures");
        UserSettings::WriteString("Browse/Stored", QString());
    }
    const QString home = test::TestHome();
    const QString pictures = home + "/pictures/";
};

TEST_F(ChooseBrowseStartTest, ExistingFolderOfTheTextComesFirst) {
    UserSettings::WriteString("Browse/Stored", home);
    const BrowseStart start =
        ChooseBrowseStart(pictures + "tile.bmp", "Browse/Stored", true, "/program");
    EXPECT_EQ(start.folder, pictures);
    EXPECT_FALSE(start.storeChosenFolder);
}

TEST_F(ChooseBrowseStartTest, StoredFolderIsUsedAndStoredBackEvenWhenStillEmpty) {
    UserSettings::WriteString("Browse/Stored", pictures);
    EXPECT_EQ(ChooseBrowseStart("/gone/tile.bmp", "Browse/Stored", false, "/program").folder,
              pictures);
    UserSettings::WriteString("Browse/Stored", QString());
    const BrowseStart first = ChooseBrowseStart("", "Browse/Stored", true, "/program");
    EXPECT_EQ(first.folder, "/program");
    EXPECT_TRUE(first.storeChosenFolder);
}

TEST_F(ChooseBrowseStartTest, WithoutStoredFolderOnlyTheOpenDialogFallsBackToProgramFolder) {
    EXPECT_EQ(ChooseBrowseStart("tile.bmp", QString(), true, "/program").folder, "/program");
    const BrowseStart save = ChooseBrowseStart("tile.bmp", QString(), false, "/program");
    EXPECT_EQ(save.folder, "");
    EXPECT_FALSE(save.storeChosenFolder);
}

} // namespace
} // namespace mottler
