#include "shell/win32/ui/HeaderBand.h"

#include "shell/win32/ui/ControlClasses.h"
#include "shell/win32/ui/ScopedHandles.h"
#include "shell/win32/ui/WindowDpi.h"

#include <algorithm>
#include <string>
#include <utility>

namespace vaultlet {
namespace {

// Margins around the texts and the icon, in pixels at 96 DPI.
constexpr int kMargin = 10;
constexpr int kDescriptionIndent = 12;
constexpr int kIconSize = 32;
constexpr int kLineGap = 2;
constexpr int kTextInset = 2;
constexpr UINT kTitleFormat = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
constexpr UINT kDescriptionFormat = DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS;

// What the band keeps besides its text: the fonts and the icon (not owned).
struct BandState {
    HFONT font = nullptr;
    UniqueGdiObject boldFont;
    HICON icon = nullptr;
};

BandState* StateOf(HWND band) noexcept {
    return reinterpret_cast<BandState*>(GetWindowLongPtrA(band, 0));
}

std::string TextOf(HWND band) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(band)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(band, text.data(), static_cast<int>(text.size()))));
    return text;
}

void SetFont(HWND band, BandState& state, HFONT font) {
    state.font = font;
    LOGFONTA bold{};
    if (font == nullptr || GetObjectA(font, sizeof bold, &bold) == 0) {
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof bold, &bold);
    }
    bold.lfWeight = FW_BOLD;
    state.boldFont.Reset(CreateFontIndirectA(&bold));
    InvalidateRect(band, nullptr, TRUE);
}

// The title line in bold and the description, wrapped and indented, under it; both centred
// vertically in the area.
void DrawLines(HDC dc, const BandState& state, const RECT& text, const std::string& all, const DpiScale& dpi) {
    const std::size_t split = all.find('\n');
    const std::string title = all.substr(0, split);
    const std::string description = split == std::string::npos ? std::string() : all.substr(split + 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    const HFONT normal = state.font != nullptr ? state.font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const HGDIOBJ previous = SelectObject(dc, state.boldFont ? state.boldFont.Get() : normal);

    // Both lines together are centred in the band.
    RECT titleRect = text;
    DrawTextA(dc, title.c_str(), static_cast<int>(title.size()), &titleRect, kTitleFormat | DT_CALCRECT);
    SelectObject(dc, normal);
    const int indent = dpi.Scale(kDescriptionIndent);
    const int gap = dpi.Scale(kLineGap);
    RECT descriptionRect = {text.left + indent, 0, text.right, 0};
    DrawTextA(dc, description.c_str(), static_cast<int>(description.size()), &descriptionRect,
              kDescriptionFormat | DT_CALCRECT);
    const int titleHeight = titleRect.bottom - titleRect.top;
    const int descriptionHeight = descriptionRect.bottom - descriptionRect.top;
    const int top =
        std::max<int>(text.top, text.top + (text.bottom - text.top - titleHeight - gap - descriptionHeight) / 2);
    titleRect = {text.left, top, text.right, top + titleHeight};
    descriptionRect = {text.left + indent, titleRect.bottom + gap, text.right, text.bottom};

    DrawTextA(dc, description.c_str(), static_cast<int>(description.size()), &descriptionRect, kDescriptionFormat);
    SelectObject(dc, state.boldFont ? state.boldFont.Get() : normal);
    DrawTextA(dc, title.c_str(), static_cast<int>(title.size()), &titleRect, kTitleFormat);
    SelectObject(dc, previous);
}

void Paint(HWND band, const BandState& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(band, &paint);
    RECT client;
    GetClientRect(band, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    RECT line = client;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_BOTTOM);

    const DpiScale dpi = WindowDpi::Of(band);
    const int margin = dpi.Scale(kMargin);
    const int inset = dpi.Scale(kTextInset);
    RECT text = {client.left + margin, client.top + inset, client.right - margin, client.bottom - inset};
    if (state.icon != nullptr) {
        const int size = dpi.Scale(kIconSize);
        DrawIconEx(dc, client.right - margin - size, (client.bottom - size) / 2, state.icon, size, size, 0, nullptr,
                   DI_NORMAL);
        text.right -= size + margin;
    }
    DrawLines(dc, state, text, TextOf(band), dpi);
    EndPaint(band, &paint);
}

LRESULT HandleMessage(HWND band, UINT message, WPARAM wParam, LPARAM lParam) {
    BandState* state = StateOf(band);
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrA(band, 0, reinterpret_cast<LONG_PTR>(new BandState));
        break;
    case WM_NCDESTROY:
        delete state;
        SetWindowLongPtrA(band, 0, 0);
        break;
    case WM_SETFONT:
        if (state != nullptr) {
            SetFont(band, *state, reinterpret_cast<HFONT>(wParam));
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(state != nullptr ? state->font : nullptr);
    case STM_GETICON:
        return reinterpret_cast<LRESULT>(state != nullptr ? state->icon : nullptr);
    case STM_SETICON:
        if (state != nullptr) {
            const HICON previous = std::exchange(state->icon, reinterpret_cast<HICON>(wParam));
            InvalidateRect(band, nullptr, TRUE);
            return reinterpret_cast<LRESULT>(previous);
        }
        return 0;
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(band, message, wParam, lParam);
        InvalidateRect(band, nullptr, TRUE);
        return result;
    }
    case WM_ERASEBKGND:
        return 1; // WM_PAINT fills everything
    case WM_PAINT:
        if (state != nullptr) {
            Paint(band, *state);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(band, message, wParam, lParam);
}

} // namespace

bool HeaderBand::Register() {
    static const bool registered =
        RegisterControlClass<HandleMessage>(kClassName, IDC_ARROW, CS_HREDRAW | CS_VREDRAW, sizeof(BandState*));
    return registered;
}

void HeaderBand::SetIcon(HWND band, HICON icon) noexcept {
    SendMessageA(band, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

} // namespace vaultlet
