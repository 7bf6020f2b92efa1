#pragma once

#include "core/Database.h"

#include <string_view>

namespace vaultlet::test {

// The database that the KeePassXC test builds with keepassxc-cli, starting from
// tests/data/KeePassXcImportSeed.xml:
//   Root:        "Custom keys" (from the seed: custom keys, lower-case "mail", "notes", upper-case
//                "TITLE", an empty value), "Root entry" (user name, URL, password)
//   Level 1:     an entry whose title, user name and password hold non-ASCII and markup characters
//     Level 2
//       Level 3: "Deep entry" with two-line notes
//     Mail:      "Secondary mail" (user name only)
//   Mail:        "Primary mail", whose password was changed once (the old one is in its history)
inline constexpr std::string_view kSpecialTitle = "\xC3\x84rger <&> \"quoted\" 'x' \xE6\x97\xA5\xE6\x9C\xAC";
inline constexpr std::string_view kSpecialUser = "\xC3\xBC<&>\"'";
inline constexpr std::string_view kSpecialPassword = "p<&>\"'\xC3\xA4\xE2\x82\xAC";

// Expects the import of that database's export: the groups flattened in pre-order behind "General",
// both "Mail" groups' entries in the first one, typed and custom items, no history values.
void ExpectKeePassXcDatabase(const Database& database);

} // namespace vaultlet::test
