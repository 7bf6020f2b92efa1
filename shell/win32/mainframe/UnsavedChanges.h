#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

namespace vaultlet {

class DatabaseSession;
class NotePane;
class StatusBar;

// Keeps the status bar's "Unsaved changes" part true and, with "Save after every change" on, saves
// each change. The modified flag's listener posts the window one MSG_UNSAVED_CHANGES per burst of
// changes (an import raises the flag thousands of times); when it arrives the part follows the flag
// and a change made since the last save attempt is saved through the session, provided the window is
// free (no dialog or transition running, no login up); otherwise that waits until the window is free
// again (Remind). Text typed into the note counts as unsaved until the note is stored.
class UnsavedChanges {
public:
    UnsavedChanges(DatabaseSession& session, StatusBar& status, NotePane& note)
        : m_session(session), m_status(status), m_note(note) {}
    ~UnsavedChanges() { StopListening(); }
    UnsavedChanges(const UnsavedChanges&) = delete;
    UnsavedChanges& operator=(const UnsavedChanges&) = delete;

    // From now on changes are told to `window`; those made before are not saved by this.
    void Listen(HWND window);
    void StopListening();
    // MSG_UNSAVED_CHANGES: `free` says whether the window may save now.
    void OnChange(bool free);
    // Posts the message again, for a change that waited for the window to be free.
    void Remind();
    // Brings the status part up to date (the note was typed into, the status bar was refreshed).
    void Show() const;

private:
    static void Tell(void* context) noexcept;

    DatabaseSession& m_session;
    StatusBar& m_status;
    NotePane& m_note;
    HWND m_window = nullptr;
    // A message is on its way: further changes need none.
    std::atomic<bool> m_posted{false};
    // ModifiedFlag::Raises after the last save attempt (or when listening began).
    std::uint64_t m_attempted = 0;
};

} // namespace vaultlet
