// What the crash report calls things, and what the crash-report process accepts back from a file
// and from the upload service.
#include "services/CrashReportText.h"

#include <gtest/gtest.h>

#include <string>

namespace vaultlet {
namespace {

using namespace crash_report_text;

TEST(CrashReportTextTest, NamesExceptionsAndSystemsWithTheirFallbacks) {
    EXPECT_STREQ(ExceptionName(0xC0000005), "an Access Violation");
    EXPECT_STREQ(ExceptionName(kCppExceptionCode), "a C++ Exception");
    EXPECT_STREQ(ExceptionName(0xC0000006 + 1), "an Unknown exception type");

    EXPECT_STREQ(WindowsName(1, 4, 0, 950), "Windows 95");
    EXPECT_STREQ(WindowsName(1, 4, 10, 2183), "Windows 98 SE");
    EXPECT_STREQ(WindowsName(1, 4, 90, 3000), "Windows ME");
    EXPECT_STREQ(WindowsName(2, 6, 1, 7601), "Windows 7");
    EXPECT_STREQ(WindowsName(2, 10, 0, 19045), "unknown Windows version");
    EXPECT_STREQ(WindowsName(3, 7, 0, 1), "Windows CE");
}

TEST(CrashReportTextTest, OnlyBoundedFilesThatStartAsReportsAreReports) {
    const std::string report = std::string(kFirstLine) + "\r\n\r\nVaultlet caused ...";
    EXPECT_TRUE(IsReport(report, report.size()));
    EXPECT_TRUE(IsReport(report, kMaxReportSize));
    EXPECT_FALSE(IsReport(report, kMaxReportSize + 1));
    EXPECT_FALSE(IsReport("<?xml version=\"1.0\"?><Passwords/>", 40));
    EXPECT_FALSE(IsReport(std::string(kFirstLine).substr(1), 100));
    EXPECT_FALSE(IsReport("", 0));
}

TEST(CrashReportTextTest, TheServersMessageLiesBetweenItsTagsInThatOrder) {
    EXPECT_EQ(ServerMessage("<html><message>Thanks, we got it</message></html>").value_or("-"), "Thanks, we got it");
    EXPECT_EQ(ServerMessage("<message></message>").value_or("-"), "");
    EXPECT_FALSE(ServerMessage("</message>late<message>").has_value());
    EXPECT_FALSE(ServerMessage("<message>no end").has_value());
    EXPECT_FALSE(ServerMessage("nothing").has_value());
}

} // namespace
} // namespace vaultlet
