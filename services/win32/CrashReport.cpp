#include "services/win32/CrashReport.h"

#include "services/CrashReportText.h"

#include <cpuid.h>

namespace vaultlet {
namespace {

constexpr DWORD kExecutableProtection =
    PAGE_EXECUTE | PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
constexpr int kInstructionBytes = 16;
constexpr DWORD kMegabyte = 1024 * 1024;

int Megabytes(SIZE_T bytes) {
    return static_cast<int>((bytes + kMegabyte - 1) / kMegabyte);
}

const char* FileNameOf(const char* path) {
    const char* name = path;
    for (const char* at = path; *at != '\0'; ++at) {
        if (*at == '\\' || *at == '/' || *at == ':') {
            name = at + 1;
        }
    }
    return name;
}

} // namespace

void CrashReport::Setup::Prepare(const int (&fileVersion)[4]) {
    for (int index = 0; index < 4; ++index) {
        version[index] = fileVersion[index];
    }
    const DWORD length = GetModuleFileNameA(nullptr, executablePath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        lstrcpyA(executablePath, "Unknown");
    }
    lstrcpyA(executableName, FileNameOf(executablePath));
    char* dot = nullptr;
    for (char* at = executableName; *at != '\0'; ++at) {
        if (*at == '.') {
            dot = at;
        }
    }
    if (dot != nullptr) {
        *dot = '\0';
    }
    if (HMODULE kernel = GetModuleHandleA("KERNEL32")) {
        createSnapshot = reinterpret_cast<decltype(createSnapshot)>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "CreateToolhelp32Snapshot")));
        moduleFirst =
            reinterpret_cast<decltype(moduleFirst)>(reinterpret_cast<void*>(GetProcAddress(kernel, "Module32First")));
        moduleNext =
            reinterpret_cast<decltype(moduleNext)>(reinterpret_cast<void*>(GetProcAddress(kernel, "Module32Next")));
    }
}

CrashReport::~CrashReport() {
    if (m_modules != INVALID_HANDLE_VALUE) {
        CloseHandle(m_modules);
    }
}

bool CrashReport::IsModuleOrStack(DWORD64 address) const noexcept {
    MEMORY_BASIC_INFORMATION region{};
    if (VirtualQuery(reinterpret_cast<void*>(address), &region, sizeof region) != sizeof region ||
        region.State != MEM_COMMIT) {
        return false;
    }
    if (region.Type == MEM_IMAGE) {
        return true;
    }
    MEMORY_BASIC_INFORMATION stack{};
    return VirtualQuery(reinterpret_cast<void*>(m_context.Rsp), &stack, sizeof stack) == sizeof stack &&
           stack.AllocationBase != nullptr && region.AllocationBase == stack.AllocationBase;
}

bool CrashReport::IsExecutable(DWORD64 address) noexcept {
    MEMORY_BASIC_INFORMATION region{};
    return VirtualQuery(reinterpret_cast<void*>(address), &region, sizeof region) == sizeof region &&
           region.State == MEM_COMMIT && (region.Protect & kExecutableProtection) != 0 &&
           (region.Protect & PAGE_GUARD) == 0;
}

bool CrashReport::Read(DWORD64 address, void* target, SIZE_T size) noexcept {
    // Fails instead of faulting on memory that cannot be read.
    SIZE_T read = 0;
    return ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<void*>(address), target, size, &read) &&
           read == size;
}

void CrashReport::Write(const char* location) {
    OpenModuleList();
    m_file.Write("%s\r\n\r\n", crash_report_text::kFirstLine);
    WriteHeadline();
    m_file.Write("Version: %d.%d.%d.%d ", m_setup.version[0], m_setup.version[1], m_setup.version[2],
                 m_setup.version[3]);
    m_file.Write("[%02d/ansi]\r\n", m_setup.version[3]);
    m_file.Write("Exception handler called in %s.\r\n", location);
    WriteSystem();
    WriteAccessViolation();
    WriteRegisters();
    WriteInstructionBytes();
    WriteCallStack();
    WriteModules();
    m_file.Write("\r\n%s\r\n", crash_report_text::kLastLine);
}

void CrashReport::WriteHeadline() {
    const DWORD64 address = reinterpret_cast<DWORD64>(m_record.ExceptionAddress);
    char modulePath[MAX_PATH] = "Unknown";
    MEMORY_BASIC_INFORMATION region{};
    if (VirtualQuery(m_record.ExceptionAddress, &region, sizeof region) == sizeof region &&
        region.AllocationBase != nullptr &&
        GetModuleFileNameA(static_cast<HMODULE>(region.AllocationBase), modulePath, MAX_PATH) == 0) {
        lstrcpyA(modulePath, "Unknown");
    }
    m_file.Write("%s caused %s (0x%08x) \r\nin module %s at %04x:", m_setup.executableName,
                 crash_report_text::ExceptionName(m_record.ExceptionCode), m_record.ExceptionCode,
                 FileNameOf(modulePath), m_context.SegCs);
    m_file.WriteHex64(address);
    m_file.Write(".\r\n\r\n");
}

void CrashReport::WriteTime(const FILETIME& utc) {
    FILETIME local{};
    WORD date = 0;
    WORD time = 0;
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToDosDateTime(&local, &date, &time)) {
        return;
    }
    m_file.Write("%d/%d/%d %02d:%02d:%02d", (date >> 5) & 0x0F, date & 0x1F, (date >> 9) + 1980, time >> 11,
                 (time >> 5) & 0x3F, (time & 0x1F) * 2);
}

void CrashReport::WriteSystem() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    m_file.Write("Error occurred at ");
    WriteTime(now);
    m_file.Write(".\r\n");

    char user[199] = "Unknown";
    DWORD userLength = sizeof user;
    if (!GetUserNameA(user, &userLength)) {
        lstrcpyA(user, "Unknown");
    }
    m_file.Write("\r\n%s, run by %s.\r\n", m_setup.executablePath, user);

    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    SYSTEM_INFO system{};
    GetSystemInfo(&system);
    const bool is64Bit = system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64 ||
                         system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_IA64;
    char numbers[40];
    wsprintfA(numbers, "%u.%u.%u", version.dwMajorVersion, version.dwMinorVersion, version.dwBuildNumber);
    m_file.Write(is64Bit ? "Operating system:  %s (%s) 64-bit.\r\n" : "Operating system:  %s (%s)\r\n",
                 crash_report_text::WindowsName(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion,
                                                version.dwBuildNumber),
                 numbers);

    unsigned int brand[13] = {};
    unsigned int highest = __get_cpuid_max(0x80000000, nullptr);
    if (highest >= 0x80000004) {
        for (unsigned int leaf = 0; leaf < 3; ++leaf) {
            __get_cpuid(0x80000002 + leaf, &brand[leaf * 4], &brand[leaf * 4 + 1], &brand[leaf * 4 + 2],
                        &brand[leaf * 4 + 3]);
        }
    }
    m_file.Write("processor: %s\r\n", reinterpret_cast<const char*>(brand));

    MEMORYSTATUS memory{};
    memory.dwLength = sizeof memory;
    GlobalMemoryStatus(&memory);
    m_file.Write("%d%% memory in use.\r\n", static_cast<int>(memory.dwMemoryLoad));
    m_file.Write("%d MBytes physical memory.\r\n", Megabytes(memory.dwTotalPhys));
    m_file.Write("%d MBytes physical memory free.\r\n", Megabytes(memory.dwAvailPhys));
    m_file.Write("%d MBytes paging file.\r\n", Megabytes(memory.dwTotalPageFile));
    m_file.Write("%d MBytes paging file free.\r\n", Megabytes(memory.dwAvailPageFile));
    m_file.Write("%d MBytes user address space.\r\n", Megabytes(memory.dwTotalVirtual));
    m_file.Write("%d MBytes user address space free.\r\n", Megabytes(memory.dwAvailVirtual));
}

void CrashReport::WriteAccessViolation() {
    if (m_record.ExceptionCode != EXCEPTION_ACCESS_VIOLATION || m_record.NumberParameters < 2) {
        return;
    }
    SYSTEM_INFO system{};
    GetSystemInfo(&system);
    const DWORD64 address = m_record.ExceptionInformation[1];
    m_file.Write("\r\n%s location ", m_record.ExceptionInformation[0] == 0 ? "Read from" : "Write to");
    // Only an address of the process's own range: anything else could be the bytes of a secret.
    if (address <= reinterpret_cast<DWORD64>(system.lpMaximumApplicationAddress)) {
        m_file.WriteHex64(address);
    } else {
        m_file.Write("????????????????");
    }
    m_file.Write(" caused an access violation.\r\n");
}

void CrashReport::WriteRegisters() {
    struct Cell {
        const char* label;
        DWORD64 value;
        // RIP is an address by its nature (the exception's, already in the headline); every other
        // general register may hold data: a small value can be a few characters of a password, an
        // address of the heap points at secrets. What points into a module or the stack tells
        // where the program was without telling what it held.
        bool alwaysShown;
        const char* after;
    };
    const CONTEXT& c = m_context;
    const Cell cells[] = {
        {"RDI:    0x", c.Rdi, false, ""}, {"  RSI: 0x", c.Rsi, false, ""},     {"  RAX:   0x", c.Rax, false, "\r\n"},
        {"RBX:    0x", c.Rbx, false, ""}, {"  RCX: 0x", c.Rcx, false, ""},     {"  RDX:   0x", c.Rdx, false, "\r\n"},
        {"R8:     0x", c.R8, false, ""},  {"  R9:  0x", c.R9, false, ""},      {"  R10:   0x", c.R10, false, "\r\n"},
        {"R11:    0x", c.R11, false, ""}, {"  R12: 0x", c.R12, false, ""},     {"  R13:   0x", c.R13, false, "\r\n"},
        {"R14:    0x", c.R14, false, ""}, {"  R15: 0x", c.R15, false, "\r\n"}, {"RIP:    0x", c.Rip, true, ""},
        {"  RBP: 0x", c.Rbp, false, ""},
    };
    m_file.Write("\r\nContext:\r\n");
    for (const Cell& cell : cells) {
        m_file.Write("%s", cell.label);
        if (cell.alwaysShown || IsModuleOrStack(cell.value)) {
            m_file.WriteHex64(cell.value);
        } else {
            m_file.Write("????????????????");
        }
        m_file.Write("%s", cell.after);
    }
    m_file.Write("  SegCs: 0x%08x\r\n", c.SegCs);
    m_file.Write("EFlags: 0x%08x  RSP: 0x", c.EFlags);
    m_file.WriteHex64(c.Rsp);
    m_file.Write("  SegSs: 0x%08x\r\n", c.SegSs);
}

void CrashReport::WriteInstructionBytes() {
    m_file.Write("\r\nBytes at CS:RIP:\r\n");
    const DWORD64 address = reinterpret_cast<DWORD64>(m_record.ExceptionAddress);
    // A jump into data would otherwise copy the data into the report.
    const bool code = IsExecutable(address);
    for (int index = 0; index < kInstructionBytes; ++index) {
        unsigned char byte = 0;
        if (code && Read(address + index, &byte, 1)) {
            m_file.Write("%02x ", byte);
        } else {
            m_file.Write("?? ");
        }
    }
}

} // namespace vaultlet
