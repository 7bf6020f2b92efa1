#pragma once

#include "core/FileSystem.h"
#include "shell/SessionPrompts.h"

#include <memory>
#include <optional>
#include <string>

namespace vaultlet {

class DatabaseList;
class EncryptedDatabase;
class ProgressSink;

// The saving half of the open database's life cycle (CurrentDatabase): the save prompt that guards
// every transition, Save, Save As, the save at the end of the Windows session, and reading the file
// again, or merging it, after another copy of the program changed it. A save that fails is reported
// and stops whatever asked for it, and a file another writer changed is overwritten only when the
// user says so, or merged with ours (DatabaseMerge against the version both started from), so no
// change is ever dropped without the user choosing it; the modified flag stays raised until a save
// has really succeeded.
class DatabaseSession {
public:
    enum class SaveResult { Saved, Failed, NoPath, Cancelled };
    enum class Transition { None, Lock, Logoff };

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
    // The Windows session ends: save without asking and without progress, when `ending` is true
    // (false means the shutdown was cancelled and the user's session goes on). Only a file another
    // writer changed meanwhile is asked about.
    void EndSession(bool ending);
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

private:
    // Saves to the database's own file, after merging the file into it first when `mergeFirst`;
    // when another writer changed that file, the user decides.
    SaveResult SaveOwnFile(ProgressSink* progress, bool mergeFirst = false);
    // Reads the other copy's version of the file and merges it into the open database; false when
    // it could not be read (reported) or the user gave up on its password.
    bool MergeFile(EncryptedDatabase& database, ProgressSink* progress, std::optional<MergeReport>& report);
    std::unique_ptr<EncryptedDatabase> ReadOtherCopy(const EncryptedDatabase& database, ProgressSink* progress);
    SaveResult SaveNewFile(const std::string& path, ProgressSink* progress);
    SaveResult Reported(SaveResult result);

    SessionPrompts& m_prompts;
    DatabaseList& m_list;
    // The version of the file the user last declined to read again (or that could not be read).
    std::optional<FileStamp> m_declinedChange;
    Transition m_deferred = Transition::None;
};

} // namespace vaultlet
