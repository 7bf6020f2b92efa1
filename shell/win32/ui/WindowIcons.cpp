#include "shell/win32/ui/WindowIcons.h"

namespace vaultlet {
namespace {

HICON LoadSized(int iconId, int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric),
                                         LR_DEFAULTCOLOR));
}

} // namespace

void WindowIcons::Apply(HWND window, int iconId) {
    m_large.Reset(LoadSized(iconId, SM_CXICON, SM_CYICON));
    m_small.Reset(LoadSized(iconId, SM_CXSMICON, SM_CYSMICON));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_large.Get()));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_small.Get()));
}

} // namespace vaultlet
