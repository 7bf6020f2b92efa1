#include "shell/win32/system/SecretClipboard.h"

#include "autofill/win32/ClipboardSession.h"
#include "autofill/win32/SecretClipboardFormats.h"
#include "shell/Settings.h"

#include <cstring>

namespace vaultlet {
namespace {

constexpr UINT kTickMilliseconds = 1000;
// At exit there is no later tick: a clipboard held open by a reader is waited for this long.
constexpr int kFinalAttempts = 50;
constexpr DWORD kFinalAttemptMilliseconds = 10;

} // namespace

SecretClipboard::~SecretClipboard() {
    for (int attempt = 0; attempt < kFinalAttempts && TryClear() == ClearOutcome::Busy; ++attempt) {
        Sleep(kFinalAttemptMilliseconds);
    }
}

bool SecretClipboard::Copy(std::string_view text) {
    // After a failed copy a value of ours that is still there stays under the running countdown.
    if (!SecretClipboardFormats::Replace(m_owner, text)) {
        return false;
    }
    m_ours.Remember(text);
    const bool autoDestroy = Settings::Read(setting::kEnableAutoDestroy) != 0;
    StartTimer(m_countdown.Start(autoDestroy, Settings::Read(setting::kAutoDestroyTimeout)));
    return true;
}

void SecretClipboard::TakeOver(std::string_view text) {
    m_ours.Remember(text);
    StartTimer(m_countdown.RetryClear());
}

void SecretClipboard::ClearIfOurs() {
    if (TryClear() == ClearOutcome::Busy) {
        StartTimer(m_countdown.RetryClear());
        return;
    }
    m_countdown.Cancel();
    m_timer.Stop();
}

void SecretClipboard::OnTimer() {
    if (!m_countdown.Tick(*this)) {
        m_timer.Stop();
    }
}

void SecretClipboard::StartTimer(ClipboardCountdown::TimerRequest request) {
    if (request == ClipboardCountdown::TimerRequest::Restart) {
        m_timer.Start(m_owner, m_timerId, kTickMilliseconds);
    }
}

ClipboardAccess::ClearOutcome SecretClipboard::TryClear() {
    if (!m_ours.IsSet()) {
        return ClearOutcome::NotOurs;
    }
    // At exit the owner window may be gone before this object; the clipboard still opens without it.
    ClipboardSession clipboard(IsWindow(m_owner) ? m_owner : nullptr);
    if (!clipboard.IsOpen()) {
        return ClearOutcome::Busy;
    }
    const bool ours = ClipboardHoldsOurs();
    if (ours) {
        EmptyClipboard();
    }
    m_ours.Forget();
    return ours ? ClearOutcome::Cleared : ClearOutcome::NotOurs;
}

// With the clipboard open: its text, whoever put it there, is the text we put.
bool SecretClipboard::ClipboardHoldsOurs() const {
    HANDLE block = GetClipboardData(CF_TEXT);
    const auto* data = static_cast<const char*>(block != nullptr ? GlobalLock(block) : nullptr);
    if (data == nullptr) {
        return false;
    }
    const bool same = m_ours.Matches(std::string_view(data, strnlen(data, GlobalSize(block))));
    GlobalUnlock(block);
    return same;
}

} // namespace vaultlet
