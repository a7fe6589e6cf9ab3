#include "contraction_log.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace {
#ifdef _WIN32
// In a fresh Wine prefix, as on Windows, the log lies in the user's roaming application data.
TEST(DataFolder, LogLiesInTheRoamingApplicationDataFolder) {
    const char* appData = std::getenv("APPDATA");
    ASSERT_NE(appData, nullptr);
    const std::string path = GetDataFilePath();
    EXPECT_EQ(path, std::string(appData) + "\\tamvoRICK.dat");
    EXPECT_TRUE(std::filesystem::is_directory(appData));
}
#else
class DataFolder : public testing::Test {
  protected:
    void SetUp() override {
        Save("XDG_DATA_HOME", m_dataHome);
        Save("HOME", m_home);
    }
    void TearDown() override {
        Restore("XDG_DATA_HOME", m_dataHome);
        Restore("HOME", m_home);
    }

  private:
    static void Save(const char* name, std::optional<std::string>& saved) {
        if (const char* value = std::getenv(name))
            saved = value;
    }
    static void Restore(const char* name, const std::optional<std::string>& saved) {
        if (saved)
            setenv(name, saved->c_str(), 1);
        else
            unsetenv(name);
    }
    std::optional<std::string> m_dataHome, m_home;
};

TEST_F(DataFolder, FollowsXdgDataHomeThenHome) {
    setenv("HOME", "/home/mother", 1);
    setenv("XDG_DATA_HOME", "/data/here", 1);
    EXPECT_EQ(GetDataFilePath(), "/data/here/tamvoRICK.dat");
    setenv("XDG_DATA_HOME", "", 1);
    EXPECT_EQ(GetDataFilePath(), "/home/mother/.local/share/tamvoRICK.dat");
    setenv("XDG_DATA_HOME", "relative/folder", 1);
    EXPECT_EQ(GetDataFilePath(), "/home/mother/.local/share/tamvoRICK.dat");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(GetDataFilePath(), "/home/mother/.local/share/tamvoRICK.dat");
}

TEST_F(DataFolder, NoFolderMeansNoLog) {
    unsetenv("XDG_DATA_HOME");
    unsetenv("HOME");
    EXPECT_EQ(GetDataFilePath(), "");
    EXPECT_FALSE(AppendTimestamp());
    EXPECT_FALSE(ReadLog().has_value());
}

TEST_F(DataFolder, NeverCreatesTheFolder) {
    const auto missing = std::filesystem::temp_directory_path() / "tamvorick-no-such-folder";
    std::filesystem::remove_all(missing);
    setenv("XDG_DATA_HOME", missing.c_str(), 1);
    EXPECT_FALSE(AppendTimestamp());
    ClearLog();
    EXPECT_FALSE(std::filesystem::exists(missing));
}
#endif
} // namespace
