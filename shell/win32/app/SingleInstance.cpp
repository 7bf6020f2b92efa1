#include "shell/win32/app/SingleInstance.h"

#include "resources/resource.h"
#include "shell/RegistryStore.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/win32/system/ProductTitle.h"

#include <algorithm>

namespace vaultlet {
namespace {

// How often a restarting copy looks whether the running one has ended.
constexpr DWORD kRestartPollMilliseconds = 1000;
// How long a restart waits for the running copy to end (it may be asking to save changes); after
// that the restart is dropped, and the running copy stays the one copy.
constexpr DWORD kRestartWaitMilliseconds = 120000;

void BringToFront(HWND window) {
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    PostMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
}

// Whether no process holds the instance event any more: the name is free exactly when the running
// copy has ended. A mutex of the same name can only be created then.
bool IsNameFree(const std::string& name) {
    SetLastError(ERROR_SUCCESS);
    HANDLE mutex = CreateMutexA(nullptr, TRUE, name.c_str());
    const DWORD error = GetLastError();
    if (mutex == nullptr) {
        return false;
    }
    ReleaseMutex(mutex);
    CloseHandle(mutex);
    return error == ERROR_SUCCESS;
}

void StartFreshCopy() {
    const std::string executable = RegistryStore::ExecutablePath();
    std::string commandLine = "\"" + executable + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

} // namespace

// Creating is the one step that both finds and makes the event: opening first and creating after a
// failed open let two copies started together both miss each other and both act as the first.
SingleInstance::SingleInstance(std::string eventName) : m_eventName(std::move(eventName)) {
    SetLastError(ERROR_SUCCESS);
    m_event.Reset(CreateEventExA(nullptr, m_eventName.c_str(), 0, EVENT_MODIFY_STATE | SYNCHRONIZE));
    const DWORD error = GetLastError();
    m_elsewhere = !m_event && error == ERROR_ACCESS_DENIED;
    m_first = !m_elsewhere && error != ERROR_ALREADY_EXISTS;
}

HWND SingleInstance::FindRunningWindow() {
    return FindWindowA(nullptr, ProductTitle().c_str());
}

void SingleInstance::PassOn(const InstanceRequest& request) {
    // The signal makes the running copy's raise thread show its window. A minimise request must
    // not raise as well: that thread would race the posted SC_MINIMIZE and could show the window
    // again right after it was hidden.
    if (request.kind != InstanceRequest::Kind::Minimize) {
        SetEvent(m_event.Get());
    }
    switch (request.kind) {
    case InstanceRequest::Kind::Restart:
        Restart();
        break;
    case InstanceRequest::Kind::Minimize:
        if (const HWND window = FindRunningWindow()) {
            PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        }
        break;
    case InstanceRequest::Kind::HandOver:
        HandOver(request.path);
        break;
    default:
        if (const HWND window = FindRunningWindow()) {
            BringToFront(window);
        }
        break;
    }
}

bool SingleInstance::WaitForRunningCopyToEnd(DWORD timeoutMilliseconds) {
    // Our own handle would keep the name alive for ever.
    m_event.Reset();
    const ULONGLONG deadline = GetTickCount64() + timeoutMilliseconds;
    while (!IsNameFree(m_eventName)) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            return false;
        }
        Sleep(static_cast<DWORD>(std::min<ULONGLONG>(kRestartPollMilliseconds, deadline - now)));
    }
    return true;
}

void SingleInstance::Restart() {
    if (WaitForRunningCopyToEnd(kRestartWaitMilliseconds)) {
        StartFreshCopy();
    }
}

void SingleInstance::HandOver(const std::string& path) const {
    Settings::Write(setting::kOpenFile, path);
    SetEvent(m_event.Get());
    if (const HWND window = FindRunningWindow()) {
        BringToFront(window);
        PostMessageA(window, MSG_OPEN_FILE, 0, 0);
    }
}

} // namespace vaultlet
