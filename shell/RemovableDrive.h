#pragma once

#include "shell/InstallSystem.h"

#include <string>
#include <string_view>
#include <vector>

namespace vaultlet {

// A drive that a portable copy can be installed on, as the install dialog offers it.
struct RemovableDrive {
    // The root folder: "E:\" for drive E.
    std::string root;
    // The volume label and the letter: "MYUSB (E:)".
    std::string text;
};

// The drives B: to Z: that exist, are removable and are not write-protected, in letter order. A
// volume without a label, or one that cannot be read, is shown with `fallbackLabel`. Drive A: is
// never asked: on machines that still have one it is a floppy drive, and asking an empty one for
// its volume keeps the user waiting.
std::vector<RemovableDrive> ListRemovableDrives(InstallSystem& system, std::string_view fallbackLabel);

} // namespace vaultlet
