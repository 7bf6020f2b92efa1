#include "shell/win32/mainframe/StatusBar.h"

#include "core/Database.h"
#include "resources/StringIds.h"
#include "services/LanguagePack.h"
#include "shell/TextFormat.h"
#include "shell/win32/ui/SharedIcons.h"
#include "shell/win32/ui/WindowDpi.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace vaultlet {
namespace {

constexpr int kStatisticsImage = 6; // the database
constexpr int kCountdownImage = 33; // the clock
// Around the text of a pane: the pane's edges, the gap before the text, the gap after the icon
// (which is as tall as the pane), and a little air, in pixels at 96 DPI.
constexpr int kTextPadding = 12;

int TextWidth(HWND window, const std::string& text) {
    const HDC dc = GetDC(window);
    // Without a font of its own the bar draws in the system font, which the device context holds.
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (previous != nullptr) {
        SelectObject(dc, previous);
    }
    ReleaseDC(window, dc);
    return size.cx;
}

} // namespace

bool StatusBar::Create(HWND parent, int id) {
    m_window = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (m_window == nullptr) {
        return false;
    }
    m_dpi = WindowDpi::Of(parent);
    // Both panes exist from the start, so texts set before the first layout are kept.
    Layout();
    return true;
}

void StatusBar::SetDpi(const DpiScale& dpi) {
    m_dpi = dpi;
    ShowIcon();
    Layout();
}

void StatusBar::Layout() const {
    SendMessageA(m_window, WM_SIZE, 0, 0);
    RECT client{};
    GetClientRect(m_window, &client);
    const int unsaved = UnsavedPaneWidth();
    const int info = std::max(m_dpi.Scale(kInfoPaneWidth), InfoWidth());
    const int parts[3] = {std::max<int>(client.right - info - unsaved, 0), std::max<int>(client.right - unsaved, 0),
                          -1};
    SendMessageA(m_window, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
}

int StatusBar::UnsavedPaneWidth() const {
    const int grip =
        (GetWindowLongA(m_window, GWL_STYLE) & SBARS_SIZEGRIP) != 0 ? WindowDpi::Metric(SM_CXVSCROLL, m_dpi) : 0;
    return TextWidth(m_window, LanguagePack::Instance().getString(IDS_STATUS_UNSAVED_CHANGES)) + grip +
           m_dpi.Scale(kTextPadding);
}

int StatusBar::InfoWidth() const {
    RECT client{};
    GetClientRect(m_window, &client);
    const int icon = m_image >= 0 ? static_cast<int>(client.bottom) : 0;
    return TextWidth(m_window, m_info) + icon + m_dpi.Scale(kTextPadding);
}

int StatusBar::Height() const {
    if (!IsWindowVisible(m_window)) {
        return 0;
    }
    RECT rect{};
    GetWindowRect(m_window, &rect);
    return rect.bottom - rect.top;
}

void StatusBar::SetText(std::string_view text) const {
    const std::string copy(text);
    SendMessageA(m_window, SB_SETTEXTA, kTextPart, reinterpret_cast<LPARAM>(copy.c_str()));
}

void StatusBar::ShowStatistics(const Database* database) {
    if (database == nullptr) {
        SetInfo("", -1);
        return;
    }
    const std::string text =
        FormatText(LanguagePack::Instance().getString(IDS_STATUS_STATISTICS),
                   {std::to_string(database->GroupCount()), std::to_string(database->PasscardCount()),
                    std::to_string(database->ItemCount())});
    SetInfo(text, kStatisticsImage);
}

void StatusBar::ShowCountdown(int seconds) {
    const std::string text =
        FormatText(LanguagePack::Instance().getString(IDS_STATUS_CLIPBOARD_COUNTDOWN), {std::to_string(seconds)});
    SetInfo(text, kCountdownImage);
}

void StatusBar::ShowUnsaved(bool unsaved) {
    const std::string text = unsaved ? LanguagePack::Instance().getString(IDS_STATUS_UNSAVED_CHANGES) : "";
    SendMessageA(m_window, SB_SETTEXTA, kUnsavedPart, reinterpret_cast<LPARAM>(text.c_str()));
}

void StatusBar::Begin(int captionId) {
    m_caption = LanguagePack::Instance().getString(captionId);
    SetText(m_caption);
}

void StatusBar::SetPercent(int percent) {
    SetText(m_caption + " " + std::to_string(percent) + "%");
}

void StatusBar::End() {
    m_caption.clear();
    SetText("");
}

void StatusBar::SetInfo(std::string_view text, int image) {
    const int before = InfoWidth();
    m_info = text;
    SendMessageA(m_window, SB_SETTEXTA, kInfoPart, reinterpret_cast<LPARAM>(m_info.c_str()));
    if (image != m_image) {
        m_image = image;
        ShowIcon();
    }
    if (InfoWidth() != before) {
        Layout();
    }
}

void StatusBar::ShowIcon() {
    UniqueIcon icon(m_image < 0 ? nullptr : ImageList_GetIcon(SharedIcons::Get(m_dpi), m_image, ILD_NORMAL));
    SendMessageA(m_window, SB_SETICON, kInfoPart, reinterpret_cast<LPARAM>(icon.Get()));
    m_icon = std::move(icon);
}

} // namespace vaultlet
