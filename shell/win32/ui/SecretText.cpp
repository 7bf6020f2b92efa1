#include "shell/win32/ui/SecretText.h"

#include <string>

namespace vaultlet::secret_text {

SecureString Of(HWND window) {
    SecureString text;
    if (window == nullptr) {
        return text;
    }
    const int length = GetWindowTextLengthA(window);
    text.resize(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

void Set(HWND window, std::string_view text) {
    const SecureString copy(text);
    SetWindowTextA(window, copy.c_str());
}

void Clear(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length > 0) {
        const std::string mask(static_cast<std::size_t>(length), '*');
        SetWindowTextA(window, mask.c_str());
    }
    SetWindowTextA(window, "");
}

void Replace(HWND window, std::string_view text) {
    Clear(window);
    if (!text.empty()) {
        Set(window, text);
    }
}

} // namespace vaultlet::secret_text
