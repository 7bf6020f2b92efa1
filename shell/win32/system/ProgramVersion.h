#pragma once

#include <string>

namespace vaultlet {

// The file version of the running program, from its version resource.
struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int patch = 0;
    int build = 0;

    // Zeros when the resource cannot be read.
    static ProgramVersion OfThisProgram();
    // "v1.2" or "v1.2.3" as the login dialog and the About box show it.
    std::string Label() const;
};

} // namespace vaultlet
