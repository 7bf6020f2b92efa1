#include "shell/win32/ui/HeaderBand.h"

#include "resources/resource.h"
#include "shell/win32/ui/ScopedHandles.h"

#include <memory>
#include <string>

namespace vaultlet {
namespace {

// Pixel layout of the band.
constexpr int kTextLeft = 12;
constexpr int kDescriptionIndent = 12;
constexpr int kTitleTop = 8;
constexpr int kLineGap = 4;
constexpr int kIconSize = 32;
constexpr int kIconMargin = 10;

struct BandState {
    HFONT font = nullptr;
    UniqueGdiObject boldFont;
    UniqueIcon icon;
};

BandState* StateOf(HWND window) {
    return reinterpret_cast<BandState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
    return text;
}

void SplitLines(HWND band, std::string& title, std::string& description) {
    const std::string text = WindowText(band);
    const std::size_t lineBreak = text.find('\n');
    if (lineBreak == std::string::npos) {
        title = WindowText(GetParent(band));
        description = text;
        return;
    }
    title = text.substr(0, lineBreak);
    description = text.substr(lineBreak + 1);
    if (!title.empty() && title.back() == '\r') {
        title.pop_back();
    }
}

void SetFont(HWND window, BandState& state, HFONT font) {
    state.font = font;
    LOGFONTA bold{};
    GetObjectA(font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT), sizeof bold, &bold);
    bold.lfWeight = FW_BOLD;
    state.boldFont.Reset(CreateFontIndirectA(&bold));
    InvalidateRect(window, nullptr, TRUE);
}

int DrawLine(HDC dc, HGDIOBJ font, const std::string& text, RECT area) {
    SelectObject(dc, font);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    return metrics.tmHeight;
}

void Paint(HWND window, const BandState& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    RECT edge = client;
    edge.top = edge.bottom - 2;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_BOTTOM);

    std::string title;
    std::string description;
    SplitLines(window, title, description);
    const HGDIOBJ previous = SelectObject(dc, state.boldFont.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    const int textRight = client.right - kIconSize - 2 * kIconMargin;
    RECT line{kTextLeft, kTitleTop, textRight, client.bottom};
    line.top += DrawLine(dc, state.boldFont.Get(), title, line) + kLineGap;
    line.left += kDescriptionIndent;
    HGDIOBJ normal = state.font != nullptr ? state.font : GetStockObject(DEFAULT_GUI_FONT);
    DrawLine(dc, normal, description, line);

    if (state.icon) {
        const int top = (client.bottom - kIconSize) / 2;
        DrawIconEx(dc, client.right - kIconSize - kIconMargin, top, state.icon.Get(), kIconSize, kIconSize, 0, nullptr,
                   DI_NORMAL);
    }
    SelectObject(dc, previous);
    EndPaint(window, &paint);
}

LRESULT Create(HWND window, WPARAM wParam, LPARAM lParam) {
    auto state = std::make_unique<BandState>();
    state->icon.Reset(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM),
                                                    IMAGE_ICON, kIconSize, kIconSize, LR_DEFAULTCOLOR)));
    SetFont(window, *state, nullptr);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.release()));
    return DefWindowProcA(window, WM_NCCREATE, wParam, lParam);
}

void Destroy(HWND window) {
    std::unique_ptr<BandState> state(StateOf(window));
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

LRESULT SetTextAndRepaint(HWND window, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefWindowProcA(window, WM_SETTEXT, wParam, lParam);
    InvalidateRect(window, nullptr, TRUE);
    return result;
}

} // namespace

bool HeaderBand::Register() {
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

LRESULT CALLBACK HeaderBand::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        return Create(window, wParam, lParam);
    }
    BandState* state = StateOf(window);
    if (state == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_NCDESTROY:
        Destroy(window);
        return 0;
    case WM_PAINT:
        Paint(window, *state);
        return 0;
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT
    case WM_SETFONT:
        SetFont(window, *state, reinterpret_cast<HFONT>(wParam));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(state->font);
    case WM_SETTEXT:
        return SetTextAndRepaint(window, wParam, lParam);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace vaultlet
