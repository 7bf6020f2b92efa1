#pragma once

#include "shell/NodeFinder.h"
#include "shell/win32/ui/CommandTable.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/ListView.h"
#include "shell/win32/ui/WindowIcons.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace vaultlet {

class Database;
class ModelNode;

// "Find": looks through the open database as the user types and lists every group, passcard and
// field that holds the text (NodeFinder): the entry's path and where the text is in it. Enter, Go To
// or a double click on a line ends the dialog with that line's entry; the first line is selected
// after each search, so Enter right after typing goes to the first one found.
//
// Input: the database, unchanged while the dialog runs, and the text to start with (the last one
// searched). Output: Selected(), the entry to show in the main window, or null; Text(), the text in
// the box when the dialog ended.
class FindDialog final : public Dialog {
public:
    FindDialog(const Database& database, std::string text);

    const ModelNode* Selected() const noexcept { return m_selected; }
    const std::string& Text() const noexcept { return m_text; }

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnOk() override;

private:
    void OnTextChanged();
    void OnGo();
    void OnClose();
    void AddColumns();
    void Search();
    void ShowCount() const;
    void AnswerDisplay(NMLVDISPINFOA& request) const;
    std::string PlacesText(const NodeFinder::Found& found) const;
    void GoTo(int row);

    static const CommandTable<FindDialog> kCommands;

    const Database& m_database;
    std::string m_text;
    std::vector<NodeFinder::Found> m_found;
    ListView m_view;
    WindowIcons m_icons;
    // The text box reports its first text while the dialog is still being set up.
    bool m_ready = false;
    const ModelNode* m_selected = nullptr;
};

} // namespace vaultlet
