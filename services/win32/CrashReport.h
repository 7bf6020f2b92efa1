#pragma once

#include "services/win32/CrashReportFile.h"

#include <windows.h>

#include <tlhelp32.h>

namespace vaultlet {

// The contents of one crash report, written into a CrashReportFile from the exception's record and
// context. Everything that can be known before the crash is prepared by Prepare, so the crashed
// process does little more than read its own state and format it.
//
// The report carries no secrets a password manager may hold in registers or on the stack: no stack
// words at all, a general register only when it points into a loaded module or the faulting thread's
// stack (neither a text nor a key is such a value, and no secret lies there that the report would
// show), instruction bytes only from executable memory, and addresses only as addresses.
class CrashReport {
public:
    static constexpr int kMaxFrames = 46;

    struct Setup {
        char executablePath[MAX_PATH] = "Unknown";
        char executableName[MAX_PATH] = "Unknown";
        int version[4] = {};
        decltype(&CreateToolhelp32Snapshot) createSnapshot = nullptr;
        decltype(&Module32First) moduleFirst = nullptr;
        decltype(&Module32Next) moduleNext = nullptr;

        void Prepare(const int (&fileVersion)[4]);
    };

    CrashReport(const Setup& setup, CrashReportFile& file, const EXCEPTION_POINTERS& exception)
        : m_setup(setup), m_file(file), m_record(*exception.ExceptionRecord), m_context(*exception.ContextRecord) {}
    ~CrashReport();
    CrashReport(const CrashReport&) = delete;
    CrashReport& operator=(const CrashReport&) = delete;

    void Write(const char* location);

private:
    void WriteHeadline();
    void WriteSystem();
    void WriteAccessViolation();
    void WriteRegisters();
    void WriteInstructionBytes();
    // CrashReportModules.cpp: the stack walk and the loaded modules.
    void WriteCallStack();
    void WriteFrame(int index, DWORD64 address, DWORD64& previousModule);
    void WriteModules();
    void WriteModule(int number, const MODULEENTRY32& module);
    void WriteVersionInformation(const char* path);
    bool FindModule(DWORD64 address, MODULEENTRY32& found) const;
    bool OpenModuleList();
    // "%d/%d/%d %02d:%02d:%02d" of a UTC time in local time, through a DOS date and time.
    void WriteTime(const FILETIME& utc);

    // Committed memory of a module's image or of the stack the context's RSP is in.
    bool IsModuleOrStack(DWORD64 address) const noexcept;
    static bool IsExecutable(DWORD64 address) noexcept;
    static bool Read(DWORD64 address, void* target, SIZE_T size) noexcept;

    const Setup& m_setup;
    CrashReportFile& m_file;
    const EXCEPTION_RECORD& m_record;
    const CONTEXT& m_context;
    HANDLE m_modules = INVALID_HANDLE_VALUE;
};

} // namespace vaultlet
