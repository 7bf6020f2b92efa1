#include "cli/ImportCommand.h"

#include "core/DatabaseDocument.h"
#include "exchange/ExchangeCommands.h"
#include "exchange/ImportFormatList.h"
#include "tests/cli/CliFixture.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace vaultlet;
using test::ProcessResult;

namespace {

class ImportCommandTest : public test::CliFixture {
protected:
    void SetUp() override {
        CliFixture::SetUp();
        m_path = MakeDatabase();
        Add(m_path, {"Internet/Mail"});
    }

    static std::string DocumentOf(const Database& database) {
        SecureString text;
        EXPECT_TRUE(DatabaseDocument::Print(database, text));
        return std::string(text.Viewed());
    }

    // What the program's import command makes of the database and the file, and its counts line.
    std::pair<std::string, std::string> ImportedByTheProgram(int filterIndex, const std::string& file) {
        const auto database = Load(m_path);
        const ImportOutcome outcome = ImportThroughFilter(ImportFormatList(), filterIndex, file, *database);
        EXPECT_EQ(outcome.status, ImportOutcome::Status::Merged);
        char counts[128];
        std::snprintf(counts, sizeof counts, "Imported: %zu Group(s), %zu Passcard(s), %zu Fields(s)\n",
                      outcome.counts.groups, outcome.counts.passcards, outcome.counts.items);
        return {DocumentOf(*database), counts};
    }

    std::string m_path;
};

} // namespace

TEST_F(ImportCommandTest, EachFormatMergesAsTheProgramsImportDoesAndPrintsTheCounts) {
    const std::string ownXml = Path("own.xml");
    ASSERT_EQ(Run({"export", m_path, "xml", ownXml}).status, 0);
    const struct {
        const char* format;
        int filterIndex;
        std::string file;
    } cases[] = {{"xml", 1, ownXml},
                 {"keepass2", 2, test::DataPath("KeePass2Export.xml")},
                 {"keepass1", 3, test::DataPath("KeePass1Export.xml")}};
    for (const auto& each : cases) {
        const auto [expectedDocument, expectedCounts] = ImportedByTheProgram(each.filterIndex, each.file);
        const ProcessResult run = Run({"import", m_path, each.format, each.file});
        ASSERT_EQ(run.status, 0) << each.format << ": " << run.err;
        EXPECT_EQ(run.out, expectedCounts) << each.format;
        EXPECT_EQ(DocumentOf(*Load(m_path)), expectedDocument) << each.format;
    }
}

TEST_F(ImportCommandTest, AFileWithoutGroupsAddsNothingAndIsNotSaved) {
    const std::string empty = Path("empty.xml");
    ASSERT_TRUE(test::WriteFileBytes(empty, "<?xml version=\"1.0\"?><Cofferbook><Database><Name>x</Name>"
                                            "</Database></Cofferbook>"));
    const std::string before = test::ReadFileBytes(m_path);
    const ProcessResult run = Run({"import", m_path, "xml", empty});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Imported: 0 Group(s), 0 Passcard(s), 0 Fields(s)\n");
    EXPECT_EQ(test::ReadFileBytes(m_path), before);
}
