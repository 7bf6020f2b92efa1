#include "core/DatabaseDocument.h"

#include "core/Database.h"
#include "core/ModifiedFlag.h"
#include "core/SecureXmlPrinter.h"
#include "core/WipedXmlDocument.h"

#include <tinyxml2.h>

namespace vaultlet {
namespace {

constexpr const char* kRootElement = "database";

} // namespace

bool DatabaseDocument::Print(const Database& database, SecureString& text) {
    WipedXmlDocument document;
    document->InsertEndChild(document->NewDeclaration());
    tinyxml2::XMLElement* root = document->NewElement(kRootElement);
    document->InsertEndChild(root);
    if (!database.Write(root)) {
        return false;
    }
    SecureString printed;
    // Values typed on Windows hold CR LF; references keep the CR through the parser's line-end handling.
    SecureXmlPrinter printer(printed, SecureXmlPrinter::Controls::References);
    document->Print(&printer);
    text = std::move(printed);
    return true;
}

bool DatabaseDocument::Parse(std::string_view text, Database& database) {
    WipedXmlDocument document(true);
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
