#include "shell/DatabaseSession.h"

#include "core/EncryptedDatabase.h"
#include "core/ModifiedFlag.h"
#include "resources/StringIds.h"
#include "services/LanguagePack.h"
#include "shell/CurrentDatabase.h"
#include "shell/DatabaseList.h"
#include "shell/RecoveryCopy.h"

#include <utility>

namespace vaultlet {
namespace {

bool HasUnsavedFile() {
    const EncryptedDatabase* database = CurrentDatabase::Get();
    return database != nullptr && !database->Path().empty() && ModifiedFlag::IsRaised();
}

// The save did not happen: the changes stay unsaved.
DatabaseSession::SaveResult Abandoned() {
    ModifiedFlag::Raise();
    return DatabaseSession::SaveResult::Cancelled;
}

} // namespace

// Writing the document clears the flag and a failed save raises it again; setting it here as well
// makes the flag tell the truth afterwards whatever the core did.
DatabaseSession::SaveResult DatabaseSession::Settle(vaultlet::SaveResult written) {
    if (written != vaultlet::SaveResult::Saved) {
        ModifiedFlag::Raise();
        return SaveResult::Failed;
    }
    ModifiedFlag::Clear();
    m_changeSaveFailureReported = false;
    m_changeSavesHeld = false;
    return SaveResult::Saved;
}

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

DatabaseSession::SaveResult DatabaseSession::SaveAfterChange() {
    m_prompts.CommitNote();
    if (!HasUnsavedFile() || m_changeSavesHeld) {
        return SaveResult::NoPath;
    }
    const SaveResult result = SaveOwnFile(m_prompts.Progress());
    if (result == SaveResult::Cancelled) {
        m_changeSavesHeld = true;
    } else if (result == SaveResult::Failed && !std::exchange(m_changeSaveFailureReported, true)) {
        m_prompts.ReportSaveFailure();
    }
    return result;
}

DatabaseSession::SessionEnd DatabaseSession::EndSession(const std::string& documentsFolder) {
    m_prompts.CommitNote();
    EncryptedDatabase* database = CurrentDatabase::Get();
    if (database == nullptr || !ModifiedFlag::IsRaised()) {
        return {};
    }
    if (m_recoveredChanges == ModifiedFlag::Raises()) {
        return {SessionEnd::Outcome::Recovered, m_recoveryCopy};
    }
    // Never the question about a file another writer changed: their version stays, ours goes to
    // the copy.
    if (!database->Path().empty() && Settle(database->SaveWithResult({}, nullptr)) == SaveResult::Saved) {
        return {SessionEnd::Outcome::Saved, {}};
    }
    const std::string copy = RecoveryCopy::Write(*database, documentsFolder);
    // The database's own file still lacks the changes.
    ModifiedFlag::Raise();
    if (copy.empty()) {
        return {SessionEnd::Outcome::NotSaved, {}};
    }
    m_recoveredChanges = ModifiedFlag::Raises();
    m_recoveryCopy = copy;
    RecoveryCopy::Remember(copy);
    m_list.Load();
    m_list.AddFile(copy);
    return {SessionEnd::Outcome::Recovered, copy};
}

std::unique_ptr<EncryptedDatabase> DatabaseSession::OfferReload() {
    m_prompts.CommitNote();
    const EncryptedDatabase* database = CurrentDatabase::Get();
    if (database == nullptr || database->Path().empty()) {
        return nullptr;
    }
    const std::optional<FileStamp> change = database->ChangeOnDisk();
    if (!change || change == m_declinedChange) {
        return nullptr;
    }
    if (ModifiedFlag::IsRaised()) {
        // Declined, given up or failed: this version is not offered again (a merge that went
        // through leaves no change to offer).
        if (!m_prompts.AskToMerge() || Reported(SaveOwnFile(m_prompts.Progress(), true)) != SaveResult::Saved) {
            m_declinedChange = change;
        }
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

DatabaseSession::SaveResult DatabaseSession::SaveOwnFile(ProgressSink* progress, bool mergeFirst) {
    EncryptedDatabase& database = *CurrentDatabase::Get();
    std::optional<MergeReport> merged;
    if (mergeFirst && !MergeFile(database, progress, merged)) {
        return Abandoned();
    }
    vaultlet::SaveResult written = database.SaveWithResult({}, progress);
    while (written == vaultlet::SaveResult::ChangedOnDisk) {
        switch (m_prompts.AskAboutChangedFile()) {
        case SessionPrompts::ChangedFileAnswer::Merge:
            if (!MergeFile(database, progress, merged)) {
                return Abandoned();
            }
            // Checked again: yet another change meanwhile asks again.
            written = database.SaveWithResult({}, progress);
            break;
        case SessionPrompts::ChangedFileAnswer::Overwrite:
            written = database.SaveWithResult({}, progress, EncryptedDatabase::ChangedFile::Overwrite);
            break;
        case SessionPrompts::ChangedFileAnswer::SaveAs: {
            const std::string path = m_prompts.ChooseSaveAsPath();
            return path.empty() ? Abandoned() : SaveNewFile(path, progress);
        }
        case SessionPrompts::ChangedFileAnswer::Cancel:
            return Abandoned();
        }
    }
    const SaveResult result = Settle(written);
    if (result == SaveResult::Saved && merged) {
        m_prompts.ReportMerge(*merged);
    }
    return result;
}

bool DatabaseSession::MergeFile(EncryptedDatabase& database, ProgressSink* progress,
                                std::optional<MergeReport>& report) {
    const std::unique_ptr<EncryptedDatabase> theirs = ReadOtherCopy(database, progress);
    if (theirs == nullptr) {
        return false;
    }
    const std::string suffix = LanguagePack::Instance().getString(IDS_OTHER_COPY_SUFFIX);
    m_prompts.ReplaceContent([&] {
        report = database.MergeOtherCopy(*theirs, suffix);
        CurrentDatabase::ContentReplaced();
    });
    return true;
}

std::unique_ptr<EncryptedDatabase> DatabaseSession::ReadOtherCopy(const EncryptedDatabase& database,
                                                                  ProgressSink* progress) {
    LoadResult result = LoadResult::CannotOpen;
    std::unique_ptr<EncryptedDatabase> theirs = database.Reloaded(result, progress);
    for (bool again = false; theirs == nullptr && result == LoadResult::WrongPassword; again = true) {
        const SecureString password = m_prompts.AskOtherCopyPassword(again);
        if (password.empty()) {
            return nullptr;
        }
        theirs = database.Reloaded(password.Viewed(), result, progress);
    }
    if (theirs == nullptr) {
        m_prompts.ReportMergeFailure();
    }
    return theirs;
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
