#pragma once

#include "shell/SessionPrompts.h"

#include <windows.h>

namespace vaultlet {

class FrameHost;
class NotePane;
class StatusBar;

// The open database's transitions ask their questions here: message boxes and dialogs owned by the
// main window, the Save As file dialog, the note the user may still be typing, the status bar's
// progress, and the window's views while a merge replaces the nodes they show.
class SessionQuestions final : public SessionPrompts {
public:
    SessionQuestions(FrameHost& host, NotePane& note, StatusBar& status)
        : m_host(host), m_note(note), m_status(status) {}

    Answer AskToSave(int stringId) override;
    void ReportSaveFailure() override;
    ChangedFileAnswer AskAboutChangedFile() override;
    std::string ChooseSaveAsPath() override;
    bool AskToReload() override;
    void ReportReloadFailure() override;
    bool AskToMerge() override;
    SecureString AskOtherCopyPassword(bool again) override;
    void ReportMergeFailure() override;
    void ReplaceContent(const std::function<void()>& replace) override;
    void ReportMerge(const MergeReport& report) override;
    void CommitNote() override;
    ProgressSink* Progress() override;

private:
    HWND Owner() const;

    FrameHost& m_host;
    NotePane& m_note;
    StatusBar& m_status;
};

} // namespace vaultlet
