#include "shell/win32/ui/WindowDpi.h"

namespace vaultlet {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForSystemFunction = UINT(WINAPI*)();
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
using SetProcessDpiAwarenessContextFunction = BOOL(WINAPI*)(HANDLE);

// The per-monitor v2 awareness context (DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2), which the
// headers of the Windows 7 target do not declare.
const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));

template <typename Function>
Function User32Function(const char* name) {
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 == nullptr ? nullptr
                             : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : DpiScale::kDesignDpi;
    ReleaseDC(nullptr, screen);
    return dpi;
}

} // namespace

void WindowDpi::DeclareAwareness() {
    static const auto setContext =
        User32Function<SetProcessDpiAwarenessContextFunction>("SetProcessDpiAwarenessContext");
    // Fails harmlessly when the manifest has already decided.
    if (setContext == nullptr || setContext(kPerMonitorAwareV2) == FALSE) {
        SetProcessDPIAware();
    }
}

DpiScale WindowDpi::Of(HWND window) {
    static const auto forWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    const UINT dpi = forWindow != nullptr && window != nullptr ? forWindow(window) : 0;
    return dpi != 0 ? DpiScale(static_cast<int>(dpi)) : System();
}

DpiScale WindowDpi::System() {
    static const auto forSystem = User32Function<GetDpiForSystemFunction>("GetDpiForSystem");
    return DpiScale(forSystem != nullptr ? static_cast<int>(forSystem()) : ScreenDpi());
}

int WindowDpi::Metric(int index, const DpiScale& dpi) {
    static const auto forDpi = User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
    if (forDpi != nullptr) {
        return forDpi(index, static_cast<UINT>(dpi.Dpi()));
    }
    return dpi.From(GetSystemMetrics(index), System());
}

} // namespace vaultlet
