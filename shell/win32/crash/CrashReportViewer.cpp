#include "shell/win32/crash/CrashReportViewer.h"

#include "resources/dialogs/DialogLayout.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/win32/ui/WindowDpi.h"

#include <commctrl.h>

namespace vaultlet {
namespace {

constexpr WORD kTextId = IDC_CRASH_VIEWER_TEXT;
constexpr WORD kGripId = IDC_CRASH_VIEWER_GRIP;
// The template's places, in dialog units; Arrange moves everything to fit the window's size.
constexpr short kWidth = 320;
constexpr short kHeight = 210;
constexpr short kGrip = 10;
constexpr short kButtonTop = kHeight - kGrip - VL_BUTTON_HEIGHT;

// The margin of VL_MARGIN dialog units, in pixels.
int MarginOf(HWND dialog) {
    RECT margin{0, 0, VL_MARGIN, VL_MARGIN};
    MapDialogRect(dialog, &margin);
    return margin.right;
}

} // namespace

const DialogTemplate& CrashReportViewer::Layout() {
    static const DialogTemplate layout = [] {
        const LanguagePack& language = LanguagePack::Instance();
        DialogTemplate viewer(language.getString(IDS_CRASH_CAPTION),
                              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_CENTER, 0, 0, kWidth, kHeight,
                              "MS Sans Serif", VL_FONT_SIZE);
        viewer.AddControl("EDIT", "", kTextId,
                          WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                              ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_TABSTOP,
                          VL_MARGIN, VL_MARGIN, kWidth - 2 * VL_MARGIN, kButtonTop - 2 * VL_MARGIN);
        viewer.AddControl("BUTTON", language.getString(IDS_CLOSE), IDCANCEL, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                          kWidth - VL_MARGIN - kGrip - VL_BUTTON_WIDTH, kButtonTop, VL_BUTTON_WIDTH, VL_BUTTON_HEIGHT);
        viewer.AddControl("SCROLLBAR", "", kGripId, WS_VISIBLE | SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN,
                          kWidth - kGrip, kHeight - kGrip, kGrip, kGrip);
        return viewer;
    }();
    return layout;
}

CrashReportViewer::CrashReportViewer(std::string report) : Dialog(Layout().Get()), m_report(std::move(report)) {}

bool CrashReportViewer::OnInit() {
    SendMessageA(Item(kTextId), EM_SETLIMITTEXT, 0, 0);
    SetItemText(kTextId, m_report);
    Arrange();
    // Focused directly: the dialog manager's way of focusing an edit selects all of its text.
    SetFocus(Item(kTextId));
    SendMessageA(Item(kTextId), EM_SETSEL, 0, 0);
    SendMessageA(Item(kTextId), EM_SCROLLCARET, 0, 0);
    return false;
}

bool CrashReportViewer::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_SIZE) {
        Arrange();
        result = 0;
        return true;
    }
    return Dialog::OnMessage(message, wParam, lParam, result);
}

// The text fills the window above the button; the grip keeps to the lower right corner.
void CrashReportViewer::Arrange() {
    RECT client{};
    GetClientRect(Handle(), &client);
    RECT button{};
    GetWindowRect(Item(IDCANCEL), &button);
    const int buttonWidth = button.right - button.left;
    const int buttonHeight = button.bottom - button.top;
    const int grip = WindowDpi::Metric(SM_CXVSCROLL, WindowDpi::Of(Handle()));
    const int margin = MarginOf(Handle());
    const int buttonTop = client.bottom - margin - buttonHeight;
    MoveWindow(Item(kTextId), margin, margin, client.right - 2 * margin, buttonTop - 2 * margin, TRUE);
    MoveWindow(Item(IDCANCEL), client.right - margin - grip - buttonWidth, buttonTop, buttonWidth, buttonHeight, TRUE);
    MoveWindow(Item(kGripId), client.right - grip, client.bottom - grip, grip, grip, TRUE);
}

} // namespace vaultlet
