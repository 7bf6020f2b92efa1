#include "shell/DatabaseSession.h"

#include "core/ModifiedFlag.h"
#include "shell/CurrentDatabase.h"
#include "shell/DatabaseList.h"

namespace vaultlet {
namespace {

bool HasUnsavedFile() {
    const EncryptedDatabase* database = CurrentDatabase::Get();
    return database != nullptr && !database->Path().empty() && ModifiedFlag::IsRaised();
}

} // namespace

SessionPrompts::Answer DatabaseSession::SavePrompt(int stringId) {
    m_prompts.CommitNote();
    if (!HasUnsavedFile()) {
        return SessionPrompts::Answer::No;
    }
    const SessionPrompts::Answer answer = m_prompts.AskToSave(stringId);
    if (answer != SessionPrompts::Answer::Yes) {
        return answer;
    }
    if (!SaveTo(CurrentDatabase::Get()->Path(), m_prompts.SaveProgress())) {
        m_prompts.ReportSaveFailure();
        return SessionPrompts::Answer::Cancel;
    }
    return answer;
}

DatabaseSession::SaveResult DatabaseSession::Save() {
    m_prompts.CommitNote();
    const EncryptedDatabase* database = CurrentDatabase::Get();
    if (database == nullptr || database->Path().empty()) {
        return SaveResult::NoPath;
    }
    if (!SaveTo(database->Path(), m_prompts.SaveProgress())) {
        m_prompts.ReportSaveFailure();
        return SaveResult::Failed;
    }
    return SaveResult::Saved;
}

DatabaseSession::SaveResult DatabaseSession::SaveAs(const std::string& path) {
    m_prompts.CommitNote();
    EncryptedDatabase* database = CurrentDatabase::Get();
    if (database == nullptr || path.empty()) {
        return SaveResult::NoPath;
    }
    if (!SaveTo(path, m_prompts.SaveProgress())) {
        m_prompts.ReportSaveFailure();
        return SaveResult::Failed;
    }
    database->SetPath(path);
    m_list.Load();
    m_list.AddFile(path);
    return SaveResult::Saved;
}

void DatabaseSession::EndSession(bool ending) {
    if (!ending) {
        return;
    }
    m_prompts.CommitNote();
    if (HasUnsavedFile()) {
        // Nobody is left to tell: the flag simply stays raised when this fails.
        SaveTo(CurrentDatabase::Get()->Path(), nullptr);
    }
}

bool DatabaseSession::SaveTo(const std::string& path, ProgressSink* progress) {
    // Writing the document clears the flag and a failed save raises it again, so the flag tells
    // the truth afterwards either way.
    if (!CurrentDatabase::Get()->Save(path, progress)) {
        ModifiedFlag::Raise();
        return false;
    }
    ModifiedFlag::Clear();
    return true;
}

} // namespace vaultlet
