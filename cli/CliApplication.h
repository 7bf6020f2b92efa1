#pragma once

#include "cli/CommandList.h"
#include "cli/ExitStatus.h"
#include "cli/PasswordTerminal.h"
#include "core/FileSystem.h"

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace vaultlet {

// vaultlet-cli as a whole: the global options, the choice of command, its arguments, and the one
// line on standard error plus the exit status of a failure. Everything it touches is handed in, so
// tests run it in-process with their own streams, terminal and file system.
class CliApplication {
public:
    CliApplication(std::istream& in, std::ostream& out, std::ostream& err, PasswordTerminal& terminal,
                   FileSystem& fileSystem) noexcept;

    // Runs the command line (without the program name) and returns the exit status. Never throws.
    int Run(std::span<const std::string_view> arguments) noexcept;

    static constexpr std::string_view kProgramName = "vaultlet-cli";

private:
    int RunCommand(std::span<const std::string_view> arguments);
    ExitStatus RunCommandLine(Command& command, std::span<const std::string_view> arguments, bool passwordFromInput);
    void PrintHelp() const;
    void PrintCommandHelp(const Command& command) const;
    int Fail(int status, std::string_view message) noexcept;

    std::istream& m_in;
    std::ostream& m_out;
    std::ostream& m_err;
    PasswordTerminal& m_terminal;
    FileSystem& m_fileSystem;
    CommandList m_commands;
};

} // namespace vaultlet
