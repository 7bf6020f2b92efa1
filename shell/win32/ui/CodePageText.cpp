#include "shell/win32/ui/CodePageText.h"

#include "core/SecureString.h"
#include "core/TextConversion.h"

#include <algorithm>

namespace vaultlet {

bool IsTextExactInCodePage(HWND control) {
    const int length = GetWindowTextLengthW(control);
    if (length <= 0) {
        return true;
    }
    // A secure string: the control may hold a password.
    SecureU16String wide;
    wide.resize(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextW(control, reinterpret_cast<wchar_t*>(wide.data()), length + 1);
    return IsExactInAnsi(wide.Viewed().substr(0, static_cast<std::size_t>(std::max(copied, 0))));
}

} // namespace vaultlet
