// The command line is whatever another program or a file association hands over: tokenising it,
// cutting the settings option out of the argument text and classifying what remains must cope with
// any text.
#include "shell/CommandLine.h"
#include "shell/InstanceRequest.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const vaultlet::CommandLine commandLine(text);
    const std::string& arguments = commandLine.ArgumentText();
    // The argument text is a trimmed piece of the original, never longer than it.
    if (arguments.size() > text.size() || arguments != vaultlet::CommandLine::Trim(arguments)) {
        std::abort();
    }
    if (!commandLine.SettingsPath().empty() && text.find("-c") == std::string_view::npos) {
        std::abort();
    }
    commandLine.IsCrashReport();
    const auto first = vaultlet::InstanceRequest::ForFirstInstance(arguments);
    const auto second = vaultlet::InstanceRequest::ForSecondInstance(arguments);
    if (first.path.find('"') != std::string::npos || second.path.find('"') != std::string::npos) {
        std::abort();
    }
    return 0;
}
