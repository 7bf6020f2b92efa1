#pragma once

#include <string>

namespace vaultlet {

class ProgressSink;

// What the open database's transitions need from the window that runs them: the save question,
// the questions about a file another writer changed, the reports of a save or reload that failed,
// the Save As file choice, the note the user may still be typing, and a progress display.
class SessionPrompts {
public:
    enum class Answer { Yes, No, Cancel };
    // What to do with our changes when the file was changed by another writer since we read it.
    enum class ChangedFileAnswer { Overwrite, SaveAs, Cancel };

    // Asks whether to save before the transition; `stringId` is the question's text.
    virtual Answer AskToSave(int stringId) = 0;
    virtual void ReportSaveFailure() = 0;
    // A save found the file changed by another writer: overwrite it, save under another name, or
    // leave it and keep the changes unsaved.
    virtual ChangedFileAnswer AskAboutChangedFile() = 0;
    // The Save As choice of a new file; empty when the user chose none.
    virtual std::string ChooseSaveAsPath() = 0;
    // Another writer changed the file of a database without unsaved changes: read it again?
    virtual bool AskToReload() = 0;
    // The changed file could not be read again; the open copy stays.
    virtual void ReportReloadFailure() = 0;
    // Stores text typed into the note pane into the model, so that a save or prompt sees it.
    virtual void CommitNote() = 0;
    // Shows how a save or reload advances; null: nothing is shown.
    virtual ProgressSink* Progress() = 0;

protected:
    ~SessionPrompts() = default;
};

} // namespace vaultlet
