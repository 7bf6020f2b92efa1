#include "core/DatabaseDocument.h"

#include "core/Database.h"
#include "core/ModifiedFlag.h"
#include "core/SecureXmlPrinter.h"

#include <tinyxml2.h>

namespace vaultlet {
namespace {

constexpr const char* kRootElement = "database";

// Owns a tinyxml2 document and wipes its text before it goes away.
class WipedDocument {
public:
    explicit WipedDocument(bool parsed) : m_document(true, tinyxml2::PRESERVE_WHITESPACE), m_parsed(parsed) {}
    ~WipedDocument() { WipeXmlDocument(m_document, m_parsed); }
    tinyxml2::XMLDocument& operator*() noexcept { return m_document; }
    tinyxml2::XMLDocument* operator->() noexcept { return &m_document; }

private:
    tinyxml2::XMLDocument m_document;
    bool m_parsed;
};

} // namespace

bool DatabaseDocument::Print(const Database& database, SecureString& text) {
    WipedDocument document(false);
    document->InsertEndChild(document->NewDeclaration());
    tinyxml2::XMLElement* root = document->NewElement(kRootElement);
    document->InsertEndChild(root);
    if (!database.Write(root)) {
        return false;
    }
    SecureString printed;
    SecureXmlPrinter printer(printed);
    document->Print(&printer);
    text = std::move(printed);
    return true;
}

bool DatabaseDocument::Parse(std::string_view text, Database& database) {
    WipedDocument document(true);
    bool read = false;
    if (document->Parse(text.data(), text.size()) == tinyxml2::XML_SUCCESS) {
        read = database.Read(document->FirstChildElement(kRootElement));
    } else {
        database.DeleteAll();
    }
    ModifiedFlag::Clear();
    return read;
}

} // namespace vaultlet
