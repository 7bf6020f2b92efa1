#pragma once

namespace vaultlet {

// Where the program's libraries come from. A copy started from a folder others can write to (Downloads, a
// shared or removable drive) must not load a DLL that was put beside it under a system library's name.
// The system's known DLLs always come from the system folder; every other system library the program uses
// is delay-loaded (shell/CMakeLists.txt) and loaded here, at its first call, from the system folder by its
// full path.
class SystemLibraries {
public:
    // The first thing the process does: later loads (the delay-loaded libraries, and any a system library
    // loads itself) search the system folder only, where the system offers that; where it does not (an old
    // Windows 7 without update KB2533623), at least the current folder leaves the search.
    static void LoadFromSystemFolderOnly();
};

} // namespace vaultlet
