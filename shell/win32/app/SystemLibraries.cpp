#include "shell/win32/app/SystemLibraries.h"

#include <windows.h>

#include <delayimp.h>

#include <string>

namespace vaultlet {
namespace {

constexpr DWORD kSearchSystemFolder = 0x00000800; // LOAD_LIBRARY_SEARCH_SYSTEM32

// The delay-load helper asks before it loads a library: this answer loads it from the system folder.
FARPROC WINAPI LoadDelayedLibrary(unsigned reason, PDelayLoadInfo info) {
    if (reason != dliNotePreLoadLibrary || info == nullptr || info->szDll == nullptr) {
        return nullptr;
    }
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    const std::string path = std::string(folder, length) + "\\" + info->szDll;
    // What the library needs in turn is looked for beside it, in the system folder, too.
    return reinterpret_cast<FARPROC>(LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

} // namespace

void SystemLibraries::LoadFromSystemFolderOnly() {
    __pfnDliNotifyHook2 = LoadDelayedLibrary;
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDefault == nullptr || !setDefault(kSearchSystemFolder)) {
        SetDllDirectoryA("");
    }
}

} // namespace vaultlet
