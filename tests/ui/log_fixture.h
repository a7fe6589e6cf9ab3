#pragma once

#include "timestamp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Each test starts with no log in the prefix's application-data folder and leaves none behind.
class LogFixture : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    static void SeedLog(const std::vector<Timestamp>& records);
    static std::string LogBytes();
    static bool LogExists();
    static void MakeLogReadOnly(bool readOnly);
};
