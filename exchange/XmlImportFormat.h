#pragma once

#include "exchange/ImportFormat.h"

#include <functional>
#include <string_view>

namespace tinyxml2 {
class XMLDocument;
}

namespace vaultlet {

class ImportDocument;

// An import format whose files are XML: the file is loaded as an ImportDocument (within its limits)
// and read by ReadDocument, under GuardedImport.
class XmlImportFormat : public ImportFormat {
public:
    std::unique_ptr<Database> importFrom(const std::string& fileName) final;

    // The same import from the file's content held in memory.
    std::unique_ptr<Database> importFromText(std::string_view text);

protected:
    // The database the document describes; null when it is not in this format.
    virtual std::unique_ptr<Database> ReadDocument(const tinyxml2::XMLDocument& document) const = 0;

private:
    std::unique_ptr<Database> Import(const std::function<bool(ImportDocument&)>& load) const;
};

} // namespace vaultlet
