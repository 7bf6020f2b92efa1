#pragma once

#include "core/SecureString.h"

#include <windows.h>

namespace vaultlet {

class ModelNode;

// The note pane: a multi-line edit showing the selected node's comment. This is the one place
// where the model's line feeds meet the edit control's CR LF. Text the user types reaches the model
// only through Commit, which every save, prompt and rebuild calls first; showing a node never
// changes it. A note the system's code page cannot keep exactly is never stored: Commit puts the
// stored one back and tells the user.
class NotePane {
public:
    bool Create(HWND parent, int id);
    HWND Handle() const noexcept { return m_window; }

    // Commits the node shown so far, then shows this one (null: empty and read-only).
    void Show(ModelNode* node);
    // Stores the edited text as the shown node's comment when the user changed it (and the code page
    // keeps it exactly; otherwise the pane shows the stored note again, and a message says why).
    void Commit();
    // Drops the node without storing anything: it is about to be destroyed.
    void Forget();
    // The user typed text that Commit has not stored yet.
    bool HasTypedText() const { return m_node != nullptr && EditText() != m_shown; }
    ModelNode* Node() const noexcept { return m_node; }

private:
    SecureString EditText() const;
    void SetEditText(const SecureString& text);

    HWND m_window = nullptr;
    ModelNode* m_node = nullptr;
    // The text as it was put into the control, to tell a user's edit from a conversion.
    SecureString m_shown;
};

} // namespace vaultlet
