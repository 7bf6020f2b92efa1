#include "shell/win32/mainframe/MainToolbar.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/win32/ui/SharedIcons.h"
#include "shell/win32/ui/WindowDpi.h"

#include <cstring>
#include <string>

namespace vaultlet {

// 0 is a separator. Pictures come from the node icons the tree uses.
const int MainToolbar::kCommands[] = {
    ID_FILE_NEW,
    ID_FILE_OPEN,
    ID_FILE_SAVE,
    0,
    ID_EDIT_ADD,
    ID_EDIT_NEW_LOGIN,
    ID_EDIT_EDIT,
    ID_EDIT_COPY,
    0,
    ID_FILE_LOCK,
    0,
    ID_TOOLS_PASSWORD_GENERATOR,
};
const int MainToolbar::kImages[] = {6, 8, 30, 0, 19, 2, 17, 32, 0, 18, 0, 1};
const int MainToolbar::kButtonCount = static_cast<int>(sizeof kCommands / sizeof kCommands[0]);

bool MainToolbar::Create(HWND parent) {
    const HINSTANCE module = GetModuleHandleA(nullptr);
    m_rebar = CreateWindowExA(WS_EX_TOOLWINDOW, REBARCLASSNAMEA, "",
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT |
                                  RBS_BANDBORDERS | CCS_NODIVIDER | CCS_TOP,
                              0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MAIN_REBAR)), module,
                              nullptr);
    if (m_rebar == nullptr) {
        return false;
    }
    m_toolbar = CreateWindowExA(
        0, TOOLBARCLASSNAMEA, "",
        WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN, 0,
        0, 0, 0, m_rebar, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MAIN_TOOLBAR)), module, nullptr);
    if (m_toolbar == nullptr) {
        return false;
    }
    SendMessageA(m_toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    // The toolbar does not destroy an image list it is given; the shared one lives for the process.
    SendMessageA(m_toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(SharedIcons::Get(WindowDpi::Of(parent))));
    for (int index = 0; index < kButtonCount; ++index) {
        TBBUTTON button{};
        button.iBitmap = kCommands[index] == 0 ? 0 : kImages[index];
        button.idCommand = kCommands[index];
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = kCommands[index] == 0 ? BTNS_SEP : BTNS_BUTTON;
        SendMessageA(m_toolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    }
    REBARBANDINFOA band{};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_CHILD | RBBIM_STYLE;
    band.fStyle = RBBS_CHILDEDGE | RBBS_GRIPPERALWAYS;
    band.hwndChild = m_toolbar;
    SendMessageA(m_rebar, RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
    FitBand();
    return true;
}

void MainToolbar::SetDpi(const DpiScale& dpi) const {
    SendMessageA(m_toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(SharedIcons::Get(dpi)));
    FitBand();
}

void MainToolbar::FitBand() const {
    SendMessageA(m_toolbar, TB_AUTOSIZE, 0, 0);
    const DWORD size = static_cast<DWORD>(SendMessageA(m_toolbar, TB_GETBUTTONSIZE, 0, 0));
    REBARBANDINFOA band{};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_CHILDSIZE;
    band.cyMinChild = HIWORD(size);
    band.cxMinChild = 0;
    SendMessageA(m_rebar, RB_SETBANDINFOA, 0, reinterpret_cast<LPARAM>(&band));
}

void MainToolbar::Show(bool shown) const {
    ShowWindow(m_rebar, shown ? SW_SHOW : SW_HIDE);
}

int MainToolbar::Height() const {
    if (!IsShown()) {
        return 0;
    }
    RECT rect{};
    GetWindowRect(m_rebar, &rect);
    return rect.bottom - rect.top;
}

void MainToolbar::Layout() const {
    // A rebar sizes itself along its parent's top edge when told the parent changed size.
    SendMessageA(m_rebar, WM_SIZE, 0, 0);
}

void MainToolbar::Enable(int commandId, bool enabled) const {
    SendMessageA(m_toolbar, TB_ENABLEBUTTON, static_cast<WPARAM>(commandId), MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

bool MainToolbar::OnToolTip(NMTTDISPINFOA& info) {
    const int commandId = static_cast<int>(info.hdr.idFrom);
    bool ours = false;
    ForEachCommand([&](int id) { ours = ours || id == commandId; });
    if (!ours) {
        return false;
    }
    // A command's string is its status prompt, a line break and its short name.
    const std::string text = LanguagePack::Instance().getString(commandId);
    const std::size_t lineBreak = text.find('\n');
    const std::string tip = lineBreak == std::string::npos ? text : text.substr(lineBreak + 1);
    const std::size_t length = std::min(tip.size(), sizeof m_tip - 1);
    std::memcpy(m_tip, tip.data(), length);
    m_tip[length] = '\0';
    info.lpszText = m_tip;
    return true;
}

} // namespace vaultlet
