#pragma once

#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/PasscardTree.h"
#include "shell/win32/ui/QuickSearchBox.h"
#include "shell/win32/ui/WindowIcons.h"

#include <string>

namespace vaultlet {

class Database;
class Passcard;

// The auto-fill chooser the hot key opens: the passcards set to use auto-fill, under their groups,
// starting on the one last typed into a window of the target's title. OK types the chosen
// passcard's template into the target window (the window that was in front when the hot key was
// pressed) and remembers the target's title and description on the passcard.
//
// Input: the target window (its title is read now) and the open database, which outlives the
// dialog. Output: IDOK after a fill (or when the target had gone), IDCANCEL otherwise. The passcard's
// window fields change only on a fill, which marks the database modified.
class AutofillPasscardDialog final : public Dialog {
public:
    AutofillPasscardDialog(HWND target, Database& database);

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnOk() override;

private:
    void OnSelectionChanged();
    void OnSearchEvent(int code);
    void ShowBookmarks();
    void Fill();

    HWND m_target;
    std::string m_targetTitle;
    Database& m_database;
    Passcard* m_selected = nullptr;
    PasscardTree m_tree;
    WindowIcons m_icons;
    QuickSearchBox m_search;
};

} // namespace vaultlet
