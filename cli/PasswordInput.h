#pragma once

#include "cli/PasswordTerminal.h"
#include "core/SecureString.h"

#include <istream>
#include <string_view>

namespace vaultlet {

// Where the master passwords of one run come from: the terminal (asked without echo), or, with
// --password-stdin, standard input, one password a line. A password is never taken from an argument.
class PasswordInput {
public:
    PasswordInput(bool fromStandardInput, std::istream& in, PasswordTerminal& terminal) noexcept
        : m_fromStandardInput(fromStandardInput), m_in(in), m_terminal(terminal) {}

    // The password of an existing database. Throws a usage error when none can be had.
    SecureString Existing(std::string_view prompt);
    // A password for a database: from the terminal it is asked twice and both must agree; from
    // standard input it is one line. It must not be empty, and the system's code page must hold each
    // of its characters exactly. Throws a usage error otherwise.
    SecureString New(std::string_view prompt, std::string_view repeatPrompt);

private:
    EnteredPassword Read(std::string_view prompt);

    bool m_fromStandardInput;
    std::istream& m_in;
    PasswordTerminal& m_terminal;
};

} // namespace vaultlet
