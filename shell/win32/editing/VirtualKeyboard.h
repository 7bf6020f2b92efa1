#pragma once

#include "shell/VirtualKeyboardState.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/ScopedHandles.h"

#include <windows.h>

#include <memory>
#include <string_view>

namespace vaultlet {

// The on-screen keyboard: a small window under a password box that types into it with the mouse,
// so a password can be entered without the physical keyboard. At most one exists in the process;
// it belongs to the user-interface thread.
//
// It follows the dialog that holds the box: moved with it, hidden with it, closed before it when
// the dialog is asked to close, and destroyed with it however the dialog ends. It never takes the
// activation or the focus, so the dialog keeps both and typing lands in the box.
class VirtualKeyboard : public Dialog {
public:
    // What the small button beside a box calls: closes a keyboard that is shown (whichever box it
    // serves), otherwise opens one for this box.
    static void Toggle(HWND targetEdit);
    // Replaces any earlier keyboard by a fresh one (Shift and Caps off) for this box, under it, and
    // gives the box the focus.
    static void Open(HWND targetEdit);
    // Destroys the keyboard's window, if any, and the keyboard.
    static void Close();
    // The keyboard's window, or null when there is none (never opened, closed, or destroyed with
    // its dialog).
    static HWND Window();

    ~VirtualKeyboard() override;

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    std::string_view HelpPage() const override { return "virtual-keyboard.html"; }

private:
    VirtualKeyboard(HWND target, HWND parent);

    static std::unique_ptr<VirtualKeyboard>& Instance();
    static LRESULT CALLBACK ParentHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR keyboard);

    void PressKey(const VirtualKey& key);
    void TypeText(std::string_view text);
    void Relabel();
    // Puts the window under the target box, shown while the dialog is visible, hidden otherwise.
    void Place();
    void Hook();
    void Unhook();

    void LoadLook();
    void PaintBackground(HDC dc);
    void DrawKey(const DRAWITEMSTRUCT& item);
    void DrawSkin(HDC dc, const RECT& area, int frame);

    HWND m_target;
    HWND m_parent;
    bool m_hooked = false;
    VirtualKeyboardState m_state;

    DpiScale m_dpi;
    UniqueGdiObject m_skin;
    int m_skinWidth = 0;
    int m_frameHeight = 0;
    UniqueGdiObject m_font;
    UniqueGdiObject m_boldFont;
    UniqueGdiObject m_background;
    UniqueIcon m_shiftIcon;
    UniqueIcon m_backspaceIcon;
};

} // namespace vaultlet
