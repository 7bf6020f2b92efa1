#pragma once

#include "shell/DatabaseList.h"
#include "shell/win32/ui/CommandTable.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/ListView.h"
#include "shell/win32/ui/WindowIcons.h"

namespace vaultlet {

// Shows the known databases (name and full path, with the icon of a file beside the program or
// elsewhere) and lets the user create a database, add an existing file, remove one (except those
// beside the program), clear the list and search for files. Every change is saved to the settings
// at once.
//
// Input: the folders of the list. Output: the stored list; the caller reloads its own.
class ManageDatabaseListDialog final : public Dialog {
public:
    explicit ManageDatabaseListDialog(DatabaseFolders folders);

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;

private:
    void Refill();
    void UpdateButtons() const;
    void AnswerText(NMLVDISPINFOA& request) const;

    void OnNew();
    void OnAdd();
    void OnRemove();
    void OnClear();
    void OnSearch();

    static const CommandTable<ManageDatabaseListDialog> kCommands;

    DatabaseList m_list;
    ListView m_view;
    WindowIcons m_icons;
};

} // namespace vaultlet
