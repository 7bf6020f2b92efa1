#include "shell/win32/ui/ScopedHandles.h"

#include <commctrl.h>

namespace vaultlet {

void ImageListTraits::Close(HIMAGELIST list) noexcept {
    ImageList_Destroy(list);
}

} // namespace vaultlet
