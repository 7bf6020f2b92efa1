#pragma once

#include "health/HealthReport.h"
#include "shell/HealthTexts.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/ListView.h"
#include "shell/win32/ui/WindowIcons.h"

#include <commctrl.h>

#include <optional>

namespace vaultlet {

class Database;
class Passcard;

// The password health report of the open database: a summary line, then the findings, the most
// urgent first (problem, passcard or password, why, score; never a password), and how many days
// ahead an expiry counts as soon (the setting; a change is stored and the report made again).
// Double-clicking a line, or Enter on it, ends the dialog with that line's passcard.
//
// Input: the database, unchanged while the dialog runs. Output: the passcard to select, or null.
class PasswordHealthDialog final : public Dialog {
public:
    explicit PasswordHealthDialog(const Database& database);

    const Passcard* Selected() const noexcept { return m_selected; }

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    // Enter: goes to the selected line's passcard.
    void OnOk() override;

private:
    void AddColumns();
    void Analyse();
    void AnswerDisplay(NMLVDISPINFOA& request) const;
    void GoTo(int row);
    void OnDaysChanged();

    const Database& m_database;
    HealthTexts m_texts;
    std::optional<HealthReport> m_report;
    int m_expiringDays;
    ListView m_view;
    WindowIcons m_icons;
    // The days box reports its first text while the dialog is still being set up.
    bool m_ready = false;
    const Passcard* m_selected = nullptr;
};

} // namespace vaultlet
