#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace vaultlet {

// Fills the printf-style conversions of a text from the string table (%s, %d, optionally with flags
// and a width, which are ignored) with the given texts, in order. Language files are not trusted:
// a conversion without an argument becomes empty, "%%" becomes "%", anything else stays as written.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> arguments);

// A file-dialog filter written with "%" between its parts ("Files (*.x)%*.x%All (*.*)%*.*%") in
// the system's form: the parts separated by zero characters and the whole ending in two of them.
std::string FileDialogFilter(std::string_view text);

} // namespace vaultlet
