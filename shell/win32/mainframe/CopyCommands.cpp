#include "shell/win32/mainframe/CopyCommands.h"

#include "core/Item.h"
#include "resources/resource.h"
#include "shell/CopySource.h"
#include "shell/NodeEditing.h"
#include "shell/win32/mainframe/FrameHost.h"
#include "shell/win32/mainframe/PaneSelection.h"
#include "shell/win32/system/ShellOpen.h"

#include <string_view>

namespace vaultlet {

const CommandTable<CopyCommands> CopyCommands::kCommands = {
    {ID_EDIT_COPY, &CopyCommands::OnCopy},
    {ID_EDIT_COPY_LOGIN, &CopyCommands::OnCopyLogin},
    {ID_EDIT_COPY_PASSWORD, &CopyCommands::OnCopyPassword},
};

void CopyCommands::Start(UINT_PTR timerId) {
    m_clipboard = std::make_unique<SecretClipboard>(m_host.Frame(), timerId);
}

void CopyCommands::OnCopy() {
    Copy(CopySource(m_selection.Focused(), CopyWhat::Selection));
}

void CopyCommands::OnCopyLogin() {
    Copy(CopySource(m_selection.ForAction(), CopyWhat::Login));
}

void CopyCommands::OnCopyPassword() {
    Copy(CopySource(m_selection.ForAction(), CopyWhat::Password));
}

void CopyCommands::OnDoubleClick(const ModelNode* node) {
    if (DoubleClickCopies(node)) {
        Copy(node);
    } else {
        OpenLink(node);
    }
}

void CopyCommands::Copy(const ModelNode* node) {
    if (node == nullptr) {
        return;
    }
    const std::string_view text =
        node->Kind() == NodeKind::Item ? static_cast<const Item*>(node)->Value().Viewed() : node->Name().Viewed();
    // The model's strings end in a zero, so the pointer is a C string the message can carry.
    m_passing = text.data();
    SendMessageA(m_host.Frame(), MSG_PUT_CLIPBOARD, 0, reinterpret_cast<LPARAM>(m_passing));
    m_passing = nullptr;
}

bool CopyCommands::OnPutClipboard(LPARAM text) {
    // Any program can post this message to a window it finds by title: only the pointer this
    // object is passing is read.
    if (m_passing == nullptr || reinterpret_cast<const char*>(text) != m_passing || !m_clipboard) {
        return false;
    }
    m_clipboard->Copy(m_passing);
    return true;
}

void CopyCommands::OpenLink(const ModelNode* node) const {
    if (node != nullptr && node_editing::IsLink(*node)) {
        ShellOpen::Open(m_host.Frame(), node_editing::LinkTarget(static_cast<const Item*>(node)->Value().Viewed()));
    }
}

} // namespace vaultlet
