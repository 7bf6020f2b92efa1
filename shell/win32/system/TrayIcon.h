#pragma once

#include "shell/win32/ui/ScopedHandles.h"

#include <windows.h>

#include <shellapi.h>

namespace vaultlet {

// The program's icon in the notification area, with a context menu from the resources. The owner
// window receives `callbackMessage` for mouse events over the icon and passes them to HandleCallback;
// it passes the shell's "TaskbarCreated" message to HandleTaskbarCreated so the icon comes back
// after the taskbar was re-created. The icon is removed when this object goes.
class TrayIcon {
public:
    TrayIcon(HWND owner, UINT callbackMessage, int menuId);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon; true when the shell took it.
    bool Show();
    void Remove();

    // A right-button release opens the context menu, whose command goes to the owner as WM_COMMAND;
    // a double click shows the owner and brings it to the front. True for the double click, which
    // the owner may want to note.
    bool HandleCallback(LPARAM mouseMessage);
    // Adds the icon again if it was shown.
    void HandleTaskbarCreated();

    // The registered "TaskbarCreated" message.
    static UINT TaskbarCreatedMessage();

private:
    NOTIFYICONDATAA Data() const;
    void ShowMenu() const;
    void RestoreOwner() const;

    HWND m_owner;
    UINT m_callbackMessage;
    int m_menuId;
    UniqueIcon m_icon;
    bool m_shown = false;
};

} // namespace vaultlet
