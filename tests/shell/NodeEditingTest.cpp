#include "shell/NodeEditing.h"

#include "core/Database.h"
#include "core/Group.h"
#include "core/Item.h"
#include "core/ModifiedFlag.h"
#include "core/Passcard.h"
#include "resources/StringIds.h"

#include <gtest/gtest.h>

namespace vaultlet::node_editing {
namespace {

Passcard& AddPasscard(Group& group, const char* name, bool bookmark = false) {
    auto passcard = std::make_unique<Passcard>();
    passcard->SetName(name);
    passcard->SetBookmark(bookmark);
    auto item = std::make_unique<Item>();
    item->SetName("Password");
    item->SetValue("s3cret");
    passcard->Add(std::move(item));
    Passcard& added = *passcard;
    group.Add(std::move(passcard));
    return added;
}

class NodeEditingTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_database.SetName("Home");
        for (const char* name : {"Internet", "Mail", "Bank"}) {
            m_database.Add(std::make_unique<Group>(name));
        }
        AddPasscard(*m_database.At(0), "Forum", true);
        AddPasscard(*m_database.At(0), "Bookshop");
        AddPasscard(*m_database.At(2), "Savings", true);
        ModifiedFlag::Clear();
    }
    void TearDown() override { ModifiedFlag::Clear(); }

    Database m_database;
};

TEST_F(NodeEditingTest, DuplicateInsertsADeepCopyRightAfterTheSource) {
    ModelNode* copy = Duplicate(*m_database.At(0)->At(0));
    ASSERT_NE(copy, nullptr);
    const Group& internet = *m_database.At(0);
    ASSERT_EQ(internet.Count(), 3u);
    EXPECT_EQ(internet.At(1), copy);
    EXPECT_EQ(copy->Name().Viewed(), "Forum Copy");
    EXPECT_TRUE(ModifiedFlag::IsRaised());

    ModelNode* group = Duplicate(*m_database.At(2));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(m_database.Count(), 4u);
    EXPECT_EQ(m_database.At(3), group) << "after the last group";

    EXPECT_EQ(Duplicate(m_database), nullptr);
    EXPECT_EQ(Duplicate(*m_database.At(0)->At(0)->At(0)), nullptr) << "items are not duplicated";
}

TEST_F(NodeEditingTest, MovesFollowTheKindsOfDraggedAndTarget) {
    Group& internet = *m_database.At(0);
    Passcard& forum = *internet.At(0);
    Passcard& savings = *m_database.At(2)->At(0);
    // A passcard dropped on a passcard of another group goes right after it.
    EXPECT_EQ(Move(forum, savings), MoveKind::After);
    EXPECT_EQ(internet.Count(), 1u);
    EXPECT_EQ(m_database.At(2)->At(1), &forum);
    EXPECT_TRUE(ModifiedFlag::IsRaised());
    // Onto a group: to its end. A group onto the database: to the end of the groups.
    EXPECT_EQ(Move(forum, internet), MoveKind::ToEnd);
    EXPECT_EQ(internet.At(1), &forum);
    EXPECT_EQ(Move(internet, m_database), MoveKind::ToEnd);
    EXPECT_EQ(m_database.At(2), &internet);
    // A group onto a group: right after it, also backwards.
    EXPECT_EQ(Move(internet, *m_database.At(0)), MoveKind::After);
    EXPECT_EQ(m_database.At(1), &internet);
    // An item onto another passcard: to its end.
    Item& password = *forum.At(0);
    EXPECT_EQ(Move(password, savings), MoveKind::ToEnd);
    EXPECT_EQ(savings.At(1), &password);
    EXPECT_EQ(forum.Count(), 0u);

    ModifiedFlag::Clear();
    for (auto [dragged, target] : std::initializer_list<std::pair<ModelNode*, ModelNode*>>{{&forum, &forum},
                                                                                           {&internet, &forum},
                                                                                           {&forum, &m_database},
                                                                                           {&password, &internet},
                                                                                           {&m_database, &internet}}) {
        EXPECT_EQ(MoveKindOf(*dragged, *target), MoveKind::None);
        EXPECT_EQ(Move(*dragged, *target), MoveKind::None);
    }
    EXPECT_FALSE(ModifiedFlag::IsRaised()) << "a refused move changes nothing";
}

TEST_F(NodeEditingTest, DeleteQuestionNamesTheNodeAndTheDatabaseCannotGo) {
    const Passcard& forum = *m_database.At(0)->At(0);
    EXPECT_EQ(QuestionForDeleting(*m_database.At(0)).stringId, IDS_CONFIRM_DELETE_GROUP);
    EXPECT_EQ(QuestionForDeleting(forum).arguments, std::vector<std::string>{"Forum"});
    const DeleteQuestion item = QuestionForDeleting(*forum.At(0));
    EXPECT_EQ(item.stringId, IDS_CONFIRM_DELETE_ITEM);
    EXPECT_EQ(item.arguments, (std::vector<std::string>{"Password", "Forum"}));
    EXPECT_EQ(QuestionForDeleting(m_database).stringId, 0);
}

TEST_F(NodeEditingTest, QuickSearchFindsTheFirstPrefixMatchInTreeOrder) {
    EXPECT_EQ(QuickSearch(m_database, "bo", false), m_database.At(0)->At(1));
    EXPECT_EQ(QuickSearch(m_database, "MAIL", false), m_database.At(1));
    // A short name is a prefix of the longer typed text.
    EXPECT_EQ(QuickSearch(m_database, "Savings account", false), m_database.At(2)->At(0));
    EXPECT_EQ(QuickSearch(m_database, "x", false), nullptr);
    EXPECT_EQ(QuickSearch(m_database, "pass", false), nullptr);
    EXPECT_EQ(QuickSearch(m_database, "pass", true), m_database.At(0)->At(0)->At(0));
    // A node without a name would otherwise match every search.
    m_database.At(0)->SetName("");
    EXPECT_EQ(QuickSearch(m_database, "i", false), nullptr);
    EXPECT_FALSE(QuickSearchMatches("", ""));
}

TEST_F(NodeEditingTest, BookmarksAndTheAutofillChooserWhichSeesOnlyAutofillPasscardsAndStartsOnTheOneLastUsed) {
    const std::vector<Bookmark> all = Bookmarks(m_database, 10);
    ASSERT_EQ(all.size(), 2u) << "bookmarks follow the database order";
    EXPECT_EQ(all[0].text, "Internet\\Forum");
    EXPECT_EQ(all[1].passcard, m_database.At(2)->At(0));
    EXPECT_EQ(Bookmarks(m_database, 1).size(), 1u) << "up to the limit";

    Passcard& forum = *m_database.At(0)->At(0);
    Passcard& savings = *m_database.At(2)->At(0);
    for (Passcard* passcard : {&forum, &savings}) {
        passcard->SetUseAutofill(true);
        passcard->SetWindow("Sign in - Browser");
    }
    m_database.At(0)->At(1)->SetWindow("Bookshop - Browser"); // not set to use auto-fill
    m_database.At(2)->At(0)->SetBookmark(false);

    const std::vector<Bookmark> bookmarks = Bookmarks(m_database, 10, PasscardScope::Autofill);
    ASSERT_EQ(bookmarks.size(), 1u);
    EXPECT_EQ(bookmarks[0].passcard, &forum);
    EXPECT_EQ(QuickSearch(m_database, "bo", false, PasscardScope::Autofill), nullptr);
    EXPECT_EQ(QuickSearch(m_database, "sav", false, PasscardScope::Autofill), &savings);
    EXPECT_EQ(QuickSearch(m_database, "bank", false, PasscardScope::Autofill), m_database.At(2));

    EXPECT_EQ(PasscardLastUsedFor(m_database, "Sign in - Browser"), &forum) << "the first in tree order";
    EXPECT_EQ(PasscardLastUsedFor(m_database, "sign in - browser"), nullptr) << "titles compare exactly";
    EXPECT_EQ(PasscardLastUsedFor(m_database, "Bookshop - Browser"), nullptr);
    m_database.At(1)->Add(std::make_unique<Passcard>());
    m_database.At(1)->At(0)->SetUseAutofill(true);
    EXPECT_EQ(PasscardLastUsedFor(m_database, ""), nullptr) << "an untitled window is no match for an unused passcard";

    // Dropped on another program's window, an auto-fill passcard or an item with a value fills it.
    EXPECT_TRUE(FillsByDrop(forum));
    EXPECT_FALSE(FillsByDrop(*m_database.At(0)->At(1)));
    EXPECT_TRUE(FillsByDrop(*forum.At(0)));
    static_cast<Item*>(forum.At(0))->SetValue("");
    EXPECT_FALSE(FillsByDrop(*forum.At(0)));
    EXPECT_FALSE(FillsByDrop(*m_database.At(0)));
}

TEST(NodeEditingLinkTest, OnlyWebFileServerAndMailLinksOpenAsTheyAreAndHelpSitsBesideTheProgram) {
    struct Case {
        const char* value;
        const char* opened;
    };
    for (const Case& each : {
             Case{"books.example.org", "http://books.example.org"},
             Case{"https://books.example.org", "https://books.example.org"},
             Case{"HTTP://Books.example.org", "HTTP://Books.example.org"},
             Case{"ftp://files.example.org", "ftp://files.example.org"},
             Case{"mailto:me@example.org", "mailto:me@example.org"},
             // Other handlers of the system never get the value as it is, wherever "://" stands.
             Case{"file://host/share/setup.exe", "http://file://host/share/setup.exe"},
             Case{"me@example.org mailto:", "http://me@example.org mailto:"},
             Case{"http:/books.example.org", "http://http:/books.example.org"},
             Case{"javascript:alert(1)", "http://javascript:alert(1)"},
         }) {
        EXPECT_EQ(LinkTarget(each.value), each.opened) << each.value;
    }
    EXPECT_EQ(HelpFilePath("C:\\Program Files\\Quillmoth\\Vaultlet.EXE"), "c:\\program files\\quillmoth\\vaultlet.chm");

    // Only an address with a value opens on a click: any other value must never reach the browser.
    Item address;
    address.SetType(ItemType::Url);
    Item password;
    password.SetType(ItemType::Password);
    password.SetValue("s3cret");
    EXPECT_FALSE(IsLink(address)) << "empty";
    EXPECT_FALSE(IsLink(password));
    EXPECT_FALSE(IsLink(Group("books.example.org")));
    address.SetValue("books.example.org");
    EXPECT_TRUE(IsLink(address));
}

} // namespace
} // namespace vaultlet::node_editing
