#include "shell/win32/ui/Dialog.h"

#include "resources/StringIds.h"
#include "shell/UserGuidePages.h"
#include "shell/win32/ui/CodePageText.h"
#include "shell/win32/ui/CommandCodes.h"
#include "shell/win32/ui/ControlClasses.h"
#include "shell/win32/ui/MessageBoxes.h"
#include "shell/win32/ui/SecretText.h"

namespace vaultlet {

Dialog::~Dialog() {
    if (m_window != nullptr && !m_modal) {
        SetWindowLongPtrA(m_window, DWLP_USER, 0);
        DestroyWindow(m_window);
    }
}

INT_PTR Dialog::RunModal(HWND owner) {
    RegisterControlClasses();
    m_modal = true;
    const HINSTANCE module = GetModuleHandleA(nullptr);
    const auto self = reinterpret_cast<LPARAM>(this);
    if (m_memoryTemplate != nullptr) {
        return DialogBoxIndirectParamA(module, m_memoryTemplate, owner, Procedure, self);
    }
    return DialogBoxParamA(module, MAKEINTRESOURCEA(m_templateId), owner, Procedure, self);
}

HWND Dialog::CreateModeless(HWND owner) {
    RegisterControlClasses();
    m_modal = false;
    const HINSTANCE module = GetModuleHandleA(nullptr);
    const auto self = reinterpret_cast<LPARAM>(this);
    if (m_memoryTemplate != nullptr) {
        return CreateDialogIndirectParamA(module, m_memoryTemplate, owner, Procedure, self);
    }
    return CreateDialogParamA(module, MAKEINTRESOURCEA(m_templateId), owner, Procedure, self);
}

void Dialog::End(INT_PTR result) {
    if (m_window == nullptr) {
        return;
    }
    if (m_modal) {
        EndDialog(m_window, result);
    } else {
        DestroyWindow(m_window);
    }
}

bool Dialog::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED && code != kAcceleratorCommandCode) {
        return false;
    }
    if (id == IDOK) {
        OnOk();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

bool Dialog::OnNotify(const NMHDR&, LRESULT&) {
    return false;
}

void Dialog::OnTimer(UINT_PTR) {}

bool Dialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) {
    return false;
}

std::string_view Dialog::HelpPage() const {
    return user_guide::PageOfDialog(m_templateId);
}

std::string Dialog::ItemText(int id) const {
    const HWND item = Item(id);
    const int length = GetWindowTextLengthA(item);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(item, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

SecureString Dialog::ItemSecret(int id) const {
    return secret_text::Of(Item(id));
}

bool Dialog::ItemIsExactInCodePage(int id) const {
    return IsTextExactInCodePage(Item(id));
}

bool Dialog::CheckExactText(std::initializer_list<int> ids) const {
    for (const int id : ids) {
        if (!ItemIsExactInCodePage(id)) {
            MessageBoxes::Error(m_window, IDS_TEXT_NOT_EXACT);
            FocusItem(id);
            return false;
        }
    }
    return true;
}

void Dialog::SetItemText(int id, std::string_view text) const {
    const std::string copy(text);
    SetWindowTextA(Item(id), copy.c_str());
}

void Dialog::SetItemSecret(int id, std::string_view text) const {
    secret_text::Set(Item(id), text);
}

void Dialog::ClearSecret(int id) const {
    secret_text::Clear(Item(id));
}

void Dialog::FocusItem(int id) const {
    // Through the dialog manager, so the default button follows the focus.
    SendMessageA(m_window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<Dialog*>(lParam)->m_window = window;
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (dialog == nullptr) {
        return FALSE;
    }
    try {
        const INT_PTR result = dialog->Dispatch(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(window, DWLP_USER, 0);
            dialog->m_window = nullptr;
        }
        return result;
    } catch (...) {
        // Nothing may unwind through the system's code; the message counts as handled.
        return TRUE;
    }
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInit() ? TRUE : FALSE;
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (!OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) {
            return FALSE;
        }
        SetWindowLongPtrA(m_window, DWLP_MSGRESULT, result);
        return TRUE;
    }
    case WM_TIMER:
        OnTimer(wParam);
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    case WM_HELP:
        // F1 anywhere in the dialog: its controls hand the request up to here.
        if (s_helpOpener != nullptr) {
            s_helpOpener(m_window, HelpPage());
        }
        return TRUE;
    default: {
        INT_PTR result = FALSE;
        return OnMessage(message, wParam, lParam, result) ? result : FALSE;
    }
    }
}

} // namespace vaultlet
