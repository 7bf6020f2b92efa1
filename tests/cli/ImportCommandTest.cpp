#include "cli/ImportCommand.h"

#include "tests/cli/CliFixture.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <algorithm>

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

    std::string m_path;
};

} // namespace

// Each format name picks its reader; the counts are those of the file, and its groups are saved
// (how they are read and merged is the exchange tests').
TEST_F(ImportCommandTest, EachFormatMergesItsFileAndPrintsTheCounts) {
    const std::string ownXml = Path("own.xml");
    ASSERT_EQ(Run({"export", m_path, "xml", ownXml, "--node", "Internet"}).status, 0);
    const struct {
        const char* format;
        std::string file;
        const char* counts;
    } cases[] = {
        {"xml", ownXml, "Imported: 1 Group(s), 1 Passcard(s), 0 Fields(s)\n"},
        {"keepass2", test::DataPath("KeePass2Export.xml"), "Imported: 6 Group(s), 5 Passcard(s), 16 Fields(s)\n"},
        {"keepass1", test::DataPath("KeePass1Export.xml"), "Imported: 4 Group(s), 5 Passcard(s), 8 Fields(s)\n"}};
    for (const auto& each : cases) {
        const ProcessResult run = Run({"import", m_path, each.format, each.file});
        EXPECT_EQ(run.status, 0) << each.format << ": " << run.err;
        EXPECT_EQ(run.out, each.counts) << each.format;
    }
    // The five groups of a new database and every imported one, under names of their own.
    EXPECT_EQ(std::ranges::count(Run({"ls", m_path}).out, '\n'), 5 + 1 + 6 + 4);
}
