#include "shell/NodeFinder.h"

#include "core/Database.h"
#include "core/Group.h"
#include "tests/support/SampleDatabases.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vaultlet {
namespace {

using test::MakePasscard;

// Home (note "family computer") / HomeBanking / Bank (note "PIN at the desk") with a login, a hidden
// password, a password shown in the clear, an address and a key passphrase; Internet / Mail; and a
// group whose name is in Cyrillic.
std::unique_ptr<Database> SampleDatabase() {
    auto database = std::make_unique<Database>();
    database->SetName("Home");
    database->SetComment("family computer");
    auto banking = std::make_unique<Group>("HomeBanking");
    auto bank = MakePasscard("Bank", {{ItemType::Login, "Anna.K@Example.org"},
                                      {ItemType::Password, "s3cret-Desk"},
                                      {ItemType::Password, "shown pin 4711"},
                                      {ItemType::Url, "https://bank.example"},
                                      {ItemType::KeyPassphrase, "phrase"}});
    bank->SetComment("PIN at the desk");
    bank->At(2)->SetHidden(false);
    bank->At(4)->SetMeta("id_rsa_desk");
    banking->Add(std::move(bank));
    database->Add(std::move(banking));
    auto internet = std::make_unique<Group>("Internet");
    internet->Add(MakePasscard("Mail", {{ItemType::Mail, "anna@mail.example"}}));
    database->Add(std::move(internet));
    database->Add(std::make_unique<Group>("\xD0\x91\xD0\xB0\xD0\xBD\xD0\xBA")); // "Банк" in UTF-8
    return database;
}

struct Expected {
    std::string path;
    unsigned places;
};

std::vector<Expected> Find(const Database& database, std::string_view text) {
    std::vector<Expected> found;
    for (const NodeFinder::Found& hit : NodeFinder(text).FindAll(database)) {
        found.push_back({std::string(NodeFinder::PathOf(*hit.node).Viewed()), hit.places});
    }
    return found;
}

bool operator==(const Expected& a, const Expected& b) {
    return a.path == b.path && a.places == b.places;
}

void PrintTo(const Expected& expected, std::ostream* out) {
    *out << expected.path << " " << expected.places;
}

constexpr unsigned kName = NodeFinder::kName;
constexpr unsigned kValue = NodeFinder::kValue;
constexpr unsigned kMeta = NodeFinder::kMeta;
constexpr unsigned kNote = NodeFinder::kNote;

TEST(NodeFinderTest, FindsTheTextAnywhereInEveryPlaceButHiddenValues) {
    const auto database = SampleDatabase();
    const struct {
        const char* text;
        std::vector<Expected> found;
    } cases[] = {
        // Inside a name, in any case.
        {"bank", {{"HomeBanking", kName}, {"HomeBanking / Bank", kName}, {"HomeBanking / Bank / URL", kValue}}},
        // Field names, and the hidden password is not among the values.
        {"pass",
         {{"HomeBanking / Bank / Password", kName},
          {"HomeBanking / Bank / Password", kName},
          {"HomeBanking / Bank / Key passphrase", kName}}},
        // A password shown in the clear is no secret of the list; the hidden one is never compared.
        {"pin", {{"HomeBanking / Bank", kNote}, {"HomeBanking / Bank / Password", kValue}}},
        // A node found in several places is listed once, with all of them.
        {"w", {{"HomeBanking / Bank / Password", kName}, {"HomeBanking / Bank / Password", kName | kValue}}},
        // "desk" is in the note, the extra row of the key passphrase and the hidden password.
        {"Desk", {{"HomeBanking / Bank", kNote}, {"HomeBanking / Bank / Key passphrase", kMeta}}},
        // The database is found by its note, never by its name.
        {"home", {{"HomeBanking", kName}}},
        {"family", {{"Home", kNote}}},
        // Text outside ASCII matches byte for byte.
        {"\xD0\x91\xD0\xB0\xD0\xBD", {{"\xD0\x91\xD0\xB0\xD0\xBD\xD0\xBA", kName}}},
        {"", {}},
        {"anna.k@example.org and more", {}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(Find(*database, text), expected) << text;
    }
}

TEST(NodeFinderTest, FoldsAsTheCodePageDoes) {
    // "É" and "é" of Windows-1252, folded as a single-byte code page would have them.
    CaseFolding western;
    western.SetLower(0xC9, 0xE9);
    const NodeFinder finder("CAF\xC9", western);
    EXPECT_TRUE(finder.Contains("le caf\xE9 du coin"));
    EXPECT_TRUE(finder.Contains("CAF\xC9"));
    EXPECT_FALSE(NodeFinder("CAF\xC9", CaseFolding()).Contains("caf\xE9"));
    EXPECT_FALSE(finder.Contains("cafe"));
}

TEST(NodeFinderTest, PathsAndFieldsByAddress) {
    const auto database = SampleDatabase();
    const Item* mail = database->At(1)->At(0)->At(0);
    EXPECT_EQ(NodeFinder::PathOf(*database), "Home");
    EXPECT_EQ(NodeFinder::PathOf(*database->At(1)), "Internet");
    EXPECT_EQ(NodeFinder::PathOf(*mail), "Internet / Mail / Mail");
    EXPECT_EQ(NodeFinder::FieldAt(*database, mail), mail);
    EXPECT_EQ(NodeFinder::FieldAt(*database, database->At(1)->At(0)), nullptr) << "a passcard is no field";
    const Item detached;
    EXPECT_EQ(NodeFinder::FieldAt(*database, &detached), nullptr);
}

} // namespace
} // namespace vaultlet
