#include "shell/NewLogin.h"

#include "core/Item.h"

namespace vaultlet::new_login {
namespace {

void AddField(Passcard& passcard, ItemType type, std::string_view value) {
    auto item = std::make_unique<Item>();
    item->ApplyTypeDefaults(type);
    item->SetValue(value);
    passcard.Add(std::move(item));
}

} // namespace

std::unique_ptr<Passcard> Build(const Fields& fields, std::string_view fallbackName) {
    auto passcard = std::make_unique<Passcard>();
    std::string name = fields.name;
    if (name.empty()) {
        name = HostOf(fields.url);
    }
    passcard->SetName(name.empty() ? fallbackName : std::string_view(name));
    AddField(*passcard, ItemType::Login, fields.login);
    AddField(*passcard, ItemType::Password, fields.password.Viewed());
    AddField(*passcard, ItemType::Url, fields.url);
    passcard->SetComment(fields.note);
    return passcard;
}

std::string HostOf(std::string_view address) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = address.find_first_not_of(kBlanks);
    address = first == std::string_view::npos ? std::string_view() : address.substr(first);
    if (const std::size_t scheme = address.find("://"); scheme != std::string_view::npos) {
        address.remove_prefix(scheme + 3);
    } else if (address.rfind("mailto:", 0) == 0) {
        address.remove_prefix(7);
    }
    address = address.substr(0, address.find_first_of("/?# \t\r\n"));
    if (const std::size_t user = address.rfind('@'); user != std::string_view::npos) {
        address.remove_prefix(user + 1);
    }
    // A port follows the last colon, except inside the brackets of an IPv6 address.
    const std::size_t port = address.rfind(':');
    if (port != std::string_view::npos && address.find(']', port) == std::string_view::npos) {
        address = address.substr(0, port);
    }
    if (address.size() > 4 && (address.rfind("www.", 0) == 0 || address.rfind("WWW.", 0) == 0)) {
        address.remove_prefix(4);
    }
    return std::string(address);
}

} // namespace vaultlet::new_login
