#include "shell/win32/system/UserGuide.h"

#include "shell/NodeEditing.h"
#include "shell/RegistryStore.h"
#include "shell/win32/system/ShellOpen.h"

#include <string>

namespace vaultlet {
namespace {

std::string HelpFile() {
    return node_editing::HelpFilePath(RegistryStore::ExecutablePath());
}

// The viewer by its full path: a bare "hh.exe" would be looked for in the current folder first.
std::string HelpViewer() {
    char folder[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
    return std::string(folder, length < MAX_PATH ? length : 0) + "\\hh.exe";
}

} // namespace

void UserGuide::OpenStart(HWND owner) {
    ShellOpen::Open(owner, HelpFile());
}

void UserGuide::OpenPage(HWND owner, std::string_view page) {
    ShellOpen::Open(owner, HelpViewer(), "\"" + HelpFile() + "::/" + std::string(page) + "\"");
}

} // namespace vaultlet
