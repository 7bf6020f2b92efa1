#pragma once

#include "shell/ProgramOptions.h"
#include "shell/win32/ui/CommandTable.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/WindowIcons.h"

namespace vaultlet {

// "Program Settings": the program's options on the pages "System Tray" (with the locks when the user
// is away), "View", "Common" and "Auto-fill", with the enable rules between them, the auto-fill hot
// key and the "Run at Windows Startup" entry.
//
// Input: the settings store, read when the dialog opens. Output after OK: the options the user
// changed written as one batch and the start-up entry created or deleted when its box changed
// (nothing else is written); when the store refuses them the dialog says so and stays open, so the
// user can try again or cancel. Cancel writes nothing.
// Changes() tells the caller what to redo afterwards (tray icon, toolbar, status bar, always on
// top, tree lines, hot key); it names nothing after Cancel.
class SettingsDialog final : public Dialog {
public:
    // The pages in the order of their tabs.
    enum Page { kTrayPage, kViewPage, kCommonPage, kAutofillPage };

    explicit SettingsDialog(Page firstPage = kTrayPage);

    // The options as OK stored them; after Cancel, as the dialog found them.
    const ProgramOptions& Chosen() const noexcept { return m_chosen; }
    ProgramOptions::Changes Changes() const { return m_chosen.ChangesFrom(m_original); }

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnOk() override;
    // The part of the settings page of the guide for the tab shown.
    std::string_view HelpPage() const override;

private:
    void SetUpTabs();
    void SetUpFields();
    void ShowOptions(const ProgramOptions& options);
    ProgramOptions ReadOptions() const;
    void ApplyEnableRules();
    void ShowPage(int page);

    static const CommandTable<SettingsDialog> kCommands;

    Page m_firstPage;
    ProgramOptions m_original;
    ProgramOptions m_chosen;
    WindowIcons m_icons;
};

} // namespace vaultlet
