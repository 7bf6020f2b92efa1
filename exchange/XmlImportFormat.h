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
// and read by ReadDocument, under GuardedImport. The file filter and the display name it is made
// with are constants that outlive it.
class XmlImportFormat : public ImportFormat {
public:
    XmlImportFormat(std::string_view fileFilter, std::string_view displayName)
        : m_fileFilter(fileFilter), m_displayName(displayName) {}

    std::string_view fileFilter() const final { return m_fileFilter; }
    std::string_view displayName() const final { return m_displayName; }
    std::unique_ptr<Database> importFrom(const std::string& fileName) final;

    // The same import from the file's content held in memory.
    std::unique_ptr<Database> importFromText(std::string_view text);

protected:
    // The database the document describes; null when it is not in this format.
    virtual std::unique_ptr<Database> ReadDocument(const tinyxml2::XMLDocument& document) const = 0;

private:
    std::unique_ptr<Database> Import(const std::function<bool(ImportDocument&)>& load);

    std::string_view m_fileFilter;
    std::string_view m_displayName;
};

} // namespace vaultlet
