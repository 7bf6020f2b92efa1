#include "shell/win32/health/PasswordHealthDialog.h"

#include "core/Passcard.h"
#include "health/PasswordHealth.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/Settings.h"
#include "shell/win32/ui/SharedIcons.h"
#include "shell/win32/ui/PasscardTree.h"
#include "shell/win32/ui/DisplayText.h"
#include "shell/win32/ui/HeaderBand.h"
#include "shell/win32/ui/WindowDpi.h"

#include <algorithm>
#include <charconv>

namespace vaultlet {
namespace {

enum Column { kProblemColumn = 0, kPathColumn = 1, kReasonColumn = 2, kScoreColumn = 3 };

static_assert(setting::kHealthExpiringDays.defaultValue == PasswordHealth::kDefaultExpiringDays);

int ClampDays(int days) {
    return std::clamp(days, 0, PasswordHealth::kMaxExpiringDays);
}

} // namespace

PasswordHealthDialog::PasswordHealthDialog(const Database& database)
    : Dialog(IDD_PASSWORD_HEALTH), m_database(database), m_texts(LanguagePack::Instance()),
      m_expiringDays(ClampDays(Settings::Read(setting::kHealthExpiringDays))) {}

bool PasswordHealthDialog::OnInit() {
    const LanguagePack& language = LanguagePack::Instance();
    m_icons.Apply(Handle(), IDI_PROGRAM);
    SetWindowTextA(Handle(), language.getString(IDS_HEALTH_TITLE).c_str());
    language.translateWindow(Handle());
    HeaderBand::SetIcon(Item(IDC_HEALTH_HEADER), m_icons.Large());
    SendDlgItemMessageA(Handle(), IDC_HEALTH_DAYS_SPIN, UDM_SETRANGE32, 0, PasswordHealth::kMaxExpiringDays);
    SetItemText(IDC_HEALTH_DAYS, std::to_string(m_expiringDays));

    m_view = ListView(Item(IDC_HEALTH_LIST));
    m_view.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_view.SetSmallImages(SharedIcons::Get(WindowDpi::Of(Handle())));
    AddColumns();
    Analyse();
    m_ready = true;
    FocusItem(IDC_HEALTH_LIST);
    return false;
}

void PasswordHealthDialog::AddColumns() {
    const LanguagePack& language = LanguagePack::Instance();
    const int width = m_view.ClientWidth() - WindowDpi::Metric(SM_CXVSCROLL, WindowDpi::Of(Handle()));
    const int problem = width / 5;
    const int path = width / 3;
    const int score = width / 12;
    m_view.AddColumn(kProblemColumn, language.getString(IDS_HEALTH_COLUMN_PROBLEM), problem);
    m_view.AddColumn(kPathColumn, language.getString(IDS_HEALTH_COLUMN_PASSCARD), path);
    m_view.AddColumn(kReasonColumn, language.getString(IDS_HEALTH_COLUMN_REASON), width - problem - path - score);
    m_view.AddColumn(kScoreColumn, language.getString(IDS_HEALTH_COLUMN_SCORE), score);
}

void PasswordHealthDialog::Analyse() {
    m_report = PasswordHealth::Analyse(m_database, m_expiringDays);
    m_view.SetRowCount(m_report ? static_cast<int>(m_report->findings.size()) : 0);
    InvalidateRect(m_view.Handle(), nullptr, TRUE);
    SetItemText(IDC_HEALTH_SUMMARY,
                m_report ? m_texts.Summary(*m_report) : LanguagePack::Instance().getString(IDS_HEALTH_NO_RANDOM));
}

bool PasswordHealthDialog::OnCommand(int id, int code, HWND control) {
    if (id == IDC_HEALTH_DAYS && code == EN_CHANGE) {
        OnDaysChanged();
        return true;
    }
    if (id == IDC_HEALTH_CLOSE && code == BN_CLICKED) {
        End(IDCANCEL);
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

bool PasswordHealthDialog::OnNotify(const NMHDR& header, LRESULT& result) {
    result = 0;
    return header.idFrom == IDC_HEALTH_LIST &&
           ListView::OnRowNotice(
               header, [this](NMLVDISPINFOA& request) { AnswerDisplay(request); }, [this](int row) { GoTo(row); });
}

void PasswordHealthDialog::OnOk() {
    GoTo(m_view.Selection());
}

void PasswordHealthDialog::AnswerDisplay(NMLVDISPINFOA& request) const {
    const auto row = static_cast<std::size_t>(request.item.iItem);
    if (!m_report || request.item.iItem < 0 || row >= m_report->findings.size()) {
        return;
    }
    const HealthFinding& finding = m_report->findings[row];
    if ((request.item.mask & LVIF_IMAGE) != 0) {
        request.item.iImage =
            finding.IsAboutPasscard() ? PasscardTree::ImageOf(*finding.passcard) : PasscardTree::ImageOf(*finding.item);
    }
    if ((request.item.mask & LVIF_TEXT) == 0) {
        return;
    }
    switch (request.item.iSubItem) {
    case kProblemColumn:
        CopyDisplayText(m_texts.Kind(finding.kind), request.item.pszText, request.item.cchTextMax);
        break;
    case kPathColumn:
        CopyDisplayText(HealthTexts::Path(finding).Viewed(), request.item.pszText, request.item.cchTextMax);
        break;
    case kReasonColumn:
        CopyDisplayText(m_texts.Reason(finding), request.item.pszText, request.item.cchTextMax);
        break;
    default:
        CopyDisplayText(HealthTexts::Score(finding), request.item.pszText, request.item.cchTextMax);
        break;
    }
}

void PasswordHealthDialog::GoTo(int row) {
    if (!m_report || row < 0 || static_cast<std::size_t>(row) >= m_report->findings.size()) {
        return;
    }
    m_selected = m_report->findings[static_cast<std::size_t>(row)].passcard;
    End(IDOK);
}

void PasswordHealthDialog::OnDaysChanged() {
    if (!m_ready) {
        return;
    }
    const std::string text = ItemText(IDC_HEALTH_DAYS);
    int days = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), days);
    if (error != std::errc() || end != text.data() + text.size() || ClampDays(days) == m_expiringDays) {
        return;
    }
    m_expiringDays = ClampDays(days);
    Settings::Write(setting::kHealthExpiringDays, m_expiringDays);
    Analyse();
}

} // namespace vaultlet
