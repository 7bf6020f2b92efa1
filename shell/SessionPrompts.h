#pragma once

namespace vaultlet {

class ProgressSink;

// What the open database's transitions need from the window that runs them: the save question,
// the report of a save that failed, the note the user may still be typing, and a progress display.
class SessionPrompts {
public:
    enum class Answer { Yes, No, Cancel };

    // Asks whether to save before the transition; `stringId` is the question's text.
    virtual Answer AskToSave(int stringId) = 0;
    virtual void ReportSaveFailure() = 0;
    // Stores text typed into the note pane into the model, so that a save or prompt sees it.
    virtual void CommitNote() = 0;
    // Null: save without showing progress.
    virtual ProgressSink* SaveProgress() = 0;

protected:
    ~SessionPrompts() = default;
};

} // namespace vaultlet
