#include "core/FileSystem.h"
#include "core/SafeFileWriter.h"

#include "tests/support/TempDir.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

using namespace vaultlet;

TEST(Win32FileSystemTest, ReplacingKeepsHiddenAndReadOnlyAttributes) {
    test::TempDir dir;
    const std::string path = dir.File("hidden.kvtdat");
    test::WriteFileBytes(path, "old");
    const DWORD attributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY;
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes));

    ASSERT_TRUE(WriteFileSafely(FileSystem::Real(), path, "new", 3));
    EXPECT_EQ(test::ReadFileBytes(path), "new");
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & attributes, attributes);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(Win32FileSystemTest, AFailedReplaceRestoresTheTargetsAttributes) {
    test::TempDir dir;
    const std::string path = dir.File("target.kvtdat");
    test::WriteFileBytes(path, "old");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    // The source does not exist, so the move fails after the attributes were cleared.
    EXPECT_FALSE(FileSystem::Real().Replace(dir.File("no-such-file"), path));
    EXPECT_EQ(test::ReadFileBytes(path), "old");
    EXPECT_NE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

namespace {

// The access control list of a file in the system's text form ("D:P(A;;FA;;;S-1-...)...").
std::string AccessListOf(const std::string& path) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoA(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr,
                              nullptr, &descriptor) != ERROR_SUCCESS) {
        return {};
    }
    char* text = nullptr;
    std::string result;
    if (ConvertSecurityDescriptorToStringSecurityDescriptorA(descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
                                                             &text, nullptr)) {
        result = text;
        LocalFree(text);
    }
    LocalFree(descriptor);
    return result;
}

std::string CurrentUserSid() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return {};
    }
    alignas(TOKEN_USER) char buffer[256];
    DWORD size = 0;
    std::string result;
    char* text = nullptr;
    if (GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size) &&
        ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, &text)) {
        result = text;
        LocalFree(text);
    }
    CloseHandle(token);
    return result;
}

bool SetAccessList(const std::string& path, const std::string& sddl) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl.c_str(), SDDL_REVISION_1, &descriptor, nullptr)) {
        return false;
    }
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL list = nullptr;
    const bool set = GetSecurityDescriptorDacl(descriptor, &present, &list, &defaulted) && present &&
                     SetNamedSecurityInfoA(const_cast<char*>(path.c_str()), SE_FILE_OBJECT,
                                           DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr,
                                           nullptr, list, nullptr) == ERROR_SUCCESS;
    LocalFree(descriptor);
    return set;
}

} // namespace

TEST(Win32FileSystemTest, ReplacingKeepsTheTargetsAccessControlList) {
    // A database its owner shut off from inherited access, readable also by the backup operators.
    test::TempDir dir;
    const std::string path = dir.File("guarded.kvtdat");
    test::WriteFileBytes(path, "old");
    const std::string user = CurrentUserSid();
    ASSERT_FALSE(user.empty());
    ASSERT_TRUE(SetAccessList(path, "D:P(A;;FA;;;" + user + ")(A;;FR;;;BO)"));
    const std::string before = AccessListOf(path);
    if (before.find("(A;;FR;;;BO)") == std::string::npos) {
        // Wine accepts the list but keeps only the file's Unix permissions.
        GTEST_SKIP() << "this system does not keep a file's access control list: " << before;
    }

    ASSERT_TRUE(WriteFileSafely(FileSystem::Real(), path, "new", 3));
    EXPECT_EQ(test::ReadFileBytes(path), "new");
    EXPECT_EQ(AccessListOf(path), before);
}

TEST(Win32FileSystemTest, SavingThroughASymbolicLinkReplacesTheFileAndKeepsTheLink) {
    test::TempDir dir;
    const std::string real = dir.File("real.kvtdat");
    const std::string link = dir.File("link.kvtdat");
    test::WriteFileBytes(real, "old");
    const DWORD made = CreateSymbolicLinkA(link.c_str(), real.c_str(), SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE)
                           ? GetFileAttributesA(link.c_str())
                           : INVALID_FILE_ATTRIBUTES;
    if (made == INVALID_FILE_ATTRIBUTES || (made & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        // Wine reports success without making the link.
        GTEST_SKIP() << "this system cannot make symbolic links here";
    }

    ASSERT_TRUE(WriteFileSafely(FileSystem::Real(), link, "new", 3));
    EXPECT_EQ(test::ReadFileBytes(real), "new");
    EXPECT_NE(GetFileAttributesA(link.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT, 0u) << "the link is still a link";
}
