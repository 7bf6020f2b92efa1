#include "shell/win32/system/ShellOpen.h"

#include <shellapi.h>

#include <mutex>

namespace vaultlet {
namespace {

std::mutex g_openerLock;
ShellOpen::Opener g_opener;

} // namespace

void ShellOpen::Open(HWND owner, const std::string& target, const std::string& parameters) {
    Opener opener;
    {
        std::lock_guard<std::mutex> lock(g_openerLock);
        opener = g_opener;
    }
    if (opener) {
        opener(target, parameters);
        return;
    }
    ShellExecuteA(owner, "open", target.c_str(), parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOW);
}

void ShellOpen::SetOpener(Opener opener) {
    std::lock_guard<std::mutex> lock(g_openerLock);
    g_opener = std::move(opener);
}

} // namespace vaultlet
