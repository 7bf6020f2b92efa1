#include "shell/CommandLine.h"

#include <gtest/gtest.h>

using namespace vaultlet;

TEST(CommandLineTest, TheFirstSettingsOptionWithAValueWins) {
    EXPECT_EQ(CommandLine("v.exe -c \" D:\\cfg\\Vaultlet.ini \"").SettingsPath(), "D:\\cfg\\Vaultlet.ini");
    EXPECT_EQ(CommandLine("v.exe -c first.ini -c second.ini").SettingsPath(), "first.ini");
    EXPECT_EQ(CommandLine("v.exe -c").SettingsPath(), "") << "-c as the last token is ignored";
    EXPECT_EQ(CommandLine("v.exe -c \"\"").SettingsPath(), "") << "an empty value leaves the default";
    EXPECT_EQ(CommandLine("v.exe -c \"D:\\cfg.ini").SettingsPath(), "D:\\cfg.ini") << "a quote left open";
    EXPECT_EQ(CommandLine("v.exe -C x.ini").SettingsPath(), "") << "the option is case-sensitive";
}

TEST(CommandLineTest, ArgumentTextIsTheRawRestWithoutTheSettingsOption) {
    EXPECT_EQ(CommandLine("v.exe").ArgumentText(), "");
    EXPECT_EQ(CommandLine("\"C:\\My Apps\\v.exe\"   \"D:\\db\\home.kvtdat\"  ").ArgumentText(),
              "\"D:\\db\\home.kvtdat\"");
    EXPECT_EQ(CommandLine("v.exe -c \"D:\\cfg\\Vaultlet.ini\" \"D:\\db\\home.kvtdat\"").ArgumentText(),
              "\"D:\\db\\home.kvtdat\"");
    EXPECT_EQ(CommandLine("v.exe -c x.ini -minimize").ArgumentText(), "-minimize");
    EXPECT_EQ(CommandLine("v.exe -c a.ini -restart -c b.ini").ArgumentText(), "-restart")
        << "every -c pair leaves the text, not only the one that counts";
    EXPECT_EQ(CommandLine("v.exe -c").ArgumentText(), "-c") << "a -c without a value is not an option";
    EXPECT_EQ(CommandLine("v.exe D:\\two  spaces.kvtdat").ArgumentText(), "D:\\two  spaces.kvtdat")
        << "the text between tokens stays as typed";
    EXPECT_EQ(CommandLine("v.exe \t x y \r\n").ArgumentText(), "x y");
}

TEST(CommandLineTest, CrashReportModeNeedsExactlyThreeTokens) {
    const CommandLine crash("v.exe /crash_report \"C:\\t\\report.txt\"");
    EXPECT_TRUE(crash.IsCrashReport());
    EXPECT_EQ(crash.CrashReportFile(), "C:\\t\\report.txt");
    EXPECT_FALSE(CommandLine("v.exe /crash_report").IsCrashReport());
    EXPECT_FALSE(CommandLine("v.exe /crash_report a b").IsCrashReport());
    EXPECT_FALSE(CommandLine("v.exe /CRASH_REPORT a").IsCrashReport());
    EXPECT_EQ(CommandLine("v.exe x a").CrashReportFile(), "");
}
