#include "cli/PasswordInput.h"

#include "cli/CliFailure.h"
#include "cli/InputText.h"

namespace vaultlet {

SecureString PasswordInput::Existing(std::string_view prompt) {
    return Read(prompt);
}

SecureString PasswordInput::New(std::string_view prompt, std::string_view repeatPrompt) {
    SecureString password = Read(prompt);
    if (password.empty()) {
        throw UsageError("the password must not be empty");
    }
    if (!m_fromStandardInput && Read(repeatPrompt) != password) {
        throw UsageError("the passwords do not match");
    }
    return password;
}

SecureString PasswordInput::Read(std::string_view prompt) {
    SecureString password;
    if (m_fromStandardInput) {
        if (!ReadInputLine(m_in, password)) {
            throw UsageError("standard input ended before a password line (--password-stdin)");
        }
        return password;
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
