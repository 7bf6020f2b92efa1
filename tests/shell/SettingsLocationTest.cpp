#include "shell/SettingsLocation.h"

#include <gtest/gtest.h>

using namespace vaultlet;

TEST(SettingsLocationTest, CommandLineThenIniBesideAPortableCopyThenRegistry) {
    const std::string exe = "D:\\Tools\\Vaultlet.exe";
    EXPECT_EQ(SettingsLocation::Choose("E:\\cfg.ini", true, exe), "E:\\cfg.ini");
    EXPECT_EQ(SettingsLocation::Choose("E:\\cfg.ini", false, exe), "E:\\cfg.ini");
    EXPECT_EQ(SettingsLocation::Choose("", false, exe), "D:\\Tools\\Vaultlet.ini");
    EXPECT_EQ(SettingsLocation::Choose("", true, exe), "") << "an installed copy uses the registry";
}
