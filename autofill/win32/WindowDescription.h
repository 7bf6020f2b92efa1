#pragma once

#include "core/SecureString.h"

#include <windows.h>

#include <string>

namespace vaultlet {

// The window with the keyboard focus in the thread that owns the window. For another thread the
// caller's input is attached to that thread just long enough to ask; null when that fails.
HWND FindFocusWindow(HWND window);

// The text that stands for a window and its child controls: for the window and then every
// descendant in the order the system enumerates them, the class name, ":FOCUSED" when it has the
// keyboard focus in the window's thread, ":" and its text; the entries joined with ":". For example
// "#32770:Pageant: Enter Passphrase:Static:Enter passphrase for key:Static:mykey:Edit:FOCUSED::
// Button:O&K:Button:&Cancel". Empty for a handle that is no longer a window. Cut off after
// WindowSystem::kMaxDescription characters.
SecureString DescribeWindow(HWND window);

// The window's class name and text (each at most 259 characters); empty for a handle that is no
// longer a window. The text of a window of another process is its title as the system keeps it.
std::string WindowClassOf(HWND window);
std::string WindowTitleOf(HWND window);
// The file name of the executable of the process that owns the window, without its folder, as the
// system reports it ("pageant.exe"); empty when the process cannot be asked.
std::string WindowProgramOf(HWND window);

} // namespace vaultlet
