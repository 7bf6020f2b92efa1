#pragma once

#include <string>
#include <string_view>

namespace vaultlet {

// The command line of the "Run at Windows Startup" entry. The path is written in quotes: unquoted,
// a path with spaces ("C:\Program Files\...") lets Windows try "C:\Program.exe" first, so a
// program planted there would run at every log-on. Entries written before the quotes still count
// as this copy's.
class StartupEntry {
public:
    static constexpr std::string_view kArguments = " -minimize";

    static std::string CommandFor(std::string_view executable);
    // True when the entry starts this executable, quoted or in the old unquoted form; false for
    // another copy, including one whose path merely begins with this one's ("...\Vaultlet.exe2").
    static bool StartsExecutable(std::string_view entry, std::string_view executable);
};

} // namespace vaultlet
