#pragma once

#include "autofill/AutofillTarget.h"
#include "autofill/win32/Win32WindowSystem.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/PasscardTree.h"
#include "shell/win32/ui/QuickSearchBox.h"
#include "shell/win32/ui/WindowIcons.h"

namespace vaultlet {

class Database;
class Passcard;

// The auto-fill chooser the hot key opens: the window it fills (title and program), and the
// passcards set to use auto-fill, under their groups, starting on the one last typed into a window
// of the target's title. OK types the chosen passcard's template into the target window (the window
// that was in front when the hot key was pressed) and remembers the target's title and description
// on the passcard. The target must still show the title it had, in the same program, at OK and
// again just before the first key; otherwise nothing is typed and the user is told why.
//
// Input: the target window (as it is now, or as it was when the hot key was pressed) and the open
// database, which outlives the dialog. Output: IDOK after a fill, IDCANCEL otherwise. The passcard's
// window fields change only on a fill, which marks the database modified.
class AutofillPasscardDialog final : public Dialog {
public:
    AutofillPasscardDialog(HWND target, Database& database);
    AutofillPasscardDialog(AutofillTarget target, Database& database);

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnOk() override;

private:
    void OnSelectionChanged();
    void OnSearchEvent(int code);
    void ShowBookmarks();
    // True when something was typed; false (and the user told) when the target changed.
    bool Fill();
    void TellTargetChanged();

    Win32WindowSystem m_windows;
    AutofillTarget m_target;
    Database& m_database;
    Passcard* m_selected = nullptr;
    PasscardTree m_tree;
    WindowIcons m_icons;
    QuickSearchBox m_search;
};

} // namespace vaultlet
