#include "shell/win32/ui/SharedIcons.h"

#include "resources/resource.h"
#include "shell/win32/ui/ScopedHandles.h"

#include <array>
#include <map>
#include <mutex>
#include <utility>

namespace vaultlet {
namespace {

constexpr std::array<int, SharedIcons::kCount> kResourceOrder = {
    IDI_NODE_LOCATION, IDI_NODE_PASSWORD, IDI_NODE_LOGIN,    IDI_NODE_CUSTOM,        IDI_NODE_URL,
    IDI_NODE_GROUP,    IDI_NODE_DATABASE, IDI_NODE_PASSCARD, IDI_NODE_DATABASE_FILE, IDI_NODE_DATABASE_LOCAL,
    IDI_NODE_MAIL,     IDI_NODE_SERIAL,   IDI_NODE_PHONE,    IDI_NODE_HOST,          IDI_NODE_IP,
    IDI_NODE_CARD,     IDI_NODE_BOOKMARK, IDI_NODE_NOTE,     IDI_NODE_LOCK,          IDI_NODE_STAR,
    IDI_NODE_PEOPLE,   IDI_NODE_EXEC,     IDI_NODE_SHIELD,   IDI_NODE_BANK,          IDI_NODE_KEY_PASSPHRASE,
    IDI_NODE_AUTOFILL, IDI_NODE_CHAT,     IDI_NODE_EXPIRED,  IDI_NODE_HEART,         IDI_NODE_PRIVATE_KEY,
    IDI_NODE_FILE,     IDI_NODE_FLAG,     IDI_NODE_TAG,      IDI_NODE_CLOCK,
};
static_assert(kResourceOrder.size() == VAULTLET_NODE_ICON_COUNT);

HICON LoadSized(int resource, int size) {
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

UniqueImageList Build(int size) {
    constexpr int kInitialCapacity = 16;
    constexpr int kGrowth = 1;
    UniqueImageList list(ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, kInitialCapacity, kGrowth));
    if (!list) {
        return list;
    }
    for (const int resource : kResourceOrder) {
        UniqueIcon icon(LoadSized(resource, size));
        // A missing picture still takes its place, so later image numbers keep their meaning.
        ImageList_AddIcon(list.Get(), icon ? icon.Get() : LoadIconA(nullptr, IDI_APPLICATION));
    }
    return list;
}

// Windows of several threads (the tests' among them) ask for the lists.
std::mutex g_lock;

} // namespace

HIMAGELIST SharedIcons::Get(const DpiScale& dpi) {
    static std::map<int, UniqueImageList> lists;
    const int size = dpi.Scale(kSize);
    const std::lock_guard<std::mutex> lock(g_lock);
    UniqueImageList& list = lists[size];
    if (!list) {
        list = Build(size);
    }
    return list.Get();
}

HICON SharedIcons::Picture(int resource, const DpiScale& dpi) {
    static std::map<std::pair<int, int>, UniqueIcon> pictures;
    const int size = dpi.Scale(kSize);
    const std::lock_guard<std::mutex> lock(g_lock);
    UniqueIcon& picture = pictures[{resource, size}];
    if (!picture) {
        picture.Reset(LoadSized(resource, size));
    }
    return picture.Get();
}

int SharedIcons::ResourceOf(int image) {
    return image >= 0 && image < kCount ? kResourceOrder[static_cast<std::size_t>(image)] : 0;
}

} // namespace vaultlet
