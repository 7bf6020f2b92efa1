#pragma once

#include "shell/SessionPrompts.h"

#include <windows.h>

namespace vaultlet {

class NotePane;
class StatusBar;
class Window;

// The open database's transitions ask their questions here: message boxes owned by the main window,
// the Save As file dialog, the note the user may still be typing and the status bar's progress.
class SessionQuestions final : public SessionPrompts {
public:
    SessionQuestions(const Window& owner, NotePane& note, StatusBar& status)
        : m_owner(owner), m_note(note), m_status(status) {}

    Answer AskToSave(int stringId) override;
    void ReportSaveFailure() override;
    ChangedFileAnswer AskAboutChangedFile() override;
    std::string ChooseSaveAsPath() override;
    bool AskToReload() override;
    void ReportReloadFailure() override;
    void CommitNote() override;
    ProgressSink* Progress() override;

private:
    HWND Owner() const;

    const Window& m_owner;
    NotePane& m_note;
    StatusBar& m_status;
};

} // namespace vaultlet
