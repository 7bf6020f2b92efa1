#pragma once

#include "cli/EnteredPassword.h"

#include <string_view>

namespace vaultlet {

// Where a master password is typed when it does not come from standard input: the user's terminal,
// with echo off. An interface so tests can type.
class PasswordTerminal {
public:
    enum class Result {
        Read,
        // The process has no terminal (run by a script or a service).
        NoTerminal,
        // Input ended before a line was complete (Ctrl+D, Ctrl+Z), or reading failed.
        Ended,
    };

    virtual ~PasswordTerminal() = default;

    // Shows the prompt on the terminal, reads one line without showing it, and leaves the terminal as
    // it was (also when the process is interrupted meanwhile). The line end is not part of the secret.
    virtual Result ReadHidden(std::string_view prompt, EnteredPassword& secret) = 0;
};

} // namespace vaultlet
