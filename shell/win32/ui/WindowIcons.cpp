#include "shell/win32/ui/WindowIcons.h"

#include "shell/win32/ui/WindowDpi.h"

namespace vaultlet {
namespace {

HICON LoadSized(int iconId, int widthMetric, int heightMetric, const DpiScale& dpi) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                         WindowDpi::Metric(widthMetric, dpi), WindowDpi::Metric(heightMetric, dpi),
                                         LR_DEFAULTCOLOR));
}

} // namespace

void WindowIcons::Apply(HWND window, int iconId) {
    const DpiScale dpi = WindowDpi::Of(window);
    m_large.Reset(LoadSized(iconId, SM_CXICON, SM_CYICON, dpi));
    m_small.Reset(LoadSized(iconId, SM_CXSMICON, SM_CYSMICON, dpi));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_large.Get()));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_small.Get()));
}

} // namespace vaultlet
