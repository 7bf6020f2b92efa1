// The smaller Win32 pieces of the shell: the background threads, the hot-key registration, the
// shared icon list, the header band and link controls, and the About box.
#include "shell/win32/AboutDialog.h"
#include "shell/win32/HotKeyRegistration.h"
#include "shell/win32/RizeThread.h"
#include "shell/win32/SharedIcons.h"
#include "shell/win32/WorkerThread.h"
#include "shell/win32/ui/DialogTemplate.h"
#include "shell/win32/ui/HeaderBand.h"
#include "shell/win32/ui/LinkLabel.h"

#include "resources/resource.h"
#include "services/BuiltinStringTable.h"
#include "tests/support/win32/GuiDriver.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <atomic>
#include <stdexcept>

namespace vaultlet {
namespace {

class CountingThread final : public WorkerThread {
public:
    CountingThread(std::atomic<int>& runs, HANDLE release, bool fail, bool autoDelete)
        : WorkerThread(std::string(150, 'n'), autoDelete), m_runs(runs), m_release(release), m_fail(fail) {}
    ~CountingThread() override { ++m_runs; }

protected:
    void Run() override {
        WaitForSingleObject(m_release, INFINITE);
        if (m_fail) {
            throw std::runtime_error("escapes Run");
        }
    }

private:
    std::atomic<int>& m_runs;
    HANDLE m_release;
    bool m_fail;
};

TEST(WorkerThreadTest, RunsOnceAtATimeKeepsEscapingExceptionsInAndDeletesItselfWhenAsked) {
    std::atomic<int> destroyed{0};
    UniqueHandle release(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    {
        CountingThread thread(destroyed, release.Get(), true, false);
        EXPECT_EQ(thread.Name().size(), WorkerThread::kMaxNameLength);
        EXPECT_FALSE(thread.IsRunning());
        EXPECT_TRUE(thread.Join(0)) << "a thread that never started has ended";
        ASSERT_TRUE(thread.Start());
        ASSERT_TRUE(thread.WaitRunning(10000));
        EXPECT_TRUE(thread.Start()) << "a running thread is not started twice";
        EXPECT_FALSE(thread.Join(50));
        SetEvent(release.Get());
        ASSERT_TRUE(thread.Join(10000));
        EXPECT_FALSE(thread.IsRunning());
    }
    EXPECT_EQ(destroyed, 1);

    auto* detached = new CountingThread(destroyed, release.Get(), false, true);
    ASSERT_TRUE(detached->Start());
    EXPECT_TRUE(test::WaitUntil([&] { return destroyed == 2; })) << "it deleted itself";
}

TEST(RizeThreadTest, EachSignalRaisesTheCurrentWindowUntilStopped) {
    DialogTemplate layout("Raise me", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 120, 40);
    UniqueHandle instanceEvent(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    HWND window = CreateDialogIndirectParamA(
        GetModuleHandleA(nullptr), layout.Get(), nullptr, [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; },
        0);
    ASSERT_NE(window, nullptr);
    RizeThread rize(instanceEvent.Get());
    ASSERT_TRUE(rize.Start());
    ASSERT_TRUE(rize.WaitRunning(10000));

    SetEvent(instanceEvent.Get()); // no window yet: nothing happens
    EXPECT_FALSE(test::WaitUntil([&] { return IsWindowVisible(window) != 0; }, 300));
    rize.SetWindow(window);
    SetEvent(instanceEvent.Get());
    EXPECT_TRUE(test::WaitUntil([&] { return IsWindowVisible(window) != 0; }));

    ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(window));
    SetEvent(instanceEvent.Get());
    EXPECT_TRUE(test::WaitUntil([&] { return !IsIconic(window); })) << "a minimised window is restored";

    rize.Shutdown();
    EXPECT_FALSE(rize.IsRunning());
    ShowWindow(window, SW_HIDE);
    SetEvent(instanceEvent.Get());
    EXPECT_FALSE(test::WaitUntil([&] { return IsWindowVisible(window) != 0; }, 300))
        << "a stopped thread raises nothing";
    DestroyWindow(window);
}

TEST(HotKeyRegistrationTest, RegistersUnderARandomAtomAndReleasesEverything) {
    EXPECT_EQ(HotKeyRegistration::SystemModifiers(6), static_cast<UINT>(MOD_CONTROL | MOD_ALT));
    EXPECT_EQ(HotKeyRegistration::SystemModifiers(1), static_cast<UINT>(MOD_SHIFT));
    EXPECT_EQ(HotKeyRegistration::SystemModifiers(8 | 4), static_cast<UINT>(MOD_ALT)) << "the extended bit is dropped";

    DialogTemplate layout("Hot key owner", WS_POPUP, 0, 0, 10, 10);
    HWND window = CreateDialogIndirectParamA(
        GetModuleHandleA(nullptr), layout.Get(), nullptr, [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; },
        0);
    ASSERT_NE(window, nullptr);
    {
        HotKeyRegistration first;
        ASSERT_TRUE(first.Register(HOTKEYF_CONTROL | HOTKEYF_SHIFT, 'K', window));
        EXPECT_FALSE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_SHIFT, 'K')) << "the combination is taken";
        HotKeyRegistration second;
        EXPECT_FALSE(second.Register(HOTKEYF_CONTROL | HOTKEYF_SHIFT, 'K', window)) << "taken is no error";
        EXPECT_FALSE(second.IsRegistered());

        ASSERT_TRUE(first.Register(HOTKEYF_ALT, 'K', window)) << "registering again replaces the old one";
        EXPECT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_SHIFT, 'K'));
        UnregisterHotKey(nullptr, 7);
    }
    EXPECT_TRUE(RegisterHotKey(nullptr, 7, MOD_ALT, 'K')) << "released with its owner";
    UnregisterHotKey(nullptr, 7);
    DestroyWindow(window);
}

TEST(SharedIconsTest, HoldsTheThirtyFourSmallIconsInTheirFixedOrder) {
    const HIMAGELIST icons = SharedIcons::Get();
    ASSERT_NE(icons, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(icons), SharedIcons::kCount);
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(icons, &width, &height);
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 16);
    EXPECT_EQ(SharedIcons::Get(), icons) << "one list for the process";
    EXPECT_EQ(SharedIcons::ResourceOf(0), IDI_NODE_LOCATION);
    EXPECT_EQ(SharedIcons::ResourceOf(6), IDI_NODE_DATABASE);
    EXPECT_EQ(SharedIcons::ResourceOf(7), IDI_NODE_PASSCARD);
    EXPECT_EQ(SharedIcons::ResourceOf(SharedIcons::kDatabaseFileImage), IDI_NODE_DATABASE_FILE);
    EXPECT_EQ(SharedIcons::ResourceOf(SharedIcons::kLocalDatabaseFileImage), IDI_NODE_DATABASE_LOCAL);
    EXPECT_EQ(SharedIcons::ResourceOf(33), IDI_NODE_CLOCK);
    EXPECT_EQ(SharedIcons::ResourceOf(34), 0);
}

// A dialog with a header band and two links, built in memory.
class ControlsDialog : public Dialog {
public:
    explicit ControlsDialog(const DLGTEMPLATE* layout) : Dialog(layout) {}
    std::vector<int> clicks;

protected:
    bool OnCommand(int id, int code, HWND control) override {
        if (code == BN_CLICKED && (id == 201 || id == 202)) {
            clicks.push_back(id);
            return true;
        }
        return Dialog::OnCommand(id, code, control);
    }
};

TEST(ShellControlsTest, LinksClickLikeButtonsUnlessDisabledAndTheHeaderKeepsItsText) {
    DialogTemplate layout("Controls", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 0, 200, 100);
    layout.AddControl(HeaderBand::kClassName, "Title\nDescription", 200, WS_VISIBLE, 0, 0, 200, 30);
    layout.AddControl(LinkLabel::kClassName, "First link", 201, WS_VISIBLE | WS_TABSTOP, 10, 40, 80, 10);
    layout.AddControl(LinkLabel::kClassName, "Second link", 202, WS_VISIBLE | WS_TABSTOP | WS_DISABLED, 10, 55, 80, 10);
    ControlsDialog dialog(layout.Get());
    test::ModalThread run([&] { return dialog.RunModal(nullptr); });
    const HWND window = run.WaitForDialog("Controls");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(test::ItemTextOf(window, 200), "Title\nDescription");
    EXPECT_NE(SendMessageA(GetDlgItem(window, 200), WM_GETFONT, 0, 0), 0) << "the dialog font reached the band";

    test::Click(window, 201);
    test::Click(window, 202);
    // A mouse click: button down and up over the link.
    const HWND link = GetDlgItem(window, 201);
    PostMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_EQ(dialog.clicks, (std::vector<int>{201, 201})) << "the disabled link stays silent";
}

TEST(AboutDialogTest, ShowsTheProductItsVersionAndPurpose) {
    AboutDialog about;
    test::ModalThread run([&] { return about.RunModal(nullptr); });
    const HWND window = run.WaitForDialogWhere([](HWND w) { return test::HasControl(w, IDC_ABOUT_VERSION); });
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(test::TextOf(window), BuiltinStringTable::Find(IDS_TITLE_ABOUT));
    EXPECT_EQ(test::ItemTextOf(window, IDC_ABOUT_PRODUCT), "Quillmoth Keyhaven");
    EXPECT_EQ(test::ItemTextOf(window, IDC_ABOUT_VERSION), "v1.0");
    EXPECT_NE(test::ItemTextOf(window, IDC_ABOUT_DESCRIPTION), "");
    test::Click(window, IDOK);
    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_EQ(run.Result(), IDOK);
}

} // namespace
} // namespace vaultlet
