#pragma once

#include "core/ProgressSink.h"

#include <windows.h>

namespace vaultlet {

// A progress bar control that shows a long save or load: visible from Begin to End, repainted at
// once on each step because the work runs on the thread that would otherwise paint it. Does not
// own the window.
class ProgressBar final : public ProgressSink {
public:
    ProgressBar() noexcept = default;
    explicit ProgressBar(HWND window) noexcept : m_window(window) {}

    void SetPercent(int percent) override;
    void Begin(int captionId) override;
    void End() override;

private:
    HWND m_window = nullptr;
};

} // namespace vaultlet
