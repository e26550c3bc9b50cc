#include "support/areg.h"
#include "tests/common/file_tree.h"
#include "tests/common/scoped.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

class ARegTest : public ::testing::Test {
protected:
    FileTree tree;
    ScopedEnv config{"XDG_CONFIG_HOME", tree.Path("config")};
    std::string settingsFile = tree.Path("config/Korvath/Samefold.conf");
};

TEST_F(ARegTest, AnAbsentKeyDoesNotOpenAndNothingIsWritten)
{
    AReg key;
    EXPECT_FALSE(key.OpenKey(AReg::HKEY_CURRENT_USER, SettingsKeyPath, AReg::KEY_ALL_ACCESS));
    EXPECT_EQ(key.hKey, nullptr);
    EXPECT_EQ(key.Access, AReg::KEY_ALL_ACCESS);
    DWORD value = 99;
    EXPECT_FALSE(key.ReadDword("DontShowQI", value));
    EXPECT_EQ(value, 0u);
    EXPECT_FALSE(key.WriteDword("DontShowQI", 1));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(settingsFile)));
}

TEST_F(ARegTest, AWrittenDwordReadsBack)
{
    tree.Write("config/Korvath/Samefold.conf", "");
    {
        AReg key;
        ASSERT_TRUE(key.OpenKey(AReg::HKEY_CURRENT_USER, SettingsKeyPath, AReg::KEY_ALL_ACCESS));
        DWORD value = 99;
        EXPECT_FALSE(key.ReadDword("DontShowQI", value));
        EXPECT_EQ(value, 0u);
        EXPECT_TRUE(key.WriteDword("DontShowQI", 1));
    }
    AReg again;
    ASSERT_TRUE(again.OpenKey(AReg::HKEY_CURRENT_USER, SettingsKeyPath, AReg::KEY_READ));
    DWORD value = 0;
    EXPECT_TRUE(again.ReadDword("DontShowQI", value));
    EXPECT_EQ(value, 1u);
    EXPECT_FALSE(again.WriteDword("DontShowQI", 0)) << "opened for reading only";
}

TEST_F(ARegTest, CloseTwiceReturnsTrueTheSecondTime)
{
    tree.Write("config/Korvath/Samefold.conf", "");
    AReg key;
    ASSERT_TRUE(key.OpenKey(AReg::HKEY_CURRENT_USER, SettingsKeyPath, AReg::KEY_ALL_ACCESS));
    EXPECT_TRUE(key.Close());
    EXPECT_TRUE(key.Closed);
    EXPECT_TRUE(key.Close());
}

}  // namespace
