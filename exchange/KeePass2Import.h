#pragma once

#include "exchange/XmlImportFormat.h"

namespace vaultlet {

// Reads the XML export of KeePass 2. Groups lose their nesting: every KeePass group becomes a
// top-level group, in document pre-order, and the entries of the root group go to "General".
// Entries are filed by group name, so the entries of two groups of the same name share the first.
// Only files whose generator is exactly "KeePass" are accepted.
class KeePass2Import : public XmlImportFormat {
public:
    KeePass2Import();

protected:
    // Null when the document is not a KeePass 2 export.
    std::unique_ptr<Database> ReadDocument(const tinyxml2::XMLDocument& document) const override;
};

} // namespace vaultlet
