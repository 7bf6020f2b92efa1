#include "exchange/ExchangeCommands.h"

#include "core/Database.h"
#include "core/ModifiedFlag.h"
#include "exchange/ExportFormatList.h"
#include "exchange/ImportFormatList.h"
#include "exchange/XmlExport.h"
#include "tests/exchange/ExchangeTestSupport.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vaultlet;
using namespace vaultlet::test;

namespace {

class ExchangeCommandsTest : public ModelFixture {
protected:
    // An own-format file holding groups of these names, each with one passcard of one item.
    std::string ExportFileWithGroups(std::initializer_list<std::string_view> names) {
        Database source;
        for (const auto name : names) {
            AddItem(AddPasscard(AddGroup(source, name), "card"), ItemType::Login, "Login", "me");
        }
        const std::string file = m_dir.File("import.xml");
        EXPECT_TRUE(XmlExport().exportTo(file, source, nullptr));
        return file;
    }

    TempDir m_dir;
};

TEST_F(ExchangeCommandsTest, ListsHoldTheirFormatsInOrderAndJoinTheirFiltersEndingWithTwoNuls) {
    const std::string exportFilters = ExportFormatList().JoinFileFilters();
    EXPECT_EQ(exportFilters, "Quillmoth Keyhaven XML (*.xml)%*.xml%HTML File (*.html)%*.html%");
    EXPECT_EQ(ImportFormatList().JoinFileFilters(),
              "Quillmoth Keyhaven XML (*.xml)%*.xml%KeePass 2 XML (*.xml)%*.xml%KeePass 1.X XML (*.xml)%*.xml%");
}

TEST_F(ExchangeCommandsTest, TheFilterIndexAloneChoosesTheExportFormat) {
    Database database;
    AddGroup(database, "Mail");
    const ExportFormatList formats;
    const std::string file = m_dir.File("Passwords.xml");
    EXPECT_EQ(ExportThroughFilter(formats, 2, file, database, nullptr), ExportOutcome::Written);
    EXPECT_TRUE(ReadFileBytes(file).starts_with("<html>")) << "HTML despite the .xml name";
    EXPECT_EQ(ExportThroughFilter(formats, 1, file, database, nullptr), ExportOutcome::Written);
    EXPECT_TRUE(ReadFileBytes(file).starts_with("<?xml"));
    EXPECT_EQ(ExportThroughFilter(formats, 0, m_dir.File("zero.xml"), database, nullptr), ExportOutcome::NoFormat);
    EXPECT_EQ(ExportThroughFilter(formats, 3, m_dir.File("three.xml"), database, nullptr), ExportOutcome::NoFormat);
    EXPECT_EQ(ExportThroughFilter(formats, 1, "", database, nullptr), ExportOutcome::NoFormat);
    EXPECT_EQ(ExportThroughFilter(formats, 1, m_dir.File("no folder/x.xml"), database, nullptr), ExportOutcome::Failed);
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("zero.xml")));
}

TEST_F(ExchangeCommandsTest, ImportMergesGroupsWithNumberedNamesAndReportsTheFilesCounts) {
    Database open;
    AddPasscard(AddGroup(open, "Mail"), "existing");
    AddGroup(open, "Mail 1");
    AddGroup(open, "mail");
    const std::string file = ExportFileWithGroups({"Mail", "Mail", "Bank"});
    ModifiedFlag::Clear();

    const ImportOutcome outcome = ImportThroughFilter(ImportFormatList(), 1, file, open);
    EXPECT_EQ(outcome.status, ImportOutcome::Status::Merged);
    EXPECT_EQ(outcome.displayName, "Quillmoth Keyhaven XML");
    EXPECT_EQ(outcome.counts.groups, 3u);
    EXPECT_EQ(outcome.counts.passcards, 3u);
    EXPECT_EQ(outcome.counts.items, 3u);
    // How clashing names are numbered is DatabaseTest's.
    ASSERT_EQ(open.Count(), 6u);
    EXPECT_EQ(open.At(5)->Name(), "Bank");
    EXPECT_EQ(open.At(0)->Count(), 1u) << "passcards are never merged into existing groups";
    EXPECT_TRUE(ModifiedFlag::IsRaised());
}

TEST_F(ExchangeCommandsTest, FailedOrEmptyImportsLeaveTheOpenDatabaseAlone) {
    Database open;
    AddGroup(open, "Mail");
    const std::string file = ExportFileWithGroups({"Bank"});
    const std::string empty = m_dir.File("empty.xml");
    ASSERT_TRUE(WriteFileBytes(empty, "<pwlist><pwentry><title>only a title</title></pwentry></pwlist>"));
    const ImportFormatList formats;
    ModifiedFlag::Clear();

    // Each format's refusal of the others' files is its own test's; the failure names the chosen format.
    ImportOutcome outcome = ImportThroughFilter(formats, 3, DataPath("KeePass2Export.xml"), open);
    EXPECT_EQ(outcome.status, ImportOutcome::Status::Failed);
    EXPECT_EQ(outcome.displayName, "KeePass 1.X XML");
    EXPECT_EQ(ImportThroughFilter(formats, 4, file, open).status, ImportOutcome::Status::NoFormat);
    EXPECT_EQ(ImportThroughFilter(formats, 1, "", open).status, ImportOutcome::Status::NoFormat);

    outcome = ImportThroughFilter(formats, 3, empty, open);
    EXPECT_EQ(outcome.status, ImportOutcome::Status::Empty);
    EXPECT_EQ(outcome.counts.groups, 0u);

    EXPECT_EQ(open.Count(), 1u);
    EXPECT_FALSE(ModifiedFlag::IsRaised());
}

} // namespace
