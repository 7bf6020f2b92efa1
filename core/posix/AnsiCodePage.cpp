// Outside Windows the narrow text of the program is UTF-8, so the "ANSI" side of every conversion
// is UTF-8 with invalid sequences replaced.
#include "core/TextConversion.h"

namespace vaultlet {

SecureU16String AnsiToUtf16(std::string_view ansi) {
    return Utf8ToUtf16(ansi);
}

SecureString Utf16ToAnsi(std::u16string_view utf16) {
    return Utf16ToUtf8(utf16);
}

// UTF-8 has bytes for every character; only a surrogate without its partner comes back changed.
bool IsExactInAnsi(std::u16string_view utf16) {
    return Utf8ToUtf16(Utf16ToUtf8(utf16).Viewed()).Viewed() == utf16;
}

} // namespace vaultlet
