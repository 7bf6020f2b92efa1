#pragma once

#include <windows.h>

namespace vaultlet {

// Holds the clipboard open for one owner window for the lifetime of the object.
class ClipboardSession {
public:
    explicit ClipboardSession(HWND owner) noexcept : m_open(OpenClipboard(owner) != FALSE) {}
    ~ClipboardSession() {
        if (m_open) {
            CloseClipboard();
        }
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;

    bool IsOpen() const noexcept { return m_open; }

private:
    bool m_open;
};

} // namespace vaultlet
