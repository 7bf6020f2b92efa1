// The built vaultlet-cli program itself, run as a script would run it: arguments, standard input,
// standard output and error, exit status. Under Wine the Windows program runs from inside this test.
#include "tests/cli/CliBinary.h"

#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vaultlet;
using test::CliBinaryTest;
using test::ProcessResult;

TEST_F(CliBinaryTest, FromCreateToExport) {
    const std::string db = Path("home.kvtdat");
    ExpectSuccess(Cli({"--password-stdin", "create", db, "--iterations", "3"}, "master\n"), "");
    ExpectSuccess(Cli({"info", db}), "Name: home\n"
                                     "Cipher: AES (Rijndael) using 256-bit key\n"
                                     "Cipher id: 1\n"
                                     "Iterations: 3\n");
    ExpectSuccess(Cli({"ls", db, "--password-stdin"}, "master\n"),
                  "Network\nInternet\nE-Mail\nHomeBanking\nSoftware\n");
    ExpectSuccess(Cli({"add", db, "Internet/Web \\/ Mail", "--password-stdin", "--comment", "webmail"}, "master\n"),
                  "");
    ExpectSuccess(Cli({"add", db, "Internet/Web \\/ Mail/Login", "--type", "login", "--value", "me@example.org",
                       "--password-stdin"},
                      "master\n"),
                  "");
    // The password line first, then the value; one trailing line feed is dropped.
    ExpectSuccess(
        Cli({"--password-stdin", "add", db, "Internet/Web \\/ Mail/Password", "--type", "password", "--value-stdin"},
            "master\ncorrect horse\n"),
        "");
    ExpectSuccess(Cli({"--password-stdin", "ls", db, "Internet"}, "master\n"), "Web / Mail\n");
    ExpectSuccess(Cli({"--password-stdin", "ls", db, "Internet/Web \\/ Mail"}, "master\n"),
                  "Login: me@example.org\nPassword: **********\n");
    ExpectSuccess(Cli({"--password-stdin", "ls", db, "Internet/Web \\/ Mail", "--reveal"}, "master\n"),
                  "Login: me@example.org\nPassword: correct horse\n");
    const ProcessResult shown = Cli({"--password-stdin", "show", db, "Internet/Web \\/ Mail/Password"}, "master\n");
    EXPECT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out.rfind("Name: Password\nType: Password\nValue: **********\nHidden: yes\n", 0), 0u) << shown.out;
    const ProcessResult revealed =
        Cli({"--password-stdin", "show", db, "Internet/Web \\/ Mail/Password", "--reveal"}, "master\n");
    EXPECT_NE(revealed.out.find("Value: correct horse\n"), std::string::npos) << revealed.out;

    ExpectSuccess(Cli({"--password-stdin", "passwd", db}, "master\nnew master\n"), "");
    ExpectFailure(Cli({"--password-stdin", "ls", db}, "master\n"), 1, "wrong password");
    ExpectSuccess(Cli({"--password-stdin", "set-cipher", db, "twofish"}, "new master\n"), "");
    const ProcessResult info = Cli({"info", db});
    EXPECT_NE(info.out.find("Cipher: Twofish (128-bit block cipher using 256-bit key)\nCipher id: 2\n"),
              std::string::npos)
        << info.out;
    ExpectSuccess(Cli({"--password-stdin", "rm", db, "Internet/Web \\/ Mail/Login"}, "new master\n"), "");

    const ProcessResult document = Cli({"--password-stdin", "export", db, "document", "-"}, "new master\n");
    EXPECT_EQ(document.status, 0) << document.err;
    EXPECT_EQ(document.out.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<database name=\"home\"", 0), 0u);
    EXPECT_NE(document.out.find("name=\"Web / Mail\""), std::string::npos);
    EXPECT_NE(document.out.find("value=\"correct horse\""), std::string::npos);
    EXPECT_EQ(document.out.find("me@example.org"), std::string::npos);
    EXPECT_EQ(document.out.find('\r'), std::string::npos); // line feeds only, also on Windows
    ExpectSuccess(Cli({"--password-stdin", "export", db, "document", Path("plain.xml")}, "new master\n"), "");
    EXPECT_EQ(test::ReadFileBytes(Path("plain.xml")), document.out);

    ExpectSuccess(Cli({"--password-stdin", "export", db, "xml", Path("home.xml")}, "new master\n"), "");
    const std::string xml = test::ReadFileBytes(Path("home.xml"));
    EXPECT_NE(xml.find("<Cofferbook>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<Name>Web / Mail</Name>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<Data>correct horse</Data>"), std::string::npos) << xml;
    const ProcessResult html =
        Cli({"--password-stdin", "export", db, "html", "-", "--node", "Internet/Web \\/ Mail"}, "new master\n");
    EXPECT_EQ(html.status, 0) << html.err;
    EXPECT_NE(html.out.find("correct horse"), std::string::npos) << html.out;
    EXPECT_EQ(html.out.find("HomeBanking"), std::string::npos) << "only the passcard's group is written";
    // The page carries the program's stylesheet (on Windows a resource of the program).
    const std::string stylesheet = test::ReadFileBytes(test::DataPath("../../resources/ExportStyle.css"));
    ASSERT_FALSE(stylesheet.empty());
    EXPECT_NE(html.out.find(stylesheet.substr(0, stylesheet.find('}') + 1)), std::string::npos) << html.out;

    // The own XML export comes back in as a second copy of every group.
    const ProcessResult imported = Cli({"--password-stdin", "import", db, "xml", Path("home.xml")}, "new master\n");
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "Imported: 5 Group(s), 1 Passcard(s), 1 Fields(s)\n");
    ExpectSuccess(Cli({"--password-stdin", "ls", db, "Internet 1"}, "new master\n"), "Web / Mail\n");
}

// One failure for each exit status: the in-process command tests check every message; this checks
// that the status and the one line on standard error get out of the program.
TEST_F(CliBinaryTest, EveryFailureHasItsExitStatusAndOneLineOnStandardError) {
    const std::string db = MakeDatabase("db.kvtdat");
    const std::string bytes = test::ReadFileBytes(db);
    ExpectFailure(Cli({"--password-stdin", "ls", db}, "wrong\n"), 1, "wrong password for \"" + db + "\"");
    ASSERT_TRUE(test::WriteFileBytes(Path("text.kvtdat"), std::string(200, 'x')));
    ExpectFailure(Cli({"--password-stdin", "ls", Path("text.kvtdat")}, "pw\n"), 2, "is not a Vaultlet database");
    ExpectFailure(Cli({"--password-stdin", "ls", Path("missing.kvtdat")}, "pw\n"), 3, "cannot open");
    std::string unknown = bytes;
    unknown[16] = 4;
    ASSERT_TRUE(test::WriteFileBytes(Path("unknown.kvtdat"), unknown));
    ExpectFailure(Cli({"--password-stdin", "ls", Path("unknown.kvtdat")}, "pw\n"), 5, "(id 4)");
    ExpectFailure(Cli({"--password-stdin", "create", Path("no/such/folder.kvtdat"), "--iterations", "1"}, "pw\n"), 6,
                  "could not save");
    ExpectFailure(Cli({"--password-stdin", "import", db, "keepass2", Path("text.kvtdat")}, "pw\n"), 7,
                  "Error while importing \"KeePass 2 XML\" file.");

    ExpectFailure(Cli({}), 64, "no command given");
    ExpectFailure(Cli({"--password-stdin", "ls", db}, ""), 64, "standard input ended before a password line");
    EXPECT_EQ(test::ReadFileBytes(db), bytes);
}

TEST_F(CliBinaryTest, WithoutATerminalOrPasswordStdinNoPasswordCanBeHad) {
    const std::string db = MakeDatabase("db.kvtdat");
    // Standard input is not read for the password without --password-stdin.
    ExpectFailure(Cli({"ls", db}, "pw\n"), 64, "no terminal to ask for the password");
    ExpectFailure(Cli({"create", Path("new.kvtdat")}, "pw\n"), 64, "no terminal to ask for the password");
    ExpectFailure(Cli({"passwd", db}, "pw\nnew\n"), 64, "no terminal");
    // Commands without a password do not care.
    EXPECT_EQ(Cli({"info", db}).status, 0);
    EXPECT_EQ(Cli({"generate"}).status, 0);
}

TEST_F(CliBinaryTest, ValuesFromStandardInputArriveByteForByteOrAreRefused) {
    const std::string db = MakeDatabase("db.kvtdat");
    ExpectSuccess(Cli({"--password-stdin", "add", db, "Network/Key"}, "pw\n"), "");
    const std::string multiLine = "-----BEGIN KEY-----\n\tAAAA <&> \"'\n-----END KEY-----\n";
    ExpectSuccess(Cli({"--password-stdin", "add", db, "Network/Key/Pem", "--value-stdin"}, "pw\n" + multiLine + "\n"),
                  "");
    const ProcessResult document = Cli({"--password-stdin", "export", db, "document", "-"}, "pw\n");
    EXPECT_NE(
        document.out.find("value=\"-----BEGIN KEY-----\n\tAAAA &lt;&amp;&gt; &quot;&apos;\n-----END KEY-----\n\""),
        std::string::npos)
        << document.out;
    ExpectSuccess(Cli({"--password-stdin", "ls", db, "Network/Key"}, "pw\n"),
                  "Pem: -----BEGIN KEY-----\\n\tAAAA <&> \"'\\n-----END KEY-----\\n\n");

    const std::string before = test::ReadFileBytes(db);
    ExpectFailure(
        Cli({"--password-stdin", "add", db, "Network/Key/Bin", "--value-stdin"}, std::string("pw\na\0b\n", 7)), 64,
        "contains a NUL byte");
    ExpectFailure(Cli({"--password-stdin", "add", db, "Network/Key/Crlf", "--value-stdin"}, "pw\nx\r\ny\n"), 64,
                  "contains a carriage return");
    EXPECT_EQ(test::ReadFileBytes(db), before);
}

TEST_F(CliBinaryTest, GenerateDrawsNewPasswordsEveryRun) {
    const ProcessResult first = Cli({"generate", "--count", "5", "--phonetic"});
    const ProcessResult second = Cli({"generate", "--count", "5", "--phonetic"});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.err, "");
    EXPECT_EQ(std::count(first.out.begin(), first.out.end(), '\n'), 5);
    EXPECT_EQ(std::count(first.out.begin(), first.out.end(), '\t'), 5);
    EXPECT_NE(first.out, second.out);
    EXPECT_EQ(Cli({"generate", "--type", "numbers", "--length", "12"}).out.find_first_not_of("23456789"), 12u);
}
