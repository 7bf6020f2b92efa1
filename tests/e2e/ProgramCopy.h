#pragma once

#include "shell/win32/ui/ScopedHandles.h"
#include "tests/support/TempDir.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace vaultlet::e2e {

// One started Vaultlet.exe. A process that is still running when this object goes is ended.
class RunningProgram {
public:
    RunningProgram(UniqueHandle process, DWORD id) : m_process(std::move(process)), m_id(id) {}
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    DWORD Id() const noexcept { return m_id; }
    bool HasEnded() const;
    bool WaitForExit(int timeoutMilliseconds = 20000) const;
    DWORD ExitCode() const;

    // The process's login dialog once it is visible; null on timeout.
    HWND WaitForLogin(int timeoutMilliseconds = 20000) const;
    HWND FindLogin() const;
    HWND WaitForDialogWithControl(int controlId, int timeoutMilliseconds = 20000) const;
    // The process's main window (visible or not), or null.
    HWND FindMainWindow() const;
    HWND WaitForMainWindow(int timeoutMilliseconds = 20000) const;

private:
    UniqueHandle m_process;
    DWORD m_id;
};

// A private copy of the program in a folder of its own, with its settings file "Vaultlet.ini" beside
// it: exactly what a copy without "-c" would use too.
class ProgramCopy {
public:
    ProgramCopy();

    std::string File(const std::string& name) const { return m_folder.File(name); }
    std::string Ini() const { return File("Vaultlet.ini"); }
    std::string Executable() const { return File("Vaultlet.exe"); }

    // Starts the copy with "-c <its ini>" followed by `arguments`, or with `arguments` alone.
    std::unique_ptr<RunningProgram> Start(const std::string& arguments = {}, bool withSettingsOption = true) const;
    // Where the copy's update checks go ("host:port"): a closed loopback port unless a test names
    // its own server.
    void SetUpdateServer(std::string address) { m_updateServer = std::move(address); }
    // The same for the copy's crash-report uploads.
    void SetCrashServer(std::string address) { m_crashServer = std::move(address); }

private:
    test::TempDir m_folder;
    std::string m_updateServer;
    std::string m_crashServer;
};

// Starts a program with the arguments, in its own folder.
std::unique_ptr<RunningProgram> StartExecutable(const std::string& executable, const std::string& arguments = {});
// Processes of any copy of the program now running, by id.
std::vector<DWORD> RunningCopies();
// The login dialog of some process other than those given; null if none.
HWND FindLoginOfAnotherProcess(const std::vector<DWORD>& known);

} // namespace vaultlet::e2e
