#pragma once

#include "autofill/PasswordOptions.h"

#include <string>
#include <string_view>

namespace vaultlet {

// The password generator's options as they last from one use to the next: the length and the
// rules, kept in the five "PassGen..." settings. Read when the generator opens, written when it
// closes (by OK or Cancel alike).
struct PasswordGeneratorSettings {
    // The longest password the generator makes; the length box takes at most this many digits.
    static constexpr int kMaxLength = 9999;
    static constexpr int kMaxLengthDigits = 4;
    // The range the length box's spin buttons step through; typed values may lie outside it.
    static constexpr int kSpinMinimum = 3;
    static constexpr int kSpinMaximum = 64;

    int length = 10;
    PasswordOptions options;

    // From the settings store; values out of range select the last choice of their group.
    static PasswordGeneratorSettings Load();
    void Store() const;

    // The length box's text as a number: its leading digits with an optional sign, 0 without digits.
    static int ParseLength(std::string_view text);
    static std::string FormatLength(int length);
    // How many characters to make for a length: none for 0 or less, at most kMaxLength (a length
    // only a hand-edited setting can bring must not make the dialog run out of memory).
    static int GenerationLength(int length) noexcept;

    // The choice of a radio group from the position of its checked button (-1 when none is
    // checked): the class radios give the classes in their stored order, and letters and numbers
    // when none is checked; the case radios likewise end in mixed case.
    static PasswordClass ClassOfRadio(int checkedPosition) noexcept;
    static LetterCase CaseOfRadio(int checkedPosition) noexcept;
};

} // namespace vaultlet
