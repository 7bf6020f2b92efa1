#include "cli/PasswordInput.h"

#include "cli/CliFailure.h"
#include "cli/InputPasswordText.h"
#include "cli/InputText.h"

#include <utility>

namespace vaultlet {

// An existing file may have been made with a password the code page could only approximate: the same
// approximation opens it, as in the program's login.
SecureString PasswordInput::Existing(std::string_view prompt) {
    return std::move(Read(prompt).text);
}

SecureString PasswordInput::New(std::string_view prompt, std::string_view repeatPrompt) {
    EnteredPassword password = Read(prompt);
    if (password.text.empty()) {
        throw UsageError("the password must not be empty");
    }
    if (!password.exact) {
        throw UsageError("the password contains characters that this system cannot keep exactly; use other characters");
    }
    if (!m_fromStandardInput && Read(repeatPrompt).text != password.text) {
        throw UsageError("the passwords do not match");
    }
    return std::move(password.text);
}

EnteredPassword PasswordInput::Read(std::string_view prompt) {
    EnteredPassword password;
    if (m_fromStandardInput) {
        SecureString line;
        if (!ReadInputLine(m_in, line)) {
            throw UsageError("standard input ended before a password line (--password-stdin)");
        }
        return InputPasswordText(line.Viewed());
    }
    switch (m_terminal.ReadHidden(prompt, password)) {
    case PasswordTerminal::Result::Read:
        return password;
    case PasswordTerminal::Result::NoTerminal:
        throw UsageError("no terminal to ask for the password; give it on standard input with --password-stdin");
    case PasswordTerminal::Result::Ended:
        break;
    }
    throw UsageError("no password entered");
}

} // namespace vaultlet
