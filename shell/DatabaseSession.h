#pragma once

#include "core/FileSystem.h"
#include "core/SaveResult.h"
#include "shell/SessionPrompts.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace vaultlet {

class DatabaseList;
class EncryptedDatabase;
class ProgressSink;

// The saving half of the open database's life cycle (CurrentDatabase): the save prompt that guards
// every transition, Save, Save As, the saves after every change, the save at the end of the Windows
// session, and reading the file again, or merging it, after another copy of the program changed it.
// A save that fails is reported and stops whatever asked for it, and a file another writer changed
// is overwritten only when the user says so, or merged with ours (DatabaseMerge against the version
// both started from), so no change is ever dropped without the user choosing it; the modified flag
// stays raised until a save has really succeeded.
class DatabaseSession {
public:
    enum class SaveResult { Saved, Failed, NoPath, Cancelled };
    enum class Transition { None, Lock, Logoff };

    // What the end of the Windows session did with unsaved changes.
    struct SessionEnd {
        enum class Outcome { NothingToSave, Saved, Recovered, NotSaved };
        Outcome outcome = Outcome::NothingToSave;
        // Where the recovery copy was written (Recovered only).
        std::string recoveryCopy;
    };

    DatabaseSession(SessionPrompts& prompts, DatabaseList& list) : m_prompts(prompts), m_list(list) {}

    // Asks only when a database with a path has unsaved changes; otherwise answers No at once. Yes
    // saves to the database's own path; a save that fails is reported and answers Cancel, and so
    // does a Cancel at the question about a file another writer changed.
    SessionPrompts::Answer SavePrompt(int stringId);
    // Saves to the database's own path. NoPath when it has none (the caller asks for one), and
    // nothing is cleared then.
    SaveResult Save();
    // Saves to the given path; only a successful save makes it the database's path, lists it and
    // clears the modified flag.
    SaveResult SaveAs(const std::string& path);
    // "Save after every change": saves to the database's own file as Save does, when it has one and
    // unsaved changes. A failure is reported once, not again until a save succeeds; a Cancel at the
    // question about a file another writer changed stops these saves until a save succeeds (each of
    // them would ask it again).
    SaveResult SaveAfterChange();
    // The Windows session ends: unsaved changes are written without asking anything and without
    // progress, since nobody may be there to answer and Windows does not wait. They go to the
    // database's own file when that works and nobody else changed it; otherwise to a recovery copy
    // (RecoveryCopy) beside it or in `documentsFolder`, which is added to the database list and kept
    // for the next start to tell. A copy is written once for the same changes (as long as no
    // database is read meanwhile: reading raises the modified flag too). The open database keeps
    // its path and, unless its own file took the changes, its raised modified flag.
    SessionEnd EndSession(const std::string& documentsFolder);
    // The window came to the front. When another writer changed the open database's file, asks once
    // for each version of the file: without unsaved changes whether to read it again, with them
    // whether to merge it and save. Returns the database read again, for the caller to put in place
    // of the open one once nothing points into the old one any more; null when the open one stays
    // (not asked, No, a merge, or a failure that was reported).
    std::unique_ptr<EncryptedDatabase> OfferReload();

    // A lock or log-off asked for while a dialog of the window is up must neither pull the database
    // from under the dialog nor be forgotten: it waits until the dialog ends. When both are asked
    // for, the log-off is kept, since it hides the data as the lock does and also closes the file.
    void Defer(Transition transition);
    // The transition waiting for the dialogs to end (None when there is none); forgets it.
    Transition TakeDeferred();
    // An automatic lock asked for under a dialog is kept apart from the transition the user asked
    // for: it must happen even when the user cancels that one's save question.
    void DeferAutomaticLock() { m_automaticLockDeferred = true; }
    bool TakeDeferredAutomaticLock() { return std::exchange(m_automaticLockDeferred, false); }

private:
    // Saves to the database's own file, after merging the file into it first when `mergeFirst`;
    // when another writer changed that file, the user decides.
    SaveResult SaveOwnFile(ProgressSink* progress, bool mergeFirst = false);
    // Reads the other copy's version of the file and merges it into the open database; false when
    // it could not be read (reported) or the user gave up on its password.
    bool MergeFile(EncryptedDatabase& database, ProgressSink* progress, std::optional<MergeReport>& report);
    std::unique_ptr<EncryptedDatabase> ReadOtherCopy(const EncryptedDatabase& database, ProgressSink* progress);
    SaveResult SaveNewFile(const std::string& path, ProgressSink* progress);
    // Makes the modified flag tell the outcome of a written file, and ends what a failure started.
    SaveResult Settle(vaultlet::SaveResult written);
    SaveResult Reported(SaveResult result);

    SessionPrompts& m_prompts;
    DatabaseList& m_list;
    // The version of the file the user last declined to read again (or that could not be read).
    std::optional<FileStamp> m_declinedChange;
    Transition m_deferred = Transition::None;
    bool m_automaticLockDeferred = false;
    // Since the last successful save: a save after a change failed and was reported, or its question
    // about a changed file was cancelled.
    bool m_changeSaveFailureReported = false;
    bool m_changeSavesHeld = false;
    // The last recovery copy and the changes (ModifiedFlag::Raises) it holds.
    std::optional<std::uint64_t> m_recoveredChanges;
    std::string m_recoveryCopy;
};

} // namespace vaultlet
