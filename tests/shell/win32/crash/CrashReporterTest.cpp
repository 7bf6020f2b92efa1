// The crash reporter in a process of its own (tests/harness/CrashHarness.cpp): the report each kind
// of crash leaves, the relaunch it starts, the exit code, and what the crash-report mode accepts.
#include "services/CrashReportText.h"
#include "shell/CommandLine.h"
#include "shell/win32/crash/CrashReportMode.h"
#include "tests/support/ProcessRunner.h"
#include "tests/support/TempDir.h"
#include "tests/support/win32/ClipboardContents.h"
#include "tests/support/win32/GuiDriver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace vaultlet {
namespace {

constexpr DWORD kAccessViolation = 0xC0000005;

std::string ReadAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

// One run of the harness with a private temporary folder: its exit code, the relaunches it started
// (their command lines) and the report files it left.
struct HarnessRun {
    DWORD exitCode = 0;
    std::vector<std::string> relaunches;
    std::vector<std::string> reports;
    std::string Report() const { return reports.empty() ? std::string() : ReadAll(reports[0]); }
};

class CrashReporterTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetEnvironmentVariableA("TMP", m_temp.Path().c_str());
        SetEnvironmentVariableA("TEMP", m_temp.Path().c_str());
        SetEnvironmentVariableA("VAULTLET_CRASH_RECORD", m_record.c_str());
    }
    void TearDown() override {
        for (const char* name : {"TMP", "TEMP", "VAULTLET_CRASH_RECORD", "VAULTLET_CRASH_AGAIN"}) {
            SetEnvironmentVariableA(name, nullptr);
        }
    }

    HarnessRun Run(const std::vector<std::string>& arguments, std::size_t expectedRelaunches = 1) {
        HarnessRun run;
        run.exitCode = static_cast<DWORD>(test::RunProcess(VAULTLET_CRASH_HARNESS_PATH, arguments, "").status);
        test::WaitUntil([&] { return Lines(ReadAll(m_record)).size() >= expectedRelaunches; });
        run.relaunches = Lines(ReadAll(m_record));
        for (const std::string& name : m_temp.List()) {
            if (name.rfind("cra", 0) == 0) {
                run.reports.push_back(m_temp.File(name));
            }
        }
        return run;
    }

    test::TempDir m_temp;
    std::string m_record = m_temp.File("relaunches.txt");
};

void ExpectWellFormed(const HarnessRun& run, DWORD exitCode, const std::string& location) {
    EXPECT_EQ(run.exitCode, exitCode);
    ASSERT_EQ(run.reports.size(), 1u) << "one report";
    ASSERT_EQ(run.relaunches.size(), 1u) << "one relaunch";
    std::string harness = VAULTLET_CRASH_HARNESS_PATH;
    std::replace(harness.begin(), harness.end(), '/', '\\');
    EXPECT_EQ(run.relaunches[0], "\"" + harness + "\" /crash_report \"" + run.reports[0] + "\"");
    const std::string report = run.Report();
    EXPECT_EQ(report.rfind(std::string(crash_report_text::kFirstLine) + "\r\n\r\ncrash_harness caused ", 0), 0u);
    EXPECT_NE(report.find("\r\nin module crash_harness.exe at 0033:"), std::string::npos);
    EXPECT_NE(report.find("Exception handler called in " + location + ".\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find("  Exception Offset"), std::string::npos);
    EXPECT_NE(report.find("\r\nLoaded modules: \r\nModule 1\r\n"), std::string::npos);
    EXPECT_NE(Lower(report).find("ntdll.dll"), std::string::npos);
    EXPECT_EQ(report.substr(report.size() - 37), "\r\n" + std::string(crash_report_text::kLastLine) + "\r\n");
}

TEST_F(CrashReporterTest, AFaultOnTheMainThreadIsReportedWithoutTheSecretsItHeldOrCopiedAndRelaunched) {
    const HarnessRun run = Run({"main"});
    ExpectWellFormed(run, kAccessViolation, "MainThread");
    const std::string report = run.Report();
    EXPECT_NE(report.find("caused an Access Violation (0xc0000005) \r\n"), std::string::npos);
    EXPECT_NE(report.find("\r\nWrite to location 0000000000000010 caused an access violation.\r\n"), std::string::npos);
    EXPECT_NE(report.find("\r\nR14:    0x????????????????  R15: 0x????????????????\r\nRIP:    0x"), std::string::npos)
        << "the secret's registers are masked";
    EXPECT_NE(report.find("\r\nBytes at CS:RIP:\r\nc7 04 25 10 00 00 00 01 "), std::string::npos)
        << "the faulting instruction, a write of 1 to 0x10";
    for (const char* secret : {"5ec12e7c", "0ffee123", "23 e1 fe 0f", "canary"}) {
        EXPECT_EQ(Lower(report).find(secret), std::string::npos) << secret;
    }
    EXPECT_EQ(test::ClipboardText(nullptr), std::nullopt) << "the secret the program copied is taken off";
}

// The value a register holds in the report's context block, as written there.
std::string RegisterIn(const std::string& report, const std::string& name) {
    const std::size_t label = report.find(name + ":");
    const std::size_t value = report.find("0x", label);
    return label == std::string::npos || value == std::string::npos ? std::string() : report.substr(value + 2, 16);
}

TEST_F(CrashReporterTest, OnlyRegistersPointingIntoAModuleOrTheStackAreShown) {
    const HarnessRun run = Run({"values"});
    ExpectWellFormed(run, kAccessViolation, "MainThread");
    const std::string report = run.Report();
    const std::string masked(16, '?');
    EXPECT_EQ(RegisterIn(report, "RAX"), masked) << "a character";
    EXPECT_EQ(RegisterIn(report, "RBX"), masked) << "two characters";
    EXPECT_EQ(RegisterIn(report, "RCX"), masked) << "a heap block";
    EXPECT_NE(RegisterIn(report, "RDX"), masked) << "the program's code";
    EXPECT_NE(RegisterIn(report, "RSI"), masked) << "the stack";
    EXPECT_EQ(RegisterIn(report, "RSI").size(), 16u) << report;
}

TEST_F(CrashReporterTest, AJumpIntoDataShowsNoneOfItsBytes) {
    const HarnessRun run = Run({"data"});
    ASSERT_EQ(run.reports.size(), 1u);
    const std::string report = run.Report();
    EXPECT_NE(report.find("\r\nBytes at CS:RIP:\r\n?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? "),
              std::string::npos)
        << report;
    EXPECT_EQ(Lower(report).find("23 e1 fe 0f"), std::string::npos);
    EXPECT_EQ(Lower(report).find("5ec12e7c0ffee123"), std::string::npos);
}

// An access violation in a named worker is TwoThreadsFaultingAtOnceGiveOneReport's.
TEST_F(CrashReporterTest, ACppExceptionLeavingAWorkerIsReportedWithItsCodeUnderTheThreadsName) {
    const HarnessRun run = Run({"throw"});
    ExpectWellFormed(run, crash_report_text::kCppExceptionCode, "CheckUpdateThread");
    EXPECT_NE(run.Report().find("caused a C++ Exception (0x20474343)"), std::string::npos);
}

TEST_F(CrashReporterTest, TwoThreadsFaultingAtOnceGiveOneReport) {
    const HarnessRun run = Run({"twothreads"});
    ASSERT_EQ(run.reports.size(), 1u);
    const std::string report = run.Report();
    const bool first = report.find("called in FirstThread.") != std::string::npos;
    const bool second = report.find("called in SecondThread.") != std::string::npos;
    EXPECT_TRUE(first != second) << report;
    ExpectWellFormed(run, kAccessViolation, first ? "FirstThread" : "SecondThread");
}

TEST_F(CrashReporterTest, TheCrashReportProcessTakesOnlyReportsAndNeverReportsItsOwnCrash) {
    const std::string report = std::string(crash_report_text::kFirstLine) + "\r\n\r\nx caused ...\r\n";
    const std::string reportFile = m_temp.File("report.txt");
    const std::string exportFile = m_temp.File("export.xml");
    ASSERT_TRUE(test::WriteFileBytes(reportFile, report));
    ASSERT_TRUE(test::WriteFileBytes(exportFile, "<?xml version=\"1.0\"?><Passwords><Group/></Passwords>"));
    std::vector<std::string> shown;
    const auto enter = [&](const std::string& file) {
        return CrashReportMode::Enter(CommandLine("Vaultlet.exe /crash_report \"" + file + "\""),
                                      [&](const std::string& path, const std::string& text) {
                                          shown.push_back(path);
                                          EXPECT_EQ(text, report);
                                      });
    };
    // Which files are reports is CrashReportTextTest's.
    EXPECT_TRUE(enter(exportFile));
    EXPECT_TRUE(enter(m_temp.File("missing.txt")));
    EXPECT_TRUE(shown.empty()) << "only reports are shown";
    EXPECT_TRUE(enter(reportFile));
    EXPECT_EQ(shown, std::vector<std::string>{reportFile});

    // The presenter crashes, as a crash inside the dialog would: no report, no further copy.
    SetEnvironmentVariableA("VAULTLET_CRASH_AGAIN", "1");
    const HarnessRun run = Run({"/crash_report", reportFile});
    EXPECT_EQ(run.exitCode, kAccessViolation);
    EXPECT_EQ(run.relaunches.size(), 1u) << "only the copy the test started";
    EXPECT_TRUE(run.reports.empty());
}

} // namespace
} // namespace vaultlet
