#include "services/CrashReportText.h"

#include <cstring>
#include <fstream>

namespace vaultlet::crash_report_text {
namespace {

struct ExceptionRow {
    std::uint32_t code;
    const char* name;
};

constexpr ExceptionRow kExceptionNames[] = {
    {0x40010005, "a Control-C"},
    {0x40010008, "a Control-Break"},
    {0x80000002, "a Datatype Misalignment"},
    {0x80000003, "a Breakpoint"},
    {0xC0000005, "an Access Violation"},
    {0xC0000006, "an In Page Error"},
    {0xC0000017, "a No Memory"},
    {0xC000001D, "an Illegal Instruction"},
    {0xC0000025, "a Noncontinuable Exception"},
    {0xC0000026, "an Invalid Disposition"},
    {0xC000008C, "a Array Bounds Exceeded"},
    {0xC000008D, "a Float Denormal Operand"},
    {0xC000008E, "a Float Divide by Zero"},
    {0xC000008F, "a Float Inexact Result"},
    {0xC0000090, "a Float Invalid Operation"},
    {0xC0000091, "a Float Overflow"},
    {0xC0000092, "a Float Stack Check"},
    {0xC0000093, "a Float Underflow"},
    {0xC0000094, "an Integer Divide by Zero"},
    {0xC0000095, "an Integer Overflow"},
    {0xC0000096, "a Privileged Instruction"},
    {0xC00000FD, "a Stack Overflow"},
    {0xC0000142, "a DLL Initialization Failed"},
    {0xE06D7363, "a Microsoft C++ Exception"},
    {kCppExceptionCode, "a C++ Exception"},
};

constexpr unsigned kPlatformWindows = 1;
constexpr unsigned kPlatformNt = 2;
constexpr unsigned kPlatformCe = 3;

const char* Windows95Name(unsigned build) {
    if (build == 950) {
        return "Windows 95";
    }
    if (build > 950 && build <= 1080) {
        return "Windows 95 SP1";
    }
    return build >= 1081 ? "Windows 95 OSR2" : nullptr;
}

const char* Windows98Name(unsigned build) {
    if (build == 1998) {
        return "Windows 98";
    }
    if (build > 1998 && build <= 2182) {
        return "Windows 98 SP1";
    }
    return build >= 2183 ? "Windows 98 SE" : nullptr;
}

const char* Windows9xName(unsigned major, unsigned minor, unsigned build) {
    if (major != 4) {
        return nullptr;
    }
    if (minor < 10) {
        return Windows95Name(build);
    }
    if (minor == 10) {
        return Windows98Name(build);
    }
    return minor == 90 ? "Windows ME" : nullptr;
}

const char* WindowsNtName(unsigned major, unsigned minor) {
    struct NtRow {
        unsigned major;
        unsigned minor;
        const char* name;
    };
    static constexpr NtRow kRows[] = {
        {3, 51, "Windows NT 3.51"},    {4, 0, "Windows NT 4"},  {5, 0, "Windows 2000"}, {5, 1, "Windows XP"},
        {5, 2, "Windows 2003 Server"}, {6, 0, "Windows Vista"}, {6, 1, "Windows 7"}};
    for (const NtRow& row : kRows) {
        if (row.major == major && row.minor == minor) {
            return row.name;
        }
    }
    return nullptr;
}

} // namespace

const char* ExceptionName(std::uint32_t code) {
    for (const ExceptionRow& row : kExceptionNames) {
        if (row.code == code) {
            return row.name;
        }
    }
    return "an Unknown exception type";
}

const char* WindowsName(unsigned platform, unsigned major, unsigned minor, unsigned build) {
    const char* name = nullptr;
    if (platform == kPlatformWindows) {
        name = Windows9xName(major, minor, build);
    } else if (platform == kPlatformNt) {
        name = WindowsNtName(major, minor);
    } else if (platform == kPlatformCe) {
        name = "Windows CE";
    }
    return name != nullptr ? name : "unknown Windows version";
}

bool IsReport(std::string_view start, std::uint64_t size) {
    return size <= kMaxReportSize && start.substr(0, std::strlen(kFirstLine)) == kFirstLine;
}

std::optional<std::string> ReadReport(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        return std::nullopt;
    }
    const std::streamoff size = file.tellg();
    if (size < 0 || static_cast<std::uint64_t>(size) > kMaxReportSize) {
        return std::nullopt;
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    file.seekg(0);
    if (!file.read(text.data(), size) || !IsReport(text, text.size())) {
        return std::nullopt;
    }
    return text;
}

std::optional<std::string> ServerMessage(std::string_view response) {
    constexpr std::string_view kOpen = "<message>";
    constexpr std::string_view kClose = "</message>";
    const std::size_t open = response.find(kOpen);
    if (open == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t begin = open + kOpen.size();
    const std::size_t close = response.find(kClose, begin);
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(response.substr(begin, close - begin));
}

} // namespace vaultlet::crash_report_text
