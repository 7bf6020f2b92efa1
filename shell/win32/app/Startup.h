#pragma once

#include <string_view>

namespace vaultlet {

// The life of the process, in order: COM and the common controls, the shared icons, the command
// line, where settings live, the language, the single-instance rule, the login dialog, and the
// shut-down. Returns the process's exit code.
class Startup {
public:
    static int Run(std::string_view commandLine, int showCommand);
};

} // namespace vaultlet
