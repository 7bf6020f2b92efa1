#pragma once

#include "core/SecureString.h"

#include <optional>
#include <string_view>

namespace vaultlet {

// Text in memory is narrow text in the system's ANSI code page (on Windows CP_ACP; elsewhere UTF-8);
// every file format is UTF-8 or UTF-16. These are the only places where one becomes the other.
// Characters that the target cannot represent become the system's replacement character; invalid
// input sequences become U+FFFD (or the ANSI replacement), never raw garbage.
//
// All results are secure strings because the converted text is often a password.

// Decodes the UTF-8 sequence at text[pos] and advances past it. Nothing when it is ill-formed
// (overlong forms, encoded surrogates, values above U+10FFFF and truncated sequences included); pos
// then stands after the longest part that could have started a valid sequence, one byte at least.
std::optional<char32_t> DecodeUtf8Char(std::string_view text, std::size_t& pos);

SecureU16String Utf8ToUtf16(std::string_view utf8);
SecureString Utf16ToUtf8(std::u16string_view utf16);

// Implemented per platform.
SecureU16String AnsiToUtf16(std::string_view ansi);
SecureString Utf16ToAnsi(std::u16string_view utf16);
// False when Utf16ToAnsi would give some character no bytes of its own (the replacement character or
// a look-alike letter in its place), so that two different texts could become the same bytes. A new
// master password must pass: its ANSI bytes are what is hashed.
bool IsExactInAnsi(std::u16string_view utf16);

SecureString AnsiToUtf8(std::string_view ansi);
SecureString Utf8ToAnsi(std::string_view utf8);

} // namespace vaultlet
