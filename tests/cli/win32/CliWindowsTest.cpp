// What only Windows does to the program: another program's open handle without delete sharing makes
// replacing the file fail (exit status 6) and the file stays as it was; a new password the ANSI code
// page cannot hold exactly is refused. (A failed read is provoked in process: Wine applies byte-range
// locks to lock calls only, not to reads.)
#include "tests/cli/CliBinary.h"

#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace vaultlet;

namespace {

class CliWindowsTest : public test::CliBinaryTest {};

class HeldFile {
public:
    HeldFile(const std::string& path, DWORD access, DWORD share)
        : m_handle(CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldFile() {
        if (m_handle != INVALID_HANDLE_VALUE) {
            CloseHandle(m_handle);
        }
    }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    HANDLE Get() const noexcept { return m_handle; }

private:
    HANDLE m_handle;
};

} // namespace

TEST_F(CliWindowsTest, AFileThatCannotBeReplacedIsLeftAsItWas) {
    const std::string db = MakeDatabase("db.kvtdat");
    const std::string before = test::ReadFileBytes(db);
    {
        HeldFile held(db, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_NE(held.Get(), INVALID_HANDLE_VALUE);
        EXPECT_CLI_FAILURE(Cli({"--password-stdin", "add", db, "Lost"}, "pw\n"), 6,
                           "the file on disk is as it was before");
        EXPECT_CLI_FAILURE(Cli({"--password-stdin", "set-cipher", db, "blowfish"}, "pw\n"), 6, "could not save");
        EXPECT_EQ(test::ReadFileBytes(db), before);
    }
    EXPECT_EQ(m_dir.List(), std::vector<std::string>{"db.kvtdat"});
    EXPECT_EQ(Cli({"--password-stdin", "add", db, "Kept"}, "pw\n").status, 0);
}

TEST_F(CliWindowsTest, ANewPasswordTheCodePageCannotHoldIsRefused) {
    // U+03A9 (Greek capital omega) is in no Western ANSI code page; a best-fit conversion would make
    // it "O", and "Omega" would then open the file too.
    const std::string omega = "\xCE\xA9mega\n";
    EXPECT_CLI_FAILURE(Cli({"--password-stdin", "create", Path("omega.kvtdat"), "--iterations", "1"}, omega), 64,
                       "cannot keep exactly");
    EXPECT_TRUE(m_dir.List().empty());

    const std::string db = MakeDatabase("db.kvtdat");
    const std::string before = test::ReadFileBytes(db);
    EXPECT_CLI_FAILURE(Cli({"--password-stdin", "passwd", db}, "pw\n" + omega), 64, "cannot keep exactly");
    EXPECT_EQ(test::ReadFileBytes(db), before);
}
