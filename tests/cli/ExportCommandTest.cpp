#include "cli/ExportCommand.h"

#include "exchange/HtmlExport.h"
#include "exchange/XmlExport.h"
#include "tests/cli/CliFixture.h"
#include "tests/support/ReferenceDatabaseFile.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace vaultlet;
using test::ProcessResult;

namespace {

class ExportCommandTest : public test::CliFixture {
protected:
    void SetUp() override {
        CliFixture::SetUp();
        m_path = MakeDatabase();
        Add(m_path, {"Internet/Shop & <Co>"});
        Add(m_path, {"Internet/Shop & <Co>/Password", "--type", "password", "--value-stdin"},
            "pw\n\"quoted\"\ttab\nline\n");
    }

    std::string m_path;
};

} // namespace

TEST_F(ExportCommandTest, TheDocumentIsTheDecryptedTextExactlyAsStored) {
    const ProcessResult run = Run({"export", m_path, "document", "-"});
    ASSERT_EQ(run.status, 0) << run.err;
    // The document as the file holds it, decrypted by the test's own reader.
    const test::ReferenceOpenResult stored = test::ReadReferenceFile(test::ReadFileBytes(m_path), kPassword);
    ASSERT_EQ(stored.result, 0);
    EXPECT_EQ(run.out, stored.documentText);
}

// The same bytes as the program's own export commands write, for the whole database and for the
// node --node names (show checks that a path names the node of its kind).
TEST_F(ExportCommandTest, XmlAndHtmlAreThoseOfTheProgramsExport) {
    Add(m_path, {"Internet/Shop & <Co>/Login", "--type", "login", "--value", "me"});
    const auto database = Load(m_path);
    const Group& internet = *database->At(1);
    const struct {
        std::vector<std::string> node;
        const ModelNode* expected;
    } selections[] = {{{}, nullptr}, {{"--node", "Internet/Shop & <Co>/Login"}, internet.At(0)->At(1)}};
    const XmlExport xml;
    const HtmlExport html;
    for (const auto& selection : selections) {
        for (const auto& [name, format] : {std::pair<const char*, const ExportFormat*>{"xml", &xml},
                                           std::pair<const char*, const ExportFormat*>{"html", &html}}) {
            const std::string expectedFile = Path(std::string("expected.") + name);
            ASSERT_TRUE(format->exportTo(expectedFile, *database, selection.expected));
            const std::string expected = test::ReadFileBytes(expectedFile);

            std::vector<std::string> arguments = {"export", m_path, name, Path("out")};
            arguments.insert(arguments.end(), selection.node.begin(), selection.node.end());
            ASSERT_EQ(Run(arguments).status, 0);
            EXPECT_EQ(test::ReadFileBytes(Path("out")), expected) << name;
        }
    }
}
