#include "shell/win32/ui/ComboBox.h"

#include <string>

namespace vaultlet {

int ComboBox::Add(std::string_view text) const {
    const std::string copy(text);
    return static_cast<int>(SendMessageA(m_window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(copy.c_str())));
}

} // namespace vaultlet
