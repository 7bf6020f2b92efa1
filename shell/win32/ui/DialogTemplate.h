#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace vaultlet {

// Builds a dialog template in memory, for dialogs whose layout is computed (the on-screen keyboard)
// and for tests. Coordinates are dialog units.
class DialogTemplate {
public:
    DialogTemplate(std::string_view title, DWORD style, short x, short y, short width, short height,
                   std::string_view font = "MS Shell Dlg", WORD pointSize = 8);

    // Adds a control of a predefined class ("BUTTON", "EDIT", "STATIC", "LISTBOX", ...) or of a
    // registered class name.
    void AddControl(std::string_view className, std::string_view text, WORD id, DWORD style, short x, short y,
                    short width, short height, DWORD extendedStyle = 0);

    const DLGTEMPLATE* Get() const noexcept { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void AddText(std::string_view text);
    void Align();

    std::vector<WORD> m_words;
};

} // namespace vaultlet
