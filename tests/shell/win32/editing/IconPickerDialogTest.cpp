#include "shell/win32/editing/IconPickerDialog.h"

#include "resources/resource.h"
#include "shell/win32/ui/SharedIcons.h"
#include "tests/shell/win32/ShellGuiFixture.h"
#include "tests/support/win32/GuiDriver.h"

#include <commctrl.h>

namespace vaultlet {
namespace {

using test::Click;

bool IsIconPicker(HWND window) {
    return test::HasControl(window, IDC_ICON_LIST);
}

int SelectionOf(HWND window) {
    return ListView_GetNextItem(GetDlgItem(window, IDC_ICON_LIST), -1, LVNI_SELECTED);
}

void Select(HWND window, int index) {
    const HWND list = GetDlgItem(window, IDC_ICON_LIST);
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    if (index >= 0) {
        ListView_SetItemState(list, index, LVIS_SELECTED, LVIS_SELECTED);
    }
}

struct Outcome {
    INT_PTR result;
    int image;
};

class IconPickerDialogTest : public test::ShellGuiFixture {
protected:
    static Outcome RunPicker(int current, const std::function<void(HWND)>& drive) {
        IconPickerDialog dialog(current);
        const INT_PTR result = RunDialog(dialog, IsIconPicker, drive);
        return {result, dialog.Image()};
    }
};

// A picked icon reaching its item is FieldDialogTest's.
TEST_F(IconPickerDialogTest, ListsEveryIconWithTheCurrentOneSelectedAndOnlyOkReturnsTheSelection) {
    const Outcome kept = RunPicker(13, [](HWND window) {
        const HWND list = GetDlgItem(window, IDC_ICON_LIST);
        ASSERT_EQ(ListView_GetItemCount(list), SharedIcons::kCount);
        EXPECT_EQ(SelectionOf(window), 13);
        Click(window, IDOK);
    });
    EXPECT_EQ(kept.result, IDOK);
    EXPECT_EQ(kept.image, 13) << "OK without a click keeps the image";

    const Outcome cleared = RunPicker(3, [](HWND window) {
        Select(window, -1);
        Click(window, IDOK);
    });
    EXPECT_EQ(cleared.image, -1);

    const Outcome cancelled = RunPicker(-1, [](HWND window) {
        EXPECT_EQ(SelectionOf(window), -1);
        Select(window, 24);
        Click(window, IDCANCEL);
    });
    EXPECT_EQ(cancelled.result, IDCANCEL);
    EXPECT_EQ(cancelled.image, -1);
}

} // namespace
} // namespace vaultlet
