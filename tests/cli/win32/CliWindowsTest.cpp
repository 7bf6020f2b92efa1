// Failures that Windows lets a test provoke with another program's hold on the file: a byte-range
// lock makes reading fail (exit status 4), an open handle without delete sharing makes replacing the
// file fail (exit status 6). In both cases the file stays as it was. Wine keeps byte-range locks
// among lock calls only (reads pass), so there the read failure is left to the in-process tests.
#include "tests/cli/CliBinary.h"

#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace vaultlet;

namespace {

class CliWindowsTest : public test::CliBinaryTest {};

bool RunsUnderWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

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

TEST_F(CliWindowsTest, DataThatCannotBeReadExitsWithTheReadFailure) {
    if (RunsUnderWine()) {
        GTEST_SKIP() << "Wine does not apply byte-range locks to reads";
    }
    const std::string db = MakeDatabase("db.kvtdat");
    const std::string bytes = test::ReadFileBytes(db);
    // Header (48 bytes, the name "db" in 4 more) and check block (16) stay readable, the data does not.
    const DWORD dataStart = 48 + 4 + 16;
    ASSERT_GT(bytes.size(), dataStart);
    HeldFile held(db, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_NE(held.Get(), INVALID_HANDLE_VALUE);
    OVERLAPPED region{};
    region.Offset = dataStart;
    ASSERT_TRUE(LockFileEx(held.Get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                           static_cast<DWORD>(bytes.size()) - dataStart, 0, &region));
    ExpectFailure(Cli({"--password-stdin", "ls", db}, "pw\n"), 4, "cannot read or decrypt");
    UnlockFileEx(held.Get(), 0, static_cast<DWORD>(bytes.size()) - dataStart, 0, &region);
    EXPECT_EQ(Cli({"--password-stdin", "ls", db}, "pw\n").status, 0);
}

TEST_F(CliWindowsTest, AFileThatCannotBeReplacedIsLeftAsItWas) {
    const std::string db = MakeDatabase("db.kvtdat");
    const std::string before = test::ReadFileBytes(db);
    {
        HeldFile held(db, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_NE(held.Get(), INVALID_HANDLE_VALUE);
        ExpectFailure(Cli({"--password-stdin", "add", db, "Lost"}, "pw\n"), 6, "the file on disk is as it was before");
        ExpectFailure(Cli({"--password-stdin", "set-cipher", db, "blowfish"}, "pw\n"), 6, "could not save");
        EXPECT_EQ(test::ReadFileBytes(db), before);
    }
    EXPECT_EQ(m_dir.List(), std::vector<std::string>{"db.kvtdat"});
    EXPECT_EQ(Cli({"--password-stdin", "add", db, "Kept"}, "pw\n").status, 0);
}

TEST_F(CliWindowsTest, ANewPasswordTheCodePageCannotHoldIsRefused) {
    // U+03A9 (Greek capital omega) is in no Western ANSI code page; a best-fit conversion would make
    // it "O", and "Omega" would then open the file too.
    const std::string omega = "\xCE\xA9mega\n";
    ExpectFailure(Cli({"--password-stdin", "create", Path("omega.kvtdat"), "--iterations", "1"}, omega), 64,
                  "cannot keep exactly");
    EXPECT_TRUE(m_dir.List().empty());

    const std::string db = MakeDatabase("db.kvtdat");
    const std::string before = test::ReadFileBytes(db);
    ExpectFailure(Cli({"--password-stdin", "passwd", db}, "pw\n" + omega), 64, "cannot keep exactly");
    EXPECT_EQ(test::ReadFileBytes(db), before);
}
