#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace vaultlet {

// Opens a document or web address with the system's "open" verb, as Explorer would. Tests install
// a recorder instead, so no browser or help viewer starts.
class ShellOpen {
public:
    using Opener = std::function<void(const std::string& target)>;

    static void Open(HWND owner, const std::string& target);
    // With an opener set, the target goes to it instead of the system.
    static void SetOpener(Opener opener);
};

} // namespace vaultlet
