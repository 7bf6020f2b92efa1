#include "shell/win32/SingleInstance.h"

#include "resources/resource.h"
#include "shell/RegistryStore.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/win32/ProductTitle.h"

namespace vaultlet {
namespace {

// How often a restarting copy looks whether the running one has ended.
constexpr DWORD kRestartPollMilliseconds = 1000;

void BringToFront(HWND window) {
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    PostMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
}

// Waits until no process holds the instance event any more: the name is free exactly when the
// running copy has ended. A mutex of the same name can only be created then.
void WaitForNameToBeFree() {
    for (;;) {
        SetLastError(ERROR_SUCCESS);
        HANDLE mutex = CreateMutexA(nullptr, TRUE, SingleInstance::kEventName);
        const DWORD error = GetLastError();
        if (mutex != nullptr && error == ERROR_SUCCESS) {
            ReleaseMutex(mutex);
            CloseHandle(mutex);
            return;
        }
        if (mutex != nullptr) {
            ReleaseMutex(mutex);
            CloseHandle(mutex);
        }
        Sleep(kRestartPollMilliseconds);
    }
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

SingleInstance::SingleInstance() {
    m_event.Reset(OpenEventA(EVENT_MODIFY_STATE | SYNCHRONIZE, FALSE, kEventName));
    if (!m_event) {
        m_event.Reset(CreateEventA(nullptr, FALSE, FALSE, kEventName));
        m_first = true;
    }
}

HWND SingleInstance::FindRunningWindow() {
    return FindWindowA(nullptr, ProductTitle().c_str());
}

void SingleInstance::PassOn(const InstanceRequest& request) {
    SetEvent(m_event.Get());
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

void SingleInstance::Restart() {
    // Our own handle would keep the name alive for ever.
    m_event.Reset();
    WaitForNameToBeFree();
    StartFreshCopy();
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
