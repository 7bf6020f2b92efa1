#include "cli/InputPasswordText.h"

#include "core/TextConversion.h"

#include <windows.h>

#include <climits>

namespace vaultlet {
namespace {

// The characters of the bytes in one code page; false when they are not valid there (only UTF-8
// checks).
bool DecodeBytes(UINT codePage, DWORD flags, std::string_view bytes, SecureU16String& text) {
    const int inLength = static_cast<int>(bytes.size());
    const int outLength = MultiByteToWideChar(codePage, flags, bytes.data(), inLength, nullptr, 0);
    if (outLength <= 0) {
        return false;
    }
    text.resize(static_cast<std::size_t>(outLength));
    return MultiByteToWideChar(codePage, flags, bytes.data(), inLength, reinterpret_cast<wchar_t*>(text.data()),
                               outLength) == outLength;
}

// The code page a console program writes in: the console's, or, for a process without a console, the
// one a console would start with.
UINT ConsoleCodePage() {
    const UINT codePage = GetConsoleCP();
    return codePage != 0 ? codePage : GetOEMCP();
}

} // namespace

EnteredPassword InputPasswordText(std::string_view line) {
    EnteredPassword password;
    if (line.empty() || line.size() > INT_MAX) {
        password.text = line;
        return password;
    }
    SecureU16String text;
    if (!DecodeBytes(CP_UTF8, MB_ERR_INVALID_CHARS, line, text) && !DecodeBytes(ConsoleCodePage(), 0, line, text)) {
        password.text = line;
        password.exact = false;
        return password;
    }
    password.text = Utf16ToAnsi(text.Viewed());
    password.exact = IsExactInAnsi(text.Viewed());
    return password;
}

} // namespace vaultlet
