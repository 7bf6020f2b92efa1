#include "core/DatabaseMerge.h"

#include "core/ModelCopy.h"
#include "core/ModifiedFlag.h"
#include "tests/support/ModelComparison.h"
#include "tests/support/ModelFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

using namespace vaultlet;

namespace {

constexpr std::string_view kSuffix = " (other copy)";

using Edit = std::function<void(Database&)>;

std::unique_ptr<Item> NewItem(const char* name, ItemType type, const char* value, std::int64_t time) {
    auto item = std::make_unique<Item>();
    item->SetName(name);
    item->SetType(type);
    item->SetValue(value);
    item->SetTime(time);
    return item;
}

std::unique_ptr<Passcard> NewPasscard(const char* name, std::int64_t time) {
    auto passcard = std::make_unique<Passcard>();
    passcard->SetName(name);
    passcard->SetTime(time);
    return passcard;
}

// Mail: Inbox (Login, Password), Bank (Password), Forum (Login); Work: VPN (two hosts that share
// name, creation time and type).
std::unique_ptr<Database> BuildBase() {
    auto database = std::make_unique<Database>();
    database->SetName("Home");
    database->SetTime(1);
    auto mail = std::make_unique<Group>("Mail");
    mail->SetTime(100);
    auto inbox = NewPasscard("Inbox", 200);
    inbox->Add(NewItem("Login", ItemType::Login, "me", 300));
    inbox->Add(NewItem("Password", ItemType::Password, "pw", 301));
    mail->Add(std::move(inbox));
    auto bank = NewPasscard("Bank", 201);
    bank->Add(NewItem("Password", ItemType::Password, "1234", 302));
    mail->Add(std::move(bank));
    auto forum = NewPasscard("Forum", 203);
    forum->Add(NewItem("Login", ItemType::Login, "nick", 304));
    mail->Add(std::move(forum));
    database->Add(std::move(mail));
    auto work = std::make_unique<Group>("Work");
    work->SetTime(101);
    auto vpn = NewPasscard("VPN", 202);
    vpn->Add(NewItem("Host", ItemType::Host, "vpn1", 303));
    vpn->Add(NewItem("Host", ItemType::Host, "vpn2", 303));
    work->Add(std::move(vpn));
    database->Add(std::move(work));
    return database;
}

Group& GroupAt(Database& database, const char* group) {
    return *database.FindByName(group);
}
Passcard& PasscardAt(Database& database, const char* group, const char* passcard) {
    return *GroupAt(database, group).FindByName(passcard);
}
Item& ItemAt(Database& database, const char* group, const char* passcard, const char* item) {
    return *PasscardAt(database, group, passcard).FindByName(item);
}
Item& Password(Database& database) {
    return ItemAt(database, "Mail", "Inbox", "Password");
}
Passcard& Inbox(Database& database) {
    return PasscardAt(database, "Mail", "Inbox");
}

// Moves the child at `from` of the container to `to`.
template <typename Container>
void MoveChild(Container& container, std::size_t from, std::size_t to) {
    auto child = container.Detach(container.At(from));
    container.Insert(std::move(child), to);
}

// Theirs' version of a node, renamed as the merge puts it beside ours.
template <typename Node>
std::unique_ptr<Node> OtherCopy(const Node& theirs) {
    auto copy = ModelCopy::Of(theirs);
    copy->SetName(std::string(theirs.Name().Viewed()) + std::string(kSuffix));
    return copy;
}

Edit Nothing() {
    return [](Database&) {};
}

std::string Describe(const MergeReport& report) {
    std::ostringstream out;
    out << "added " << report.added << ", removed " << report.removed << ", changed " << report.changed
        << ", other copies " << report.otherCopies << (report.otherName ? ", other name" : "")
        << (report.otherImage ? ", other icon" : "") << (report.notesJoined ? ", notes joined" : "");
    return out.str();
}

struct MergeCase {
    const char* rule;
    Edit ours;
    Edit theirs;
    // Applied to the base, gives the expected result.
    Edit expected;
    MergeReport report;
};

class DatabaseMergeTest : public test::ModelFixture {
protected:
    // Merges base + ours edit with base + theirs edit and compares with base + expected edit.
    void Check(const MergeCase& row, bool withBase = true) const {
        SCOPED_TRACE(row.rule);
        const auto base = BuildBase();
        auto ours = ModelCopy::Of(*base);
        auto theirs = ModelCopy::Of(*base);
        auto expected = ModelCopy::Of(*base);
        row.ours(*ours);
        row.theirs(*theirs);
        row.expected(*expected);
        ModifiedFlag::Clear();
        const MergeResult result = DatabaseMerge::Merge(withBase ? base.get() : nullptr, *ours, *theirs, kSuffix);
        EXPECT_TRUE(test::ModelsEqual(*expected, *result.merged));
        EXPECT_EQ(Describe(result.report), Describe(row.report));
        EXPECT_FALSE(ModifiedFlag::IsRaised()) << "a merge changes nothing the user has open";
    }
};

// The fields the random edits of DatabaseMergePropertiesTest leave alone, changed to a value the base
// does not have, and one that they change, for the report.
std::vector<std::pair<const char*, Edit>> FieldChanges() {
    return {
        {"item meta", [](Database& d) { Password(d).SetMeta("meta"); }},
        {"item value", [](Database& d) { Password(d).SetValue("new"); }},
        {"item hidden", [](Database& d) { Password(d).SetHidden(true); }},
        {"passcard bookmark", [](Database& d) { Inbox(d).SetBookmark(true); }},
        {"passcard auto-fill", [](Database& d) { Inbox(d).SetUseAutofill(true); }},
        {"passcard window", [](Database& d) { Inbox(d).SetWindow("Sign in"); }},
        {"passcard window id", [](Database& d) { Inbox(d).SetWindowId("#32770|Sign in"); }},
    };
}

} // namespace

TEST_F(DatabaseMergeTest, AFieldChangedOnOneSideOnlyTakesThatSidesValue) {
    for (const auto& [field, change] : FieldChanges()) {
        Check({field, Nothing(), change, change, {.changed = 1}});
        Check({field, change, Nothing(), change, {}});
    }
}

TEST_F(DatabaseMergeTest, EachRuleOfTheThreeWayMerge) {
    const MergeCase cases[] = {
        {"the same change on both sides is made once",
         [](Database& d) { Password(d).SetValue("new"); },
         [](Database& d) { Password(d).SetValue("new"); },
         [](Database& d) { Password(d).SetValue("new"); },
         {}},
        {"removed there and changed below here: ours stays",
         [](Database& d) { ItemAt(d, "Mail", "Bank", "Password").SetValue("5678"); },
         [](Database& d) { d.DeleteNode(&GroupAt(d, "Mail")); },
         [](Database& d) { ItemAt(d, "Mail", "Bank", "Password").SetValue("5678"); },
         {}},
        {"removed here and changed there: theirs comes back in its place",
         [](Database& d) { d.DeleteNode(&PasscardAt(d, "Mail", "Bank")); },
         [](Database& d) { ItemAt(d, "Mail", "Bank", "Password").SetValue("5678"); },
         [](Database& d) { ItemAt(d, "Mail", "Bank", "Password").SetValue("5678"); },
         {.added = 1}},
        {"different fields of one item both change",
         [](Database& d) { Password(d).SetComment("note"); },
         [](Database& d) { Password(d).SetValue("new"); },
         [](Database& d) {
             Password(d).SetComment("note");
             Password(d).SetValue("new");
         },
         {.changed = 1}},
        {"an item field changed differently: theirs beside ours",
         [](Database& d) { Password(d).SetValue("ours"); },
         [](Database& d) { Password(d).SetValue("theirs"); },
         [](Database& d) {
             Password(d).SetValue("ours");
             auto theirs = ModelCopy::Of(Password(d));
             theirs->SetValue("theirs");
             Inbox(d).Add(OtherCopy(*theirs));
         },
         {.otherCopies = 1}},
        {"a passcard field changed differently: theirs with its items beside ours",
         [](Database& d) { Inbox(d).SetComment("ours"); },
         [](Database& d) {
             Inbox(d).SetComment("theirs");
             ItemAt(d, "Mail", "Inbox", "Login").SetValue("me2");
         },
         [](Database& d) {
             ItemAt(d, "Mail", "Inbox", "Login").SetValue("me2");
             auto theirs = ModelCopy::Of(Inbox(d));
             theirs->SetComment("theirs");
             Inbox(d).SetComment("ours");
             GroupAt(d, "Mail").Insert(OtherCopy(*theirs), 1);
         },
         {.changed = 1, .otherCopies = 1}},
        {"a group field changed differently: theirs' fields beside ours, the passcards merged in ours",
         [](Database& d) { GroupAt(d, "Mail").SetComment("ours"); },
         [](Database& d) {
             GroupAt(d, "Mail").SetComment("theirs");
             GroupAt(d, "Mail").Add(NewPasscard("Shop", 210));
         },
         [](Database& d) {
             auto theirs = ModelCopy::FieldsOf(GroupAt(d, "Mail"));
             theirs->SetComment("theirs");
             GroupAt(d, "Mail").SetComment("ours");
             GroupAt(d, "Mail").Add(NewPasscard("Shop", 210));
             d.Insert(OtherCopy(*theirs), 1);
         },
         {.added = 1, .otherCopies = 1}},
        {"a new node from there follows its preceding sibling",
         [](Database& d) { GroupAt(d, "Mail").Add(NewPasscard("Gym", 211)); },
         [](Database& d) { GroupAt(d, "Mail").Insert(NewPasscard("Shop", 210), 1); },
         [](Database& d) {
             GroupAt(d, "Mail").Insert(NewPasscard("Shop", 210), 1);
             GroupAt(d, "Mail").Add(NewPasscard("Gym", 211));
         },
         {.added = 1}},
        {"a rename is a removal plus an addition",
         Nothing(),
         [](Database& d) { PasscardAt(d, "Mail", "Bank").SetName("Savings"); },
         [](Database& d) { PasscardAt(d, "Mail", "Bank").SetName("Savings"); },
         {.added = 1, .removed = 1}},
        {"renamed there and changed here: both stay",
         [](Database& d) { ItemAt(d, "Mail", "Bank", "Password").SetValue("5678"); },
         [](Database& d) { PasscardAt(d, "Mail", "Bank").SetName("Savings"); },
         [](Database& d) {
             auto savings = ModelCopy::Of(PasscardAt(d, "Mail", "Bank"));
             savings->SetName("Savings");
             ItemAt(d, "Mail", "Bank", "Password").SetValue("5678");
             GroupAt(d, "Mail").Insert(std::move(savings), 1);
         },
         {.added = 1}},
        {"an order changed on both sides stays ours",
         [](Database& d) { MoveChild(GroupAt(d, "Mail"), 2, 0); },
         [](Database& d) { MoveChild(GroupAt(d, "Mail"), 1, 0); },
         [](Database& d) { MoveChild(GroupAt(d, "Mail"), 2, 0); },
         {}},
        {"an order changed there is taken though here the node it removed moved",
         [](Database& d) { MoveChild(GroupAt(d, "Mail"), 1, 0); },
         [](Database& d) {
             d.DeleteNode(&PasscardAt(d, "Mail", "Bank"));
             MoveChild(GroupAt(d, "Mail"), 1, 0);
         },
         [](Database& d) {
             d.DeleteNode(&PasscardAt(d, "Mail", "Bank"));
             MoveChild(GroupAt(d, "Mail"), 1, 0);
         },
         {.removed = 1}},
        {"a node both sides added does not count as a change of our order",
         [](Database& d) { GroupAt(d, "Mail").Insert(NewPasscard("Shop", 210), 0); },
         [](Database& d) {
             GroupAt(d, "Mail").Insert(NewPasscard("Shop", 210), 0);
             MoveChild(GroupAt(d, "Mail"), 2, 1);
         },
         [](Database& d) {
             GroupAt(d, "Mail").Insert(NewPasscard("Shop", 210), 0);
             MoveChild(GroupAt(d, "Mail"), 2, 1);
         },
         {}},
        {"the window filled into, changed differently, keeps ours without a copy",
         [](Database& d) { Inbox(d).SetWindow("ours"); },
         [](Database& d) { Inbox(d).SetWindow("theirs"); },
         [](Database& d) { Inbox(d).SetWindow("ours"); },
         {}},
        {"the database keeps our name",
         Nothing(),
         [](Database& d) { d.SetName("Theirs"); },
         Nothing(),
         {.otherName = true}},
        {"database notes changed on both sides are joined",
         [](Database& d) { d.SetComment("ours"); },
         [](Database& d) { d.SetComment("theirs"); },
         [](Database& d) { d.SetComment("ours\n\ntheirs"); },
         {.notesJoined = true}},
    };
    for (const MergeCase& row : cases) {
        Check(row);
    }
}

TEST_F(DatabaseMergeTest, WithoutABaseTheUnionKeepsBothVersionsOfWhatDiffers) {
    const MergeCase cases[] = {
        {"a node only one side has stays",
         [](Database& d) { d.DeleteNode(&PasscardAt(d, "Mail", "Bank")); },
         [](Database& d) { GroupAt(d, "Work").Add(NewPasscard("Wiki", 220)); },
         [](Database& d) { GroupAt(d, "Work").Add(NewPasscard("Wiki", 220)); },
         {.added = 2}},
        {"a node that differs is kept in both versions",
         Nothing(),
         [](Database& d) { Password(d).SetValue("new"); },
         [](Database& d) {
             auto theirs = ModelCopy::Of(Password(d));
             theirs->SetValue("new");
             Inbox(d).Add(OtherCopy(*theirs));
         },
         {.otherCopies = 1}},
    };
    for (const MergeCase& row : cases) {
        Check(row, false);
    }
}
