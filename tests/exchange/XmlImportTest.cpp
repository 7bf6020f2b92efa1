#include "exchange/XmlImport.h"

#include "core/Database.h"
#include "core/ModifiedFlag.h"
#include "exchange/ImportDocument.h"
#include "exchange/XmlExport.h"
#include "tests/exchange/ExchangeTestSupport.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace vaultlet;
using namespace vaultlet::test;

namespace {

class XmlImportTest : public ModelFixture {
protected:
    TempDir m_dir;
};

std::string Document(std::string_view groups) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Cofferbook><Database><Name>D</Name><Groups>" +
           std::string(groups) + "</Groups></Database></Cofferbook>\n";
}

TEST_F(XmlImportTest, RoundTripKeepsEveryValueTheFormatCarries) {
    const auto original = MakeRichDatabase();
    const std::string file = m_dir.File("round trip.xml");
    ASSERT_TRUE(XmlExport().exportTo(file, *original, nullptr));
    const auto imported = XmlImport().importFrom(file);
    ASSERT_NE(imported, nullptr);
    // The export writes every value the format carries (XmlExportTest): exported again, the import
    // gives the same file.
    const std::string again = m_dir.File("again.xml");
    ASSERT_TRUE(XmlExport().exportTo(again, *imported, nullptr));
    EXPECT_EQ(ReadFileBytes(again), ReadFileBytes(file));
    // The format carries no creation times: the import's nodes are new.
    EXPECT_EQ(imported->At(0)->At(0)->At(0)->Time(), kNow);
}

// Lenient numbers: the leading number counts, text that is no number reads as 0; the expiration is
// hexadecimal, also without the prefix the export writes (read back by the round trip). Raw white space as another
// writer would leave it is kept: only the XML line-end rule applies.
TEST_F(XmlImportTest, MissingOrEmptyElementsKeepDefaultsAndValuesAreTakenAsWritten) {
    const auto database = XmlImport().importFromText(
        Document("<Group><Passcards><Passcard><Items>"
                 "<Item><Name>Bare</Name></Item>"
                 "<Item><Name>Typed</Name><Type>0</Type><Data>x</Data></Item>"
                 "<Item><Type>2abc</Type><Hide>-3</Hide><Meta/></Item>"
                 "</Items></Passcard>"
                 "<Passcard><ExpirationTimeUTC>1F</ExpirationTimeUTC></Passcard>"
                 "</Passcards></Group>"
                 "<Group><Name>No lists</Name></Group>"
                 "<Group><Name>   </Name><Comment>\n</Comment><Passcards><Passcard><Name>\tx </Name>"
                 "<Comment><![CDATA[ <raw> ]]></Comment><Items><Item><Data>a\r\n\tb</Data></Item></Items>"
                 "</Passcard></Passcards></Group>"));
    ASSERT_NE(database, nullptr);
    ASSERT_EQ(database->Count(), 3u);
    const Group& first = *database->At(0);
    const Passcard& passcard = *first.At(0);
    EXPECT_FALSE(passcard.Bookmark());
    EXPECT_EQ(passcard.Expiration(), 0u);
    EXPECT_EQ(passcard.AutofillString(), Passcard::kDefaultAutofillString);
    EXPECT_EQ(first.At(1)->Expiration(), 0x1Fu);

    const Item& bare = *passcard.At(0);
    EXPECT_EQ(bare.Type(), ItemType::Custom);
    // Type 0 is a password, but its name and hidden flag come only from the file.
    const Item& typed = *passcard.At(1);
    EXPECT_EQ(typed.Type(), ItemType::Password);
    EXPECT_EQ(typed.Name(), "Typed");
    EXPECT_FALSE(typed.Hidden());
    const Item& lenient = *passcard.At(2);
    EXPECT_EQ(lenient.Type(), ItemType::Url);
    EXPECT_TRUE(lenient.Hidden());
    EXPECT_EQ(lenient.Meta(), "");
    EXPECT_EQ(database->At(1)->Count(), 0u);

    const Group& blank = *database->At(2);
    EXPECT_EQ(blank.Name(), "   ");
    EXPECT_EQ(blank.Comment(), "\n");
    EXPECT_EQ(blank.At(0)->Name(), "\tx ");
    EXPECT_EQ(blank.At(0)->Comment(), " <raw> ");
    EXPECT_EQ(blank.At(0)->At(0)->Value(), "a\n\tb");
}

// A file without groups is an empty database; a file of another shape, or no XML, fails.
TEST_F(XmlImportTest, BrokenOrForeignInputFailsCleanly) {
    XmlImport import;
    const auto empty = import.importFromText("<Cofferbook><Database><Comment>c</Comment></Database></Cofferbook>");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->Count(), 0u);

    const std::string valid = Document("<Group><Name>G</Name></Group>");
    const auto nested = [](int depth) {
        std::string opening;
        std::string closing;
        for (int i = 0; i < depth; ++i) {
            opening += "<Deeper>";
            closing += "</Deeper>";
        }
        return Document("<Group><Name>G</Name>" + opening + closing + "</Group>");
    };
    EXPECT_NE(import.importFromText(nested(50)), nullptr) << "unknown children are ignored";
    // What is no UTF-8 XML text is XmlTextCheckTest's; one case shows the import asks.
    const std::string broken[] = {
        "<Keyring><Database/></Keyring>",
        "<Cofferbook><Groups/></Cofferbook>",
        "Name;Password\nmail;secret\n",
        valid.substr(0, valid.size() / 2),
        valid + std::string(1, '\0') + "<x/>",
        Document("<Group><Name>\xE9t\xE9</Name></Group>"),
        std::string(100000, '<'),
        nested(20000),
    };
    for (const std::string& text : broken) {
        EXPECT_EQ(import.importFromText(text), nullptr) << text.substr(0, 60);
    }
    EXPECT_EQ(import.importFrom(m_dir.File("no such file.xml")), nullptr);
    EXPECT_EQ(import.importFrom(m_dir.File("")), nullptr) << "a folder";
}

TEST_F(XmlImportTest, FilesAboveTheSizeOrElementLimitAreRefused) {
    const std::string file = m_dir.File("huge.xml");
    std::string content = Document("<Group><Name>G</Name></Group>");
    const std::size_t padding = ImportDocument::kMaxBytes - content.size();
    content.insert(content.find("<Cofferbook>"), padding, '\n');
    ASSERT_TRUE(WriteFileBytes(file, content));
    EXPECT_NE(XmlImport().importFrom(file), nullptr) << "exactly at the limit";
    content.insert(0, "\n");
    ASSERT_TRUE(WriteFileBytes(file, content));
    EXPECT_EQ(XmlImport().importFrom(file), nullptr);

    // Unknown empty elements are ignored, but each costs the parser memory.
    const auto emptyElements = [&](std::size_t count) {
        std::string elements;
        for (std::size_t i = 0; i < count; ++i) {
            elements += "<x/>";
        }
        EXPECT_TRUE(WriteFileBytes(file, Document("<Group><Name>G</Name>" + elements + "</Group>")));
        return file;
    };
    EXPECT_NE(XmlImport().importFrom(emptyElements(100000)), nullptr);
    EXPECT_EQ(XmlImport().importFrom(emptyElements(ImportDocument::kMaxElements)), nullptr);
}

TEST_F(XmlImportTest, ImportLeavesTheOpenDatabasesModifiedFlagAsItWas) {
    ModifiedFlag::Raise();
    EXPECT_NE(XmlImport().importFromText(Document("<Group><Name>G</Name></Group>")), nullptr);
    EXPECT_TRUE(ModifiedFlag::IsRaised()) << "a new Database clears the flag of the open one";
    // A clear flag stays clear, whatever the import's outcome: ExchangeCommandsTest.
}

} // namespace
