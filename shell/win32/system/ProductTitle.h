#pragma once

#include <string>

namespace vaultlet {

// "Quillmoth Keyhaven" as the program's own string resources hold it, never from the language pack:
// the login dialog and the main window carry exactly this title, and a second start of the program
// finds the running copy by it.
std::string ProductTitle();

// The window class of the main window, which tests in other processes look for.
inline constexpr const char* kMainFrameClassName = "QuillmothKeyhavenMainFrame";

} // namespace vaultlet
