#pragma once

#include <windows.h>

#include <commctrl.h>

namespace vaultlet {

// The process-wide list of the 34 small node icons. A group's or passcard's image number indexes
// it, so the order of loading is part of the stored data. Views attach it with shared-image-list
// styles; it lives until the process ends.
class SharedIcons {
public:
    static constexpr int kCount = 34;
    static constexpr int kSize = 16;
    // The icons of listed database files: elsewhere, and beside the executable.
    static constexpr int kDatabaseFileImage = 8;
    static constexpr int kLocalDatabaseFileImage = 9;

    // Creates the list on first use; null when it cannot be created.
    static HIMAGELIST Get();
    // The resource number of image n, in loading order.
    static int ResourceOf(int image);
};

} // namespace vaultlet
