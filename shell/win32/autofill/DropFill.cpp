#include "shell/win32/autofill/DropFill.h"

#include "autofill/AutofillEngine.h"
#include "autofill/win32/Win32InputSender.h"
#include "autofill/win32/WindowDescription.h"
#include "core/Item.h"
#include "core/Passcard.h"
#include "shell/AutofillSettings.h"
#include "shell/NodeEditing.h"
#include "shell/win32/system/OwnWindows.h"

#include <cstring>

namespace vaultlet {
namespace {

// How long the clicked program may take to come to the front before the keys are given up; a
// loaded machine can need far more than the moment it usually takes.
constexpr ULONGLONG kClickToFrontMilliseconds = 3000;
constexpr DWORD kFrontPollMilliseconds = 10;

bool IsTaskbar(HWND window) {
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    return std::strcmp(className, "Shell_TrayWnd") == 0;
}

bool WaitUntilInFront(HWND window) {
    const ULONGLONG deadline = GetTickCount64() + kClickToFrontMilliseconds;
    while (GetForegroundWindow() != window) {
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(kFrontPollMilliseconds);
    }
    return true;
}

void ClickWherePointerIs() {
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, click, sizeof(INPUT));
}

} // namespace

HWND DropFill::FindTarget(const ModelNode& node, POINT screen) {
    const HWND desktop = GetDesktopWindow();
    const HWND window =
        ChildWindowFromPointEx(desktop, screen, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED | CWP_SKIPTRANSPARENT);
    if (window == nullptr || window == desktop || window == GetShellWindow() || IsOwnWindow(window) ||
        IsTaskbar(window) || !node_editing::FillsByDrop(node)) {
        return nullptr;
    }
    return window;
}

void DropFill::Fill(ModelNode& node, HWND target) {
    Win32InputSender sender;
    AutofillEngine engine(sender, AutofillOptionsFromSettings);
    if (node.Kind() == NodeKind::Passcard) {
        auto& passcard = static_cast<Passcard&>(node);
        if (engine.PrepareTemplate(passcard.AutofillString(), &passcard)) {
            // The window dropped on, not the main window that is still in front.
            passcard.SetWindowId(DescribeWindow(target).Viewed());
        }
    } else if (node.Kind() == NodeKind::Item) {
        engine.PrepareText(static_cast<const Item&>(node).Value().Viewed());
    }
    if (!engine.HasInput()) {
        return;
    }
    // The keys go only to the window dropped on, once the click has brought it to the front.
    ClickWherePointerIs();
    if (WaitUntilInFront(target)) {
        engine.Send();
    }
}

} // namespace vaultlet
