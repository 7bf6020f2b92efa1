#pragma once

#include "core/ModelNode.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/WindowIcons.h"

namespace vaultlet {

// Edits the name of the database or of a group (a passcard's name has its own dialog, but the kind
// word for one is there too). Title and prompt name the node's kind.
//
// Input: the node to edit; for "Add", a new node that the caller owns and destroys on Cancel.
// Output: on OK the field's text becomes the node's name as typed, an empty one included (the tree
// then shows an empty entry); on Cancel the node is untouched. RunModal returns IDOK or IDCANCEL.
class NameDialog final : public Dialog {
public:
    explicit NameDialog(ModelNode& node);

protected:
    bool OnInit() override;
    void OnOk() override;

private:
    ModelNode& m_node;
    WindowIcons m_icons;
};

} // namespace vaultlet
