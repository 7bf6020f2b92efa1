#include "exchange/ExportStylesheet.h"

#include "resources/resource.h"

#include <windows.h>

namespace vaultlet {

std::string_view ExportStylesheet() {
    // The resource lives in the executable itself, not in a DLL of ours.
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(IDR_EXPORT_STYLESHEET), "CSS");
    if (info == nullptr) {
        return {};
    }
    HGLOBAL loaded = LoadResource(module, info);
    if (loaded == nullptr) {
        return {};
    }
    const void* data = LockResource(loaded);
    const DWORD size = SizeofResource(module, info);
    if (data == nullptr || size == 0) {
        return {};
    }
    // Resource memory stays mapped for the life of the process.
    return std::string_view(static_cast<const char*>(data), size);
}

} // namespace vaultlet
