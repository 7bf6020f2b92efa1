// A promised paste on the real clipboard: who may read it, and what happens to it when the clean-up
// finds the clipboard held open.
#include "autofill/win32/DelayedClipboardText.h"

#include "autofill/win32/ClipboardKeeper.h"
#include "tests/support/win32/ClipboardContents.h"
#include "tests/support/win32/Win32TestWindows.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using namespace vaultlet;
using namespace vaultlet::test;

namespace {

// The program's keeper, as far as auto-type sees it: it records what it is handed.
class RecordingKeeper final : public ClipboardKeeper {
public:
    bool Copy(std::string_view) override { return false; }
    void TakeOver(std::string_view text) override { takenOver.emplace_back(text); }
    void ClearIfOurs() override {}

    std::vector<std::string> takenOver;
};

// A window of this process, on a thread of its own, that reads the clipboard's text and keeps the
// clipboard open until told.
class HoldingReader {
public:
    HoldingReader() : m_release(CreateEventA(nullptr, TRUE, FALSE, nullptr)), m_thread([this] { Read(); }) {}
    ~HoldingReader() {
        SetEvent(m_release);
        m_thread.join();
        CloseHandle(m_release);
    }

    void Release() { SetEvent(m_release); }
    bool IsHolding() const { return m_window != nullptr && GetOpenClipboardWindow() == m_window; }
    // What it read; set once the clipboard is closed again.
    std::optional<std::string> Text() const { return m_done ? m_text : std::nullopt; }

private:
    void Read() {
        const HWND window = CreateOwnerWindow();
        if (OpenClipboard(window)) {
            m_window = window;
            if (HANDLE block = GetClipboardData(CF_TEXT)) {
                if (const auto* data = static_cast<const char*>(GlobalLock(block))) {
                    m_text = data;
                    GlobalUnlock(block);
                }
            }
            WaitForSingleObject(m_release, 10000);
            CloseClipboard();
        }
        m_done = true;
        DestroyWindow(window);
    }

    HANDLE m_release;
    std::atomic<HWND> m_window{nullptr};
    std::optional<std::string> m_text;
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};

} // namespace

// The target read the value, but something holds the clipboard open when it should be taken off:
// the program's keeper is handed the value, and clears it as soon as it can.
TEST(DelayedClipboardTextTest, AValueThatCannotBeTakenOffGoesToTheKeeper) {
    RecordingKeeper keeper;
    ASSERT_EQ(ClipboardKeeper::Current(), &keeper);
    DelayedClipboardText offered;
    ASSERT_TRUE(offered.Offer("pa55 w0rd"));
    HoldingReader reader;
    ASSERT_TRUE(PumpUntil([&] { return reader.IsHolding(); }));
    EXPECT_EQ(offered.ReleaseTo(GetCurrentProcessId(), 5000), DelayedClipboardText::Outcome::Taken);
    offered.Withdraw();
    EXPECT_EQ(keeper.takenOver, std::vector<std::string>{"pa55 w0rd"});
    reader.Release();
    EXPECT_TRUE(PumpUntil([&] { return reader.Text().has_value(); }));
    EXPECT_EQ(reader.Text(), "pa55 w0rd");
    EXPECT_EQ(ClipboardText(nullptr), "pa55 w0rd") << "left for the keeper";
}
