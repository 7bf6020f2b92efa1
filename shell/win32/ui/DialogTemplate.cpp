#include "shell/win32/ui/DialogTemplate.h"

#include "core/TextConversion.h"

#include <cstring>

namespace vaultlet {
namespace {

void PutDword(std::vector<WORD>& words, DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
}

} // namespace

DialogTemplate::DialogTemplate(std::string_view title, DWORD style, short x, short y, short width, short height,
                               std::string_view font, WORD pointSize) {
    PutDword(m_words, style | DS_SETFONT);
    PutDword(m_words, 0); // extended style
    m_words.push_back(0); // number of controls, counted in AddControl
    m_words.push_back(static_cast<WORD>(x));
    m_words.push_back(static_cast<WORD>(y));
    m_words.push_back(static_cast<WORD>(width));
    m_words.push_back(static_cast<WORD>(height));
    m_words.push_back(0); // no menu
    m_words.push_back(0); // the default dialog class
    AddText(title);
    m_words.push_back(pointSize);
    AddText(font);
}

void DialogTemplate::AddControl(std::string_view className, std::string_view text, WORD id, DWORD style, short x,
                                short y, short width, short height, DWORD extendedStyle) {
    Align();
    PutDword(m_words, style | WS_CHILD);
    PutDword(m_words, extendedStyle);
    m_words.push_back(static_cast<WORD>(x));
    m_words.push_back(static_cast<WORD>(y));
    m_words.push_back(static_cast<WORD>(width));
    m_words.push_back(static_cast<WORD>(height));
    m_words.push_back(id);
    AddText(className);
    AddText(text);
    m_words.push_back(0); // no creation data
    ++m_words[4];         // the control count sits after style and extended style
}

void DialogTemplate::AddText(std::string_view text) {
    const SecureU16String wide = AnsiToUtf16(text);
    m_words.insert(m_words.end(), wide.begin(), wide.end());
    m_words.push_back(0);
}

void DialogTemplate::Align() {
    // Every control item starts on a DWORD boundary.
    if (m_words.size() % 2 != 0) {
        m_words.push_back(0);
    }
}

} // namespace vaultlet
