#include "shell/win32/ui/Window.h"

#include <windowsx.h>

namespace vaultlet {
namespace {

bool IsFrameOrChild(HWND frame, HWND window) {
    return window == frame || IsChild(frame, window);
}

// A top-level dialog of this thread that is not the frame (a modeless tool such as the virtual
// keyboard): dialog keys go to it.
bool RouteToModelessDialog(MSG& message) {
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root == nullptr) {
        return false;
    }
    char className[8] = {};
    GetClassNameA(root, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0 && IsDialogMessageA(root, &message);
}

} // namespace

Window::~Window() {
    if (m_window != nullptr) {
        SetWindowLongPtrA(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
}

bool Window::Create(const char* className, const char* title, DWORD style, DWORD extendedStyle, HMENU menu,
                    HICON icon) {
    const HINSTANCE module = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    if (GetClassInfoExA(module, className, &windowClass) == FALSE) {
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = module;
        windowClass.hIcon = icon;
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = className;
        if (RegisterClassExA(&windowClass) == 0) {
            return false;
        }
    }
    return CreateWindowExA(extendedStyle, className, title, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, nullptr, menu, module, this) != nullptr;
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    try {
        const LRESULT result = self->Dispatch(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            self->m_window = nullptr;
        }
        return result;
    } catch (...) {
        // Nothing may unwind through the system's code; the message counts as handled.
        return 0;
    }
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) {
            return 0;
        }
        break;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) {
            return result;
        }
        break;
    }
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_SIZE:
        OnSize(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default: {
        LRESULT result = 0;
        if (OnMessage(message, wParam, lParam, result)) {
            return result;
        }
        break;
    }
    }
    return DefWindowProcA(m_window, message, wParam, lParam);
}

int RunMessageLoop(HWND frame, HACCEL accelerators) {
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (IsWindow(frame) && accelerators != nullptr && IsFrameOrChild(frame, message.hwnd) &&
            TranslateAcceleratorA(frame, accelerators, &message) != 0) {
            continue;
        }
        if (RouteToModelessDialog(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace vaultlet
