// Another program's login form for the real-input test (e2e/RealInputTest.sh), which drives the real
// program from outside with xdotool:
//
//   autofill_target FIELDS_FILE ROW LEVEL
//
// shows the form, titled "Log in: " and the file's name, and waits until what the script's input
// needs holds: the form in front with the focus in its login field, the running program's passcard
// tree there and the program holding the global hot key. Then it prints two lines for the script's
// mouse: "source X Y", the screen point of row ROW (an item LEVEL steps below the root) in the
// program's tree, and "target X Y", the middle of the form's login field; or, when that state does
// not come, what is missing, and ends. Whenever a field changes it rewrites FIELDS_FILE as
// "login=...\npassword=...\n", so the script reads what the auto-fill typed without reaching into
// this process.
#include "shell/win32/system/ProductTitle.h"
#include "tests/support/win32/Win32TestWindows.h"

#include <commctrl.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace vaultlet;

std::string g_fieldsFile;
HWND g_form = nullptr;
std::string g_written;

HWND FindPasscardTree() {
    const HWND main = FindWindowA(kMainFrameClassName, nullptr);
    return main == nullptr ? nullptr : FindWindowExA(main, nullptr, WC_TREEVIEWA, nullptr);
}

// The tree's geometry comes from messages that answer in their return value, so they work across
// processes: the row height and the indent per level, measured from the client area's corner.
POINT RowPoint(HWND tree, int row, int level) {
    const int height = static_cast<int>(SendMessageA(tree, TVM_GETITEMHEIGHT, 0, 0));
    const int indent = static_cast<int>(SendMessageA(tree, TVM_GETINDENT, 0, 0));
    POINT point{indent * (level + 1) + 12, row * height + height / 2};
    ClientToScreen(tree, &point);
    return point;
}

POINT ControlMiddle(int id) {
    RECT rect{};
    GetWindowRect(GetDlgItem(g_form, id), &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Another program holds Ctrl+Alt+F exactly when registering it here fails. (Held here for an
// instant otherwise; the program registers it as its main window comes up, before the script
// starts this form.)
bool HotKeyIsTaken() {
    if (!RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'F')) {
        return true;
    }
    UnregisterHotKey(nullptr, 1);
    return false;
}

// The first condition of the state the script needs that does not hold, or null when all do.
const char* MissingForInput(HWND& tree) {
    if (GetForegroundWindow() != g_form || GetFocus() != GetDlgItem(g_form, test::kLoginEditId)) {
        return "the form is not in front with the focus in its login field";
    }
    if ((tree = FindPasscardTree()) == nullptr) {
        return "the program's passcard tree is not there";
    }
    if (!HotKeyIsTaken()) {
        return "the program does not hold the hot key";
    }
    return nullptr;
}

void CALLBACK WriteFieldsWhenChanged(HWND, UINT, UINT_PTR, DWORD) {
    const std::string fields = "login=" + test::WindowTextOf(GetDlgItem(g_form, test::kLoginEditId)) +
                               "\npassword=" + test::WindowTextOf(GetDlgItem(g_form, test::kPasswordEditId)) + "\n";
    if (fields == g_written) {
        return;
    }
    // Written beside and renamed, so the script never reads half a file.
    const std::string partial = g_fieldsFile + ".partial";
    if (std::FILE* file = std::fopen(partial.c_str(), "wb")) {
        std::fwrite(fields.data(), 1, fields.size(), file);
        std::fclose(file);
        MoveFileExA(partial.c_str(), g_fieldsFile.c_str(), MOVEFILE_REPLACE_EXISTING);
        g_written = fields;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: autofill_target FIELDS_FILE ROW LEVEL\n");
        return 2;
    }
    g_fieldsFile = argv[1];
    g_form = test::CreateLoginForm();
    // Named after its fields file, so that a script tells two forms apart while one of them ends.
    const std::string name = g_fieldsFile.substr(g_fieldsFile.find_last_of("/\\") + 1);
    SetWindowTextA(g_form, ("Log in: " + name).c_str());
    SetWindowPos(g_form, HWND_TOP, 40, 80, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(g_form);
    HWND tree = nullptr;
    const char* missing = nullptr;
    if (!test::PumpUntil([&] { return (missing = MissingForInput(tree)) == nullptr; }, 20000)) {
        std::fprintf(stderr, "autofill_target: %s\n", missing);
        return 1;
    }
    const POINT source = RowPoint(tree, std::atoi(argv[2]), std::atoi(argv[3]));
    const POINT target = ControlMiddle(test::kLoginEditId);
    std::printf("source %ld %ld\ntarget %ld %ld\n", source.x, source.y, target.x, target.y);
    std::fflush(stdout);

    SetTimer(nullptr, 0, 100, WriteFieldsWhenChanged);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(g_form, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return 0;
}
