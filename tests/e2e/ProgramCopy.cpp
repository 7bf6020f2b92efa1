#include "tests/e2e/ProgramCopy.h"

#include "shell/win32/system/ProductTitle.h"

#include "resources/resource.h"
#include "services/UpdateEndpoint.h"
#include "tests/support/win32/GuiDriver.h"
#include "tests/support/win32/LoopbackHttpServer.h"

#include <tlhelp32.h>

#include <algorithm>
#include <gtest/gtest.h>

namespace vaultlet::e2e {
namespace {

bool IsLogin(HWND window) {
    return GetDlgItem(window, IDC_LOGIN_PASSWORD) != nullptr;
}

// Top-level login dialogs of a process, visible or not.
HWND LoginOf(DWORD processId) {
    struct Search {
        DWORD processId;
        HWND found = nullptr;
    } search{processId};
    EnumWindows(
        [](HWND window, LPARAM parameter) {
            auto* search = reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == search->processId && IsLogin(window)) {
                search->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

RunningProgram::~RunningProgram() {
    if (!HasEnded()) {
        // Politely first: closing the login dialog ends the program.
        if (const HWND login = FindLogin()) {
            PostMessageA(login, WM_COMMAND, ID_APP_EXIT, 0);
        }
        if (const HWND main = FindMainWindow()) {
            PostMessageA(main, WM_CLOSE, 0, 0);
        }
        if (!WaitForExit(5000)) {
            TerminateProcess(m_process.Get(), 1);
            WaitForExit(5000);
        }
    }
}

bool RunningProgram::HasEnded() const {
    return WaitForSingleObject(m_process.Get(), 0) == WAIT_OBJECT_0;
}

bool RunningProgram::WaitForExit(int timeoutMilliseconds) const {
    return test::WaitUntil([this] { return HasEnded(); }, timeoutMilliseconds);
}

DWORD RunningProgram::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_process.Get(), &code);
    return code;
}

HWND RunningProgram::FindLogin() const {
    return LoginOf(m_id);
}

HWND RunningProgram::WaitForLogin(int timeoutMilliseconds) const {
    HWND login = nullptr;
    test::WaitUntil([&] { return (login = FindLogin()) != nullptr && IsWindowVisible(login); }, timeoutMilliseconds);
    return login != nullptr && IsWindowVisible(login) ? login : nullptr;
}

HWND RunningProgram::WaitForDialogWithControl(int controlId, int timeoutMilliseconds) const {
    return test::WaitForDialog(
        m_id, [controlId](HWND window) { return GetDlgItem(window, controlId) != nullptr; }, timeoutMilliseconds);
}

HWND RunningProgram::FindMainWindow() const {
    for (HWND window = FindWindowExA(nullptr, nullptr, kMainFrameClassName, nullptr); window != nullptr;
         window = FindWindowExA(nullptr, window, kMainFrameClassName, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == m_id) {
            return window;
        }
    }
    return nullptr;
}

HWND RunningProgram::WaitForMainWindow(int timeoutMilliseconds) const {
    HWND main = nullptr;
    test::WaitUntil([&] { return (main = FindMainWindow()) != nullptr && IsWindowVisible(main); }, timeoutMilliseconds);
    return main != nullptr && IsWindowVisible(main) ? main : nullptr;
}

ProgramCopy::ProgramCopy()
    : m_updateServer(test::LoopbackHttpServer::RefusingAddress()),
      m_crashServer(test::LoopbackHttpServer::RefusingAddress()) {
    EXPECT_TRUE(CopyFileA(VAULTLET_PROGRAM_PATH, Executable().c_str(), FALSE)) << VAULTLET_PROGRAM_PATH;
}

std::unique_ptr<RunningProgram> ProgramCopy::Start(const std::string& arguments, bool withSettingsOption) const {
    std::string all = withSettingsOption ? "-c \"" + Ini() + "\"" : "";
    if (!arguments.empty()) {
        all += all.empty() ? arguments : " " + arguments;
    }
    // The copy inherits the variables (a test build's program reads them, see UpdateEndpoint); so
    // does any program the test starts later.
    SetEnvironmentVariableA(UpdateEndpoint::kServerVariable, m_updateServer.c_str());
    SetEnvironmentVariableA(UpdateEndpoint::kCrashServerVariable, m_crashServer.c_str());
    return StartExecutable(Executable(), all);
}

std::unique_ptr<RunningProgram> StartExecutable(const std::string& executable, const std::string& arguments) {
    std::string commandLine = "\"" + executable + "\"";
    if (!arguments.empty()) {
        commandLine += " " + arguments;
    }
    const std::string folder = executable.substr(0, executable.find_last_of('\\'));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process)) {
        ADD_FAILURE() << "cannot start " << commandLine;
        return nullptr;
    }
    CloseHandle(process.hThread);
    return std::make_unique<RunningProgram>(UniqueHandle(process.hProcess), process.dwProcessId);
}

std::vector<DWORD> RunningCopies() {
    std::vector<DWORD> ids;
    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (snapshot.Get() == INVALID_HANDLE_VALUE) {
        snapshot.Release();
        return ids;
    }
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.Get(), &entry); more; more = Process32Next(snapshot.Get(), &entry)) {
        if (lstrcmpiA(entry.szExeFile, "Vaultlet.exe") == 0) {
            ids.push_back(entry.th32ProcessID);
        }
    }
    return ids;
}

HWND FindLoginOfAnotherProcess(const std::vector<DWORD>& known) {
    for (const DWORD id : RunningCopies()) {
        if (std::find(known.begin(), known.end(), id) == known.end()) {
            if (const HWND login = LoginOf(id)) {
                return login;
            }
        }
    }
    return nullptr;
}

} // namespace vaultlet::e2e
