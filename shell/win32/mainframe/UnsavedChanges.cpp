#include "shell/win32/mainframe/UnsavedChanges.h"

#include "core/ModifiedFlag.h"
#include "resources/resource.h"
#include "shell/CurrentDatabase.h"
#include "shell/DatabaseSession.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/win32/mainframe/NotePane.h"
#include "shell/win32/mainframe/StatusBar.h"

namespace vaultlet {

void UnsavedChanges::Listen(HWND window) {
    m_window = window;
    m_attempted = ModifiedFlag::Raises();
    ModifiedFlag::SetListener(&UnsavedChanges::Tell, this);
}

void UnsavedChanges::StopListening() {
    if (m_window != nullptr) {
        ModifiedFlag::SetListener(nullptr, nullptr);
        m_window = nullptr;
    }
}

void UnsavedChanges::OnChange(bool free) {
    m_posted.store(false);
    if (free && ModifiedFlag::Raises() != m_attempted) {
        if (Settings::Read(setting::kSaveAfterEveryChange) != 0) {
            m_session.SaveAfterChange();
        }
        // A failed save raises the flag again; that is no new change to save.
        m_attempted = ModifiedFlag::Raises();
    }
    Show();
}

void UnsavedChanges::Remind() {
    if (m_window != nullptr && ModifiedFlag::Raises() != m_attempted) {
        Tell(this);
    }
}

void UnsavedChanges::Show() const {
    m_status.ShowUnsaved(CurrentDatabase::Get() != nullptr && (ModifiedFlag::IsRaised() || m_note.HasTypedText()));
}

void UnsavedChanges::Tell(void* context) noexcept {
    auto* self = static_cast<UnsavedChanges*>(context);
    if (!self->m_posted.exchange(true)) {
        PostMessageA(self->m_window, MSG_UNSAVED_CHANGES, 0, 0);
    }
}

} // namespace vaultlet
