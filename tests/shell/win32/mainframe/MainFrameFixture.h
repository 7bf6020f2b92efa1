#pragma once

#include "core/Item.h"
#include "core/Passcard.h"
#include "tests/shell/win32/ShellGuiFixture.h"
#include "tests/support/win32/GuiDriver.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>

namespace vaultlet::test {

// The main window on a thread of its own, over a database file "home.kvtdat" (password "secret")
// holding the default groups and a passcard "Mail" in the second one, with the message boxes of
// ShellGuiFixture and readers of the tree, the list and the note.
class MainFrameFixture : public ShellGuiFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    void LoadCurrent();
    void Start();
    // Closes the window without saving and starts it again over the file, as the program's next start.
    void Restart();
    bool Ended() const { return m_run->WaitForEnd(); }
    // A command that opens a window of its own (a login, a file dialog, a modal dialog): the test
    // goes on while it runs.
    void Command(int id) const { PostMessageA(m_frame, WM_COMMAND, static_cast<WPARAM>(id), 0); }
    // A command or message handled before this returns (message boxes are answered by the test).
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(m_frame, message, wParam, lParam);
    }

    std::string TreeText(HTREEITEM item) const;
    HTREEITEM Child(HTREEITEM parent, int index) const;
    HTREEITEM Root() const { return TreeView_GetRoot(m_tree); }
    void SelectInTree(HTREEITEM item) const {
        SendMessageA(m_tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    }
    // The passcard "Mail" and its row in the tree; a field added to it.
    static Passcard& Mail();
    HTREEITEM MailInTree() const { return Child(Child(Root(), 1), 0); }
    static Item& AddToMail(ItemType type, const std::string& value);
    std::string ListText(int row, int column) const;
    void SelectRow(int row) const {
        ListView_SetItemState(m_list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    // Types into the note as a user would: the text reaches the model only when it is committed.
    void TypeNote(const std::string& text) const {
        SendMessageA(m_note, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    static std::string CommentOnDisk(const std::string& path);
    HWND WaitForLogin(int timeoutMilliseconds = 10000) const;
    // A dialog of the window's thread with that control; null on timeout.
    HWND DialogWith(int controlId, int timeoutMilliseconds = 10000) const;
    // The login of a lock, shown or hidden, once the main window has gone out of sight; null on
    // timeout.
    HWND WaitForLock() const;
    // Gives the login the password; true once the main window is back.
    bool Unlock(HWND login, const std::string& password = "secret") const;
    // A message of the window's own, posted: a lock it starts runs its login modally.
    void Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        PostMessageA(m_frame, message, wParam, lParam);
    }
    // Answers the next message box and waits until it was asked.
    void ExpectMessage(const std::string& text);

    std::string m_path;
    std::unique_ptr<ModalThread> m_run;
    HWND m_frame = nullptr;
    HWND m_tree = nullptr;
    HWND m_list = nullptr;
    HWND m_note = nullptr;
    std::size_t m_seen = 0;
};

} // namespace vaultlet::test
