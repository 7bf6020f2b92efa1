#pragma once

#include <string_view>

namespace vaultlet {

// Throws a usage error (CliFailure) naming `what` when the text could not be kept in a database
// exactly as given, so it is refused instead of being changed behind the user's back:
// - a NUL byte: the stored document ends at the first one, and the text would be cut there;
// - a carriage return: reading a document turns every line end into a single line feed;
// - bytes that are not text in the system's code page (on Linux: not UTF-8): the document is UTF-8,
//   and such bytes would come back as replacement characters.
void RequireStorableText(std::string_view text, std::string_view what);

} // namespace vaultlet
