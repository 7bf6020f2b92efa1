#pragma once

#include "core/Item.h"
#include "shell/FieldEditor.h"
#include "shell/win32/ui/CommandTable.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/ScopedHandles.h"
#include "shell/win32/ui/ToolTip.h"
#include "shell/win32/ui/WindowIcons.h"

namespace vaultlet {

// "Passcard Field": the type, image, name, value (with the generator and virtual-keyboard buttons),
// hidden flag and extra row (comment, or key name for a key passphrase) of one item. What follows
// from a type change is FieldEditor's; this class moves it between the model and the controls.
//
// Input: the item, and whether it is new. For "Add", a new item that the caller owns, preset with
// its type's defaults (NewItemType, ApplyTypeDefaults), and destroys on Cancel; for "Edit", an item
// of the tree, which keeps its own name and hidden flag until the user picks another type.
// Output: on OK name, image, type, value, extra row and hidden flag are written to the item (each
// setter raises the modified flag only on a change; types the list does not offer and binary data
// are never changed). Cancel writes nothing. RunModal returns IDOK or IDCANCEL.
class FieldDialog final : public Dialog {
public:
    FieldDialog(vaultlet::Item& item, bool isNew);

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOk() override;
    void OnDestroy() override;

private:
    void FillTypes() const;
    void SetUpButtons();
    void ShowEditorState();
    void ShowImage();
    void ShowHidden(bool hidden) const;
    void TakeControls();
    void OnTypeChanged();
    void OnHiddenClicked();
    void OnImage();
    void OnGenerator();
    void OnKeyboard();

    static const CommandTable<FieldDialog> kCommands;

    // Dialog::Item names a control, hence the qualified name.
    vaultlet::Item& m_item;
    FieldEditor m_editor;
    UniqueIcon m_image;
    WindowIcons m_icons;
    ToolTip m_toolTip;
};

} // namespace vaultlet
