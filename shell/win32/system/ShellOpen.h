#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace vaultlet {

// Opens a document or web address with the system's "open" verb, as Explorer would, or starts a program
// with parameters. Tests install a recorder instead, so no browser or help viewer starts.
class ShellOpen {
public:
    using Opener = std::function<void(const std::string& target, const std::string& parameters)>;

    static void Open(HWND owner, const std::string& target, const std::string& parameters = {});
    // With an opener set, target and parameters go to it instead of the system.
    static void SetOpener(Opener opener);
};

} // namespace vaultlet
