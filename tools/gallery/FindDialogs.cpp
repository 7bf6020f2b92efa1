// Edit > Find over a small database, looking for "bank": a group, passcards and fields found by their
// names, an address and a note.
#include "tools/gallery/Gallery.h"

#include "core/Database.h"
#include "core/Group.h"
#include "core/Item.h"
#include "core/Passcard.h"
#include "shell/win32/find/FindDialog.h"

#include <initializer_list>
#include <memory>
#include <string_view>
#include <utility>

namespace vaultlet::gallery {
namespace {

void Add(Group& group, std::string_view name, std::initializer_list<std::pair<ItemType, std::string_view>> items,
         std::string_view note = {}) {
    auto passcard = std::make_unique<Passcard>();
    passcard->SetName(name);
    passcard->SetComment(note);
    for (const auto& [type, value] : items) {
        auto item = std::make_unique<Item>();
        item->ApplyTypeDefaults(type);
        item->SetValue(value);
        passcard->Add(std::move(item));
    }
    group.Add(std::move(passcard));
}

std::unique_ptr<Database> SampleDatabase() {
    auto database = std::make_unique<Database>();
    auto internet = std::make_unique<Group>("Internet");
    Add(*internet, "Web mail", {{ItemType::Login, "anna.k"}, {ItemType::Password, "Violet-Harbour-42"}});
    Add(*internet, "Shop", {{ItemType::Login, "anna.k@mail.example"}, {ItemType::Url, "shop.example"}},
        "Pays with the card of the savings bank");
    auto banking = std::make_unique<Group>("HomeBanking");
    Add(*banking, "Savings", {{ItemType::Login, "40-1138"}, {ItemType::Url, "https://bank.example/login"}});
    Add(*banking, "Credit card", {{ItemType::CardNumber, "4111 1111 1111 1111"}, {ItemType::Phone, "+1 555 0100"}});
    Add(*banking, "Broker", {{ItemType::Url, "https://broker.example"}, {ItemType::Password, "h7#Lq9!vZr2@Wm4x"}});
    database->Add(std::move(internet));
    database->Add(std::move(banking));
    return database;
}

const Registration kFind("find", [](Scene&) {
    const std::unique_ptr<Database> database = SampleDatabase();
    FindDialog dialog(*database, "bank");
    dialog.RunModal(nullptr);
});

} // namespace
} // namespace vaultlet::gallery
