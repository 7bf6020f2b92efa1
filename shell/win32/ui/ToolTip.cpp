#include "shell/win32/ui/ToolTip.h"

#include <commctrl.h>

#include <string>

namespace vaultlet {

bool ToolTip::Create(HWND owner) {
    m_owner = owner;
    m_window =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    return m_window != nullptr;
}

void ToolTip::Add(HWND control, std::string_view text) const {
    if (m_window == nullptr || control == nullptr) {
        return;
    }
    std::string copy(text);
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = copy.data();
    SendMessageA(m_window, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

} // namespace vaultlet
