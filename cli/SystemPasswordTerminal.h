#pragma once

#include "cli/PasswordTerminal.h"

namespace vaultlet {

// The process's own terminal: /dev/tty with termios on POSIX systems, the console (CONIN$/CONOUT$)
// on Windows; one implementation per platform. Standard input and output are not used, so the
// password can be typed while they are redirected.
class SystemPasswordTerminal : public PasswordTerminal {
public:
    Result ReadHidden(std::string_view prompt, EnteredPassword& secret) override;
};

} // namespace vaultlet
