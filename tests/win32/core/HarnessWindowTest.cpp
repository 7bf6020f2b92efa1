// Proves that GUI tests work under Wine: a real top-level window with real child controls, driven
// by messages, with the result read back from the controls.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

constexpr int kEditId = 101;
constexpr int kButtonId = 102;
constexpr int kResultId = 103;
constexpr char kClassName[] = "VaultletHarnessTestWindow";

// Clicking the button copies the edit text, reversed, into the static control.
LRESULT CALLBACK HarnessProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED) {
        char text[256] = {};
        GetDlgItemTextA(window, kEditId, text, sizeof text);
        std::string reversed(text);
        reversed.assign(reversed.rbegin(), reversed.rend());
        SetDlgItemTextA(window, kResultId, reversed.c_str());
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::string ControlText(HWND window, int id) {
    char text[256] = {};
    GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

} // namespace

TEST(HarnessWindowTest, ButtonClickUpdatesAnotherControl) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = HarnessProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    ASSERT_NE(RegisterClassA(&windowClass), 0);

    HWND window = CreateWindowExA(0, kClassName, "Harness", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 150, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    const auto child = [&](const char* cls, DWORD style, int id, int y) {
        return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, 10, y, 200, 24, window,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), windowClass.hInstance, nullptr);
    };
    HWND edit = child("EDIT", WS_BORDER | ES_AUTOHSCROLL, kEditId, 10);
    HWND button = child("BUTTON", BS_PUSHBUTTON, kButtonId, 40);
    ASSERT_NE(child("STATIC", 0, kResultId, 70), nullptr);
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(button, nullptr);

    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("vaultlet"));
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(ControlText(window, kResultId), "teltluav");

    DestroyWindow(window);
    UnregisterClassA(kClassName, windowClass.hInstance);
}
