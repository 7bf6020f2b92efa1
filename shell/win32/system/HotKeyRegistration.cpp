#include "shell/win32/system/HotKeyRegistration.h"

#include "shell/HotKeyAtomName.h"
#include "shell/ProgramOptions.h"

#include <commctrl.h>

namespace vaultlet {

bool HotKeyRegistration::Register(int modifiers, int key, HWND window) {
    Unregister();
    const std::string name = HotKeyAtomName();
    const ATOM atom = GlobalAddAtomA(name.c_str());
    if (atom == 0) {
        return false;
    }
    if (!RegisterHotKey(window, atom, SystemModifiers(modifiers), static_cast<UINT>(key))) {
        GlobalDeleteAtom(atom);
        return false;
    }
    m_window = window;
    m_atom = atom;
    return true;
}

bool HotKeyRegistration::RegisterFromSettings(HWND window) {
    const ProgramOptions::HotKey hotKey = ProgramOptions::StoredHotKey();
    return Register(hotKey.modifiers, hotKey.key, window);
}

void HotKeyRegistration::Unregister() {
    if (m_atom == 0) {
        return;
    }
    UnregisterHotKey(m_window, m_atom);
    GlobalDeleteAtom(m_atom);
    m_atom = 0;
    m_window = nullptr;
}

UINT HotKeyRegistration::SystemModifiers(int hotKeyControlModifiers) {
    UINT modifiers = 0;
    if ((hotKeyControlModifiers & HOTKEYF_ALT) != 0) {
        modifiers |= MOD_ALT;
    }
    if ((hotKeyControlModifiers & HOTKEYF_CONTROL) != 0) {
        modifiers |= MOD_CONTROL;
    }
    if ((hotKeyControlModifiers & HOTKEYF_SHIFT) != 0) {
        modifiers |= MOD_SHIFT;
    }
    return modifiers;
}

} // namespace vaultlet
