#include "shell/win32/ui/ComboBox.h"

namespace vaultlet {

int ComboBox::Add(std::string_view text) const {
    const std::string copy(text);
    return static_cast<int>(SendMessageA(m_window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(copy.c_str())));
}

std::string ComboBox::ItemText(int index) const {
    const LRESULT length = SendMessageA(m_window, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendMessageA(m_window, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

} // namespace vaultlet
