// Another program's passphrase prompt for the window monitor's tests:
//
//   passphrase_prompt KEY_NAME
//
// shows the Pageant-style prompt (tests/support/win32/Win32TestWindows.h) for the key and runs until
// it is ended. The tests copy this program under the name of the program whose prompt it stands
// for ("pageant.exe"), or under another name for a window that only looks like one.
#include "tests/support/win32/Win32TestWindows.h"

#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: passphrase_prompt KEY_NAME\n");
        return 2;
    }
    const std::string keyName = argv[1];
    const std::wstring wideName(keyName.begin(), keyName.end());
    const HWND prompt = vaultlet::test::CreatePassphrasePrompt(wideName.c_str());
    if (prompt == nullptr) {
        return 1;
    }
    ShowWindow(prompt, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(prompt, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return 0;
}
