#include "presets/programsettings.h"

#include <QSettings>
#include <gtest/gtest.h>

using namespace mottler;

namespace {

class ProgramSettingsTest : public testing::Test {
protected:
    QSettings store{QStringLiteral("Quorvex"), QStringLiteral("Mottler")};
    void SetUp() override { store.clear(); }
    void TearDown() override { store.clear(); }
};

} // namespace

TEST_F(ProgramSettingsTest, AnEmptyWidthIsStoredAsZeroAndAnyNonZeroFlagIsTrue) {
    ProgramSettings settings;
    settings.BorderSaveWidth = "";
    settings.BorderSaveHeight = "12.5";
    SaveSettings(settings);
    store.setValue("UseNewFilename", "2");
    store.sync();
    const ProgramSettings loaded = LoadSettings();
    EXPECT_EQ(loaded.BorderSaveWidth, "0");
    EXPECT_EQ(loaded.BorderSaveHeight, "0");
    EXPECT_TRUE(loaded.UseNewFilename);
}
