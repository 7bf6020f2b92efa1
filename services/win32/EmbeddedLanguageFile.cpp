#include "services/EmbeddedLanguageFile.h"

#include "resources/resource.h"

#include <windows.h>

namespace vaultlet {

std::string_view EmbeddedLanguageFile() {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(IDR_DEFAULT_LANGUAGE), "XML");
    if (resource == nullptr) {
        return {};
    }
    HGLOBAL loaded = LoadResource(module, resource);
    const DWORD size = SizeofResource(module, resource);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr || size == 0) {
        return {};
    }
    return std::string_view(static_cast<const char*>(data), size);
}

} // namespace vaultlet
