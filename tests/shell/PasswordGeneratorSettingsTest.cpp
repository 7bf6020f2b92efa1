#include "shell/PasswordGeneratorSettings.h"

#include "shell/IniFile.h"
#include "shell/Settings.h"
#include "shell/SettingsLocation.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

class PasswordGeneratorSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = SettingsLocation::Get();
        SettingsLocation::Set(m_folder.File("Vaultlet.ini"));
    }
    void TearDown() override { SettingsLocation::Set(m_previous); }

    test::TempDir m_folder;
    std::string m_previous;
};

TEST_F(PasswordGeneratorSettingsTest, DefaultsWithoutStoredValues) {
    const PasswordGeneratorSettings loaded = PasswordGeneratorSettings::Load();
    EXPECT_EQ(loaded.length, 10);
    EXPECT_EQ(loaded.options.passwordClass, PasswordClass::LettersAndNumbers);
    EXPECT_EQ(loaded.options.letterCase, LetterCase::Mixed);
    EXPECT_TRUE(loaded.options.excludeSimilar);
    EXPECT_TRUE(loaded.options.excludeDuplicate);
}

TEST_F(PasswordGeneratorSettingsTest, StoredValuesRoundTripAndUnknownOnesSelectTheLastChoice) {
    PasswordGeneratorSettings chosen;
    chosen.length = 0;
    chosen.options.passwordClass = PasswordClass::Hex;
    chosen.options.letterCase = LetterCase::Lower;
    chosen.options.excludeSimilar = false;
    chosen.options.excludeDuplicate = true;
    chosen.Store();
    EXPECT_EQ(Settings::ReadInt("PassGenPasswordLen", -1), 0);
    EXPECT_EQ(Settings::ReadInt("PassGenType", -1), 1);
    EXPECT_EQ(Settings::ReadInt("PassGenCase", -1), 0);
    EXPECT_EQ(Settings::ReadInt("PassGenExcludeSimilar", -1), 0);
    EXPECT_EQ(Settings::ReadInt("PassGenExcludeDuplicate", -1), 1);
    PasswordGeneratorSettings loaded = PasswordGeneratorSettings::Load();
    EXPECT_EQ(loaded.length, 0);
    EXPECT_EQ(loaded.options.passwordClass, PasswordClass::Hex);
    EXPECT_EQ(loaded.options.letterCase, LetterCase::Lower);
    EXPECT_FALSE(loaded.options.excludeSimilar);

    Settings::WriteInt("PassGenType", 7);
    Settings::WriteInt("PassGenCase", -1);
    Settings::WriteInt("PassGenExcludeSimilar", 5);
    Settings::WriteInt("PassGenExcludeDuplicate", 0);
    Settings::WriteInt("PassGenPasswordLen", 200);
    loaded = PasswordGeneratorSettings::Load();
    EXPECT_EQ(loaded.options.passwordClass, PasswordClass::LettersAndNumbers);
    EXPECT_EQ(loaded.options.letterCase, LetterCase::Mixed);
    EXPECT_TRUE(loaded.options.excludeSimilar);
    EXPECT_FALSE(loaded.options.excludeDuplicate);
    EXPECT_EQ(loaded.length, 200);
    // Storing what was loaded writes the normalised choices.
    loaded.Store();
    EXPECT_EQ(Settings::ReadInt("PassGenType", -1), 3);
    // Symbols are the one class a setting written before them never names.
    loaded.options.passwordClass = PasswordClass::LettersNumbersAndSymbols;
    loaded.Store();
    EXPECT_EQ(Settings::ReadInt("PassGenType", -1), 4);
    EXPECT_EQ(PasswordGeneratorSettings::Load().options.passwordClass, PasswordClass::LettersNumbersAndSymbols);
    EXPECT_EQ(Settings::ReadInt("PassGenCase", -1), 2);
    EXPECT_EQ(Settings::ReadInt("PassGenExcludeSimilar", -1), 1);
}

TEST_F(PasswordGeneratorSettingsTest, LengthTextAndRadioPositions) {
    EXPECT_EQ(PasswordGeneratorSettings::ParseLength(""), 0);
    EXPECT_EQ(PasswordGeneratorSettings::ParseLength("200"), 200);
    EXPECT_EQ(PasswordGeneratorSettings::ParseLength("12ab"), 12);
    EXPECT_EQ(PasswordGeneratorSettings::ParseLength("ab12"), 0);
    EXPECT_EQ(PasswordGeneratorSettings::ParseLength("-4"), -4);
    EXPECT_EQ(PasswordGeneratorSettings::FormatLength(0), "0");
    EXPECT_EQ(PasswordGeneratorSettings::FormatLength(64), "64");
    EXPECT_EQ(PasswordGeneratorSettings::ParseLength(PasswordGeneratorSettings::FormatLength(-17)), -17);

    EXPECT_EQ(PasswordGeneratorSettings::GenerationLength(-4), 0);
    EXPECT_EQ(PasswordGeneratorSettings::GenerationLength(200), 200);
    EXPECT_EQ(PasswordGeneratorSettings::GenerationLength(2000000000), PasswordGeneratorSettings::kMaxLength);

    EXPECT_EQ(PasswordGeneratorSettings::ClassOfRadio(0), PasswordClass::Numbers);
    EXPECT_EQ(PasswordGeneratorSettings::ClassOfRadio(2), PasswordClass::Letters);
    EXPECT_EQ(PasswordGeneratorSettings::ClassOfRadio(3), PasswordClass::LettersAndNumbers);
    EXPECT_EQ(PasswordGeneratorSettings::ClassOfRadio(4), PasswordClass::LettersNumbersAndSymbols);
    EXPECT_EQ(PasswordGeneratorSettings::ClassOfRadio(5), PasswordClass::LettersAndNumbers);
    EXPECT_EQ(PasswordGeneratorSettings::ClassOfRadio(-1), PasswordClass::LettersAndNumbers);
    EXPECT_EQ(PasswordGeneratorSettings::CaseOfRadio(1), LetterCase::Upper);
    EXPECT_EQ(PasswordGeneratorSettings::CaseOfRadio(2), LetterCase::Mixed);
    EXPECT_EQ(PasswordGeneratorSettings::CaseOfRadio(-1), LetterCase::Mixed);
}

} // namespace
} // namespace vaultlet
