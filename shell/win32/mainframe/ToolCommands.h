#pragma once

#include "shell/DatabaseFolders.h"
#include "shell/win32/ui/CommandTable.h"

#include <string>

namespace vaultlet {

class FrameHost;
class NotePane;
class PaneSelection;
class UpdateNotices;

// The main window's commands that open a dialog or a tool of their own and leave the tree as it is
// (the import adds to it and rebuilds the views): the database's password and settings, the
// removable install, the database list, export, import and printing, Find and the password health
// report (whose chosen entry the window then selects), the password generator, About, the update
// check, the user guide and the product's home and bug-report pages.
class ToolCommands {
public:
    ToolCommands(FrameHost& host, NotePane& note, const PaneSelection& selection, const DatabaseFolders& folders,
                 UpdateNotices& updates)
        : m_host(host), m_note(note), m_selection(selection), m_folders(folders), m_updates(updates) {}

    // Runs the command when it is one of these; false otherwise.
    bool Dispatch(int id, int code) { return kCommands.Dispatch(*this, id, code); }

private:
    void OnChangePassword();
    void OnDatabaseSettings();
    void OnInstallRemovable();
    void OnManageDatabases();
    void OnExport();
    void OnExportItem();
    void OnPrint();
    void OnPrintItem();
    void OnImport();
    void OnGenerator();
    void OnPasswordHealth();
    void OnFind();
    void OnAbout();
    void OnCheckUpdates();
    void OnUserGuide();
    void OnHomePage();
    void OnReportBug();

    static const CommandTable<ToolCommands> kCommands;

    FrameHost& m_host;
    NotePane& m_note;
    const PaneSelection& m_selection;
    const DatabaseFolders& m_folders;
    UpdateNotices& m_updates;
    // What Find looked for last, offered again when it opens (kept in memory only).
    std::string m_findText;
};

} // namespace vaultlet
