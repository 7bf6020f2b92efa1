#include "cli/ItemTypeNames.h"

#include "cli/CliFailure.h"
#include "cli/OutputText.h"

#include <cctype>

namespace vaultlet {
namespace {

struct TypeName {
    ItemType type;
    std::string_view keyword; // as the help text shows it
    std::string_view label;   // the type's default item name
    bool pickable;
};

// In the order of the program's type list; the three that come only from imports last.
constexpr TypeName kTypeNames[] = {
    {ItemType::Custom, "custom", "Custom", true},
    {ItemType::Password, "password", "Password", true},
    {ItemType::Login, "login", "Login", true},
    {ItemType::Url, "url", "URL", true},
    {ItemType::Location, "location", "Location", true},
    {ItemType::Mail, "mail", "Mail", true},
    {ItemType::Host, "host", "Host", true},
    {ItemType::Ip, "ip", "IP", true},
    {ItemType::CardNumber, "card-number", "Card Number", true},
    {ItemType::Serial, "serial", "Serial", true},
    {ItemType::Phone, "phone", "Phone", true},
    {ItemType::KeyPassphrase, "key-passphrase", "Key passphrase", true},
    {ItemType::File, "file", "File", false},
    {ItemType::Exec, "exec", "Exec", false},
    {ItemType::PrivateKey, "private-key", "Private key", false},
};

// Lower case without blanks, "-" and "_".
std::string Folded(std::string_view name) {
    std::string folded;
    for (const char c : name) {
        if (c != ' ' && c != '-' && c != '_') {
            folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return folded;
}

} // namespace

ItemType ItemTypeNames::Pickable(std::string_view name) {
    const std::string folded = Folded(name);
    for (const TypeName& each : kTypeNames) {
        if (Folded(each.keyword) != folded) {
            continue;
        }
        if (!each.pickable) {
            throw UsageError(std::string(each.label) +
                             " items carry attached data and come only from imports; --type takes " + PickableList());
        }
        return each.type;
    }
    throw UsageError("unknown item type \"" + OneLine(name) + "\"; --type takes " + PickableList());
}

std::string ItemTypeNames::Label(ItemType type) {
    for (const TypeName& each : kTypeNames) {
        if (each.type == type) {
            return std::string(each.label);
        }
    }
    return "Type " + std::to_string(static_cast<std::uint32_t>(type));
}

std::string ItemTypeNames::PickableList() {
    std::string list;
    for (const TypeName& each : kTypeNames) {
        if (each.pickable) {
            list += list.empty() ? "" : ", ";
            list += each.keyword;
        }
    }
    return list;
}

} // namespace vaultlet
