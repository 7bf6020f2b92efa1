#pragma once

#include "cli/EnteredPassword.h"

#include <string_view>

namespace vaultlet {

// The password of one line of standard input (--password-stdin), converted as a password typed at the
// prompt is. On Windows the prompt reads characters, and a pipe brings bytes in whatever the writer
// chose: UTF-8 (PowerShell, most tools) or the console's code page (cmd's echo). Bytes that are valid
// UTF-8 are read as UTF-8, others in the console's code page; then the characters go to the ANSI code
// page, so the same text gives the same password either way. Elsewhere the bytes are the password.
// One implementation per platform.
EnteredPassword InputPasswordText(std::string_view line);

} // namespace vaultlet
