#include "shell/win32/ui/ProgressBar.h"

#include <commctrl.h>

namespace vaultlet {

void ProgressBar::SetPercent(int percent) {
    SendMessageA(m_window, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    UpdateWindow(m_window);
}

void ProgressBar::Begin(int) {
    SendMessageA(m_window, PBM_SETRANGE32, 0, 100);
    SendMessageA(m_window, PBM_SETPOS, 0, 0);
    ShowWindow(m_window, SW_SHOW);
    UpdateWindow(m_window);
}

void ProgressBar::End() {
    ShowWindow(m_window, SW_HIDE);
    SendMessageA(m_window, PBM_SETPOS, 0, 0);
}

} // namespace vaultlet
