#include "exchange/XmlImport.h"

#include "core/Database.h"
#include "exchange/ExchangeXml.h"
#include "exchange/XmlFormatNames.h"

#include <tinyxml2.h>

namespace vaultlet {
namespace {

using tinyxml2::XMLElement;

// Calls visit for each child element of that name inside the parent's first list element; a missing
// list is an empty one.
template <typename Visit>
void ForEachListed(const XMLElement* parent, const char* listName, const char* elementName, Visit visit) {
    const XMLElement* list = parent->FirstChildElement(listName);
    if (list == nullptr) {
        return;
    }
    for (const XMLElement* element = list->FirstChildElement(elementName); element != nullptr;
         element = element->NextSiblingElement(elementName)) {
        visit(*element);
    }
}

// Sets the node's name and comment from the element's children, where these have text.
void ReadNameAndComment(const XMLElement& element, ModelNode& node) {
    if (ChildTextUtf8(&element, xml::kName) != nullptr) {
        node.SetName(ChildText(&element, xml::kName));
    }
    if (ChildTextUtf8(&element, xml::kComment) != nullptr) {
        node.SetComment(ChildText(&element, xml::kComment));
    }
}

// Calls apply with the child's number when the child has text.
template <typename Apply>
void ReadDecimal(const XMLElement& element, const char* name, Apply apply) {
    if (const char* text = ChildTextUtf8(&element, name)) {
        apply(ParseLenientDecimal(text));
    }
}

std::unique_ptr<Item> ReadItem(const XMLElement& element) {
    auto item = std::make_unique<Item>();
    if (ChildTextUtf8(&element, xml::kName) != nullptr) {
        item->SetName(ChildText(&element, xml::kName));
    }
    if (ChildTextUtf8(&element, xml::kData) != nullptr) {
        item->SetValue(ChildText(&element, xml::kData));
    }
    if (ChildTextUtf8(&element, xml::kMeta) != nullptr) {
        item->SetMeta(ChildText(&element, xml::kMeta));
    }
    // The type is taken as written; its default name, image and hidden flag are not applied.
    ReadDecimal(element, xml::kType,
                [&](std::int64_t type) { item->SetType(static_cast<ItemType>(static_cast<std::uint32_t>(type))); });
    ReadDecimal(element, xml::kHide, [&](std::int64_t hide) { item->SetHidden(hide != 0); });
    ReadDecimal(element, xml::kImage, [&](std::int64_t image) { item->SetImage(static_cast<std::int32_t>(image)); });
    return item;
}

std::unique_ptr<Passcard> ReadPasscard(const XMLElement& element) {
    auto passcard = std::make_unique<Passcard>();
    ReadNameAndComment(element, *passcard);
    ReadDecimal(element, xml::kBookmarked, [&](std::int64_t flag) { passcard->SetBookmark(flag != 0); });
    ReadDecimal(element, xml::kAutofill, [&](std::int64_t flag) { passcard->SetUseAutofill(flag != 0); });
    if (ChildTextUtf8(&element, xml::kAutofillString) != nullptr) {
        passcard->SetAutofillString(ChildText(&element, xml::kAutofillString));
    }
    if (const char* expiration = ChildTextUtf8(&element, xml::kExpirationTimeUtc)) {
        passcard->SetExpiration(ParseLenientHex(expiration));
    }
    ForEachListed(&element, xml::kItems, xml::kItem, [&](const XMLElement& item) { passcard->Add(ReadItem(item)); });
    return passcard;
}

std::unique_ptr<Group> ReadGroup(const XMLElement& element) {
    auto group = std::make_unique<Group>();
    ReadNameAndComment(element, *group);
    ForEachListed(&element, xml::kPasscards, xml::kPasscard,
                  [&](const XMLElement& passcard) { group->Add(ReadPasscard(passcard)); });
    return group;
}

} // namespace

XmlImport::XmlImport() : XmlImportFormat(xml::kFileFilter, xml::kDisplayName) {}

std::unique_ptr<Database> XmlImport::ReadDocument(const tinyxml2::XMLDocument& document) const {
    const XMLElement* root = document.FirstChildElement(xml::kRoot);
    const XMLElement* databaseElement = root != nullptr ? root->FirstChildElement(xml::kDatabase) : nullptr;
    if (databaseElement == nullptr) {
        return nullptr;
    }
    auto database = std::make_unique<Database>();
    ReadNameAndComment(*databaseElement, *database);
    ForEachListed(databaseElement, xml::kGroups, xml::kGroup,
                  [&](const XMLElement& group) { database->Add(ReadGroup(group)); });
    return database;
}

} // namespace vaultlet
