#pragma once

#include "core/SecureString.h"
#include "exchange/ExportFormat.h"

namespace vaultlet {

// Writes the program's own XML exchange format: root "Cofferbook", one "Database" with its "Groups",
// every value as element text, unencrypted.
class XmlExport : public ExportFormat {
public:
    std::string_view fileFilter() const override;
    std::string_view displayName() const override;
    bool exportTo(const std::string& fileName, const Database& database, const ModelNode* node) const override;

    // The file's content for the database and node; false (and no text) when the node is not part
    // of the database.
    static bool Print(const Database& database, const ModelNode* node, SecureString& text);
};

} // namespace vaultlet
