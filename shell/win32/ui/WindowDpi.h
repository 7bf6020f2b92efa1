#pragma once

#include "shell/DpiScale.h"

#include <windows.h>

namespace vaultlet {

// Where a window learns the resolution it is shown at. Windows 10 (from version 1607) keeps one per
// window, the scaling of the monitor it is on; older systems have one for the whole desktop. The newer
// functions are looked up when first needed, so the program still runs where they are missing.
class WindowDpi {
public:
    // Declares the program aware of each monitor's scaling, with the system scaling dialogs and
    // window frames for it (per-monitor v2, Windows 10 1703 and later), and of the system's scaling
    // where that is not offered. The manifest declares the same; this is for a start that did not
    // read it. Call before the first window exists.
    static void DeclareAwareness();
    // The resolution of the window (of its top-level window, for a control).
    static DpiScale Of(HWND window);
    // The resolution the system's own sizes and stock fonts are made for.
    static DpiScale System();
    // A system metric (GetSystemMetrics) at the given resolution.
    static int Metric(int index, const DpiScale& dpi);
};

} // namespace vaultlet
