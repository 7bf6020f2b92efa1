#include "shell/StartupEntry.h"

namespace vaultlet {
namespace {

// The path must end where the text after it begins: at its end, or at a space before arguments.
bool EndsAfter(std::string_view entry, std::string_view prefix) {
    return entry.substr(0, prefix.size()) == prefix && (entry.size() == prefix.size() || entry[prefix.size()] == ' ');
}

} // namespace

std::string StartupEntry::CommandFor(std::string_view executable) {
    std::string command = "\"";
    command.append(executable);
    command.append("\"");
    command.append(kArguments);
    return command;
}

bool StartupEntry::StartsExecutable(std::string_view entry, std::string_view executable) {
    if (executable.empty()) {
        return false;
    }
    const std::string quoted = "\"" + std::string(executable) + "\"";
    return EndsAfter(entry, quoted) || EndsAfter(entry, executable);
}

} // namespace vaultlet
