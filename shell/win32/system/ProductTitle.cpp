#include "shell/win32/system/ProductTitle.h"

#include "resources/StringIds.h"

#include <windows.h>

namespace vaultlet {

std::string ProductTitle() {
    char title[128] = {};
    const int length = LoadStringA(GetModuleHandleA(nullptr), IDS_PRODUCT_TITLE, title, sizeof title);
    return std::string(title, length > 0 ? static_cast<std::size_t>(length) : 0);
}

} // namespace vaultlet
