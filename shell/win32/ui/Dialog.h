#pragma once

#include "core/SecureString.h"

#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace vaultlet {

// Base of every dialog: a static dialog procedure stores `this` on WM_INITDIALOG and forwards each
// message to virtual handlers. Exceptions stop at this edge; they never cross into the system.
//
// A concrete dialog states its inputs and outputs as members, sets its controls up in OnInit and
// reads them back in OnOk.
class Dialog {
public:
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog();

    // Runs the dialog modally; returns the code passed to End (IDOK, IDCANCEL, ...), or -1 when the
    // dialog could not be created.
    INT_PTR RunModal(HWND owner);
    // Creates the dialog without a message loop of its own; null on failure.
    HWND CreateModeless(HWND owner);
    // Ends a modal dialog with the result, or destroys a modeless one.
    void End(INT_PTR result);

    HWND Handle() const noexcept { return m_window; }

    // Where F1 in a dialog goes: the program points it at its user guide when it starts. Until then
    // F1 does nothing. (The guide lives with the desktop services, above the dialogs.)
    using HelpOpener = void (*)(HWND owner, std::string_view page);
    static void SetHelpOpener(HelpOpener opener) noexcept { s_helpOpener = opener; }

protected:
    // A dialog from the program's resources.
    explicit Dialog(int templateId) : m_templateId(templateId) {}
    // A dialog built in memory (see DialogTemplate); the template must outlive the window.
    explicit Dialog(const DLGTEMPLATE* memoryTemplate) : m_memoryTemplate(memoryTemplate) {}

    // Returns true to let the system give the focus to the first control.
    virtual bool OnInit() { return true; }
    // A WM_COMMAND from a control, menu or accelerator; true when handled.
    virtual bool OnCommand(int id, int code, HWND control);
    // A WM_NOTIFY; true when handled, with `result` as the answer.
    virtual bool OnNotify(const NMHDR& header, LRESULT& result);
    virtual void OnTimer(UINT_PTR timerId);
    virtual void OnOk() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }
    virtual void OnDestroy() {}
    // Any other message; true when handled, with `result` as the dialog procedure's answer.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    // The page of the user guide that F1 opens: the one the guide's table names for the dialog's template. A
    // dialog built in memory names its own.
    virtual std::string_view HelpPage() const;

    HWND Item(int id) const noexcept { return GetDlgItem(m_window, id); }
    void EnableItem(int id, bool enabled) const { EnableWindow(Item(id), enabled ? TRUE : FALSE); }
    void ShowItem(int id, bool shown) const { ShowWindow(Item(id), shown ? SW_SHOW : SW_HIDE); }
    std::string ItemText(int id) const;
    // For password boxes: the text never passes through an unwiped buffer.
    SecureString ItemSecret(int id) const;
    // False when the box holds characters the system's code page can only approximate ("?" or a
    // look-alike letter): two different passwords would then turn into the same bytes.
    bool ItemIsExactInCodePage(int id) const;
    // For every box whose text is stored, before OK takes it: true when the code page keeps each
    // exactly; otherwise tells the user, puts the focus into the first box that it does not keep
    // and returns false, so the dialog stays open and nothing is stored changed.
    bool CheckExactText(std::initializer_list<int> ids) const;
    void SetItemText(int id, std::string_view text) const;
    // For boxes that show a secret: the text is copied only into a buffer that wipes itself.
    void SetItemSecret(int id, std::string_view text) const;
    // Empties a password box, first overwriting the text it held in the control's own buffer.
    void ClearSecret(int id) const;
    bool IsChecked(int id) const { return IsDlgButtonChecked(m_window, id) == BST_CHECKED; }
    void SetChecked(int id, bool checked) const { CheckDlgButton(m_window, id, checked ? BST_CHECKED : BST_UNCHECKED); }
    void FocusItem(int id) const;

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    static inline HelpOpener s_helpOpener = nullptr;

    int m_templateId = 0;
    const DLGTEMPLATE* m_memoryTemplate = nullptr;
    HWND m_window = nullptr;
    bool m_modal = false;
};

} // namespace vaultlet
