#include "shell/win32/ui/LinkLabel.h"

#include "shell/win32/ui/ControlClasses.h"
#include "shell/win32/ui/ScopedHandles.h"

#include <memory>
#include <string>

namespace vaultlet {
namespace {

struct LinkState {
    HFONT font = nullptr;
    UniqueGdiObject underlined;
};

LinkState* StateOf(HWND window) {
    return reinterpret_cast<LinkState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void SetFont(HWND window, LinkState& state, HFONT font) {
    state.font = font;
    LOGFONTA underlined{};
    GetObjectA(font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT), sizeof underlined, &underlined);
    underlined.lfUnderline = TRUE;
    state.underlined.Reset(CreateFontIndirectA(&underlined));
    InvalidateRect(window, nullptr, TRUE);
}

void Notify(HWND window) {
    if (IsWindowEnabled(window)) {
        SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                     reinterpret_cast<LPARAM>(window));
    }
}

void Paint(HWND window, const LinkState& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client{};
    GetClientRect(window, &client);
    // The dialog chooses the background, as it does for its static texts.
    HBRUSH background = reinterpret_cast<HBRUSH>(SendMessageA(
        GetParent(window), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)));
    FillRect(dc, &client, background != nullptr ? background : GetSysColorBrush(COLOR_BTNFACE));

    const bool enabled = IsWindowEnabled(window) != 0;
    const HGDIOBJ font =
        enabled ? state.underlined.Get() : (state.font != nullptr ? state.font : GetStockObject(DEFAULT_GUI_FONT));
    const HGDIOBJ previous = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, enabled ? LinkLabel::kColour : GetSysColor(COLOR_GRAYTEXT));
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
    RECT textArea = client;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textArea,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    textArea.bottom = client.bottom;
    textArea.top = client.top;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textArea,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (GetFocus() == window) {
        DrawFocusRect(dc, &textArea);
    }
    SelectObject(dc, previous);
    EndPaint(window, &paint);
}

LRESULT Create(HWND window, WPARAM wParam, LPARAM lParam) {
    auto state = std::make_unique<LinkState>();
    SetFont(window, *state, nullptr);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.release()));
    return DefWindowProcA(window, WM_NCCREATE, wParam, lParam);
}

void Destroy(HWND window) {
    std::unique_ptr<LinkState> state(StateOf(window));
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

LRESULT Repaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
    InvalidateRect(window, nullptr, TRUE);
    return result;
}

void MouseDown(HWND window) {
    SetFocus(window);
    SetCapture(window);
}

// A click counts when the button goes up over the link it went down on.
void MouseUp(HWND window, LPARAM lParam) {
    if (GetCapture() != window) {
        return;
    }
    ReleaseCapture();
    RECT client{};
    GetClientRect(window, &client);
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (PtInRect(&client, point)) {
        Notify(window);
    }
}

LRESULT KeyDown(HWND window, WPARAM key, LPARAM lParam) {
    if (key == VK_SPACE) {
        Notify(window);
        return 0;
    }
    return DefWindowProcA(window, WM_KEYDOWN, key, lParam);
}

LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        return Create(window, wParam, lParam);
    }
    LinkState* state = StateOf(window);
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
        return 1;
    case WM_SETFONT:
        SetFont(window, *state, reinterpret_cast<HFONT>(wParam));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(state->font);
    case WM_SETTEXT:
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        return Repaint(window, message, wParam, lParam);
    case WM_GETDLGCODE:
        return DLGC_BUTTON;
    case WM_LBUTTONDOWN:
        MouseDown(window);
        return 0;
    case WM_LBUTTONUP:
        MouseUp(window, lParam);
        return 0;
    case BM_CLICK:
        Notify(window);
        return 0;
    case WM_KEYDOWN:
        return KeyDown(window, wParam, lParam);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

bool LinkLabel::Register() {
    static const bool registered = RegisterControlClass<HandleMessage>(kClassName, IDC_HAND);
    return registered;
}

} // namespace vaultlet
