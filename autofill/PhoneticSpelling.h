#pragma once

#include "core/SecureString.h"

#include <string_view>

namespace vaultlet {

// The password spelled out in words, one per character, joined with " - ": digits by their names
// ("three"), letters by a word that starts with them ("air" for a, "AIR" for A). Empty when the
// password holds anything but ASCII letters and digits. It tells the password, so it wipes itself.
SecureString SpellPhonetically(std::string_view password);

} // namespace vaultlet
