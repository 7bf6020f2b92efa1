#include "shell/win32/crash/CrashReportDialog.h"

#include "resources/dialogs/DialogLayout.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "services/win32/CrashUpload.h"
#include "shell/TextFormat.h"
#include "shell/win32/crash/CrashReportViewer.h"
#include "shell/win32/system/ShellOpen.h"
#include "shell/win32/system/WorkerThread.h"
#include "shell/win32/ui/HeaderBand.h"
#include "shell/win32/ui/LinkLabel.h"
#include "shell/win32/ui/MessageBoxes.h"
#include "shell/win32/ui/WindowDpi.h"

#include <commctrl.h>

#include <atomic>
#include <utility>

namespace vaultlet {

// What the dialog and its upload thread share. The thread keeps it alive after a closed dialog let
// go of it; the sending flag is the only state both sides change.
struct CrashUploadJob {
    explicit CrashUploadJob(UpdateEndpoint endpoint) : upload(std::move(endpoint)) {}

    CrashUpload upload;
    std::atomic<bool> sending{true};
    CrashUpload::Result result;
};

namespace {

constexpr const char* kThreadName = "CrashUploadThread";
// The controls of the explanation page; the sending page is the status log and the progress bar.
constexpr int kExplanationPage[] = {IDC_CRASH_INTRO,          IDC_CRASH_VIEW_LINK,   IDC_CRASH_PLEASE_SEND,
                                    IDC_CRASH_MORE_LINK,      IDC_CRASH_CONFIRM,     IDC_CRASH_PRIVACY_LINK,
                                    IDC_CRASH_DESCRIBE_LABEL, IDC_CRASH_DESCRIPTION, IDOK};
// What moves down when the description box opens.
constexpr int kBelowDescription[] = {IDC_CRASH_CONFIRM, IDC_CRASH_PRIVACY_LINK, IDC_CRASH_LINE, IDOK, IDCANCEL};

// The crash dialog's size and font are its own; what is inside follows the layout the dialog
// resources share (dialog units).
constexpr short kWidth = 280;
constexpr short kHeight = 170;
constexpr const char* kFont = "MS Sans Serif";
// Wide enough for the longest translation of "Send Report".
constexpr short kButtonWidth = 55;
constexpr short kTextWidth = kWidth - 2 * VL_MARGIN;
constexpr short kTwoLines = 2 * VL_LABEL_HEIGHT + 2;
// A link sits this close under the text it belongs to.
constexpr short kLinkGap = VL_GAP / 2;
// Each link as wide as its English text, so that a click beside the text does not follow it.
constexpr short kViewLinkWidth = 150;
constexpr short kMoreLinkWidth = 220;
constexpr short kPrivacyLinkWidth = 200;
constexpr short kDescriptionHeight = 40;
constexpr short kProgressHeight = 10;
// The explanation page, top to bottom; the description box opens below the second link and pushes
// what follows down.
constexpr short kIntroTop = VL_HEADER_HEIGHT + VL_MARGIN;
constexpr short kViewLinkTop = kIntroTop + kTwoLines + kLinkGap;
constexpr short kPleaseSendTop = kViewLinkTop + VL_LINK_HEIGHT + VL_GAP;
constexpr short kMoreLinkTop = kPleaseSendTop + kTwoLines + kLinkGap;
constexpr short kDescriptionTop = kMoreLinkTop + VL_LABEL_HEIGHT + kLinkGap;
constexpr short kConfirmTop = kMoreLinkTop + VL_LINK_HEIGHT + VL_GAP;
constexpr short kPrivacyLinkTop = kConfirmTop + kTwoLines + kLinkGap;
constexpr short kButtonsTop = kHeight - VL_MARGIN - VL_BUTTON_HEIGHT;
constexpr short kLineTop = kButtonsTop - VL_MARGIN;
constexpr short kCloseLeft = kWidth - VL_MARGIN - kButtonWidth;
// The sending page: the status log above the progress bar.
constexpr short kProgressTop = kLineTop - VL_MARGIN - kProgressHeight;
constexpr short kStatusHeight = kProgressTop - VL_GAP - kIntroTop;

void AddSendingPage(DialogTemplate& dialog) {
    dialog.AddControl("EDIT", "", IDC_CRASH_STATUS,
                      WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, VL_MARGIN, kIntroTop,
                      kTextWidth, kStatusHeight);
    dialog.AddControl(PROGRESS_CLASSA, "", IDC_CRASH_PROGRESS, WS_BORDER, VL_MARGIN, kProgressTop, kTextWidth,
                      kProgressHeight);
}

void AddButtons(DialogTemplate& dialog) {
    const LanguagePack& language = LanguagePack::Instance();
    dialog.AddControl("STATIC", "", IDC_CRASH_LINE, WS_VISIBLE | SS_ETCHEDHORZ, 0, kLineTop, kWidth, 1);
    dialog.AddControl("BUTTON", language.getString(IDS_CRASH_SEND), IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                      kCloseLeft - VL_GAP - kButtonWidth, kButtonsTop, kButtonWidth, VL_BUTTON_HEIGHT);
    dialog.AddControl("BUTTON", language.getString(IDS_CLOSE), IDCANCEL, WS_VISIBLE | WS_TABSTOP, kCloseLeft,
                      kButtonsTop, kButtonWidth, VL_BUTTON_HEIGHT);
}

struct StatusText {
    DWORD status;
    int stringId;
};
constexpr StatusText kStatusTexts[] = {
    {INTERNET_STATUS_RESOLVING_NAME, IDS_CRASH_RESOLVING_NAME},
    {INTERNET_STATUS_NAME_RESOLVED, IDS_CRASH_NAME_RESOLVED},
    {INTERNET_STATUS_CONNECTING_TO_SERVER, IDS_CRASH_CONNECTING},
    {INTERNET_STATUS_CONNECTED_TO_SERVER, IDS_CRASH_CONNECTED},
    {INTERNET_STATUS_RECEIVING_RESPONSE, IDS_CRASH_RECEIVING},
    {INTERNET_STATUS_RESPONSE_RECEIVED, IDS_CRASH_RECEIVED},
    {INTERNET_STATUS_CLOSING_CONNECTION, IDS_CRASH_CLOSING},
    {INTERNET_STATUS_CONNECTION_CLOSED, IDS_CRASH_CLOSED},
    {INTERNET_STATUS_DETECTING_PROXY, IDS_CRASH_PROXY},
    {INTERNET_STATUS_REDIRECT, IDS_CRASH_REDIRECT},
    {INTERNET_STATUS_INTERMEDIATE_RESPONSE, IDS_CRASH_INTERMEDIATE},
};

// Sends the report and tells the dialog through posted messages only: the dialog may be gone
// (closed during the upload) by the time the thread has something to say.
class CrashUploadThread final : public WorkerThread, private CrashUpload::Observer {
public:
    CrashUploadThread(std::shared_ptr<CrashUploadJob> job, HWND dialog, std::string description, std::string report)
        : WorkerThread(kThreadName, true), m_job(std::move(job)), m_dialog(dialog),
          m_description(std::move(description)), m_report(std::move(report)) {}

protected:
    void Run() override {
        m_job->result = m_job->upload.Send(m_description, m_report, *this);
        m_job->sending = false;
        PostMessageA(m_dialog, MSG_CRASH_UPLOAD_DONE, 0, 0);
    }

private:
    void OnInternetStatus(DWORD status) override { PostMessageA(m_dialog, MSG_CRASH_UPLOAD_STATUS, status, 0); }
    void OnProgress(int percent) override { PostMessageA(m_dialog, MSG_CRASH_UPLOAD_PROGRESS, percent, 0); }
    bool KeepSending() override { return m_job->sending; }

    std::shared_ptr<CrashUploadJob> m_job;
    HWND m_dialog;
    std::string m_description;
    std::string m_report;
};

} // namespace

const CommandTable<CrashReportDialog> CrashReportDialog::kCommands = {
    {IDC_CRASH_VIEW_LINK, &CrashReportDialog::OnView},
    {IDC_CRASH_MORE_LINK, &CrashReportDialog::OnMoreInfo},
    {IDC_CRASH_PRIVACY_LINK, &CrashReportDialog::OnPrivacy},
};

const DialogTemplate& CrashReportDialog::Layout() {
    static const DialogTemplate layout = [] {
        const LanguagePack& language = LanguagePack::Instance();
        const auto text = [&](int id) { return language.getString(id); };
        constexpr DWORD kText = WS_VISIBLE | SS_LEFT;
        constexpr DWORD kLink = WS_VISIBLE | WS_TABSTOP;
        DialogTemplate dialog(text(IDS_CRASH_CAPTION), VL_DIALOG_STYLE, 0, 0, kWidth, kHeight, kFont, VL_FONT_SIZE);
        dialog.AddControl(HeaderBand::kClassName, text(IDS_CRASH_HEADER), IDC_CRASH_HEADER, WS_VISIBLE, 0, 0, kWidth,
                          VL_HEADER_HEIGHT);
        dialog.AddControl("STATIC", text(IDS_CRASH_INTRO), IDC_CRASH_INTRO, kText, VL_MARGIN, kIntroTop, kTextWidth,
                          kTwoLines);
        dialog.AddControl(LinkLabel::kClassName, text(IDS_CRASH_VIEW_LINK), IDC_CRASH_VIEW_LINK, kLink, VL_MARGIN,
                          kViewLinkTop, kViewLinkWidth, VL_LINK_HEIGHT);
        dialog.AddControl("STATIC", text(IDS_CRASH_PLEASE_SEND), IDC_CRASH_PLEASE_SEND, kText, VL_MARGIN,
                          kPleaseSendTop, kTextWidth, kTwoLines);
        dialog.AddControl(LinkLabel::kClassName, text(IDS_CRASH_MORE_LINK), IDC_CRASH_MORE_LINK, kLink, VL_MARGIN,
                          kMoreLinkTop, kMoreLinkWidth, VL_LINK_HEIGHT);
        dialog.AddControl("STATIC", text(IDS_CRASH_DESCRIBE), IDC_CRASH_DESCRIBE_LABEL, SS_LEFT, VL_MARGIN,
                          kMoreLinkTop, kTextWidth, VL_LABEL_HEIGHT);
        dialog.AddControl("EDIT", "", IDC_CRASH_DESCRIPTION,
                          WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                          VL_MARGIN, kDescriptionTop, kTextWidth, kDescriptionHeight);
        dialog.AddControl("STATIC", text(IDS_CRASH_CONFIRM), IDC_CRASH_CONFIRM, kText, VL_MARGIN, kConfirmTop,
                          kTextWidth, kTwoLines);
        // The link names the site it opens.
        dialog.AddControl(LinkLabel::kClassName, FormatText(text(IDS_CRASH_PRIVACY_LINK), {product_site::kHost}),
                          IDC_CRASH_PRIVACY_LINK, kLink, VL_MARGIN, kPrivacyLinkTop, kPrivacyLinkWidth, VL_LINK_HEIGHT);
        AddSendingPage(dialog);
        AddButtons(dialog);
        return dialog;
    }();
    return layout;
}

CrashReportDialog::CrashReportDialog(std::string path, std::string report, UpdateEndpoint endpoint)
    : Dialog(Layout().Get()), m_path(std::move(path)), m_report(std::move(report)), m_endpoint(std::move(endpoint)) {}

CrashReportDialog::~CrashReportDialog() = default;

bool CrashReportDialog::OnInit() {
    m_warningIcon = LoadIconA(nullptr, IDI_WARNING);
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_warningIcon));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_warningIcon));
    HeaderBand::SetIcon(Item(IDC_CRASH_HEADER), LoadIconA(nullptr, IDI_ERROR));
    ShowSendingPage(false);
    FocusItem(IDOK);
    return false;
}

bool CrashReportDialog::OnCommand(int id, int code, HWND control) {
    return kCommands.Dispatch(*this, id, code) || Dialog::OnCommand(id, code, control);
}

bool CrashReportDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
    case MSG_CRASH_UPLOAD_STATUS:
        OnUploadStatus(static_cast<DWORD>(wParam));
        return true;
    case MSG_CRASH_UPLOAD_PROGRESS:
        SendMessageA(Item(IDC_CRASH_PROGRESS), PBM_SETPOS, wParam, 0);
        return true;
    case MSG_CRASH_UPLOAD_DONE:
        OnUploadDone();
        return true;
    default:
        return Dialog::OnMessage(message, wParam, lParam, result);
    }
}

// Send Report, the default button.
void CrashReportDialog::OnOk() {
    if (m_job) {
        return;
    }
    ShowSendingPage(true);
    AppendStatus(IDS_CRASH_SENDING);
    m_job = std::make_shared<CrashUploadJob>(m_endpoint);
    auto* thread = new CrashUploadThread(m_job, Handle(), ItemText(IDC_CRASH_DESCRIPTION), m_report);
    if (!thread->Start()) {
        delete thread;
        m_job->sending = false;
        OnUploadDone();
    }
}

// Close, Escape or the window's close box. An upload stops: its request is closed, which also ends
// a call that waits for a stalled network, and the dialog does not wait for the thread to notice.
void CrashReportDialog::OnCancel() {
    if (m_job && m_job->sending.exchange(false)) {
        m_job->upload.Cancel();
    }
    End(IDCANCEL);
}

void CrashReportDialog::OnDestroy() {
    // The dialog and the upload have the report's text; the file is needed no more.
    DeleteFileA(m_path.c_str());
}

void CrashReportDialog::OnView() {
    CrashReportViewer viewer(m_report);
    viewer.RunModal(Handle());
}

// Opens the description box: the dialog grows, and what lies below the link moves down with it.
void CrashReportDialog::OnMoreInfo() {
    if (m_describing) {
        return;
    }
    m_describing = true;
    const int growth = WindowDpi::Of(Handle()).Scale(kDescriptionGrowth);
    for (const int id : kBelowDescription) {
        RECT place{};
        GetWindowRect(Item(id), &place);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
        SetWindowPos(Item(id), nullptr, place.left, place.top + growth, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT window{};
    GetWindowRect(Handle(), &window);
    SetWindowPos(Handle(), nullptr, 0, 0, window.right - window.left, window.bottom - window.top + growth,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowItem(IDC_CRASH_MORE_LINK, false);
    ShowItem(IDC_CRASH_DESCRIBE_LABEL, true);
    ShowItem(IDC_CRASH_DESCRIPTION, true);
    FocusItem(IDC_CRASH_DESCRIPTION);
}

void CrashReportDialog::OnPrivacy() {
    ShellOpen::Open(Handle(), kPrivacyPage);
}

void CrashReportDialog::ShowSendingPage(bool sending) {
    for (const int id : kExplanationPage) {
        const bool describingControl = id == IDC_CRASH_DESCRIBE_LABEL || id == IDC_CRASH_DESCRIPTION;
        const bool moreLink = id == IDC_CRASH_MORE_LINK;
        ShowItem(id, !sending && (describingControl ? m_describing : !moreLink || !m_describing));
    }
    ShowItem(IDC_CRASH_STATUS, sending);
    ShowItem(IDC_CRASH_PROGRESS, sending);
}

void CrashReportDialog::AppendStatus(int stringId) {
    const HWND log = Item(IDC_CRASH_STATUS);
    const std::string line = LanguagePack::Instance().getString(stringId) + "\r\n";
    const LRESULT end = SendMessageA(log, WM_GETTEXTLENGTH, 0, 0);
    SendMessageA(log, EM_SETSEL, end, end);
    SendMessageA(log, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(line.c_str()));
}

void CrashReportDialog::OnUploadStatus(DWORD status) {
    for (const StatusText& text : kStatusTexts) {
        if (text.status == status) {
            AppendStatus(text.stringId);
        }
    }
}

// A sent report closes the dialog; a failed one stays readable until the user closes it.
void CrashReportDialog::OnUploadDone() {
    const CrashUpload::Result& result = m_job->result;
    AppendStatus(result.sent ? IDS_CRASH_SENT : IDS_CRASH_SEND_FAILED);
    if (result.message) {
        MessageBoxes::ShowCaptioned(Handle(), *result.message, LanguagePack::Instance().getString(IDS_CRASH_PRODUCT),
                                    MB_OK | MB_ICONINFORMATION);
    }
    if (result.sent) {
        End(IDOK);
    }
}

} // namespace vaultlet
