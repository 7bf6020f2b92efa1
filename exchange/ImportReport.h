#pragma once

#include "exchange/ExchangeCommands.h"

#include <string>
#include <string_view>

namespace vaultlet {

// The texts that report an import. The formats come from the language pack ("Imported: %d
// Group(s), %d Passcard(s), %d Fields(s)" and "Error while importing "%s" file." in English), a
// file that the user may replace, so they are never handed to printf: each "%d" (or "%i", "%u")
// takes the next number and each "%s" the next text, "%%" is a percent sign, and every other "%"
// sequence, or one without a value left, is kept as it stands.

// The counts message: groups, passcards and items, in that order.
std::string FormatImportCounts(std::string_view format, const ImportCounts& counts);
// The failure message, naming the format by its display name.
std::string FormatImportFailure(std::string_view format, std::string_view displayName);

} // namespace vaultlet
