#pragma once

#include "core/MergeReport.h"
#include "core/SecureString.h"

#include <functional>
#include <string>

namespace vaultlet {

class ProgressSink;

// What the open database's transitions need from the window that runs them: the save question,
// the questions about a file another writer changed, merging that writer's changes, the reports of
// a save or reload that failed, the Save As file choice, the note the user may still be typing, and
// a progress display.
class SessionPrompts {
public:
    enum class Answer { Yes, No, Cancel };
    // What to do with our changes when the file was changed by another writer since we read it.
    enum class ChangedFileAnswer { Merge, Overwrite, SaveAs, Cancel };

    // Asks whether to save before the transition; `stringId` is the question's text.
    virtual Answer AskToSave(int stringId) = 0;
    virtual void ReportSaveFailure() = 0;
    // A save found the file changed by another writer: merge their changes into ours and save,
    // overwrite it, save under another name, or leave it and keep the changes unsaved.
    virtual ChangedFileAnswer AskAboutChangedFile() = 0;
    // The Save As choice of a new file; empty when the user chose none.
    virtual std::string ChooseSaveAsPath() = 0;
    // Another writer changed the file of a database without unsaved changes: read it again?
    virtual bool AskToReload() = 0;
    // The changed file could not be read again; the open copy stays.
    virtual void ReportReloadFailure() = 0;
    // Another writer changed the file of a database with unsaved changes: merge theirs and save?
    virtual bool AskToMerge() = 0;
    // The other copy does not open with the master password of ours: its own password, or an empty
    // text when the user gives up. `again` says the previous one was wrong as well.
    virtual SecureString AskOtherCopyPassword(bool again) = 0;
    // The other copy could not be read for a merge; nothing was merged.
    virtual void ReportMergeFailure() = 0;
    // Runs `replace`, which puts new nodes in place of the open database's: the views let go of
    // the old nodes before and show the new ones after.
    virtual void ReplaceContent(const std::function<void()>& replace) = 0;
    // The merged database was saved: what came from the other copy.
    virtual void ReportMerge(const MergeReport& report) = 0;
    // Stores text typed into the note pane into the model, so that a save or prompt sees it.
    virtual void CommitNote() = 0;
    // Shows how a save or reload advances; null: nothing is shown.
    virtual ProgressSink* Progress() = 0;

protected:
    ~SessionPrompts() = default;
};

} // namespace vaultlet
