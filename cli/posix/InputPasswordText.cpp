// The terminal and standard input both bring bytes, and the bytes are what is hashed.
#include "cli/InputPasswordText.h"

namespace vaultlet {

EnteredPassword InputPasswordText(std::string_view line) {
    EnteredPassword password;
    password.text = line;
    return password;
}

} // namespace vaultlet
