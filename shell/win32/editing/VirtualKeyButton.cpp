#include "shell/win32/editing/VirtualKeyButton.h"

#include "shell/win32/ui/ControlClasses.h"

namespace vaultlet {
namespace {

// The key's state lives in its window's user data as these bits, so a key needs no allocation.
enum StateBit : LONG_PTR {
    kHover = 1,    // the mouse is over the key
    kPressed = 2,  // held down with the mouse over it
    kCaptured = 4, // the left button went down on the key and is not yet released
    kChecked = 8,  // latched (Shift, Caps)
    kTracking = 16 // a leave notification is requested
};

LONG_PTR StateOf(HWND key) noexcept {
    return GetWindowLongPtrA(key, GWLP_USERDATA);
}

// Sets or clears bits and redraws when the look changed.
void SetState(HWND key, LONG_PTR bits, bool on) noexcept {
    const LONG_PTR before = StateOf(key);
    const LONG_PTR after = on ? (before | bits) : (before & ~bits);
    if (after != before) {
        SetWindowLongPtrA(key, GWLP_USERDATA, after);
        if (((before ^ after) & (kHover | kPressed | kChecked)) != 0) {
            InvalidateRect(key, nullptr, FALSE);
        }
    }
}

bool IsInside(HWND key, LPARAM lParam) noexcept {
    RECT client;
    GetClientRect(key, &client);
    const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return PtInRect(&client, point) != 0;
}

// The parent may destroy the key while handling the click (the OK key closes the keyboard), so
// nothing touches the key after this.
void NotifyClick(HWND key) noexcept {
    const int id = GetDlgCtrlID(key);
    SendMessageA(GetParent(key), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(key));
}

void OnMouseMove(HWND key, LPARAM lParam) noexcept {
    if ((StateOf(key) & kTracking) == 0) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, key, 0};
        if (TrackMouseEvent(&track)) {
            SetState(key, kTracking, true);
        }
    }
    const bool inside = IsInside(key, lParam);
    SetState(key, kHover, inside);
    if ((StateOf(key) & kCaptured) != 0) {
        SetState(key, kPressed, inside);
    }
}

void OnButtonUp(HWND key, LPARAM lParam) noexcept {
    const bool click = (StateOf(key) & kCaptured) != 0 && IsInside(key, lParam);
    ReleaseCapture(); // WM_CAPTURECHANGED clears the pressed state
    if (click) {
        NotifyClick(key);
    }
}

void Paint(HWND key) noexcept {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(key, &paint);
    const LONG_PTR state = StateOf(key);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(key));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = ((state & kHover) != 0 ? ODS_HOTLIGHT : 0) | ((state & kPressed) != 0 ? ODS_SELECTED : 0) |
                     ((state & kChecked) != 0 ? ODS_CHECKED : 0);
    item.hwndItem = key;
    item.hDC = dc;
    GetClientRect(key, &item.rcItem);
    SendMessageA(GetParent(key), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    EndPaint(key, &paint);
}

LRESULT HandleMessage(HWND key, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
        OnMouseMove(key, lParam);
        return 0;
    case WM_MOUSELEAVE:
        SetState(key, kHover | kTracking, false);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetCapture(key);
        SetState(key, kCaptured | kPressed, true);
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(key, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        SetState(key, kCaptured | kPressed, false);
        return 0;
    case BM_CLICK:
        NotifyClick(key);
        return 0;
    case BM_SETCHECK:
        SetState(key, kChecked, wParam == BST_CHECKED);
        return 0;
    case BM_GETCHECK:
        return (StateOf(key) & kChecked) != 0 ? BST_CHECKED : BST_UNCHECKED;
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(key, message, wParam, lParam);
        InvalidateRect(key, nullptr, FALSE);
        return result;
    }
    case WM_ERASEBKGND:
        return 1; // the parent draws every pixel
    case WM_PAINT:
        Paint(key);
        return 0;
    default:
        return DefWindowProcA(key, message, wParam, lParam);
    }
}

} // namespace

bool VirtualKeyButton::Register() {
    static const bool registered = RegisterControlClass<HandleMessage>(kClassName, IDC_HAND, CS_HREDRAW | CS_VREDRAW);
    return registered;
}

} // namespace vaultlet
