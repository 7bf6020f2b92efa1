#pragma once

#include <windows.h>

#include <string_view>

namespace vaultlet {

// A drop-down list control; does not own the window.
class ComboBox {
public:
    ComboBox() noexcept = default;
    explicit ComboBox(HWND window) noexcept : m_window(window) {}

    HWND Handle() const noexcept { return m_window; }
    void Clear() const { SendMessageA(m_window, CB_RESETCONTENT, 0, 0); }
    // Appends an item; returns its index.
    int Add(std::string_view text) const;
    int Count() const { return static_cast<int>(SendMessageA(m_window, CB_GETCOUNT, 0, 0)); }
    // The selected index, or -1.
    int Selection() const { return static_cast<int>(SendMessageA(m_window, CB_GETCURSEL, 0, 0)); }
    // Selects an index (-1 clears the selection) without notifying the parent.
    void Select(int index) const { SendMessageA(m_window, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

private:
    HWND m_window = nullptr;
};

} // namespace vaultlet
