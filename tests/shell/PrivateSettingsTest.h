#pragma once

#include "shell/SettingsLocation.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace vaultlet::test {

// A fixture whose settings live in a file of its own in a temporary folder; the location in force
// before is restored afterwards, so no test reads or changes another's settings or the user's.
class PrivateSettingsTest : public ::testing::Test {
protected:
    PrivateSettingsTest() { SettingsLocation::Set(m_settingsFile); }
    ~PrivateSettingsTest() override { SettingsLocation::Set(m_previousSettings); }

    TempDir m_root;
    const std::string m_settingsFile = m_root.File("settings.ini");

private:
    const std::string m_previousSettings = SettingsLocation::Get();
};

} // namespace vaultlet::test
