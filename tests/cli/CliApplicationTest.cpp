#include "cli/CliApplication.h"

#include "tests/cli/CliFixture.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace vaultlet;

namespace {

class CliApplicationTest : public test::CliFixture {
protected:
    // "@NAME" stands for the file NAME in the test's folder, up to a quote or the end of the text.
    std::string InFolder(std::string text) const {
        for (std::size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at)) {
            const std::size_t end = std::min(text.find('"', at), text.size());
            const std::string file = Path(text.substr(at + 1, end - at - 1));
            text.replace(at, end - at, file);
            at += file.size();
        }
        return text;
    }
};

// An output that refuses every byte, like a full disk behind a redirection.
class FullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

} // namespace

TEST_F(CliApplicationTest, EveryFailureIsOneLineWithItsStatusAndChangesNoFile) {
    const std::string db = MakeDatabase("db");
    Add(db, {"Internet/Mail"});
    Add(db, {"Internet/Mail/Password", "--type", "password", "--value", "old"});
    const std::string bytes = test::ReadFileBytes(db);
    std::string unknownCipher = bytes;
    unknownCipher[16] = 7;
    for (const auto& [name, content] : {std::pair<const char*, std::string>{"cut", bytes.substr(0, bytes.size() - 3)},
                                        {"short", bytes.substr(0, 48)},
                                        {"text", std::string(100, 'x')},
                                        {"unknown", unknownCipher},
                                        {"other", bytes}}) {
        ASSERT_TRUE(test::WriteFileBytes(Path(name), content));
    }
    const std::vector<std::string> files = m_dir.List();
    const std::string keepass1 = test::DataPath("KeePass1Export.xml");
    const std::string longName(256, 'n');
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string message;
        std::string input = "pw\n";
    } cases[] = {
        {{}, 64, "no command given (see vaultlet-cli --help)"},
        {{"list\nmore"}, 64, "unknown command \"list\\nmore\" (see vaultlet-cli --help)"},
        {{"--verbose", "info"}, 64, "unknown option --verbose"},
        {{"info"}, 64, "missing arguments; usage: vaultlet-cli info FILE"},
        {{"info", "a", "b"}, 64, "unexpected argument \"b\"; usage: vaultlet-cli info FILE"},
        // Even a password given as an argument is just an unknown option.
        {{"ls", "a", "--password", "secret"}, 64, "unknown option --password"},
        {{"ls", "@db"}, 1, "wrong password for \"@db\"", "Pw\n"},
        {{"ls", "@cut"}, 2, "\"@cut\" is not a Vaultlet database, or it is damaged"},
        {{"ls", "@missing"}, 3, "cannot open \"@missing\""},
        {{"ls", "@unknown"}, 5, "\"@unknown\" uses a cipher this program does not know (id 7)"},
        {{"ls", "@db", "Internet/mail"}, 64, "no passcard \"Internet/mail\""},
        // info reads the header itself.
        {{"info", "@missing"}, 3, "cannot open"},
        {{"info", "@short"}, 2, "\"@short\" is not a Vaultlet database, or it is damaged"},
        {{"info", "@text"}, 2, "is not a Vaultlet database"},
        {{"info", "@unknown"}, 5, "uses a cipher this program does not know (id 7)"},
        {{"show", "@db", "Internet/Mail/Pin"}, 64, "no item \"Internet/Mail/Pin\""},
        {{"rm", "@db", "No\nwhere"}, 64, "no group \"No\\nwhere\""},
        {{"add", "@db", "Internet/Mail/K", "--value-stdin"},
         64,
         "the value contains a NUL byte, which a database cannot hold",
         std::string("pw\na\0", 5)},
        {{"add", "@db", "Internet/Mail/K", "--value-stdin"},
         64,
         "the value contains a carriage return, which a database cannot hold (it reads back as a line feed)",
         "pw\nwindows\r\nline\n"},
        {{"add", "@db", "Internet/Mail/Key", "--value", "a\rb"}, 64, "the value contains"},
        {{"add", "@db", "Internet/Mail/Key", "--comment", "a\rb"}, 64, "the comment contains"},
        {{"add", "@db", "Internet/Ma\ril"}, 64, "the name \"Ma\\ril\" contains"},
        {{"add", "@db", "Work", "--value", "x"}, 64, "--value is for items only"},
        {{"add", "@db", "Internet/Mail/X", "--value", "a", "--value-stdin"}, 64, "either --value or --value-stdin"},
        {{"add", "@db", "Internet/Mail/X", "--type", "file"}, 64, "come only from imports"},
        {{"add", "@db", "Internet"}, 64, "there is already a group \"Internet\""},
        {{"add", "@db", "Internet/Mail"}, 64, "there is already a passcard \"Internet/Mail\""},
        {{"add", "@db", "Internet/Mail/Password"}, 64, "there is already an item"},
        {{"add", "@db", "Nowhere/Card"}, 64, "no group \"Nowhere\""},
        {{"add", "@db", "Internet/Shop/Pass"}, 64, "no passcard \"Internet/Shop\""},
        {{"create", "@x", "--iterations", "0"}, 64, "--iterations must be a whole number from 1 to 1000000"},
        {{"create", "@x", "--cipher", "AES256"}, 64, "unknown cipher \"AES256\""},
        {{"create", "@x", "--name", ""}, 64, "the database name must not be empty"},
        {{"create", "@.kvtdat"}, 64, "the database name must not be empty"},
        {{"create", "@x", "--name", "a\rb"}, 64, "contains a carriage return"},
        {{"create", "@x", "--name", longName}, 64, "longer than 255 characters"},
        {{"create", "@x"}, 64, "standard input ended before a password line (--password-stdin)", ""},
        {{"create", "@x"}, 64, "the password must not be empty", "\n"},
        {{"create", "@db", "--iterations", "1"}, 64, "already exists; add --force", "other\n"},
        {{"create", "@missing/x", "--iterations", "1"}, 6, "could not save"},
        {{"export", "@db", "document", "@db"}, 64, "is the database file itself"},
        {{"export", "@db", "csv", "-"}, 64, "unknown export format \"csv\" (document, xml or html)"},
        {{"export", "@db", "document", "-", "--node", "Internet"}, 64, "--node does not apply to the document"},
        {{"export", "@db", "xml", "-", "--node", "Internet/Nope"}, 64, "no passcard \"Internet/Nope\""},
        {{"export", "@db", "document", "@missing/out.xml"}, 6, "could not write \"@missing/out.xml\""},
        {{"import", "@db", "keepass2", keepass1},
         7,
         "\"" + keepass1 + "\": Error while importing \"KeePass 2 XML\" file."},
        {{"import", "@db", "xml", "@missing.xml"}, 7, "Error while importing \"Quillmoth Keyhaven XML\" file."},
        {{"import", "@db", "csv", "@x.csv"}, 64, "unknown import format \"csv\" (xml, keepass2 or keepass1)"},
        {{"import", "@db", "xml", ""}, 64, "IN must name a file"},
        {{"merge", "@db", "@other", "--base", "@text"}, 2, "not a Vaultlet database"},
        {{"merge", "@db", "@other", "--base="}, 64, "must name files"},
        {{"generate", "--type", "Symbols"}, 64, "--type takes numbers, hex, letters, mixed, symbols, not \"Symbols\""},
        {{"generate", "--length", "0"}, 64, "--length must be a whole number from 1 to 4096"},
        {{"audit", "@db"}, 8, "wrong password", "PW\n"},
        {{"audit", "@db", "--expiring-days", "-1"}, 64, "--expiring-days"},
        {{"passwd", "@db"}, 64, "the password must not be empty", "pw\n\n"},
        {{"set-cipher", "@db", "des"}, 64, "unknown cipher \"des\" (aes256, aes128, twofish or blowfish)"},
    };
    for (const auto& each : cases) {
        std::vector<std::string> arguments;
        for (const std::string& argument : each.arguments) {
            arguments.push_back(InFolder(argument));
        }
        SCOPED_TRACE(each.message);
        EXPECT_CLI_FAILURE(Run(arguments, each.input), each.status, InFolder(each.message));
    }
    EXPECT_EQ(test::ReadFileBytes(db), bytes);
    EXPECT_EQ(m_dir.List(), files);
}

TEST_F(CliApplicationTest, OutputThatCannotBeWrittenFailsTheRun) {
    FullBuffer full;
    std::ostream out(&full);
    std::istringstream in;
    std::ostringstream err;
    CliApplication application(in, out, err, m_terminal, FileSystem::Real());
    const std::vector<std::string_view> arguments = {"generate"};
    EXPECT_EQ(application.Run(arguments), 6);
    EXPECT_EQ(err.str(), "vaultlet-cli: could not write to standard output\n");
}
