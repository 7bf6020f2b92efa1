#include "autofill/win32/Win32InputSender.h"

#include "autofill/win32/DelayedClipboardText.h"

namespace vaultlet {
namespace {

// How long activation waits for a target that does not answer before giving up on that step;
// a hung target must not freeze the program.
constexpr UINT kActivationTimeout = 2000;
// How long a paste waits for the target to read the clipboard.
constexpr DWORD kPasteTimeout = 2000;

void SendKeyboardInput(WORD virtualKey, WORD scanCode, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = scanCode;
    input.ki.dwFlags = flags;
    input.ki.time = 0;
    input.ki.dwExtraInfo = 0;
    SendInput(1, &input, sizeof(INPUT));
}

void SendSystemCommand(HWND target, WPARAM command, LPARAM parameter) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(target, WM_SYSCOMMAND, command, parameter, SMTO_ABORTIFHUNG, kActivationTimeout, &result);
}

} // namespace

KeyCode Win32InputSender::KeyForChar(char character) const {
    return static_cast<KeyCode>(VkKeyScanA(character));
}

void Win32InputSender::SendKey(std::uint8_t virtualKey, bool down) {
    SendKeyboardInput(virtualKey, 0, down ? 0 : KEYEVENTF_KEYUP);
}

void Win32InputSender::SendCharacter(char16_t unit, bool down) {
    SendKeyboardInput(0, unit, KEYEVENTF_UNICODE | (down ? 0 : KEYEVENTF_KEYUP));
}

bool Win32InputSender::SetClipboardText(std::string_view text) {
    m_offered = std::make_unique<DelayedClipboardText>();
    if (!m_offered->Offer(text)) {
        WithdrawClipboardText();
        return false;
    }
    return true;
}

Win32InputSender::~Win32InputSender() {
    WithdrawClipboardText();
}

void Win32InputSender::WithdrawClipboardText() {
    if (m_offered) {
        m_offered->Withdraw();
        m_offered.reset();
    }
}

bool Win32InputSender::FinishPaste(WindowHandle target) {
    if (!m_offered) {
        return true;
    }
    DWORD process = 0;
    GetWindowThreadProcessId(static_cast<HWND>(target), &process);
    // A target that never reads the text gets nothing after the wait either.
    const DelayedClipboardText::Outcome outcome = m_offered->ReleaseTo(process, kPasteTimeout);
    WithdrawClipboardText();
    return outcome != DelayedClipboardText::Outcome::Refused;
}

void Win32InputSender::ActivateWindow(WindowHandle target) {
    HWND window = static_cast<HWND>(target);
    SendSystemCommand(window, SC_HOTKEY, reinterpret_cast<LPARAM>(window));
    if (IsIconic(window)) {
        SendSystemCommand(window, SC_RESTORE, 0);
    }
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(window);
}

WindowHandle Win32InputSender::ForegroundWindow() const {
    return GetForegroundWindow();
}

void Win32InputSender::Pause(unsigned milliseconds) {
    Sleep(milliseconds);
}

} // namespace vaultlet
