// Imports real KeePass 2 XML made at test time by keepassxc-cli (Debian package keepassxc, which CI
// installs): the test fails, never skips, when the program is missing.
#include "core/Database.h"
#include "exchange/ImportReport.h"
#include "exchange/KeePass2Import.h"
#include "tests/exchange/ExchangeTestSupport.h"
#include "tests/exchange/KeePassXcExpectations.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

using namespace vaultlet;
using namespace vaultlet::test;

namespace {

constexpr const char* kMasterPassword = "correct horse";

std::string Quote(std::string_view text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Runs keepassxc-cli with the given arguments, feeding it the lines on standard input (the master
// password first). Settings go to the temporary folder, not to the user's home.
class KeePassXcCli {
public:
    explicit KeePassXcCli(const TempDir& dir)
        : m_home(dir.File("home")), m_database(dir.File("test.kdbx")), m_errors(dir.File("errors.txt")) {}

    const std::string& Database() const { return m_database; }

    ::testing::AssertionResult Run(const std::string& arguments, std::initializer_list<std::string_view> input,
                                   const std::string& output = "/dev/null") const {
        std::string command = "printf '%s\\n'";
        for (const auto line : input) {
            command += " " + Quote(line);
        }
        command += " | HOME=" + Quote(m_home) + " XDG_CONFIG_HOME=" + Quote(m_home + "/config") + " keepassxc-cli " +
                   arguments + " >" + Quote(output) + " 2>" + Quote(m_errors);
        const int status = std::system(command.c_str());
        if (status != 0) {
            return ::testing::AssertionFailure()
                   << "keepassxc-cli " << arguments << " exited with " << status << ": " << ReadFileBytes(m_errors);
        }
        return ::testing::AssertionSuccess();
    }

    ::testing::AssertionResult Mkdir(std::string_view group) const {
        return Run("mkdir -q " + Quote(m_database) + " " + Quote(group), {kMasterPassword});
    }

    ::testing::AssertionResult Add(std::string_view entry, const std::string& options,
                                   std::string_view password = {}) const {
        const std::string prompt = password.empty() ? "" : " -p";
        return Run("add -q" + prompt + " " + options + " " + Quote(m_database) + " " + Quote(entry),
                   {kMasterPassword, password});
    }

private:
    std::string m_home;
    std::string m_database;
    std::string m_errors;
};

// Builds the database described in KeePassXcExpectations.h and returns its XML export.
std::string MakeExport(const TempDir& dir) {
    const KeePassXcCli cli(dir);
    const std::string db = Quote(cli.Database());
    EXPECT_TRUE(cli.Run("import -q -p -t 100 " + Quote(DataPath("KeePassXcImportSeed.xml")) + " " + db,
                        {kMasterPassword, kMasterPassword}));
    for (const char* group : {"Level 1", "Level 1/Level 2", "Level 1/Level 2/Level 3", "Level 1/Mail", "Mail"}) {
        EXPECT_TRUE(cli.Mkdir(group));
    }
    EXPECT_TRUE(cli.Add("Root entry", "-u root-user --url https://root.example.org/", "root-pw"));
    EXPECT_TRUE(cli.Add("Level 1/Level 2/Level 3/Deep entry",
                        "-u deep --notes " + Quote("line one\nline two\twith a tab  "), "deep-pw"));
    EXPECT_TRUE(cli.Add("Level 1/" + std::string(kSpecialTitle), "-u " + Quote(kSpecialUser), kSpecialPassword));
    EXPECT_TRUE(cli.Add("Level 1/Mail/Secondary mail", "-u secondary"));
    EXPECT_TRUE(cli.Add("Mail/Primary mail", "-u primary --url https://mail.example.org/", "first password"));
    // Changing the password keeps the old entry in the entry's history.
    EXPECT_TRUE(cli.Run("edit -q -p " + db + " 'Mail/Primary mail'", {kMasterPassword, "second password"}));
    const std::string file = dir.File("export.xml");
    EXPECT_TRUE(cli.Run("export -q --format xml " + db, {kMasterPassword}, file));
    return ReadFileBytes(file);
}

using KeePassXcExportTest = ModelFixture;

TEST_F(KeePassXcExportTest, ImportsWhatKeePassXcExportsOnceTheGeneratorSaysKeePass) {
    TempDir dir;
    std::string xml = MakeExport(dir);
    ASSERT_FALSE(xml.empty());
    ASSERT_NE(xml.find("<History>"), std::string::npos) << "the edit should have left a history";

    const std::string generator = "<Generator>KeePassXC</Generator>";
    const std::size_t at = xml.find(generator);
    ASSERT_NE(at, std::string::npos) << "KeePassXC names itself as the generator";
    KeePass2Import import;
    EXPECT_EQ(import.importFromText(xml), nullptr) << "only KeePass's own exports are accepted";

    xml.replace(at, generator.size(), "<Generator>KeePass</Generator>");
    const auto database = import.importFromText(xml);
    ASSERT_NE(database, nullptr);
    ExpectKeePassXcDatabase(*database);
    std::cout << FormatImportCounts("Imported: %d Group(s), %d Passcard(s), %d Fields(s)",
                                    {database->GroupCount(), database->PasscardCount(), database->ItemCount()})
              << std::endl;

    // How tests/data/KeePassXcExportPatched.xml was made, for the run under Wine.
    if (const char* copy = std::getenv("VAULTLET_KEEPASSXC_EXPORT_COPY")) {
        WriteTestFile(copy, xml);
    }
}

} // namespace
