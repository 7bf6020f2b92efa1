#include "shell/win32/ui/QuickSearchBox.h"

#include "resources/StringIds.h"
#include "services/LanguagePack.h"

namespace vaultlet {

void QuickSearchBox::Attach(HWND edit) {
    m_edit = edit;
    ShowHint(true);
}

std::optional<std::string> QuickSearchBox::OnEvent(int code) {
    switch (code) {
    case EN_SETFOCUS:
        if (m_hint) {
            ShowHint(false);
        }
        return std::nullopt;
    case EN_KILLFOCUS:
        if (GetWindowTextLengthA(m_edit) == 0) {
            ShowHint(true);
        }
        return std::nullopt;
    case EN_CHANGE: {
        if (m_hint) {
            return std::nullopt;
        }
        char typed[256] = {};
        GetWindowTextA(m_edit, typed, sizeof typed);
        return std::string(typed);
    }
    default:
        return std::nullopt;
    }
}

void QuickSearchBox::Retranslate() {
    if (m_hint) {
        ShowHint(true);
    }
}

void QuickSearchBox::ShowHint(bool shown) {
    // Set before the text, so the change the text makes is not taken for typing.
    m_hint = shown;
    const std::string text = shown ? LanguagePack::Instance().getString(IDS_QUICK_SEARCH_HINT) : std::string();
    SetWindowTextA(m_edit, text.c_str());
}

} // namespace vaultlet
