// The built vaultlet-cli program itself, run as a script would run it: arguments, standard input,
// standard output and error, exit status. Under Wine the Windows program runs from inside this test.
// What each command does is checked in process by the other tests of this folder; these check what
// passes through the program's own streams.
#include "tests/cli/CliBinary.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vaultlet;
using test::CliBinaryTest;
using test::ProcessResult;

TEST_F(CliBinaryTest, FromCreateToExport) {
    const std::string db = Path("home.kvtdat");
    ExpectSuccess(Cli({"--password-stdin", "create", db, "--iterations", "3"}, "master\n"), "");
    ExpectSuccess(Cli({"add", db, "Internet/Web \\/ Mail", "--password-stdin"}, "master\n"), "");
    // The password line first, then the value byte for byte; one trailing line feed is dropped. The
    // value is longer than the buffers of standard input and output.
    const std::string key(5000, 'A');
    const std::string pem = "-----BEGIN KEY-----\n\t" + key + " <&> \"'\n-----END KEY-----\n";
    ExpectSuccess(
        Cli({"--password-stdin", "add", db, "Internet/Web \\/ Mail/Key", "--value-stdin"}, "master\n" + pem + "\n"),
        "");
    // Standard input is read as bytes: a carriage return is not dropped on the way, and is refused.
    EXPECT_CLI_FAILURE(
        Cli({"--password-stdin", "add", db, "Internet/Web \\/ Mail/Crlf", "--value-stdin"}, "master\nx\r\ny\n"), 64,
        "contains a carriage return");
    ExpectSuccess(Cli({"--password-stdin", "ls", db, "Internet/Web \\/ Mail", "--reveal"}, "master\n"),
                  "Key: -----BEGIN KEY-----\\n\t" + key + " <&> \"'\\n-----END KEY-----\\n\n");
    ExpectSuccess(Cli({"--password-stdin", "passwd", db}, "master\nnew master\n"), "");

    const ProcessResult document = Cli({"--password-stdin", "export", db, "document", "-"}, "new master\n");
    EXPECT_EQ(document.status, 0) << document.err;
    EXPECT_NE(document.out.find("value=\"-----BEGIN KEY-----\n\t" + key +
                                " &lt;&amp;&gt; &quot;&apos;\n-----END KEY-----\n\""),
              std::string::npos)
        << document.out;
    // Line feeds only, also on Windows.
    EXPECT_EQ(document.out.find('\r'), std::string::npos);
}

// The in-process command tests check every message; these check that the status and the one line
// on standard error get out of the program, and that without a terminal or --password-stdin no
// password can be had (standard input is not read for it).
TEST_F(CliBinaryTest, FailuresExitWithTheirStatusAndOneLineOnStandardError) {
    const std::string db = MakeDatabase("db.kvtdat");
    EXPECT_CLI_FAILURE(Cli({"--password-stdin", "ls", Path("missing.kvtdat")}, "pw\n"), 3, "cannot open");
    EXPECT_CLI_FAILURE(Cli({"--password-stdin", "ls", db}, ""), 64, "standard input ended before a password line");
    EXPECT_CLI_FAILURE(Cli({"ls", db}, "pw\n"), 64, "no terminal to ask for the password");
    EXPECT_EQ(Cli({"info", db}).status, 0);
}

// Many lines, more than the output buffer holds, each password with its spelling.
TEST_F(CliBinaryTest, GenerateWritesEveryLineThroughTheOutputBuffer) {
    const ProcessResult first = Cli({"generate", "--count", "500", "--phonetic"});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.err, "");
    EXPECT_EQ(std::count(first.out.begin(), first.out.end(), '\n'), 500);
    EXPECT_EQ(std::count(first.out.begin(), first.out.end(), '\t'), 500);
}
