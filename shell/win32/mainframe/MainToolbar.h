#pragma once

#include "shell/DpiScale.h"

#include <windows.h>

#include <commctrl.h>

namespace vaultlet {

// The main window's toolbar in a rebar band under the menu. Buttons carry command ids, so a click
// arrives as the same WM_COMMAND as the menu item; their tooltips are the commands' short names
// from the language pack.
class MainToolbar {
public:
    bool Create(HWND parent);
    HWND Toolbar() const noexcept { return m_toolbar; }
    // The window's resolution, when it changes: the pictures and buttons follow.
    void SetDpi(const DpiScale& dpi) const;

    void Show(bool shown) const;
    bool IsShown() const { return IsWindowVisible(m_rebar) != FALSE; }
    // The rebar's height while shown, else 0.
    int Height() const;
    void Layout() const;
    void Enable(int commandId, bool enabled) const;
    // Visits every button's command id.
    template <typename Visitor>
    void ForEachCommand(Visitor visit) const;

    // TTN_GETDISPINFO of the toolbar's tooltips; false when it is not one of ours.
    bool OnToolTip(NMTTDISPINFOA& info);

private:
    // The band's height follows the buttons'.
    void FitBand() const;

    static const int kCommands[];
    static const int kImages[];
    static const int kButtonCount;

    HWND m_rebar = nullptr;
    HWND m_toolbar = nullptr;
    char m_tip[128] = {};
};

template <typename Visitor>
void MainToolbar::ForEachCommand(Visitor visit) const {
    for (int button = 0; button < kButtonCount; ++button) {
        if (kCommands[button] != 0) {
            visit(kCommands[button]);
        }
    }
}

} // namespace vaultlet
