#include "core/DatabaseDocument.h"

#include "core/Database.h"
#include "core/ModifiedFlag.h"
#include "core/TextConversion.h"
#include "tests/support/ModelComparison.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

class DatabaseDocumentTest : public test::ModelFixture {
protected:
    static std::string Print(const Database& database) {
        SecureString text;
        EXPECT_TRUE(DatabaseDocument::Print(database, text));
        return std::string(text.Viewed());
    }

    // Parses a document whose root holds the given body.
    static std::unique_ptr<Database> ParseBody(const std::string& body, bool expectSuccess = true) {
        auto database = std::make_unique<Database>();
        const std::string text = "<?xml version=\"1.0\"?><database name=\"db\">" + body + "</database>";
        EXPECT_EQ(DatabaseDocument::Parse(text, *database), expectSuccess) << text;
        return database;
    }

    static std::unique_ptr<Database> BuildSmallDatabase() {
        auto database = std::make_unique<Database>();
        database->SetName("Home");
        database->SetTime(1700000000);
        auto group = std::make_unique<Group>("Mail");
        group->SetImage(5);
        group->SetComment(std::string(Utf8ToAnsi("Personal & work in Z\xC3\xBCrich").Viewed()));
        group->SetTime(1700000001);

        auto inbox = std::make_unique<Passcard>();
        inbox->SetName("Inbox");
        inbox->SetImage(10);
        inbox->SetTime(1700000002);
        inbox->SetBookmark(true);
        inbox->SetExpiration(0x01DA1234ABCD5678ull);
        inbox->SetAutofillString("<Login>{TAB}<Password>{ENTER}");
        inbox->SetWindow("Inbox - Mail");
        inbox->SetWindowId("#32770|Login");
        const auto addItem = [&](ItemType type, const char* value) -> Item* {
            auto item = std::make_unique<Item>();
            item->ApplyTypeDefaults(type);
            item->SetValue(value);
            item->SetTime(1700000003);
            Item* raw = item.get();
            inbox->Add(std::move(item));
            return raw;
        };
        addItem(ItemType::Login, "alice");
        addItem(ItemType::Password, "p<a>\"ss&'")->SetMeta("x");
        const std::uint8_t key[] = {0, 0, 0, 0, 'U'};
        Item* keyItem = addItem(ItemType::PrivateKey, "");
        keyItem->SetName("Key");
        keyItem->SetBinary(key, sizeof key);
        group->Add(std::move(inbox));

        auto empty = std::make_unique<Passcard>();
        empty->SetName("Empty");
        empty->SetTime(0);
        group->Add(std::move(empty));
        database->Add(std::move(group));
        return database;
    }
};

} // namespace

TEST_F(DatabaseDocumentTest, PrintsTheExactDocumentForASmallModel) {
    const auto database = BuildSmallDatabase();
    EXPECT_EQ(Print(*database), test::ReadFileBytes(test::DataPath("SmallDatabaseDocument.xml")));
}

// Every value and text passes through the same escaping of the printer; a value and a name stand for
// them (each field of each node coming back is EncryptedDatabaseTest's).
TEST_F(DatabaseDocumentTest, CarriageReturnsAndControlCharactersSurvivePrintAndParse) {
    const std::string text = "a\r\nb\rc\x01\x1F\td\n";
    Database original;
    original.SetName(text);
    auto group = std::make_unique<Group>("G");
    auto passcard = std::make_unique<Passcard>();
    passcard->SetName("P");
    auto item = std::make_unique<Item>();
    item->SetName("I");
    item->SetValue(text);
    passcard->Add(std::move(item));
    group->Add(std::move(passcard));
    original.Add(std::move(group));

    // Reading builds a new model: it leaves no unsaved change behind, whether it succeeds or fails.
    Database parsed;
    ModifiedFlag::Raise();
    ASSERT_TRUE(DatabaseDocument::Parse(Print(original), parsed));
    EXPECT_TRUE(test::ModelsEqual(original, parsed));
    EXPECT_FALSE(ModifiedFlag::IsRaised()) << "adding children while reading must not leave the flag raised";
    ModifiedFlag::Raise();
    EXPECT_FALSE(DatabaseDocument::Parse("<notxml", parsed));
    EXPECT_FALSE(ModifiedFlag::IsRaised()) << "nor does a document that fails";
}

TEST_F(DatabaseDocumentTest, ElementsMissingRequiredAttributesAreDroppedWithTheirSubtree) {
    const auto database = ParseBody("<group><passcard name=\"lost\"/></group>"
                                    "<group name=\"Kept\">"
                                    "<passcard name=\"P\">"
                                    "<item name=\"no type\" value=\"v\"/>"
                                    "<item name=\"no value\" type=\"0\"/>"
                                    "<item type=\"0\" value=\"no name\"/>"
                                    "<item name=\"ok\" type=\"0\" value=\"v\"/>"
                                    "</passcard>"
                                    "<Passcard name=\"wrong case\"/><other name=\"x\"/>"
                                    "</group>");
    ASSERT_EQ(database->Count(), 1u);
    const Group* group = database->At(0);
    EXPECT_EQ(group->Name(), "Kept");
    ASSERT_EQ(group->Count(), 1u);
    ASSERT_EQ(group->At(0)->Count(), 1u);
    EXPECT_EQ(group->At(0)->At(0)->Name(), "ok");
}

// Absent optional attributes get their defaults; numbers and flags are read leniently.
TEST_F(DatabaseDocumentTest, OptionalAttributesAreReadLenientlyOrGetTheirDefaults) {
    const auto database = ParseBody("<group name=\"G\" time=\"x\">"
                                    "<passcard name=\"P\" bookmark=\"7\" use_autofill=\"-1\" expiration=\"1A2B\">"
                                    "<item name=\"I\" type=\"15\" hide=\"2\" value=\"v\"/></passcard>"
                                    "<passcard name=\"Q\" expiration=\"\"/>"
                                    "<passcard name=\"R\" expiration=\"0X00000001FFFFFFFF\"/>"
                                    "</group>"
                                    "<group name=\"Bare\"><passcard name=\"P\">"
                                    "<item name=\"I\" type=\"1\" value=\"v\"/></passcard></group>");
    const Group* group = database->At(0);
    EXPECT_EQ(group->Time(), 0);
    const Passcard* passcard = group->At(0);
    EXPECT_TRUE(passcard->Bookmark());
    EXPECT_TRUE(passcard->UseAutofill());
    EXPECT_EQ(passcard->Expiration(), 0x1A2Bu) << "hex without the 0x prefix";
    EXPECT_TRUE(passcard->At(0)->Hidden());
    EXPECT_EQ(group->At(1)->Expiration(), 0u) << "an empty expiration counts as absent";
    EXPECT_EQ(group->At(2)->Expiration(), 0x1FFFFFFFFull);

    const Group* bare = database->At(1);
    EXPECT_EQ(bare->Time(), kNow) << "no time attribute: the moment of reading";
    const Passcard* defaults = bare->At(0);
    EXPECT_FALSE(defaults->Bookmark());
    EXPECT_FALSE(defaults->UseAutofill());
    EXPECT_EQ(defaults->Expiration(), 0u);
    EXPECT_EQ(defaults->AutofillString(), Passcard::kDefaultAutofillString);
    const Item* item = defaults->At(0);
    EXPECT_FALSE(item->Hidden());
    EXPECT_EQ(item->Meta(), "");
    EXPECT_EQ(item->Type(), ItemType::Login);
}

TEST_F(DatabaseDocumentTest, DamagedBinaryIsDroppedWholeAndTheItemKept) {
    const auto database =
        ParseBody("<group name=\"G\"><passcard name=\"P\">"
                  "<item name=\"A\" type=\"11\" value=\"a\"><binary><![CDATA[<~9jqo^{~>]]></binary></item>"
                  "<item name=\"B\" type=\"11\" value=\"b\"><binary><![CDATA[<~9jqo^s8W-\"~>]]></binary></item>"
                  "<item name=\"C\" type=\"11\" value=\"c\"><binary/></item>"
                  "<item name=\"D\" type=\"11\" value=\"d\"><binary><![CDATA[<~9jqo^~>]]></binary></item>"
                  "</passcard></group>");
    const Passcard* passcard = database->At(0)->At(0);
    ASSERT_EQ(passcard->Count(), 4u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(passcard->At(i)->BinarySize(), 0u) << passcard->At(i)->Name().Viewed();
        EXPECT_FALSE(passcard->At(i)->Value().empty());
    }
    ASSERT_EQ(passcard->At(3)->BinarySize(), 4u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(passcard->At(3)->BinaryData()), 4), "Man ");
}

TEST_F(DatabaseDocumentTest, TextOutsideTheCodePageBecomesTheReplacementCharacter) {
    // U+4E2D is in no Western code page; natively the narrow text is UTF-8 and keeps it.
    const auto database = ParseBody("<group name=\"A\xE4\xB8\xAD\"/>");
    const SecureString expected = Utf16ToAnsi(u"A\u4E2D");
    EXPECT_EQ(database->At(0)->Name(), expected);
    EXPECT_EQ(database->At(0)->Name().size(), expected.size());
}
