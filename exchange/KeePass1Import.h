#pragma once

#include "exchange/XmlImportFormat.h"

namespace vaultlet {

// Reads the XML export of KeePass 1.x: a "pwlist" of "pwentry" elements, each filed by its group
// text into a group of that name.
class KeePass1Import : public XmlImportFormat {
public:
    KeePass1Import();

protected:
    std::unique_ptr<Database> ReadDocument(const tinyxml2::XMLDocument& document) const override;
};

} // namespace vaultlet
