#include "log_fixture.h"

#include "contraction_log.h"
#include "temp_folder.h"
#include "time_zone.h"

#include <windows.h>

#include <filesystem>

void LogFixture::SetUp() {
    UseTimeZone("JST-9");
    ASSERT_NE(GetDataFilePath(), "");
    MakeLogReadOnly(false);
    std::filesystem::remove(GetDataFilePath());
}

void LogFixture::TearDown() {
    MakeLogReadOnly(false);
    std::filesystem::remove(GetDataFilePath());
}

void LogFixture::SeedLog(const std::vector<Timestamp>& records) {
    std::string bytes;
    for (const Timestamp t : records)
        bytes += std::to_string(t) + "\r\n";
    WriteBytes(GetDataFilePath(), bytes);
}

std::string LogFixture::LogBytes() {
    return ReadBytes(GetDataFilePath());
}

bool LogFixture::LogExists() {
    return std::filesystem::exists(GetDataFilePath());
}

void LogFixture::MakeLogReadOnly(bool readOnly) {
    SetFileAttributesA(GetDataFilePath().c_str(),
                       readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}
