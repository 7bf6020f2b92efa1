#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace vaultlet {

// The quick-search field above a passcard tree: it shows the cue text " Quick Search..." while it
// is empty and has no focus, and reports what the user typed.
class QuickSearchBox {
public:
    // Takes over the edit control and shows the cue text.
    void Attach(HWND edit);
    HWND Handle() const noexcept { return m_edit; }

    // An EN_ notification of the field: the cue text goes when the field gets the focus and comes
    // back when it leaves empty. Returns the text to search for after the user changed it.
    std::optional<std::string> OnEvent(int code);
    // Shows the cue text again in the current language, when it is shown.
    void Retranslate();

private:
    void ShowHint(bool shown);

    HWND m_edit = nullptr;
    bool m_hint = false;
};

} // namespace vaultlet
