#pragma once

#include "core/SecureString.h"

#include <string_view>

namespace vaultlet {

// The XML parser drops a text made only of white space, even when it is the whole content of an
// element, so a value of a few blanks or a lone line break would read as empty. This rewrites the
// white space between a start tag and the end tag that directly follows it as character
// references, which the parser keeps; a line end counts as one line feed, as XML reads it.
// Everything else passes unchanged (comments, CDATA sections, declarations and attribute values
// are skipped as a whole).
SecureString KeepBlankElementText(std::string_view text);

} // namespace vaultlet
