#include "shell/win32/mainframe/SecretClipboard.h"

#include "autofill/win32/ClipboardSession.h"
#include "autofill/win32/SecretClipboardFormats.h"
#include "shell/Settings.h"

#include <cstring>

namespace vaultlet {
namespace {

constexpr UINT kTickMilliseconds = 1000;

} // namespace

SecretClipboard::~SecretClipboard() {
    ClearIfOurs();
}

bool SecretClipboard::Copy(std::string_view text) {
    // After a failed copy a value of ours that is still there stays under the running countdown:
    // the sequence number tells whether the attempt replaced it.
    if (!Put(text)) {
        return false;
    }
    Remember(text);
    const bool autoDestroy = Settings::Read(setting::kEnableAutoDestroy) != 0;
    const int timeout = Settings::Read(setting::kAutoDestroyTimeout);
    if (m_countdown.Start(autoDestroy, timeout) == ClipboardCountdown::TimerRequest::Restart) {
        m_timer.Start(m_owner, m_timerId, kTickMilliseconds);
    }
    return true;
}

void SecretClipboard::OnTimer() {
    if (!m_countdown.Tick(*this)) {
        m_timer.Stop();
    }
}

void SecretClipboard::ClearIfOurs() {
    if (TryClear() != ClearOutcome::Busy) {
        m_countdown.Cancel();
        m_timer.Stop();
    }
}

ClipboardAccess::ClearOutcome SecretClipboard::TryClear() {
    if (!StillOurs()) {
        Forget();
        return ClearOutcome::NotOurs;
    }
    // At exit the owner window may be gone before this object; the clipboard still opens without it.
    ClipboardSession clipboard(IsWindow(m_owner) ? m_owner : nullptr);
    if (!clipboard.IsOpen()) {
        return ClearOutcome::Busy;
    }
    // Checked again with the clipboard held: nobody can replace the value between check and clear.
    const bool ours = m_sequence != 0 ? GetClipboardSequenceNumber() == m_sequence : ClipboardTextIsOurs();
    if (ours) {
        EmptyClipboard();
    }
    Forget();
    return ours ? ClearOutcome::Cleared : ClearOutcome::NotOurs;
}

bool SecretClipboard::Put(std::string_view text) const {
    return SecretClipboardFormats::Replace(m_owner, text);
}

// Read after the clipboard is closed, because closing it may count as a change of its own. Had
// another program written in between, it would own the clipboard now and the value is not ours.
void SecretClipboard::Remember(std::string_view text) {
    m_sequence = GetClipboardSequenceNumber();
    m_holdsOurs = GetClipboardOwner() == m_owner;
    m_text.reset();
    if (m_holdsOurs && m_sequence == 0) {
        m_text.emplace(text);
    }
}

void SecretClipboard::Forget() noexcept {
    m_holdsOurs = false;
    m_sequence = 0;
    m_text.reset();
}

bool SecretClipboard::StillOurs() const {
    if (!m_holdsOurs) {
        return false;
    }
    if (m_sequence != 0) {
        return GetClipboardSequenceNumber() == m_sequence;
    }
    return GetClipboardOwner() == m_owner;
}

// Without a sequence number: our window owns the clipboard and it holds our text, byte for byte.
bool SecretClipboard::ClipboardTextIsOurs() const {
    if (!m_text.has_value() || GetClipboardOwner() != m_owner) {
        return false;
    }
    HANDLE block = GetClipboardData(CF_TEXT);
    const auto* data = static_cast<const char*>(block != nullptr ? GlobalLock(block) : nullptr);
    if (data == nullptr) {
        return false;
    }
    const bool same = std::string_view(data, strnlen(data, GlobalSize(block))) == m_text->Viewed();
    GlobalUnlock(block);
    return same;
}

} // namespace vaultlet
