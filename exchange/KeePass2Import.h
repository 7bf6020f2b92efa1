#pragma once

#include "exchange/ImportFormat.h"

#include <string_view>

namespace tinyxml2 {
class XMLDocument;
class XMLElement;
} // namespace tinyxml2

namespace vaultlet {

class GroupNameIndex;

// Reads the XML export of KeePass 2. Groups lose their nesting: every KeePass group becomes a
// top-level group, in document pre-order, and the entries of the root group go to "General".
// Entries are filed by group name, so the entries of two groups of the same name share the first.
// Only files whose generator is exactly "KeePass" are accepted.
class KeePass2Import : public ImportFormat {
public:
    KeePass2Import();
    ~KeePass2Import() override;

    std::string_view fileFilter() const override;
    std::string_view displayName() const override;
    std::unique_ptr<Database> importFrom(const std::string& fileName) override;

    // The same import from the file's content held in memory.
    std::unique_ptr<Database> importFromText(std::string_view text);

private:
    // Fills m_database from the document; leaves it null when the file is not a KeePass 2 export.
    void Read(const tinyxml2::XMLDocument& document);
    void ReadGroupContent(const tinyxml2::XMLElement& group, std::string_view groupName, GroupNameIndex& groups);

    // The database under construction, valid during one import only.
    std::unique_ptr<Database> m_database;
};

} // namespace vaultlet
