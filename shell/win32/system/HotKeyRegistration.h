#pragma once

#include <windows.h>

namespace vaultlet {

// The global auto-fill hot key of one window, identified by a global atom with a random name so it
// cannot clash with another program's. Released when this object goes. A combination another
// program holds already is no error: there is simply no registration.
class HotKeyRegistration {
public:
    HotKeyRegistration() noexcept = default;
    ~HotKeyRegistration() { Unregister(); }
    HotKeyRegistration(const HotKeyRegistration&) = delete;
    HotKeyRegistration& operator=(const HotKeyRegistration&) = delete;

    // Registers key with modifier bits in the hot-key control's form (1 Shift, 2 Ctrl, 4 Alt,
    // 8 extended key, which is dropped); any earlier registration of this object goes first.
    bool Register(int modifiers, int key, HWND window);
    // Registers the combination the settings name ("HonKeyKey", "HonKeyModifier"), or the default
    // one when that has neither Ctrl nor Alt (ProgramOptions::StoredHotKey).
    bool RegisterFromSettings(HWND window);
    void Unregister();
    bool IsRegistered() const noexcept { return m_atom != 0; }

    // Hot-key-control modifier bits to RegisterHotKey's MOD_ flags.
    static UINT SystemModifiers(int hotKeyControlModifiers);

private:
    HWND m_window = nullptr;
    ATOM m_atom = 0;
};

} // namespace vaultlet
