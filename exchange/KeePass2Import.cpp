#include "exchange/KeePass2Import.h"

#include "core/Database.h"
#include "core/GroupNameIndex.h"
#include "exchange/AsciiText.h"
#include "exchange/ExchangeXml.h"

#include <tinyxml2.h>

#include <cstring>

namespace vaultlet {
namespace {

using tinyxml2::XMLElement;

constexpr const char* kGenerator = "KeePass";
constexpr std::string_view kDefaultDatabaseName = "Imported KeePass 2.X Database";
constexpr std::string_view kRootGroupName = "General";

struct KeyType {
    const char* key;
    ItemType type;
};

// Keys with a type of their own, compared ignoring case; any other key makes a custom item.
constexpr KeyType kKeyTypes[] = {
    {"Password", ItemType::Password}, {"URL", ItemType::Url},
    {"UserName", ItemType::Login},    {"IP", ItemType::Ip},
    {"Mail", ItemType::Mail},         {"Phone", ItemType::Phone},
    {"Serial", ItemType::Serial},     {"Host", ItemType::Host},
};

ItemType TypeOfKey(std::string_view key) {
    for (const auto& entry : kKeyTypes) {
        if (EqualsIgnoringAsciiCase(key, entry.key)) {
            return entry.type;
        }
    }
    return ItemType::Custom;
}

// One "String" of an entry as an item; null when its key or its value is empty.
std::unique_ptr<Item> ReadString(const XMLElement& string) {
    const SecureString key = ChildText(&string, "Key");
    SecureString value = ChildText(&string, "Value");
    if (key.empty() || value.empty()) {
        return nullptr;
    }
    auto item = std::make_unique<Item>();
    const ItemType type = TypeOfKey(key);
    if (type == ItemType::Custom) {
        item->SetName(key);
    }
    item->ApplyTypeDefaults(type);
    item->SetValue(value);
    return item;
}

// An entry as a passcard: "Title" names it, "Notes" comments it, every other string is an item.
std::unique_ptr<Passcard> ReadEntry(const XMLElement& entry) {
    auto passcard = std::make_unique<Passcard>();
    // Direct children only: older versions of the entry inside its "History" are not read.
    for (const XMLElement* string = entry.FirstChildElement("String"); string != nullptr;
         string = string->NextSiblingElement("String")) {
        std::unique_ptr<Item> item = ReadString(*string);
        if (!item) {
            continue;
        }
        const bool custom = item->Type() == ItemType::Custom;
        if (custom && item->Name().Viewed() == "Notes") {
            passcard->SetComment(item->Value());
        } else if (custom && item->Name().Viewed() == "Title") {
            passcard->SetName(item->Value());
        } else {
            passcard->Add(std::move(item));
        }
    }
    return passcard;
}

// The parser limits the nesting depth, which bounds this recursion.
void ReadGroupContent(const XMLElement& group, std::string_view groupName, GroupNameIndex& groups) {
    for (const XMLElement* entry = group.FirstChildElement("Entry"); entry != nullptr;
         entry = entry->NextSiblingElement("Entry")) {
        groups.FindOrAdd(groupName)->Add(ReadEntry(*entry));
    }
    for (const XMLElement* child = group.FirstChildElement("Group"); child != nullptr;
         child = child->NextSiblingElement("Group")) {
        auto created = std::make_unique<Group>(ChildText(child, "Name"));
        created->SetComment(ChildText(child, "Notes"));
        const SecureString childName = created->Name().Copy();
        groups.Add(std::move(created));
        ReadGroupContent(*child, childName, groups);
    }
}

} // namespace

KeePass2Import::KeePass2Import() : XmlImportFormat("KeePass 2 XML (*.xml)%*.xml%", "KeePass 2 XML") {}

std::unique_ptr<Database> KeePass2Import::ReadDocument(const tinyxml2::XMLDocument& document) const {
    const XMLElement* file = document.FirstChildElement("KeePassFile");
    const XMLElement* root = file != nullptr ? file->FirstChildElement("Root") : nullptr;
    const XMLElement* meta = file != nullptr ? file->FirstChildElement("Meta") : nullptr;
    if (root == nullptr || meta == nullptr) {
        return nullptr;
    }
    const char* generator = ChildTextUtf8(meta, "Generator");
    if (generator == nullptr || std::strcmp(generator, kGenerator) != 0) {
        return nullptr;
    }
    const XMLElement* rootGroup = root->FirstChildElement("Group");
    if (rootGroup == nullptr) {
        return nullptr;
    }
    SecureString name = ChildText(meta, "DatabaseName");
    if (name.empty()) {
        name = kDefaultDatabaseName;
    }
    auto database = std::make_unique<Database>();
    database->SetName(name);
    database->SetComment(ChildText(meta, "DatabaseDescription"));
    // The root group's own name and notes are not used.
    GroupNameIndex groups(*database);
    ReadGroupContent(*rootGroup, kRootGroupName, groups);
    return database;
}

} // namespace vaultlet
