#pragma once

#include <string_view>

namespace vaultlet {

// Hands an HTML page, in the ANSI code page, to the system's HTML engine and opens its print
// preview (which has its own Print button). Needs COM initialised on the calling thread. True only
// when the preview really started: the engine may be missing, offer no command target, or refuse
// the command.
bool MshtmlPrintPreview(std::string_view ansiPage);

} // namespace vaultlet
