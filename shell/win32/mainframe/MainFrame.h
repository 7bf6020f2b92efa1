#pragma once

#include "autofill/WindowMonitor.h"
#include "autofill/win32/Win32WindowSystem.h"
#include "shell/DatabaseFolders.h"
#include "shell/DatabaseList.h"
#include "shell/DatabaseSession.h"
#include "shell/PaneLayout.h"
#include "shell/win32/app/ProductTitle.h"
#include "shell/win32/mainframe/HotKeyRegistration.h"
#include "shell/win32/mainframe/ItemList.h"
#include "shell/win32/mainframe/MainToolbar.h"
#include "shell/win32/mainframe/NotePane.h"
#include "shell/win32/mainframe/PasscardTree.h"
#include "shell/win32/mainframe/QuickSearchBox.h"
#include "shell/win32/mainframe/SecretClipboard.h"
#include "shell/win32/mainframe/StatusBar.h"
#include "shell/win32/mainframe/TrayIcon.h"
#include "shell/win32/ui/CommandTable.h"
#include "shell/win32/ui/ScopedHandles.h"
#include "shell/win32/ui/Window.h"
#include "shell/win32/update/UpdateNotices.h"

#include <memory>
#include <string>
#include <vector>

namespace vaultlet {

class LoginDialog;
class Passcard;
class RizeThread;
struct FrameState;

// The main window: the open database (CurrentDatabase) in a tree, the selected node's children in a
// list and its comment in the note pane, with menu, toolbar, status bar, tray icon, global hot key
// and the clipboard countdown. It runs the database's life cycle: save, save as, lock, log off,
// open, new, a file handed over by a second start, close and the end of the Windows session. Each
// transition asks its save question first and stops when the save fails. When it comes to the front
// and another writer changed the database's file, it offers to read the file again.
//
// It exists from the first successful login until the program ends; while a lock, log-off or open
// waits for the password it is hidden (and stays hidden whatever asks to show it).
//
// Inputs: the thread that raises the program's window on a second start (may be null) and the
// folders of the database list. Run() returns when the window was closed.
class MainFrame final : public Window, private SessionPrompts {
public:
    static constexpr const char* kClassName = kMainFrameClassName;

    MainFrame(RizeThread* rizeThread, DatabaseFolders folders);
    ~MainFrame() override;

    // Creates the window for CurrentDatabase and shows it with the given show command.
    bool Create(int showCommand);
    // The message loop until the window is destroyed; returns the exit code.
    int Run();

protected:
    bool OnCreate() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnTimer(UINT_PTR timerId) override;
    void OnSize(int width, int height) override;
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Marks a dialog of this window or a transition as running: nothing may then destroy or lock
    // the database under it.
    class BusyScope {
    public:
        explicit BusyScope(MainFrame& frame) : m_frame(frame) { ++m_frame.m_busy; }
        ~BusyScope();
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        MainFrame& m_frame;
    };

    // SessionPrompts
    Answer AskToSave(int stringId) override;
    void ReportSaveFailure() override;
    ChangedFileAnswer AskAboutChangedFile() override;
    std::string ChooseSaveAsPath() override;
    bool AskToReload() override;
    void ReportReloadFailure() override;
    void CommitNote() override;
    ProgressSink* Progress() override;

    // Views (MainFrameViews.cpp)
    bool CreateChildren();
    HWND CreateTitle(int id, int stringId) const;
    void LayoutChildren();
    void Rebuild();
    void ClearViews(bool commitNote);
    void ShowPanes(bool shown) const;
    void OnSelectionChanged();
    void RefreshStatus();
    ModelNode* CommandNode() const;
    FrameState CurrentState() const;
    void UpdateToolbar() const;
    void RestorePlacement();
    // Switches between the normal and the compact layout; `store` keeps the choice for the next
    // start (the command does, closing does not).
    void ApplyCompact(bool compact, bool store);
    void OnCompactMode();
    void StorePlacement() const;
    bool OnSplitterMouse(UINT message, LPARAM lParam);
    bool OnEditKey(int id);
    void RetitlePanes();

    // Menus, bookmarks and the language (MainFrameMenus.cpp)
    bool BuildMenu();
    void InsertLanguageMenu(HMENU menu) const;
    void RebuildBookmarks();
    void UpdateMenu(HMENU popup) const;
    void ShowMenuPrompt(UINT item, UINT flags, HMENU menu) const;
    void ShowContextMenu(HWND control);
    bool OnRangeCommand(int id);
    void OnBookmark(int id);
    void OnLanguage(int id);

    // Editing the tree (MainFrameEditing.cpp)
    ModelNode* ActionNode() const;
    void OnAddGroup();
    void OnAddPasscard();
    void OnAddItem();
    void OnAdd();
    void OnEdit();
    void ShowAdded(ModelNode& parent, ModelNode& node);
    void OnDelete();
    void OnDuplicate();
    void OnAddBookmark();
    void OnRemoveBookmark();
    void SetBookmark(bool bookmark);
    void OnSearchEvent(int code);
    // Moving nodes by dragging them within the tree or the list, or filling another program's
    // window with one dropped there.
    void BeginDrag(ModelNode* node);
    bool OnDragMouse(UINT message, LPARAM lParam);
    // The pointer for a move inside the window, a fill of another program's window, or neither.
    HCURSOR DragCursor(bool movable, bool fills) const;
    ModelNode* NodeUnder(POINT screen) const;
    void DropOn(ModelNode& target);

    // Commands (MainFrameCommands.cpp)
    void OnNew();
    void OnOpen();
    void OnSave();
    void OnSaveAs();
    void OnLock();
    void OnLogoff();
    void OnChangePassword();
    void OnDatabaseSettings();
    void OnInstallRemovable();
    void OnExit();
    void OnCopy();
    void OnSelectAll();
    void OnCollapseAll();
    void OnExpandAll();
    void OnToggleToolbar();
    void OnToggleStatusBar();
    void OnAlwaysOnTop();
    void OnManageDatabases();
    void OnSettings();
    void OnExport();
    void OnExportItem();
    void OnPrint();
    void OnPrintItem();
    void OnImport();
    void ApplyViewSettings();
    void OnGenerator();
    void OnAbout();
    void OnCheckUpdates();
    void OnShowWindow();
    void OnUserGuide();
    void OpenLink(const ModelNode* node);
    void OnNextFocus();
    void OnEscape();

    // Transitions (MainFrameSession.cpp)
    void Lock(bool shown);
    void Logoff();
    void OpenDatabase(const std::string& path);
    void HandOver();
    // The window came to the front: offers to read the file again when another writer changed it.
    void CheckFileOnDisk();
    bool TryClose();
    INT_PTR RunLogin(const std::string& file, bool fileGiven, bool shown);
    void ReturnFromLogin(const ModelNode* reselect);
    void RaiseLogin() const;
    template <typename DialogType>
    INT_PTR RunDialog(DialogType& dialog);
    void BringModalForward() const;

    // Desktop services (MainFrameServices.cpp)
    void EnsureTray();
    void RegisterHotKey();
    void OnHotKey();
    void CopyNode(const ModelNode* node);
    void OnPutClipboard(LPARAM text);
    void OnSelectNode(LPARAM node);
    void OnMonitorTick();
    bool OnSysCommand(WPARAM command);
    bool OnWindowPosChanging(WINDOWPOS& position) const;

    static const CommandTable<MainFrame> kCommands;

    RizeThread* m_rizeThread;
    DatabaseFolders m_folders;
    DatabaseList m_list;
    DatabaseSession m_session;
    HACCEL m_accelerators = nullptr;
    MainToolbar m_toolbar;
    PasscardTree m_tree;
    ItemList m_items;
    NotePane m_note;
    StatusBar m_status;
    HWND m_treeTitle = nullptr;
    HWND m_itemsTitle = nullptr;
    HWND m_noteTitle = nullptr;
    QuickSearchBox m_search;
    // The search box shows its hint, not text the user typed.
    // The bookmarked passcards in menu order, as the Bookmarks entries were last built.
    std::vector<Passcard*> m_bookmarks;
    int m_treeWidth = PaneLayout::kDefaultTreeWidth;
    int m_itemsHeight = PaneLayout::kDefaultItemsHeight;
    PaneLayout::Splitter m_dragging = PaneLayout::Splitter::None;
    bool m_compact = false;
    // The node being dragged (the mouse is captured meanwhile), or null.
    ModelNode* m_dragNode = nullptr;
    // The normal layout's window size while the compact one is shown.
    SIZE m_normalSize{};

    std::unique_ptr<TrayIcon> m_tray;
    HotKeyRegistration m_hotKey;
    std::unique_ptr<SecretClipboard> m_clipboard;
    // The text the window's own copy is passing in MSG_PUT_CLIPBOARD; nothing else is accepted.
    const char* m_clipboardText = nullptr;
    WindowTimer m_refreshTimer;
    WindowTimer m_monitorTimer;
    Win32WindowSystem m_windowSystem;
    WindowMonitor m_monitor;
    UpdateNotices m_updates;

    int m_busy = 0;
    bool m_pendingHandOver = false;
    // ID_FILE_LOCK or ID_FILE_LOGOFF asked for while a dialog was up, or 0.
    int m_pendingTransition = 0;
    // The file on disk is checked each time the user comes back to the window.
    bool m_activatedBefore = false;
    // A lock, log-off or open is waiting for the password in this login dialog.
    LoginDialog* m_login = nullptr;
    bool m_ignoreSelection = false;
};

template <typename DialogType>
INT_PTR MainFrame::RunDialog(DialogType& dialog) {
    BusyScope busy(*this);
    return dialog.RunModal(Handle());
}

} // namespace vaultlet
