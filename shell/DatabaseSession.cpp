#include "shell/DatabaseSession.h"

#include "core/EncryptedDatabase.h"
#include "core/ModifiedFlag.h"
#include "shell/CurrentDatabase.h"
#include "shell/DatabaseList.h"

#include <utility>

namespace vaultlet {
namespace {

bool HasUnsavedFile() {
    const EncryptedDatabase* database = CurrentDatabase::Get();
    return database != nullptr && !database->Path().empty() && ModifiedFlag::IsRaised();
}

// Writing the document clears the flag and a failed save raises it again; setting it here as well
// makes the flag tell the truth afterwards whatever the core did.
DatabaseSession::SaveResult Settle(vaultlet::SaveResult written) {
    if (written != vaultlet::SaveResult::Saved) {
        ModifiedFlag::Raise();
        return DatabaseSession::SaveResult::Failed;
    }
    ModifiedFlag::Clear();
    return DatabaseSession::SaveResult::Saved;
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
    if (Reported(SaveOwnFile(m_prompts.Progress())) != SaveResult::Saved) {
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
    return Reported(SaveOwnFile(m_prompts.Progress()));
}

DatabaseSession::SaveResult DatabaseSession::SaveAs(const std::string& path) {
    m_prompts.CommitNote();
    if (CurrentDatabase::Get() == nullptr || path.empty()) {
        return SaveResult::NoPath;
    }
    return Reported(SaveNewFile(path, m_prompts.Progress()));
}

void DatabaseSession::EndSession(bool ending) {
    if (!ending) {
        return;
    }
    m_prompts.CommitNote();
    if (HasUnsavedFile()) {
        // Nobody is left to tell: the flag simply stays raised when this fails.
        SaveOwnFile(nullptr);
    }
}

std::unique_ptr<EncryptedDatabase> DatabaseSession::OfferReload() {
    m_prompts.CommitNote();
    const EncryptedDatabase* database = CurrentDatabase::Get();
    if (database == nullptr || database->Path().empty() || ModifiedFlag::IsRaised()) {
        return nullptr;
    }
    const std::optional<FileStamp> change = database->ChangeOnDisk();
    if (!change || change == m_declinedChange) {
        return nullptr;
    }
    if (!m_prompts.AskToReload()) {
        m_declinedChange = change;
        return nullptr;
    }
    LoadResult result = LoadResult::CannotOpen;
    std::unique_ptr<EncryptedDatabase> reloaded = database->Reloaded(result, m_prompts.Progress());
    // Reading clears the flag; the open copy had no unsaved changes either way.
    ModifiedFlag::Clear();
    if (reloaded == nullptr) {
        m_declinedChange = change;
        m_prompts.ReportReloadFailure();
    }
    return reloaded;
}

DatabaseSession::SaveResult DatabaseSession::SaveOwnFile(ProgressSink* progress) {
    EncryptedDatabase& database = *CurrentDatabase::Get();
    const vaultlet::SaveResult written = database.SaveWithResult({}, progress);
    if (written != vaultlet::SaveResult::ChangedOnDisk) {
        return Settle(written);
    }
    switch (m_prompts.AskAboutChangedFile()) {
    case SessionPrompts::ChangedFileAnswer::Overwrite:
        return Settle(database.SaveWithResult({}, progress, EncryptedDatabase::ChangedFile::Overwrite));
    case SessionPrompts::ChangedFileAnswer::SaveAs: {
        const std::string path = m_prompts.ChooseSaveAsPath();
        if (!path.empty()) {
            return SaveNewFile(path, progress);
        }
        break;
    }
    case SessionPrompts::ChangedFileAnswer::Cancel:
        break;
    }
    ModifiedFlag::Raise();
    return SaveResult::Cancelled;
}

DatabaseSession::SaveResult DatabaseSession::SaveNewFile(const std::string& path, ProgressSink* progress) {
    const SaveResult result = Settle(CurrentDatabase::Get()->SaveAs(path, progress));
    if (result == SaveResult::Saved) {
        m_list.Load();
        m_list.AddFile(path);
    }
    return result;
}

DatabaseSession::SaveResult DatabaseSession::Reported(SaveResult result) {
    if (result == SaveResult::Failed) {
        m_prompts.ReportSaveFailure();
    }
    return result;
}

void DatabaseSession::Defer(Transition transition) {
    if (m_deferred != Transition::Logoff) {
        m_deferred = transition;
    }
}

DatabaseSession::Transition DatabaseSession::TakeDeferred() {
    return std::exchange(m_deferred, Transition::None);
}

} // namespace vaultlet
