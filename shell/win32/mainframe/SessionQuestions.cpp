#include "shell/win32/mainframe/SessionQuestions.h"

#include "resources/resource.h"
#include "shell/win32/login/CreateNewDatabase.h"
#include "shell/win32/mainframe/NotePane.h"
#include "shell/win32/mainframe/StatusBar.h"
#include "shell/win32/ui/MessageBoxes.h"
#include "shell/win32/ui/Window.h"

namespace vaultlet {

HWND SessionQuestions::Owner() const {
    return m_owner.Handle();
}

SessionPrompts::Answer SessionQuestions::AskToSave(int stringId) {
    switch (MessageBoxes::ShowString(Owner(), stringId, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return Answer::Yes;
    case IDNO:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void SessionQuestions::ReportSaveFailure() {
    MessageBoxes::Error(Owner(), IDS_SAVE_FAILED);
}

SessionPrompts::ChangedFileAnswer SessionQuestions::AskAboutChangedFile() {
    // Enter picks Save As, the one answer that keeps both versions.
    switch (
        MessageBoxes::ShowString(Owner(), IDS_FILE_CHANGED_ON_DISK, MB_YESNOCANCEL | MB_ICONWARNING | MB_DEFBUTTON2)) {
    case IDYES:
        return ChangedFileAnswer::Overwrite;
    case IDNO:
        return ChangedFileAnswer::SaveAs;
    default:
        return ChangedFileAnswer::Cancel;
    }
}

std::string SessionQuestions::ChooseSaveAsPath() {
    return ChooseNewDatabaseFile(Owner());
}

bool SessionQuestions::AskToReload() {
    return MessageBoxes::ShowString(Owner(), IDS_RELOAD_CHANGED_FILE, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void SessionQuestions::ReportReloadFailure() {
    MessageBoxes::Error(Owner(), IDS_RELOAD_FAILED);
}

void SessionQuestions::CommitNote() {
    m_note.Commit();
}

ProgressSink* SessionQuestions::Progress() {
    return &m_status;
}

} // namespace vaultlet
