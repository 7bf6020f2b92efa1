#include "shell/StartupEntry.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

constexpr const char* kHere = "C:\\Program Files\\Quillmoth\\Vaultlet.exe";

TEST(StartupEntryTest, WritesThePathQuotedAndRecognisesOnlyThisCopy) {
    const std::string command = StartupEntry::CommandFor(kHere);
    EXPECT_EQ(command, std::string("\"") + kHere + "\" -minimize");
    EXPECT_TRUE(StartupEntry::StartsExecutable(command, kHere));

    // Only this copy is recognised, quoted or in the old unquoted form.
    const std::string here = kHere;
    EXPECT_TRUE(StartupEntry::StartsExecutable(here + " -minimize", here));
    EXPECT_TRUE(StartupEntry::StartsExecutable(here, here));
    EXPECT_TRUE(StartupEntry::StartsExecutable("\"" + here + "\"", here));

    EXPECT_FALSE(StartupEntry::StartsExecutable("\"D:\\Tools\\Vaultlet.exe\" -minimize", here));
    EXPECT_FALSE(StartupEntry::StartsExecutable(here + "2 -minimize", here));
    EXPECT_FALSE(StartupEntry::StartsExecutable("\"" + here + "2\" -minimize", here));
    EXPECT_FALSE(StartupEntry::StartsExecutable("\"" + here, here));
    EXPECT_FALSE(StartupEntry::StartsExecutable("", here));
    EXPECT_FALSE(StartupEntry::StartsExecutable(here, "")) << "an unknown path names no copy";
}

} // namespace
} // namespace vaultlet
