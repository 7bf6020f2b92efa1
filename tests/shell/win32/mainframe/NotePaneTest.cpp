#include "shell/win32/mainframe/NotePane.h"

#include "core/Passcard.h"
#include "tests/support/win32/Win32TestWindows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vaultlet {
namespace {

// Every text the control was set to, in order.
std::vector<std::string> g_texts;
WNDPROC g_editProcedure = nullptr;

LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT) {
        g_texts.emplace_back(reinterpret_cast<const char*>(lParam));
    }
    return CallWindowProcA(g_editProcedure, window, message, wParam, lParam);
}

// An edit control shortens its buffer or frees it without wiping: the note shown before is
// overwritten in place, at its own length, before the next one (or nothing) takes its place.
TEST(NotePaneTest, TheNoteShownBeforeIsOverwrittenBeforeItGoes) {
    const HWND parent = test::CreateOwnerWindow();
    NotePane pane;
    ASSERT_TRUE(pane.Create(parent, 1));
    g_editProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(pane.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProcedure)));
    Passcard first;
    first.SetComment("a private note");
    Passcard second;
    second.SetComment("x");

    pane.Show(&first);
    g_texts.clear();
    pane.Show(&second);
    EXPECT_EQ(g_texts, (std::vector<std::string>{"**************", "", "x"}));
    g_texts.clear();
    pane.Forget();
    EXPECT_EQ(g_texts, (std::vector<std::string>{"*", ""}));

    SetWindowLongPtrA(pane.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_editProcedure));
    DestroyWindow(parent);
}

} // namespace
} // namespace vaultlet
