#pragma once

#include "exchange/XmlImportFormat.h"

namespace vaultlet {

// Reads the program's own XML exchange format written by XmlExport.
class XmlImport : public XmlImportFormat {
public:
    XmlImport();

protected:
    std::unique_ptr<Database> ReadDocument(const tinyxml2::XMLDocument& document) const override;
};

} // namespace vaultlet
