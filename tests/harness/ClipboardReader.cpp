// Another program that reads the clipboard, for the tests of clipboard-mode auto-type:
//
//   clipboard_reader EVENT_NAME RESULT_FILE
//
// waits until the named event is set, then opens the clipboard for a window of its own, asks for its
// text and writes what it got into RESULT_FILE ("text:" and the text, or "nothing"). It stands for a
// clipboard monitor that ignores the markers asking it to leave secrets alone.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kWaitMilliseconds = 30000;
constexpr int kOpenAttempts = 1000;

std::string ReadText() {
    const HWND window = CreateWindowExA(0, "Static", "clipboard reader", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
    for (int attempt = 0; attempt < kOpenAttempts && !OpenClipboard(window); ++attempt) {
        Sleep(10);
    }
    std::string result = "nothing";
    if (HANDLE block = GetClipboardData(CF_TEXT)) {
        if (const auto* text = static_cast<const char*>(GlobalLock(block))) {
            result = std::string("text:") + text;
            GlobalUnlock(block);
        }
    }
    CloseClipboard();
    DestroyWindow(window);
    return result;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: clipboard_reader EVENT_NAME RESULT_FILE\n");
        return 2;
    }
    const HANDLE go = OpenEventA(SYNCHRONIZE, FALSE, argv[1]);
    if (go == nullptr || WaitForSingleObject(go, kWaitMilliseconds) != WAIT_OBJECT_0) {
        return 1;
    }
    const std::string result = ReadText();
    if (std::FILE* file = std::fopen(argv[2], "wb")) {
        std::fwrite(result.data(), 1, result.size(), file);
        std::fclose(file);
    }
    return 0;
}
