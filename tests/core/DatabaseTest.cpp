#include "core/Database.h"

#include "core/Clock.h"
#include "core/ModifiedFlag.h"
#include "tests/support/ModelFixture.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

class DatabaseTest : public test::ModelFixture {
protected:
    // Adds a group with the given number of passcards, each holding `items` items.
    static Group* AddGroup(Database& database, const char* name, int passcards = 0, int items = 0) {
        auto group = std::make_unique<Group>(name);
        for (int p = 0; p < passcards; ++p) {
            auto passcard = std::make_unique<Passcard>();
            passcard->SetName("card " + std::to_string(p));
            for (int i = 0; i < items; ++i) {
                passcard->Add(std::make_unique<Item>());
            }
            group->Add(std::move(passcard));
        }
        Group* raw = group.get();
        database.Add(std::move(group));
        return raw;
    }
};

std::vector<std::string> GroupNames(const Database& database) {
    std::vector<std::string> names;
    for (const auto& group : database.Children()) {
        names.emplace_back(group->Name().Viewed());
    }
    return names;
}

} // namespace

TEST_F(DatabaseTest, ConstructionClearsModifiedFlag) {
    ModifiedFlag::Raise();
    Database database;
    EXPECT_FALSE(ModifiedFlag::IsRaised());
}

TEST_F(DatabaseTest, AddAndRemoveKeepOrderParentsAndRaiseTheFlag) {
    Database database;
    Group* a = AddGroup(database, "A");
    Group* b = AddGroup(database, "B");
    Group* c = AddGroup(database, "C");
    EXPECT_EQ(b->Parent(), &database);
    EXPECT_EQ(GroupNames(database), (std::vector<std::string>{"A", "B", "C"}));

    ModifiedFlag::Clear();
    database.Remove(b);
    EXPECT_TRUE(ModifiedFlag::IsRaised());
    EXPECT_EQ(GroupNames(database), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(database.IndexOf(c), 1);
    EXPECT_EQ(database.FindByName("A"), a);

    // A detached child is the caller's, with no parent, and no longer the container's.
    const std::unique_ptr<Group> detached = database.Detach(c);
    ASSERT_EQ(detached.get(), c);
    EXPECT_EQ(c->Parent(), nullptr);
    EXPECT_EQ(database.Count(), 1u);
}

TEST_F(DatabaseTest, MergeRenamesClashesIncludingThoseAmongImportedGroups) {
    Database database;
    AddGroup(database, "Mail");
    Database imported;
    AddGroup(imported, "Mail", 1, 2);
    AddGroup(imported, "Mail");
    AddGroup(imported, "Mail 1");
    AddGroup(imported, "Bank");

    EXPECT_EQ(database.MergeGroups(imported), 4);
    EXPECT_EQ(GroupNames(database), (std::vector<std::string>{"Mail", "Mail 1", "Mail 2", "Mail 1 1", "Bank"}));
    EXPECT_EQ(imported.Count(), 0u);
    EXPECT_EQ(database.At(1)->Parent(), &database);
    EXPECT_EQ(database.At(1)->At(0)->Count(), 2u) << "moved groups keep their passcards";
    EXPECT_TRUE(ModifiedFlag::IsRaised());

    Database empty;
    EXPECT_EQ(database.MergeGroups(empty), 0);
}

TEST_F(DatabaseTest, GroupCloneIsDeepAndFresh) {
    Database database;
    Group* group = AddGroup(database, "G", 2, 3);
    group->SetComment("c");
    group->At(0)->SetBookmark(true);
    group->At(0)->SetAutofillString("<Login>{ENTER}");
    group->At(0)->SetExpiration(kNow + 3600);
    Clock::SetFixed(kNow + 60);
    auto clone = group->Clone();
    EXPECT_EQ(clone->Name(), "G");
    EXPECT_EQ(clone->Comment(), "c");
    EXPECT_EQ(clone->Parent(), nullptr);
    ASSERT_EQ(clone->Count(), 2u);
    EXPECT_NE(clone->At(0), group->At(0));
    EXPECT_EQ(clone->At(0)->Parent(), clone.get());
    EXPECT_EQ(clone->ItemCount(), 6u);
    EXPECT_FALSE(clone->At(0)->Bookmark());
    // A passcard's own settings come along: the copy types and expires as the original does.
    EXPECT_EQ(clone->At(0)->AutofillString(), "<Login>{ENTER}");
    EXPECT_EQ(clone->At(0)->Expiration(), kNow + 3600);
    // A duplicate is a new node: its passcards and items get the time of the copy.
    EXPECT_EQ(clone->At(0)->Time(), kNow + 60);
    EXPECT_EQ(clone->At(1)->At(2)->Time(), kNow + 60);
}
