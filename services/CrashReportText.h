#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vaultlet {

// The fixed texts of a crash report and the rules for reading one back. The report writer runs in a
// crashed process and only looks texts up here; it never allocates through these functions.
namespace crash_report_text {

// The first and the last line of every report, without their line ends.
inline constexpr const char* kFirstLine = "===== [start of Crash Report] =====";
inline constexpr const char* kLastLine = "===== [end of Crash Report] =====";
// The code our reports give to a C++ exception that left a thread body (GCC's own exception code;
// the system never raises it for us, the catch site reports it).
inline constexpr std::uint32_t kCppExceptionCode = 0x20474343;
// A real report is a few tens of kilobytes; the crash-report process reads no file larger than this.
inline constexpr std::uint64_t kMaxReportSize = 1024 * 1024;

// "an Access Violation" and the like; "an Unknown exception type" for codes not in the table.
const char* ExceptionName(std::uint32_t code);
// "Windows XP" and the like from GetVersionEx's numbers; "unknown Windows version" without a match.
const char* WindowsName(unsigned platform, unsigned major, unsigned minor, unsigned build);

// Whether a file of `size` bytes whose first bytes are `start` is one of our reports: the
// crash-report process shows and sends nothing else, so that a command line cannot present, say,
// an export of the user's passwords as "an error report" ready to be sent.
bool IsReport(std::string_view start, std::uint64_t size);
// The whole file when it is a report by IsReport; nothing otherwise. Never reads more than
// kMaxReportSize bytes.
std::optional<std::string> ReadReport(const std::string& path);

// The text between "<message>" and the next "</message>" in the upload service's answer; nothing
// when either tag is missing.
std::optional<std::string> ServerMessage(std::string_view response);

} // namespace crash_report_text
} // namespace vaultlet
