#pragma once

#include "shell/SessionPrompts.h"

#include <string>

namespace vaultlet {

class DatabaseList;

// The saving half of the open database's life cycle (CurrentDatabase): the save prompt that guards
// every transition, Save, Save As and the save at the end of the Windows session. A save that fails
// is reported and stops whatever asked for it, so no change is ever dropped without the user
// choosing it; the modified flag stays raised until a save has really succeeded.
class DatabaseSession {
public:
    enum class SaveResult { Saved, Failed, NoPath };

    DatabaseSession(SessionPrompts& prompts, DatabaseList& list) : m_prompts(prompts), m_list(list) {}

    // Asks only when a database with a path has unsaved changes; otherwise answers No at once. Yes
    // saves to the database's own path; a save that fails is reported and answers Cancel.
    SessionPrompts::Answer SavePrompt(int stringId);
    // Saves to the database's own path. NoPath when it has none (the caller asks for one), and
    // nothing is cleared then.
    SaveResult Save();
    // Saves to the given path; only a successful save makes it the database's path, lists it and
    // clears the modified flag.
    SaveResult SaveAs(const std::string& path);
    // The Windows session ends: save without asking and without progress, when `ending` is true
    // (false means the shutdown was cancelled and the user's session goes on).
    void EndSession(bool ending);

private:
    bool SaveTo(const std::string& path, ProgressSink* progress);

    SessionPrompts& m_prompts;
    DatabaseList& m_list;
};

} // namespace vaultlet
