#pragma once

#include <string_view>

namespace vaultlet {

// The cipher names of the command line, in the order of the program's cipher list.
struct CipherName {
    std::string_view name;
    int id;
};

inline constexpr CipherName kCipherNames[] = {{"aes256", 1}, {"aes128", 0}, {"twofish", 2}, {"blowfish", 3}};

// The cipher id of a name (exact, lower case); throws a usage error for any other text.
int CipherIdOfName(std::string_view name);

} // namespace vaultlet
