#include "shell/PasswordGeneratorSettings.h"

#include "shell/Settings.h"
#include "tests/shell/PrivateSettingsTest.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vaultlet {
namespace {

auto Fields(const PasswordGeneratorSettings& settings) {
    const PasswordOptions& o = settings.options;
    return std::make_tuple(settings.length, o.passwordClass, o.letterCase, o.excludeSimilar, o.excludeDuplicate);
}

using PasswordGeneratorSettingsTest = test::PrivateSettingsTest;

// How stored numbers outside the choices read is PasswordOptions::FromSettings's, tested with the rules.
TEST_F(PasswordGeneratorSettingsTest, DefaultsWithoutStoredValuesAndStoredValuesRoundTrip) {
    EXPECT_EQ(Fields(PasswordGeneratorSettings::Load()),
              std::make_tuple(10, PasswordClass::LettersAndNumbers, LetterCase::Mixed, true, true));
    for (const auto& [passwordClass, letterCase, similar, duplicate] :
         {std::make_tuple(PasswordClass::Hex, LetterCase::Lower, false, true),
          std::make_tuple(PasswordClass::LettersNumbersAndSymbols, LetterCase::Upper, true, false)}) {
        PasswordGeneratorSettings chosen;
        chosen.length = similar ? 200 : 0;
        chosen.options = PasswordOptions{passwordClass, letterCase, similar, duplicate};
        chosen.Store();
        EXPECT_EQ(Fields(PasswordGeneratorSettings::Load()), Fields(chosen));
    }
    // The stored numbers are those of the radio buttons, and check boxes are 0 and 1.
    EXPECT_EQ(Settings::ReadInt("PassGenType", -1), 4);
    EXPECT_EQ(Settings::ReadInt("PassGenCase", -1), 1);
    EXPECT_EQ(Settings::ReadInt("PassGenExcludeSimilar", -1), 1);
}

TEST_F(PasswordGeneratorSettingsTest, LengthTextAndRadioPositions) {
    EXPECT_EQ(PasswordGeneratorSettings::ParseLength("12ab"), 12);
    EXPECT_EQ(PasswordGeneratorSettings::ParseLength(PasswordGeneratorSettings::FormatLength(-17)), -17);
    EXPECT_EQ(PasswordGeneratorSettings::GenerationLength(-4), 0);
    EXPECT_EQ(PasswordGeneratorSettings::GenerationLength(200), 200);
    EXPECT_EQ(PasswordGeneratorSettings::GenerationLength(2000000000), PasswordGeneratorSettings::kMaxLength);

    EXPECT_EQ(PasswordGeneratorSettings::ClassOfRadio(0), PasswordClass::Numbers);
    EXPECT_EQ(PasswordGeneratorSettings::ClassOfRadio(4), PasswordClass::LettersNumbersAndSymbols);
    EXPECT_EQ(PasswordGeneratorSettings::ClassOfRadio(5), PasswordClass::LettersAndNumbers);
    EXPECT_EQ(PasswordGeneratorSettings::ClassOfRadio(-1), PasswordClass::LettersAndNumbers);
    EXPECT_EQ(PasswordGeneratorSettings::CaseOfRadio(1), LetterCase::Upper);
    EXPECT_EQ(PasswordGeneratorSettings::CaseOfRadio(0), LetterCase::Lower);
    EXPECT_EQ(PasswordGeneratorSettings::CaseOfRadio(-1), LetterCase::Mixed);
}

} // namespace
} // namespace vaultlet
