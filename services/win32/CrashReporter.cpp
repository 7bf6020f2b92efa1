#include "services/win32/CrashReporter.h"

#include "services/CrashReportText.h"
#include "services/win32/CrashReport.h"
#include "services/win32/CrashReportFile.h"

namespace vaultlet {
namespace {

// At most this long a second failing thread waits for the first one's report, which ends the
// process; a report takes well under a second.
constexpr DWORD kReportWaitMilliseconds = 30000;
constexpr DWORD kReportWaitStep = 50;
constexpr int kMaxRelaunchCommand = 1038;

// Prepared at installation: a crashed process should do as little as it can.
CrashReport::Setup g_setup;
DWORD g_threadNameSlot = TLS_OUT_OF_INDEXES;
// The id of the thread that writes the report, 0 while none does: claimed once, so a process
// writes at most one report.
volatile LONG g_reportingThread = 0;
CrashReporter::Cleanup g_cleanup = nullptr;
char g_reportPath[MAX_PATH];
char g_relaunchCommand[kMaxRelaunchCommand + 1];
CrashReportFile g_file;

// True when the calling thread may write the report. Another thread that already writes it ends
// the process itself; a fault inside the report on the writing thread must not wait for itself.
bool ClaimReport() {
    const LONG self = static_cast<LONG>(GetCurrentThreadId());
    const LONG owner = InterlockedCompareExchange(&g_reportingThread, self, 0);
    if (owner == 0) {
        return true;
    }
    if (owner != self) {
        for (DWORD waited = 0; waited < kReportWaitMilliseconds; waited += kReportWaitStep) {
            Sleep(kReportWaitStep);
        }
    }
    return false;
}

bool CreateReportFile() {
    char folder[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, folder);
    return length != 0 && length < MAX_PATH && GetTempFileNameA(folder, "crash", 0, g_reportPath) != 0 &&
           g_file.Open(g_reportPath);
}

// Starts the program again as the crash-report process. The program's path is quoted too, so that a
// folder with blanks in its name still makes exactly three arguments.
bool Relaunch() {
    if (lstrlenA(g_setup.executablePath) + lstrlenA(g_reportPath) + 20 > kMaxRelaunchCommand) {
        return false;
    }
    wsprintfA(g_relaunchCommand, "\"%s\" /crash_report \"%s\"", g_setup.executablePath, g_reportPath);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(g_setup.executablePath, g_relaunchCommand, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace

void CrashReporter::Install(const Version& version) {
    const int numbers[4] = {version.major, version.minor, version.third, version.fourth};
    g_setup.Prepare(numbers);
    if (g_threadNameSlot == TLS_OUT_OF_INDEXES) {
        g_threadNameSlot = TlsAlloc();
    }
    NameThread(kMainThread);
    SetUnhandledExceptionFilter(Filter);
}

bool CrashReporter::IsInstalled() noexcept {
    return g_threadNameSlot != TLS_OUT_OF_INDEXES;
}

void CrashReporter::NameThread(const char* name) noexcept {
    if (IsInstalled()) {
        TlsSetValue(g_threadNameSlot, const_cast<char*>(name));
    }
}

LONG WINAPI CrashReporter::Filter(EXCEPTION_POINTERS* exception) {
    const char* name = static_cast<const char*>(TlsGetValue(g_threadNameSlot));
    return Report(exception, name != nullptr ? name : "Unknown");
}

void CrashReporter::SetCleanup(Cleanup cleanup) noexcept {
    g_cleanup = cleanup;
}

LONG CrashReporter::Report(EXCEPTION_POINTERS* exception, const char* location) noexcept {
    if (!IsInstalled() || !ClaimReport()) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    // Also when no report can be written: the process ends either way.
    if (g_cleanup != nullptr) {
        g_cleanup();
    }
    if (!CreateReportFile()) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    {
        CrashReport report(g_setup, g_file, *exception);
        report.Write(location);
    }
    g_file.Close();
    if (!Relaunch()) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    // Ends at once: DLL detach routines would run in a process whose heap and locks may be broken,
    // and whoever started the program sees the crash in the exit code.
    TerminateProcess(GetCurrentProcess(), exception->ExceptionRecord->ExceptionCode);
    return EXCEPTION_CONTINUE_SEARCH;
}

void CrashReporter::ReportEscapedException(const char* location) noexcept {
    if (!IsInstalled()) {
        return;
    }
    CONTEXT context{};
    RtlCaptureContext(&context);
    EXCEPTION_RECORD record{};
    record.ExceptionCode = crash_report_text::kCppExceptionCode;
    record.ExceptionAddress = reinterpret_cast<void*>(context.Rip);
    EXCEPTION_POINTERS exception{&record, &context};
    Report(&exception, location);
}

} // namespace vaultlet
