#pragma once

#include <windows.h>

#include <string_view>

namespace vaultlet {

// The user guide, Vaultlet.chm beside the program (the executable's path with ".chm" for ".exe"). A page
// opens in the system's help viewer, hh.exe of the Windows folder, which takes "FILE.chm::/PAGE"; both go
// through ShellOpen, so tests record them instead.
class UserGuide {
public:
    // The guide at its start page, as the shell opens a help file.
    static void OpenStart(HWND owner);
    // The guide at a page of it ("login.html", "database-list.html#search").
    static void OpenPage(HWND owner, std::string_view page);
};

} // namespace vaultlet
