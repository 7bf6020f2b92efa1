#include "cli/CliApplication.h"

#include "cli/CliFailure.h"
#include "cli/CommandContext.h"
#include "cli/OutputText.h"
#include "cli/PasswordInput.h"

#include "Version.h"

#include <algorithm>
#include <new>
#include <string>
#include <vector>

namespace vaultlet {
namespace {

constexpr std::string_view kPasswordStdin = "password-stdin";
constexpr std::string_view kHelp = "help";

constexpr const char* kHelpNotes =
    "\n"
    "Master passwords are asked on the terminal without echo. With --password-stdin they are read\n"
    "from standard input instead, one a line (create: the password; passwd: the current one, then the\n"
    "new one; merge: FILE's, then one for OTHER and for BASE each only when none given before opens it);\n"
    "with --value-stdin as well, the value is the rest of the input after the password line.\n"
    "A password is never taken from an argument. On Windows a password line is read as UTF-8 or, when it\n"
    "is not valid UTF-8, in the console's code page, and converted like a typed one; a new password\n"
    "with characters the system's code page cannot hold exactly is refused (status 64).\n"
    "\n"
    "PATH is GROUP, GROUP/PASSCARD or GROUP/PASSCARD/ITEM by name (exact case, first match);\n"
    "write a \"/\" inside a name as \"\\/\".\n"
    "\n"
    "Exit status: 0 success; 1 wrong password; 2 not a database or damaged; 3 cannot open;\n"
    "4 read failure; 5 unknown cipher; 6 a save or write failed; 7 an import failed; 64 usage error;\n"
    "70 internal failure. audit: 0 nothing found, 1 something found, 8 wrong password.\n";

std::vector<OptionSpec> OptionsWithCommonOnes(const CommandSyntax& syntax) {
    std::vector<OptionSpec> options(syntax.options.begin(), syntax.options.end());
    options.push_back({kPasswordStdin, false});
    options.push_back({kHelp, false});
    return options;
}

std::string UsageLine(const CommandSyntax& syntax) {
    std::string line = std::string(CliApplication::kProgramName) + " " + std::string(syntax.name);
    if (!syntax.arguments.empty()) {
        line += " " + std::string(syntax.arguments);
    }
    return line;
}

void RequirePositionalCount(const CommandSyntax& syntax, const ParsedArguments& parsed) {
    if (parsed.PositionalCount() < syntax.minPositionals) {
        throw UsageError("missing arguments; usage: " + UsageLine(syntax));
    }
    if (parsed.PositionalCount() > syntax.maxPositionals) {
        throw UsageError("unexpected argument \"" + OneLine(parsed.Positional(syntax.maxPositionals)) +
                         "\"; usage: " + UsageLine(syntax));
    }
}

} // namespace

CliApplication::CliApplication(std::istream& in, std::ostream& out, std::ostream& err, PasswordTerminal& terminal,
                               FileSystem& fileSystem) noexcept
    : m_in(in), m_out(out), m_err(err), m_terminal(terminal), m_fileSystem(fileSystem) {}

int CliApplication::Run(std::span<const std::string_view> arguments) noexcept {
    try {
        const int status = RunCommand(arguments);
        if (!m_out.flush()) {
            return Fail(ExitCode(ExitStatus::SaveFailed), "could not write to standard output");
        }
        return status;
    } catch (const CliFailure& failure) {
        m_out.flush();
        return Fail(ExitCode(failure.Status()), failure.what());
    } catch (const std::bad_alloc&) {
        return Fail(ExitCode(ExitStatus::Internal), "out of memory");
    } catch (const std::exception& error) {
        return Fail(ExitCode(ExitStatus::Internal), std::string("unexpected failure: ") + error.what());
    }
}

int CliApplication::RunCommand(std::span<const std::string_view> arguments) {
    bool passwordFromInput = false;
    std::size_t next = 0;
    for (; next < arguments.size() && arguments[next].starts_with("--"); ++next) {
        const std::string_view option = arguments[next];
        if (option == "--help") {
            PrintHelp();
            return ExitCode(ExitStatus::Success);
        }
        if (option == "--version") {
            m_out << kProgramName << ' ' << VAULTLET_VERSION_TEXT << '\n';
            return ExitCode(ExitStatus::Success);
        }
        if (option != "--password-stdin") {
            throw UsageError("unknown option " + OneLine(option) + " (see " + std::string(kProgramName) + " --help)");
        }
        passwordFromInput = true;
    }
    if (next == arguments.size()) {
        throw UsageError("no command given (see " + std::string(kProgramName) + " --help)");
    }
    Command* command = m_commands.Find(arguments[next]);
    if (command == nullptr) {
        throw UsageError("unknown command \"" + OneLine(arguments[next]) + "\" (see " + std::string(kProgramName) +
                         " --help)");
    }
    return ExitCode(RunCommandLine(*command, arguments.subspan(next + 1), passwordFromInput));
}

ExitStatus CliApplication::RunCommandLine(Command& command, std::span<const std::string_view> arguments,
                                          bool passwordFromInput) {
    const CommandSyntax& syntax = command.Syntax();
    const std::vector<OptionSpec> options = OptionsWithCommonOnes(syntax);
    const ParsedArguments parsed = ParsedArguments::Parse(arguments, options);
    if (parsed.Has(kHelp)) {
        PrintCommandHelp(command);
        return ExitStatus::Success;
    }
    RequirePositionalCount(syntax, parsed);
    PasswordInput passwords(passwordFromInput || parsed.Has(kPasswordStdin), m_in, m_terminal);
    CommandContext context{m_in, m_out, passwords, m_fileSystem};
    command.Run(parsed, context);
    return context.status;
}

void CliApplication::PrintHelp() const {
    m_out << "Usage: " << kProgramName << " [--help] [--version] [--password-stdin] COMMAND [ARGS]\n\n"
          << "Commands:\n";
    for (const auto& command : m_commands.All()) {
        const CommandSyntax& syntax = command->Syntax();
        m_out << "  " << syntax.name << (syntax.arguments.empty() ? "" : " ") << syntax.arguments << '\n';
    }
    m_out << kHelpNotes;
}

void CliApplication::PrintCommandHelp(const Command& command) const {
    m_out << "Usage: " << UsageLine(command.Syntax()) << '\n' << kHelpNotes;
}

int CliApplication::Fail(int status, std::string_view message) noexcept {
    try {
        m_err << kProgramName << ": " << OneLine(message) << '\n';
        m_err.flush();
    } catch (...) {
        // Nowhere left to report to; the status still tells.
    }
    return status;
}

} // namespace vaultlet
