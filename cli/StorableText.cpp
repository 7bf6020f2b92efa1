#include "cli/StorableText.h"

#include "cli/CliFailure.h"
#include "core/TextConversion.h"

#include <string>

namespace vaultlet {

void RequireStorableText(std::string_view text, std::string_view what) {
    const std::string subject(what);
    if (text.find('\0') != std::string_view::npos) {
        throw UsageError(subject + " contains a NUL byte, which a database cannot hold");
    }
    if (text.find('\r') != std::string_view::npos) {
        throw UsageError(subject + " contains a carriage return, which a database cannot hold (it reads back as a "
                                   "line feed)");
    }
    if (Utf8ToAnsi(AnsiToUtf8(text).Viewed()).Viewed() != text) {
        throw UsageError(subject + " is not valid text in the system's character set");
    }
}

} // namespace vaultlet
