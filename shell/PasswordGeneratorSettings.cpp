#include "shell/PasswordGeneratorSettings.h"

#include "shell/SettingKeys.h"
#include "shell/Settings.h"

#include <algorithm>

namespace vaultlet {

PasswordGeneratorSettings PasswordGeneratorSettings::Load() {
    PasswordGeneratorSettings loaded;
    loaded.length = Settings::Read(setting::kPassGenPasswordLen);
    loaded.options = PasswordOptions::FromSettings(
        Settings::Read(setting::kPassGenType), Settings::Read(setting::kPassGenCase),
        Settings::Read(setting::kPassGenExcludeSimilar), Settings::Read(setting::kPassGenExcludeDuplicate));
    return loaded;
}

void PasswordGeneratorSettings::Store() const {
    Settings::Write(setting::kPassGenPasswordLen, length);
    Settings::Write(setting::kPassGenExcludeSimilar, options.excludeSimilar ? 1 : 0);
    Settings::Write(setting::kPassGenExcludeDuplicate, options.excludeDuplicate ? 1 : 0);
    Settings::Write(setting::kPassGenType, static_cast<int>(options.passwordClass));
    Settings::Write(setting::kPassGenCase, static_cast<int>(options.letterCase));
}

int PasswordGeneratorSettings::ParseLength(std::string_view text) {
    return Settings::ParseInt(std::string(text));
}

std::string PasswordGeneratorSettings::FormatLength(int length) {
    return std::to_string(length);
}

int PasswordGeneratorSettings::GenerationLength(int length) noexcept {
    return std::clamp(length, 0, kMaxLength);
}

PasswordClass PasswordGeneratorSettings::ClassOfRadio(int checkedPosition) noexcept {
    const bool known =
        checkedPosition >= 0 && checkedPosition <= static_cast<int>(PasswordClass::LettersNumbersAndSymbols);
    return known ? static_cast<PasswordClass>(checkedPosition) : PasswordClass::LettersAndNumbers;
}

LetterCase PasswordGeneratorSettings::CaseOfRadio(int checkedPosition) noexcept {
    return checkedPosition >= 0 && checkedPosition <= 1 ? static_cast<LetterCase>(checkedPosition) : LetterCase::Mixed;
}

} // namespace vaultlet
