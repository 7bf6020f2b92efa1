#include "shell/win32/system/TrayIcon.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"

#include <shellapi.h>

#include <cstring>
#include <string>

namespace vaultlet {
namespace {

// The icon's identifier within the owner window; each owner has one icon.
constexpr UINT kIconId = 1;

} // namespace

TrayIcon::TrayIcon(HWND owner, UINT callbackMessage, int menuId)
    : m_owner(owner), m_callbackMessage(callbackMessage), m_menuId(menuId),
      m_icon(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON,
                                           GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                           LR_DEFAULTCOLOR))) {}

TrayIcon::~TrayIcon() {
    Remove();
}

NOTIFYICONDATAA TrayIcon::Data() const {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = m_owner;
    data.uID = kIconId;
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = m_callbackMessage;
    data.hIcon = m_icon.Get();
    const std::string tip = LanguagePack::Instance().getString(IDS_PRODUCT_TITLE);
    strncpy(data.szTip, tip.c_str(), sizeof data.szTip - 1);
    return data;
}

bool TrayIcon::Show() {
    NOTIFYICONDATAA data = Data();
    m_shown = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
    return m_shown;
}

void TrayIcon::Remove() {
    if (!m_shown) {
        return;
    }
    NOTIFYICONDATAA data = Data();
    Shell_NotifyIconA(NIM_DELETE, &data);
    m_shown = false;
}

bool TrayIcon::HandleCallback(LPARAM mouseMessage) {
    switch (static_cast<UINT>(mouseMessage)) {
    case WM_RBUTTONUP:
        ShowMenu();
        return false;
    case WM_LBUTTONDBLCLK:
        RestoreOwner();
        return true;
    default:
        return false;
    }
}

void TrayIcon::HandleTaskbarCreated() {
    if (m_shown) {
        Show();
    }
}

UINT TrayIcon::TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

void TrayIcon::ShowMenu() const {
    UniqueMenu menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_menuId)));
    if (!menu) {
        return;
    }
    LanguagePack::Instance().translateMenu(menu.Get(), m_menuId);
    POINT cursor{};
    GetCursorPos(&cursor);
    // The foreground switch and the null message afterwards make the menu close when the user
    // clicks elsewhere.
    SetForegroundWindow(m_owner);
    TrackPopupMenu(GetSubMenu(menu.Get(), 0), TPM_BOTTOMALIGN | TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0,
                   m_owner, nullptr);
    PostMessageA(m_owner, WM_NULL, 0, 0);
}

void TrayIcon::RestoreOwner() const {
    if (!IsWindowVisible(m_owner)) {
        ShowWindow(m_owner, SW_SHOW);
    }
    SetForegroundWindow(m_owner);
}

} // namespace vaultlet
