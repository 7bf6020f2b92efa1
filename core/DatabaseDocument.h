#pragma once

#include "core/SecureString.h"

#include <string_view>

namespace vaultlet {

class Database;

// The XML document that is the plaintext of a database file: an XML declaration and one root
// element "database" holding the model. Printed with one tab per level and line feeds; control
// characters in texts other than tab and line feed are character references, so they read back exactly.
class DatabaseDocument {
public:
    // Prints the model; false (and no text) when the root cannot be written. Clears ModifiedFlag.
    static bool Print(const Database& database, SecureString& text);
    // Replaces the model's content with the document's. False when the text is not XML or the root
    // element "database" is missing or has no name. Clears ModifiedFlag.
    static bool Parse(std::string_view text, Database& database);
};

} // namespace vaultlet
