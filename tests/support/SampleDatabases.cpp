#include "tests/support/SampleDatabases.h"

#include "core/TextConversion.h"

#include <string>

namespace vaultlet::test {
namespace {

// Narrow text in the system's code page built from UTF-8, so the same test runs natively (UTF-8)
// and under Windows code pages. The characters are in every Western code page.
std::string Narrow(const char* utf8) {
    const SecureString ansi = Utf8ToAnsi(utf8);
    return std::string(ansi.Viewed());
}

std::unique_ptr<Item> MakeItem(std::uint32_t type, int index) {
    auto item = std::make_unique<Item>();
    item->ApplyTypeDefaults(static_cast<ItemType>(type));
    item->SetName(Narrow("Feld \xC3\xBC ") + std::to_string(type));
    item->SetComment(index % 2 == 0 ? std::string("line one\nline two\t<tab>") : std::string());
    item->SetMeta(index % 3 == 0 ? std::string("meta & \"quotes\" 'too'") : std::string());
    item->SetValue(Narrow("v\xC3\xA9rt <&>\"' ") + std::to_string(index) + "  ");
    item->SetHidden(index % 2 == 1);
    item->SetTime(1600000000 + index);
    if (index == 11 || index == 14) {
        std::vector<std::uint8_t> binary(257);
        for (std::size_t i = 0; i < binary.size(); ++i) {
            binary[i] = static_cast<std::uint8_t>(i % 5 == 0 ? 0 : i * 7);
        }
        item->SetBinary(binary.data(), binary.size());
    }
    return item;
}

} // namespace

std::unique_ptr<Database> BuildEveryFieldDatabase() {
    auto database = std::make_unique<Database>();
    database->SetName(Narrow("Home & Caf\xC3\xA9 <main>"));
    database->SetComment("root comment");
    database->SetImage(3);
    database->SetTime(1500000000);

    auto group = std::make_unique<Group>(Narrow("Gr\xC3\xBC\xC3\x9F"
                                                "e \"quoted\""));
    group->SetComment("group\ncomment");
    group->SetImage(7);
    group->SetTime(1500000001);

    auto full = std::make_unique<Passcard>();
    full->SetName("Everything <passcard>");
    full->SetComment("  padded  ");
    full->SetImage(33);
    full->SetTime(1500000002);
    full->SetBookmark(true);
    full->SetUseAutofill(true);
    full->SetAutofillString("<Login>{TAB}<Password>{ENTER}");
    full->SetWindow("Sign in - Browser");
    full->SetWindowId("#32770|Enter passphrase|Edit|Button");
    full->SetExpiration(0x01DA23456789ABCDull);
    for (std::uint32_t type = 0; type <= 15; ++type) {
        full->Add(MakeItem(type, static_cast<int>(type)));
    }
    group->Add(std::move(full));

    auto empty = std::make_unique<Passcard>();
    empty->SetName("Empty");
    empty->SetTime(1500000003);
    group->Add(std::move(empty));
    database->Add(std::move(group));

    auto emptyGroup = std::make_unique<Group>("Software");
    emptyGroup->SetTime(1500000004);
    database->Add(std::move(emptyGroup));
    return database;
}

std::unique_ptr<Passcard> MakePasscard(std::string_view name,
                                       std::initializer_list<std::pair<ItemType, std::string_view>> items) {
    auto passcard = std::make_unique<Passcard>();
    passcard->SetName(std::string(name));
    for (const auto& [type, value] : items) {
        auto item = std::make_unique<Item>();
        item->ApplyTypeDefaults(type);
        item->SetValue(value);
        passcard->Add(std::move(item));
    }
    return passcard;
}

} // namespace vaultlet::test
