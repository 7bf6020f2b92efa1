#pragma once

#include "core/ProgressSink.h"
#include "shell/DpiScale.h"
#include "shell/win32/ui/ScopedHandles.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace vaultlet {

class Database;

// The main window's status bar: a text pane (menu prompts), a pane with an icon that shows either
// the database's statistics or the clipboard countdown, and at the right end a pane that says when
// the database has unsaved changes (as wide as that text, empty otherwise). A long save shows its
// progress in the text pane.
class StatusBar final : public ProgressSink {
public:
    // The right pane's width at 96 DPI; a text that needs more (a longer translation) widens it.
    static constexpr int kInfoPaneWidth = 340;
    static constexpr int kTextPart = 0;
    static constexpr int kInfoPart = 1;
    static constexpr int kUnsavedPart = 2;

    bool Create(HWND parent, int id);
    HWND Handle() const noexcept { return m_window; }
    // The window's resolution, at its creation and whenever it changes: the icon and the panes follow.
    void SetDpi(const DpiScale& dpi);
    // Sizes itself along the parent's bottom edge and re-divides its panes.
    void Layout() const;
    int Height() const;
    // The narrowest bar that shows its right-hand panes whole: the statistics or the countdown with
    // its icon, and the unsaved-changes pane with the size grip.
    int MinimumWidth() const { return InfoWidth() + UnsavedPaneWidth(); }

    void SetText(std::string_view text) const;
    // The statistics of the database, or nothing without one.
    void ShowStatistics(const Database* database);
    void ShowCountdown(int seconds);
    void ShowUnsaved(bool unsaved);

    // ProgressSink
    void Begin(int captionId) override;
    void SetPercent(int percent) override;
    void End() override;

private:
    void SetInfo(std::string_view text, int image);
    // The width that shows the statistics or countdown whole, with its icon and the pane's borders.
    int InfoWidth() const;
    // The unsaved-changes pane's width: its text in the bar's font, with room for the pane's edges
    // and the size grip.
    int UnsavedPaneWidth() const;
    void ShowIcon();

    HWND m_window = nullptr;
    DpiScale m_dpi;
    UniqueIcon m_icon;
    int m_image = -1;
    std::string m_info;
    std::string m_caption;
};

} // namespace vaultlet
