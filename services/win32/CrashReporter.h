#pragma once

#include <windows.h>

namespace vaultlet {

// Catches what escapes a thread of the program, writes a crash report and hands it to a fresh copy
// of the program started as `Vaultlet.exe /crash_report "REPORT"`, then ends the crashed process
// with the exception's code.
//
// How faults are caught with this tool chain (64-bit MinGW g++, checked under Wine): g++ has no
// __try/__except, so no SEH frame can be put around a thread body. catch(...) does not catch
// hardware faults (an access violation passes it untouched), and a fault inside a window procedure
// still reaches the process's unhandled-exception filter. So one filter installed with
// SetUnhandledExceptionFilter sees every fault that nothing handles, on every thread, with its full
// context; a vectored handler is not needed and would also see the first-chance faults Wine and
// the system handle themselves. C++ exceptions are different: the thread bodies catch them
// (WorkerThread's thread procedure, WinMain) and report from the catch site, with the context
// captured there and crash_report_text::kCppExceptionCode.
//
// Which thread failed comes from a per-thread name: "MainThread" for the thread that installs the
// reporter, a worker thread's name for each worker (see NameThread).
class CrashReporter {
public:
    struct Version {
        int major = 0;
        int minor = 0;
        int third = 0;
        int fourth = 0;
    };
    static constexpr const char* kMainThread = "MainThread";

    // Prepares everything a report needs that can be known before a crash (paths, version, the
    // tool-help functions), installs the filter and names the calling thread kMainThread. Only the
    // program proper installs it: the crash-report process never does, so a crash there cannot
    // start another crash-report process.
    static void Install(const Version& version);
    static bool IsInstalled() noexcept;

    // Names the calling thread in reports; the text must live as long as the thread.
    static void NameThread(const char* name) noexcept;

    // What the program must undo before it goes, whatever else fails: it takes the program's
    // secrets off places other programs read, such as the clipboard. Called once, on the failing
    // thread, before the report is written; it must not throw.
    using Cleanup = void (*)();
    static void SetCleanup(Cleanup cleanup) noexcept;

    // Writes the report for the exception, starts the crash-report process and ends this one with
    // the exception's code. The first failing thread writes the only report; another thread that
    // fails meanwhile waits for it to end the process, and a fault inside the reporter itself
    // returns at once. Returns EXCEPTION_CONTINUE_SEARCH when there is no report (not installed,
    // no temporary file, no relaunch): the exception then takes its usual course.
    static LONG Report(EXCEPTION_POINTERS* exception, const char* location) noexcept;
    // For a C++ exception caught at a thread body's edge: reports it from here, if installed.
    static void ReportEscapedException(const char* location) noexcept;

private:
    static LONG WINAPI Filter(EXCEPTION_POINTERS* exception);
};

} // namespace vaultlet
