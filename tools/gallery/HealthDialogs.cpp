// The password health report over a small database with one finding of every kind: an expired and
// a soon expiring passcard, a password shared by two, weak ones, an empty one and one that is the
// login.
#include "tools/gallery/Gallery.h"

#include "core/Clock.h"
#include "core/Database.h"
#include "core/Group.h"
#include "core/Item.h"
#include "core/Passcard.h"
#include "shell/win32/health/PasswordHealthDialog.h"

#include <initializer_list>
#include <memory>
#include <string_view>
#include <utility>

namespace vaultlet::gallery {
namespace {

constexpr std::uint64_t kDay = 864000000000ULL;

void Add(Group& group, std::string_view name, std::initializer_list<std::pair<ItemType, std::string_view>> items,
         std::int64_t expiresInDays = 0) {
    auto passcard = std::make_unique<Passcard>();
    passcard->SetName(name);
    for (const auto& [type, value] : items) {
        auto item = std::make_unique<Item>();
        item->ApplyTypeDefaults(type);
        item->SetValue(value);
        passcard->Add(std::move(item));
    }
    if (expiresInDays != 0) {
        passcard->SetExpiration(Clock::NowFileTime() + static_cast<std::uint64_t>(expiresInDays * kDay));
    }
    group.Add(std::move(passcard));
}

std::unique_ptr<Database> SampleDatabase() {
    auto database = std::make_unique<Database>();
    auto internet = std::make_unique<Group>("Internet");
    Add(*internet, "Web mail", {{ItemType::Login, "anna.k"}, {ItemType::Password, "sunshine1"}});
    Add(*internet, "Forum", {{ItemType::Login, "anna.k"}, {ItemType::Password, "anna.k"}});
    Add(*internet, "Shop", {{ItemType::Password, "Violet-Harbour-42-Lantern"}}, 9);
    Add(*internet, "Travel", {{ItemType::Password, "qwER43@!"}});
    auto banking = std::make_unique<Group>("HomeBanking");
    Add(*banking, "Savings", {{ItemType::Password, "Violet-Harbour-42-Lantern"}});
    Add(*banking, "Old card", {{ItemType::CardNumber, "4111 1111 1111 1111"}, {ItemType::Password, ""}}, -20);
    Add(*banking, "Broker", {{ItemType::Password, "h7#Lq9!vZr2@Wm4x"}});
    database->Add(std::move(internet));
    database->Add(std::move(banking));
    return database;
}

const Registration kPasswordHealth("password-health", [](Scene&) {
    const std::unique_ptr<Database> database = SampleDatabase();
    PasswordHealthDialog dialog(*database);
    dialog.RunModal(nullptr);
});

} // namespace
} // namespace vaultlet::gallery
