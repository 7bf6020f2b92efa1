#pragma once

#include "cli/ExitStatus.h"

#include <stdexcept>
#include <string>

namespace vaultlet {

// Ends a command: the message becomes the one line on standard error and the status the exit
// status. Thrown inside the command-line tool only; CliApplication::Run catches it.
class CliFailure : public std::runtime_error {
public:
    CliFailure(ExitStatus status, const std::string& message) : std::runtime_error(message), m_status(status) {}

    ExitStatus Status() const noexcept { return m_status; }

private:
    ExitStatus m_status;
};

// A usage error (status 64).
inline CliFailure UsageError(const std::string& message) {
    return CliFailure(ExitStatus::Usage, message);
}

} // namespace vaultlet
