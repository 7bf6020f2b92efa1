#include "shell/win32/mainframe/NotePane.h"

#include "core/ModelNode.h"
#include "resources/StringIds.h"
#include "shell/NoteText.h"
#include "shell/win32/ui/CodePageText.h"
#include "shell/win32/ui/MessageBoxes.h"
#include "shell/win32/ui/SecretText.h"

namespace vaultlet {

bool NotePane::Create(HWND parent, int id) {
    const DWORD style =
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_READONLY;
    m_window = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", style, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (m_window != nullptr) {
        SendMessageA(m_window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }
    return m_window != nullptr;
}

void NotePane::Show(ModelNode* node) {
    Commit();
    m_node = node;
    SecureString shown = node == nullptr ? SecureString() : note_text::ToEdit(node->Comment().Viewed());
    // After Commit the control holds m_shown; most nodes have the same (empty) note, and setting
    // the text repaints the pane for nothing.
    if (shown != m_shown) {
        m_shown = std::move(shown);
        SetEditText(m_shown);
    }
    SendMessageA(m_window, EM_SETREADONLY, node == nullptr ? TRUE : FALSE, 0);
    SendMessageA(m_window, EM_SETMODIFY, FALSE, 0);
    // An undo must never bring one node's note into another's.
    SendMessageA(m_window, EM_EMPTYUNDOBUFFER, 0, 0);
}

void NotePane::Commit() {
    if (m_node == nullptr) {
        return;
    }
    SecureString edited = EditText();
    if (edited == m_shown) {
        return;
    }
    if (!IsTextExactInCodePage(m_window)) {
        // Stored, the note would come back with "?" or other letters in place of what was typed.
        // It stays as it was, the pane shows that again, and the user hears why.
        SetEditText(m_shown);
        MessageBoxes::ShowString(GetParent(m_window), IDS_NOTE_NOT_EXACT, MB_OK | MB_ICONWARNING);
        return;
    }
    // The setter raises the modified flag only for a different comment.
    m_node->SetComment(note_text::FromEdit(edited.Viewed()).Viewed());
    m_shown = std::move(edited);
}

void NotePane::Forget() {
    m_node = nullptr;
    m_shown = SecureString();
    SetEditText(m_shown);
    SendMessageA(m_window, EM_SETREADONLY, TRUE, 0);
}

SecureString NotePane::EditText() const {
    return secret_text::Of(m_window);
}

void NotePane::SetEditText(const SecureString& text) {
    // The note shown so far is overwritten in the control's own buffer before it goes.
    secret_text::Replace(m_window, text.Viewed());
}

} // namespace vaultlet
