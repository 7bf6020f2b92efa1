#include "tools/gallery/PlantedFaults.h"

#include "resources/dialogs/DialogLayout.h"
#include "shell/DpiScale.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/DialogTemplate.h"
#include "shell/win32/ui/WindowDpi.h"

namespace vaultlet::gallery {
namespace {

// The test dialog's controls; the numbers are the gallery's own.
constexpr WORD kNarrowButton = 2401;
constexpr WORD kNarrowCheckBox = 2402;
constexpr WORD kFirstEdit = 2403;
constexpr WORD kSecondEdit = 2404;
constexpr WORD kStrayText = 2405;
constexpr WORD kPixelButton = 2406;
// The pixel-sized button is as wide as it would be made for its text at 96 DPI, with its frame and
// two pixels to spare, and keeps that width at every resolution, while its text grows.
constexpr int kPixelSpare = 2;
constexpr int kPixelFrame = 6;
constexpr int kPixelHeight = 23;

const DialogTemplate& FaultyTemplate() {
    static const DialogTemplate layout = [] {
        DialogTemplate dialog("Planted layout faults", VL_DIALOG_STYLE, 0, 0, 200, 120, VL_FONT_NAME, VL_FONT_SIZE);
        dialog.AddControl("BUTTON", "Cancel", kNarrowButton, WS_VISIBLE | WS_TABSTOP, VL_MARGIN, VL_MARGIN, 10,
                          VL_BUTTON_HEIGHT);
        dialog.AddControl("BUTTON", "Remember this choice", kNarrowCheckBox, WS_VISIBLE | BS_AUTOCHECKBOX, VL_MARGIN,
                          30, 40, 10);
        dialog.AddControl("EDIT", "", kFirstEdit, WS_VISIBLE | WS_BORDER, VL_MARGIN, 50, 80, VL_EDIT_HEIGHT);
        dialog.AddControl("EDIT", "", kSecondEdit, WS_VISIBLE | WS_BORDER, 60, 55, 80, VL_EDIT_HEIGHT);
        dialog.AddControl("STATIC", "Beyond the edge", kStrayText, WS_VISIBLE | SS_LEFT, 150, 80, 80, VL_LABEL_HEIGHT);
        dialog.AddControl("BUTTON", "Send Report", kPixelButton, WS_VISIBLE | WS_TABSTOP, VL_MARGIN, 95,
                          VL_BUTTON_WIDTH, VL_BUTTON_HEIGHT);
        return dialog;
    }();
    return layout;
}

class FaultyDialog final : public Dialog {
public:
    FaultyDialog() : Dialog(FaultyTemplate().Get()) {}

protected:
    bool OnInit() override {
        const HWND button = Item(kPixelButton);
        RECT place{};
        GetWindowRect(button, &place);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 1);
        const HDC dc = GetDC(button);
        const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)));
        SIZE text{};
        GetTextExtentPoint32A(dc, "Send Report", 11, &text);
        SelectObject(dc, previous);
        ReleaseDC(button, dc);
        const int designWidth = DpiScale().From(text.cx, WindowDpi::Of(button)) + kPixelFrame + kPixelSpare;
        MoveWindow(button, place.left, place.top, designWidth, kPixelHeight, FALSE);
        return true;
    }
    std::string_view HelpPage() const override { return {}; }
};

void ShowFaultyDialog(Scene&) {
    FaultyDialog dialog;
    dialog.RunModal(nullptr);
}

} // namespace

const Entry& PlantedFaultsScene() {
    static const Entry scene{ShowFaultyDialog, 1, nullptr};
    return scene;
}

std::vector<std::string> PlantedFaults(int dpi) {
    std::vector<std::string> faults = {
        "Button 2401 \"Cancel\": its text needs",
        "Button 2402 \"Remember this choice\": its text needs",
        "Edit 2403: overlaps Edit 2404",
        "Static 2405 \"Beyond the edge\": lies at",
    };
    if (dpi > DpiScale::kDesignDpi) {
        faults.push_back("Button 2406 \"Send Report\": its text needs");
    }
    return faults;
}

} // namespace vaultlet::gallery
