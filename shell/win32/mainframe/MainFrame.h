#pragma once

#include "autofill/WindowMonitor.h"
#include "autofill/win32/Win32WindowSystem.h"
#include "shell/DatabaseFolders.h"
#include "shell/DatabaseList.h"
#include "shell/DatabaseSession.h"
#include "shell/win32/mainframe/AwayLock.h"
#include "shell/win32/mainframe/BookmarksMenu.h"
#include "shell/win32/mainframe/CompactLayout.h"
#include "shell/win32/mainframe/CopyCommands.h"
#include "shell/win32/mainframe/EditCommands.h"
#include "shell/win32/mainframe/ExpiredPasscardsNote.h"
#include "shell/win32/mainframe/FrameHost.h"
#include "shell/win32/mainframe/ItemList.h"
#include "shell/win32/mainframe/MainMenu.h"
#include "shell/win32/mainframe/MainToolbar.h"
#include "shell/win32/mainframe/NodeDragDrop.h"
#include "shell/win32/mainframe/NotePane.h"
#include "shell/win32/mainframe/PaneSelection.h"
#include "shell/win32/mainframe/PaneSplitter.h"
#include "shell/win32/mainframe/SessionQuestions.h"
#include "shell/win32/mainframe/StatusBar.h"
#include "shell/win32/mainframe/ToolCommands.h"
#include "shell/win32/mainframe/UnsavedChanges.h"
#include "shell/win32/mainframe/ViewCommands.h"
#include "shell/win32/mainframe/WindowsSessionEnd.h"
#include "shell/win32/system/HotKeyRegistration.h"
#include "shell/win32/system/ProductTitle.h"
#include "shell/win32/system/TrayIcon.h"
#include "shell/win32/ui/CommandTable.h"
#include "shell/win32/ui/PasscardTree.h"
#include "shell/win32/ui/QuickSearchBox.h"
#include "shell/win32/ui/ScopedHandles.h"
#include "shell/win32/ui/Window.h"
#include "shell/win32/update/UpdateNotices.h"

#include <memory>
#include <string>
#include <vector>

namespace vaultlet {

class LoginDialog;
class RizeThread;
struct FrameState;

// The main window: the open database (CurrentDatabase) in a tree, the selected node's children in a
// list and its comment in the note pane, with menu, toolbar, status bar, tray icon, global hot key
// and the clipboard countdown. It runs the database's life cycle: save, save as, lock, log off,
// open, new, a file handed over by a second start, close and the end of the Windows session. Each
// transition asks its save question first and stops when the save fails; only the automatic lock
// (minimising with "AutoLogOff", the user away) always happens, keeping unsaved changes in memory.
// When it comes to the front and another writer changed the database's file, it offers to read the
// file again, or to merge it when there are unsaved changes.
//
// The panes, the splitter, the compact layout, dragging nodes, the menu bar, the bookmarks menu and
// the command groups that edit the tree, copy and open values, open tools or change the view are
// classes of their own; the window
// owns them, places them and routes messages to them.
//
// It exists from the first successful login until the program ends; while a lock, log-off or open
// waits for the password it is hidden (and stays hidden whatever asks to show it).
//
// Inputs: the thread that raises the program's window on a second start (may be null) and the
// folders of the database list. Run() returns when the window was closed.
class MainFrame final : public Window, private FrameHost {
public:
    static constexpr const char* kClassName = kMainFrameClassName;
    // The window's size when none is stored, in pixels at 96 DPI.
    static constexpr int kDefaultWidth = 532;
    static constexpr int kDefaultHeight = 450;

    MainFrame(RizeThread* rizeThread, DatabaseFolders folders);
    ~MainFrame() override;

    // Creates the window for CurrentDatabase and shows it with the given show command.
    bool Create(int showCommand);
    // The message loop until the window is destroyed; returns the exit code.
    int Run();

protected:
    // Window (MainFrame.cpp)
    bool OnCreate() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnTimer(UINT_PTR timerId) override;
    void OnSize(int width, int height) override;
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // FrameHost (MainFrame.cpp)
    HWND Frame() const override { return Handle(); }
    bool IsBusy() const override { return m_busy > 0; }
    void EnterBusy() override { ++m_busy; }
    void LeaveBusy() override;
    void ModelChanged() override;
    void ShowSelection() override;
    void Rebuild() override;
    void ReplaceModel(const std::function<void()>& replace) override;
    void LayoutChildren() override;

    // Messages (MainFrame.cpp)
    bool OnProgramMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnSystemMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnMouseMessage(UINT message, LPARAM lParam);
    bool OnTreeNotify(const NMHDR& header, LRESULT& result);
    bool OnListNotify(const NMHDR& header, LRESULT& result);
    void OnActivate(WPARAM state);
    void OnClose();
    void OnParentNotify(WPARAM event, LPARAM lParam);
    void OnNoteEvent(int code);

    // Views (MainFrameViews.cpp)
    bool CreateChildren();
    HWND CreateTitle(int id, int stringId) const;
    void ClearViews(bool commitNote);
    void ShowPanes(bool shown) const;
    void RefreshStatus();
    FrameState CurrentState() const;
    void UpdateToolbar() const;
    // Returns whether the window was maximised when it was stored.
    bool RestorePlacement();
    void StorePlacement() const;
    // WM_DPICHANGED: the window moved to a monitor with other scaling (or the scaling changed).
    void OnDpiChanged(int dpi, const RECT& suggested);
    void ScalePaneFonts(const DpiScale& from, const DpiScale& to);
    // Switches between the normal and the compact layout; `store` keeps the choice for the next
    // start (the command does, closing does not).
    void ApplyCompact(bool compact, bool store);
    // The compact window's client width: the tree pane's, or wider when the status bar needs it.
    int CompactWidth() const;
    void OnCompactMode();
    void RetitlePanes();
    bool OnEditKey(int id);
    void OnSearchEvent(int code);
    // The bookmark and language entries, whose ids are ranges.
    bool OnRangeCommand(int id);
    void ShowContextMenu(HWND control);

    // Transitions (MainFrameSession.cpp)
    void OnNew();
    void OnOpen();
    void OnSave();
    void OnSaveAs();
    void OnLock();
    void OnLogoff();
    void OnExit();
    void Lock(bool shown);
    // Locks whatever becomes of the save: from the user's own minimise (`userMinimized`, who is then
    // asked the lock's save question), or because the user is away (nothing is asked). Under a
    // dialog the window goes out of sight with it, and the lock follows when the dialog ends.
    void AutomaticLock(bool userMinimized);
    // The database stays loaded behind the login until the password is given again.
    void WaitBehindLogin(bool shown);
    bool OnSessionMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void OnUnsavedChanges();
    void Logoff();
    void OpenDatabase(const std::string& path);
    void HandOver();
    // The window came to the front: offers to read the file again, or to merge it, when another writer
    // changed it.
    void CheckFileOnDisk();
    bool TryClose();
    INT_PTR RunLogin(const std::string& file, bool fileGiven, bool shown);
    void ReturnFromLogin(const ModelNode* reselect);
    void RaiseLogin() const;
    void BringModalForward() const;

    // Desktop services (MainFrameServices.cpp)
    void EnsureTray();
    void RegisterHotKeyFromSettings();
    void OnHotKey();
    void OnSelectNode(LPARAM node);
    void OnMonitorTick();
    void OnSettings();
    void OnShowWindow();
    bool OnSysCommand(WPARAM command);
    bool OnWindowPosChanging(WINDOWPOS& position) const;

    static const CommandTable<MainFrame> kCommands;

    RizeThread* m_rizeThread;
    DatabaseFolders m_folders;
    DatabaseList m_list;
    HACCEL m_accelerators = nullptr;
    MainToolbar m_toolbar;
    PasscardTree m_tree;
    ItemList m_items;
    NotePane m_note;
    StatusBar m_status;
    ExpiredPasscardsNote m_expiredNote;
    HWND m_treeTitle = nullptr;
    HWND m_itemsTitle = nullptr;
    HWND m_noteTitle = nullptr;
    QuickSearchBox m_search;
    // The panes' fonts at the window's resolution, after it moved to a monitor with other scaling.
    std::vector<UniqueGdiObject> m_paneFonts;
    SessionQuestions m_questions{*this, m_note, m_status};
    DatabaseSession m_session{m_questions, m_list};
    UnsavedChanges m_unsaved{m_session, m_status, m_note};
    WindowsSessionEnd m_sessionEnd{m_session, m_folders.documentsFolder};
    AwayLock m_away{[this] { AutomaticLock(false); }};
    PaneSelection m_selection{m_tree, m_items};
    BookmarksMenu m_bookmarks;
    MainMenu m_menu{m_bookmarks, m_status};
    PaneSplitter m_splitter;
    CompactLayout m_compact;
    NodeDragDrop m_drag{*this, m_tree, m_items, m_note};
    UpdateNotices m_updates;
    EditCommands m_edit{*this, m_tree, m_items, m_note, m_selection};
    ToolCommands m_tools{*this, m_note, m_selection, m_folders, m_updates};
    ViewCommands m_view{*this, {m_toolbar, m_status, m_tree, m_items, m_note}, m_compact};
    CopyCommands m_copy{*this, m_selection};

    std::unique_ptr<TrayIcon> m_tray;
    HotKeyRegistration m_hotKey;
    WindowTimer m_refreshTimer;
    WindowTimer m_monitorTimer;
    Win32WindowSystem m_windowSystem;
    WindowMonitor m_monitor;

    int m_busy = 0;
    bool m_pendingHandOver = false;
    // The file on disk is checked each time the user comes back to the window.
    bool m_activatedBefore = false;
    // A lock, log-off or open is waiting for the password in this login dialog.
    LoginDialog* m_login = nullptr;
};

} // namespace vaultlet
