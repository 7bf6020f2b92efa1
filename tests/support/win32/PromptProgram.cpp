#include "tests/support/win32/PromptProgram.h"

#include "tests/support/win32/GuiDriver.h"
#include "tests/support/win32/Win32TestWindows.h"

namespace vaultlet::test {
namespace {

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleWindowOf(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

PromptProgram::PromptProgram(const std::string& harness, const std::string& fileName, const std::string& keyName) {
    const std::string executable = m_folder.File(fileName);
    if (!CopyFileA(harness.c_str(), executable.c_str(), FALSE)) {
        return;
    }
    std::string commandLine = "\"" + executable + "\" \"" + keyName + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        m_folder.Path().c_str(), &startup, &m_process)) {
        m_process = PROCESS_INFORMATION{};
        return;
    }
    WindowSearch search{m_process.dwProcessId, nullptr};
    PumpUntil([&] {
        EnumWindows(FindVisibleWindowOf, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    m_window = search.found;
}

PromptProgram::~PromptProgram() {
    if (m_process.hProcess != nullptr) {
        TerminateProcess(m_process.hProcess, 0);
        WaitForSingleObject(m_process.hProcess, 10000);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
}

HWND PromptProgram::Edit() const {
    return m_window != nullptr ? GetDlgItem(m_window, kPromptEditId) : nullptr;
}

bool PromptProgram::BringToFront() const {
    if (m_window == nullptr) {
        return false;
    }
    SetForegroundWindow(m_window);
    return PumpUntil([this] { return GetForegroundWindow() == m_window && FocusOf(m_window) == Edit(); });
}

std::string PromptProgram::EditText() const {
    wchar_t text[256] = {};
    const LRESULT length = SendMessageW(Edit(), WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return std::string(text, text + (length > 0 ? length : 0));
}

} // namespace vaultlet::test
