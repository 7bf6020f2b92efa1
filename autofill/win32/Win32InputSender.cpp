#include "autofill/win32/Win32InputSender.h"

#include "autofill/win32/ClipboardSession.h"
#include "core/SecureWipe.h"

#include <cstring>

namespace vaultlet {
namespace {

// How long activation waits for a target that does not answer before giving up on that step;
// a hung target must not freeze the program.
constexpr UINT kActivationTimeout = 2000;

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

// A global block holding the text and its terminating zero, ready for the clipboard.
HGLOBAL CopyToGlobal(std::string_view text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (block == nullptr) {
        return nullptr;
    }
    auto* data = static_cast<char*>(GlobalLock(block));
    if (data == nullptr) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(data, text.data(), text.size());
    data[text.size()] = '\0';
    GlobalUnlock(block);
    return block;
}

void WipeAndFree(HGLOBAL block) {
    if (void* data = GlobalLock(block)) {
        SecureWipe(data, GlobalSize(block));
        GlobalUnlock(block);
    }
    GlobalFree(block);
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
    ClipboardSession clipboard(m_owner);
    if (!clipboard.IsOpen() || !::EmptyClipboard()) {
        return false;
    }
    HGLOBAL block = CopyToGlobal(text);
    if (block == nullptr) {
        return false;
    }
    // Once handed over the block belongs to the system; only a refused one is ours to release.
    if (SetClipboardData(CF_TEXT, block) == nullptr) {
        WipeAndFree(block);
        return false;
    }
    return true;
}

void Win32InputSender::EmptyClipboard() {
    ClipboardSession clipboard(m_owner);
    if (clipboard.IsOpen()) {
        ::EmptyClipboard();
    }
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

void Win32InputSender::Pause(unsigned milliseconds) {
    Sleep(milliseconds);
}

} // namespace vaultlet
