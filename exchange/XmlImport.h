#pragma once

#include "exchange/ImportFormat.h"

namespace tinyxml2 {
class XMLDocument;
}

namespace vaultlet {

// Reads the program's own XML exchange format written by XmlExport.
class XmlImport : public ImportFormat {
public:
    std::string_view fileFilter() const override;
    std::string_view displayName() const override;
    std::unique_ptr<Database> importFrom(const std::string& fileName) override;

    // The same import from the file's content held in memory.
    std::unique_ptr<Database> importFromText(std::string_view text);

private:
    static std::unique_ptr<Database> Read(const tinyxml2::XMLDocument& document);
};

} // namespace vaultlet
