#include "shell/win32/mainframe/SessionQuestions.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/MergeReportText.h"
#include "shell/win32/login/CreateNewDatabase.h"
#include "shell/win32/mainframe/ChangedFileDialog.h"
#include "shell/win32/mainframe/FrameHost.h"
#include "shell/win32/mainframe/NotePane.h"
#include "shell/win32/mainframe/OtherCopyPasswordDialog.h"
#include "shell/win32/mainframe/StatusBar.h"
#include "shell/win32/ui/MessageBoxes.h"

namespace vaultlet {

HWND SessionQuestions::Owner() const {
    return m_host.Frame();
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
    // Enter picks Merge, which keeps both copies' changes in the one file.
    const int answer =
        MessageBoxes::Ask(LanguagePack::Instance().getString(IDS_FILE_CHANGED_ON_DISK), MB_ICONWARNING, [this] {
            ChangedFileDialog dialog;
            return static_cast<int>(m_host.RunDialog(dialog));
        });
    switch (answer) {
    case IDC_CHANGED_FILE_MERGE:
        return ChangedFileAnswer::Merge;
    case IDC_CHANGED_FILE_OVERWRITE:
        return ChangedFileAnswer::Overwrite;
    case IDC_CHANGED_FILE_SAVE_AS:
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

bool SessionQuestions::AskToMerge() {
    return MessageBoxes::ShowString(Owner(), IDS_MERGE_CHANGED_FILE, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

SecureString SessionQuestions::AskOtherCopyPassword(bool again) {
    if (again) {
        MessageBoxes::Error(Owner(), IDS_INVALID_PASSWORD);
    }
    OtherCopyPasswordDialog dialog;
    if (m_host.RunDialog(dialog) != IDOK) {
        return {};
    }
    return dialog.TakePassword();
}

void SessionQuestions::ReportMergeFailure() {
    MessageBoxes::Error(Owner(), IDS_MERGE_READ_FAILED);
}

void SessionQuestions::ReplaceContent(const std::function<void()>& replace) {
    m_host.ReplaceModel(replace);
}

void SessionQuestions::ReportMerge(const MergeReport& report) {
    MessageBoxes::Show(Owner(), MergeReportText(report), MB_OK | MB_ICONINFORMATION);
}

void SessionQuestions::CommitNote() {
    m_note.Commit();
}

ProgressSink* SessionQuestions::Progress() {
    return &m_status;
}

} // namespace vaultlet
