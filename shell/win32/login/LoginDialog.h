#pragma once

#include "autofill/AutofillTarget.h"
#include "autofill/win32/Win32WindowSystem.h"
#include "shell/DatabaseList.h"
#include "shell/win32/system/HotKeyRegistration.h"
#include "shell/win32/system/TrayIcon.h"
#include "shell/win32/ui/ComboBox.h"
#include "shell/win32/ui/CommandTable.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/ProgressBar.h"
#include "shell/win32/ui/ScopedHandles.h"
#include "shell/win32/ui/ToolTip.h"
#include "shell/win32/ui/WindowIcons.h"

#include <memory>
#include <string>

namespace vaultlet {

class RizeThread;

// Chooses a database from the known ones and takes its master password. Serves the first login, a
// login after log-off, the unlock of a locked database (when CurrentDatabase is already open, only
// the password is compared) and a file handed over by a second start of the program.
//
// While it is up it has its own tray icon (when "ShowTrayIcon" is set) and holds the global hot key,
// so the user can call it back from anywhere.
//
// Inputs: the file to open (may be empty), whether it was handed in (which locks the choice to it),
// whether the window starts visible, the thread that raises it on a second start (may be null), and
// the folders of the database list.
// Outputs: ends with IDOK when CurrentDatabase holds the database whose password matched (or one just
// created); IDCANCEL or ID_APP_EXIT otherwise. When the hot key called it up from another program,
// a successful login within a minute goes on to the auto-fill chooser for that program's window, if
// the window still shows the same title in the same program.
class LoginDialog final : public Dialog {
public:
    struct Options {
        std::string fileToOpen;
        bool fileGiven = false;
        bool shown = true;
        RizeThread* rizeThread = nullptr;
    };

    LoginDialog(Options options, DatabaseFolders folders);
    ~LoginDialog() override;

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnTimer(UINT_PTR timerId) override;
    void OnOk() override;
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void SetUpWindow();
    void FillList();
    void ApplySelectionRule();
    void CreateDatabaseFromList();
    std::string SelectedPath() const;
    bool OpenSelected(const SecureString& password);
    bool Unlock(const SecureString& password);
    void RejectPassword(int messageId);

    void OnManageList();
    void OnAddExisting();
    void OnKeyboard();
    void OnShowWindow();
    void OnAbout();
    void OnExit();
    void OnSelectionChange();

    void OnTrayNotify(LPARAM mouseMessage);
    void OnOpenFile();
    void OnHotKey();
    void FillAfterHotKey();
    bool OnSysCommand(WPARAM command);

    static const CommandTable<LoginDialog> kCommands;

    Options m_options;
    DatabaseList m_list;
    ComboBox m_databases;
    ProgressBar m_progress;
    std::unique_ptr<TrayIcon> m_tray;
    HotKeyRegistration m_hotKey;
    WindowIcons m_icons;
    ToolTip m_toolTip;
    WindowTimer m_hideTimer;
    Win32WindowSystem m_windows;
    // The window in front when the hot key called the login up, if it was another program's.
    AutofillTarget m_hotKeyTarget;
};

} // namespace vaultlet
