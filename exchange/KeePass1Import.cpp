#include "exchange/KeePass1Import.h"

#include "core/Database.h"
#include "core/GroupNameIndex.h"
#include "exchange/ExchangeXml.h"

#include <tinyxml2.h>

namespace vaultlet {
namespace {

using tinyxml2::XMLElement;

constexpr std::string_view kDatabaseName = "Imported KeePass 1.X Database";
constexpr std::string_view kDatabaseComment = "Database imported from KeePass ver. 1.X XML";
constexpr std::string_view kDefaultGroup = "Default Group";
constexpr std::string_view kDefaultTitle = "Passcard";

void AppendItem(Passcard& passcard, ItemType type, const SecureString& value) {
    if (value.empty()) {
        return;
    }
    auto item = std::make_unique<Item>();
    item->ApplyTypeDefaults(type);
    item->SetValue(value);
    passcard.Add(std::move(item));
}

void ReadEntry(const XMLElement& entry, GroupNameIndex& groups) {
    SecureString groupName = ChildText(&entry, "group");
    SecureString title = ChildText(&entry, "title");
    const SecureString userName = ChildText(&entry, "username");
    const SecureString url = ChildText(&entry, "url");
    const SecureString password = ChildText(&entry, "password");
    const SecureString notes = ChildText(&entry, "notes");
    // A title and notes alone do not make a passcard.
    if (userName.empty() && url.empty() && password.empty()) {
        return;
    }
    if (groupName.empty()) {
        groupName = kDefaultGroup;
    }
    if (title.empty()) {
        title = kDefaultTitle;
    }
    Group* group = groups.FindOrAdd(groupName);
    auto passcard = std::make_unique<Passcard>();
    passcard->SetName(title);
    passcard->SetComment(notes);
    AppendItem(*passcard, ItemType::Password, password);
    AppendItem(*passcard, ItemType::Login, userName);
    AppendItem(*passcard, ItemType::Url, url);
    group->Add(std::move(passcard));
}

} // namespace

KeePass1Import::KeePass1Import() : XmlImportFormat("KeePass 1.X XML (*.xml)%*.xml%", "KeePass 1.X XML") {}

std::unique_ptr<Database> KeePass1Import::ReadDocument(const tinyxml2::XMLDocument& document) const {
    const XMLElement* list = document.FirstChildElement("pwlist");
    if (list == nullptr) {
        return nullptr;
    }
    auto database = std::make_unique<Database>();
    database->SetName(kDatabaseName);
    database->SetComment(kDatabaseComment);
    GroupNameIndex groups(*database);
    for (const XMLElement* entry = list->FirstChildElement("pwentry"); entry != nullptr;
         entry = entry->NextSiblingElement("pwentry")) {
        ReadEntry(*entry, groups);
    }
    return database;
}

} // namespace vaultlet
