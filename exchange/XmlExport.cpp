#include "exchange/XmlExport.h"

#include "core/Database.h"
#include "exchange/ExchangeXml.h"
#include "exchange/ExchangeXmlPrinter.h"
#include "exchange/ExportFile.h"
#include "exchange/ExportSelection.h"
#include "core/WipedXmlDocument.h"
#include "exchange/XmlFormatNames.h"

#include <tinyxml2.h>

#include <cinttypes>
#include <cstdio>
#include <string>

namespace vaultlet {
namespace {

using tinyxml2::XMLElement;

const char* Flag(bool value) {
    return value ? "1" : "0";
}

void AppendNumberElement(XMLElement* parent, const char* name, std::int64_t value) {
    AppendTextElement(parent, name, std::to_string(value));
}

void WriteItem(XMLElement* items, const Item& item) {
    XMLElement* element = items->InsertNewChildElement(xml::kItem);
    AppendTextElement(element, xml::kName, item.Name());
    AppendTextElement(element, xml::kData, item.Value());
    if (!item.Meta().empty()) {
        AppendTextElement(element, xml::kMeta, item.Meta());
    }
    AppendNumberElement(element, xml::kImage, item.Image());
    // The type is written as a signed number, as the reader takes it back.
    AppendNumberElement(element, xml::kType, static_cast<std::int32_t>(item.Type()));
    AppendTextElement(element, xml::kHide, Flag(item.Hidden()));
}

std::string FormatExpiration(std::uint64_t expiration) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "0x%08" PRIX32 "%08" PRIX32, static_cast<std::uint32_t>(expiration >> 32),
                  static_cast<std::uint32_t>(expiration));
    return buffer;
}

// The passcard's own values; the caller adds its items.
XMLElement* WritePasscardValues(XMLElement* passcards, const Passcard& passcard) {
    XMLElement* element = passcards->InsertNewChildElement(xml::kPasscard);
    AppendTextElement(element, xml::kName, passcard.Name());
    AppendTextElement(element, xml::kComment, passcard.Comment());
    AppendTextElement(element, xml::kBookmarked, Flag(passcard.Bookmark()));
    AppendTextElement(element, xml::kAutofill, Flag(passcard.UseAutofill()));
    // The stored template: an empty one stays empty, so the default keeps following the program.
    AppendTextElement(element, xml::kAutofillString, passcard.StoredAutofillString());
    AppendTextElement(element, xml::kExpirationTimeUtc, FormatExpiration(passcard.Expiration()));
    return element;
}

void WritePasscard(XMLElement* passcards, const Passcard& passcard) {
    XMLElement* items = WritePasscardValues(passcards, passcard)->InsertNewChildElement(xml::kItems);
    for (const auto& item : passcard.Children()) {
        WriteItem(items, *item);
    }
}

// The group's name and comment; the caller adds its passcards.
XMLElement* WriteGroupShell(XMLElement* groups, const Group& group) {
    XMLElement* element = groups->InsertNewChildElement(xml::kGroup);
    AppendTextElement(element, xml::kName, group.Name());
    AppendTextElement(element, xml::kComment, group.Comment());
    return element;
}

void WriteGroup(XMLElement* groups, const Group& group) {
    XMLElement* passcards = WriteGroupShell(groups, group)->InsertNewChildElement(xml::kPasscards);
    for (const auto& passcard : group.Children()) {
        WritePasscard(passcards, *passcard);
    }
}

void WriteSelection(XMLElement* groups, const Database& database, const ExportSelection& selection) {
    using Scope = ExportSelection::Scope;
    switch (selection.scope) {
    case Scope::Database:
        for (const auto& group : database.Children()) {
            WriteGroup(groups, *group);
        }
        break;
    case Scope::Group:
        WriteGroup(groups, *selection.group);
        break;
    case Scope::Passcard:
        WritePasscard(WriteGroupShell(groups, *selection.group)->InsertNewChildElement(xml::kPasscards),
                      *selection.passcard);
        break;
    case Scope::Item: {
        XMLElement* passcards = WriteGroupShell(groups, *selection.group)->InsertNewChildElement(xml::kPasscards);
        XMLElement* passcard = WritePasscardValues(passcards, *selection.passcard);
        WriteItem(passcard->InsertNewChildElement(xml::kItems), *selection.item);
        break;
    }
    }
}

SecureString PrintDocument(const Database& database, const ExportSelection& selection) {
    WipedXmlDocument document;
    // The library's default declaration: version "1.0", encoding "UTF-8", no standalone value.
    document->InsertEndChild(document->NewDeclaration());
    XMLElement* root = document->NewElement(xml::kRoot);
    document->InsertEndChild(root);
    XMLElement* databaseElement = root->InsertNewChildElement(xml::kDatabase);
    AppendTextElement(databaseElement, xml::kName, database.Name());
    AppendTextElement(databaseElement, xml::kComment, database.Comment());
    WriteSelection(databaseElement->InsertNewChildElement(xml::kGroups), database, selection);

    SecureString printed;
    ExchangeXmlPrinter printer(printed);
    document->Print(&printer);
    return printed;
}

} // namespace

std::string_view XmlExport::fileFilter() const {
    return xml::kFileFilter;
}

std::string_view XmlExport::displayName() const {
    return xml::kDisplayName;
}

bool XmlExport::Print(const Database& database, const ModelNode* node, SecureString& text) {
    const auto selection = ExportSelection::Resolve(database, node);
    if (!selection) {
        return false;
    }
    try {
        text = PrintDocument(database, *selection);
        return true;
    } catch (...) {
        // Out of memory on a huge database: nothing to write.
        return false;
    }
}

bool XmlExport::exportTo(const std::string& fileName, const Database& database, const ModelNode* node) const {
    SecureString text;
    return Print(database, node, text) && WriteExportFile(fileName, text);
}

} // namespace vaultlet
