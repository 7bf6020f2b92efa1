// On Windows the program's narrow text is in the system's ANSI code page (CP_ACP).
#include "core/TextConversion.h"

#include <windows.h>

#include <climits>

namespace vaultlet {

SecureU16String AnsiToUtf16(std::string_view ansi) {
    SecureU16String out;
    if (ansi.empty() || ansi.size() > INT_MAX) {
        return out;
    }
    const int inLength = static_cast<int>(ansi.size());
    const int outLength = MultiByteToWideChar(CP_ACP, 0, ansi.data(), inLength, nullptr, 0);
    if (outLength <= 0) {
        return out;
    }
    out.resize(static_cast<std::size_t>(outLength));
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), inLength, reinterpret_cast<wchar_t*>(out.data()), outLength);
    return out;
}

SecureString Utf16ToAnsi(std::u16string_view utf16) {
    SecureString out;
    if (utf16.empty() || utf16.size() > INT_MAX) {
        return out;
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(utf16.data());
    const int inLength = static_cast<int>(utf16.size());
    // A null default character asks for the system's own replacement character.
    const int outLength = WideCharToMultiByte(CP_ACP, 0, wide, inLength, nullptr, 0, nullptr, nullptr);
    if (outLength <= 0) {
        return out;
    }
    out.resize(static_cast<std::size_t>(outLength));
    WideCharToMultiByte(CP_ACP, 0, wide, inLength, out.data(), outLength, nullptr, nullptr);
    return out;
}

bool IsExactInAnsi(std::u16string_view utf16) {
    if (utf16.empty()) {
        return true;
    }
    if (utf16.size() > INT_MAX) {
        return false;
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(utf16.data());
    const int length = static_cast<int>(utf16.size());
    if (GetACP() == CP_UTF8) {
        // Every character has its bytes; only a lone surrogate would become U+FFFD.
        return WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide, length, nullptr, 0, nullptr, nullptr) > 0;
    }
    // Without best fit, a character the code page lacks becomes the default character, and the
    // conversion says so; with it, "\u0141" would quietly become "L".
    BOOL replaced = FALSE;
    const int bytes = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0, nullptr, &replaced);
    return bytes > 0 && replaced == FALSE;
}

} // namespace vaultlet
