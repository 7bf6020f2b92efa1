#pragma once

#include "shell/DpiScale.h"

#include <windows.h>

#include <commctrl.h>

namespace vaultlet {

// The process-wide lists of the 34 small node icons, one for each size a window's resolution asks
// for. A group's or passcard's image number indexes them, so the order of loading is part of the
// stored data. Views attach a list with shared-image-list styles; each lives until the process ends.
class SharedIcons {
public:
    static constexpr int kCount = 34;
    // The icons' size at 96 DPI.
    static constexpr int kSize = 16;
    // The icons of listed database files: elsewhere, and beside the executable.
    static constexpr int kDatabaseFileImage = 8;
    static constexpr int kLocalDatabaseFileImage = 9;

    // The list for the resolution (its icons 16 pixels wide at 96 DPI, 24 at 144), created on first
    // use; null when it cannot be created.
    static HIMAGELIST Get(const DpiScale& dpi);
    // An icon of the program's resources in the small size of the resolution (a button's picture),
    // loaded on first use and kept until the process ends.
    static HICON Picture(int resource, const DpiScale& dpi);
    // The resource number of image n, in loading order.
    static int ResourceOf(int image);
};

} // namespace vaultlet
