// The main window on real windows: what it shows, and each transition of the open database with
// its save question answered Yes, No and Cancel, including saves that fail.
#include "shell/win32/MainFrame.h"

#include "core/EncryptedDatabase.h"
#include "core/Group.h"
#include "core/Item.h"
#include "core/ModifiedFlag.h"
#include "core/Passcard.h"
#include "resources/resource.h"
#include "services/BuiltinStringTable.h"
#include "shell/CurrentDatabase.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "tests/support/win32/ClipboardContents.h"
#include "tests/support/win32/GuiDriver.h"
#include "tests/win32/shell/ShellGuiFixture.h"

#include <commctrl.h>

namespace vaultlet {
namespace {

using test::Click;
using test::SetItemTextOf;
using test::WaitUntil;

std::string Text(int id) {
    return BuiltinStringTable::Find(id);
}

bool IsLogin(HWND window) {
    return test::HasControl(window, IDC_LOGIN_PASSWORD);
}

class MainFrameTest : public test::ShellGuiFixture {
protected:
    void SetUp() override {
        ShellGuiFixture::SetUp();
        m_path = MakeDatabase(DocumentsFile("home.kvtdat"), "Home");
        LoadCurrent();
        // One passcard with a login and a hidden password, so there is something to copy.
        auto passcard = std::make_unique<Passcard>();
        passcard->SetName("Mail");
        for (auto [type, value] :
             {std::pair{ItemType::Login, "me@example.org"}, std::pair{ItemType::Password, "s3cret"}}) {
            auto item = std::make_unique<Item>();
            item->ApplyTypeDefaults(type);
            item->SetValue(value);
            passcard->Add(std::move(item));
        }
        CurrentDatabase::Get()->At(1)->Add(std::move(passcard));
        ASSERT_TRUE(CurrentDatabase::Get()->Save());
    }
    void TearDown() override {
        if (m_run) {
            if (m_frame != nullptr && IsWindow(m_frame)) {
                SetAnswer(IDNO);
                PostMessageA(m_frame, WM_CLOSE, 0, 0);
            }
            m_run.reset();
        }
        ModifiedFlag::Clear();
        ShellGuiFixture::TearDown();
    }

    void LoadCurrent() {
        auto database = std::make_unique<EncryptedDatabase>();
        database->SetPassword("secret");
        ASSERT_EQ(database->Load(m_path), LoadResult::Loaded);
        CurrentDatabase::Set(std::move(database));
    }
    // Runs the main window on a thread of its own and waits until it is up.
    void Start() {
        m_run = std::make_unique<test::ModalThread>([this]() -> INT_PTR {
            MainFrame frame(nullptr, Folders());
            return frame.Create(SW_SHOW) ? frame.Run() : -1;
        });
        // Shown only once everything inside is built.
        WaitUntil([&] {
            m_frame = FindWindowA(MainFrame::kClassName, nullptr);
            return m_frame != nullptr && IsWindowVisible(m_frame);
        });
        ASSERT_NE(m_frame, nullptr);
        m_tree = GetDlgItem(m_frame, IDC_MAIN_TREE);
        m_list = GetDlgItem(m_frame, IDC_MAIN_LIST);
        m_note = GetDlgItem(m_frame, IDC_MAIN_NOTE);
    }
    bool Ended() const { return m_run->WaitForEnd(); }
    // A command that opens a window of its own (a login, a file dialog, a modal dialog): the test
    // goes on while it runs.
    void Command(int id) const { PostMessageA(m_frame, WM_COMMAND, static_cast<WPARAM>(id), 0); }
    // A command or message handled before this returns (message boxes are answered by the test).
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(m_frame, message, wParam, lParam);
    }

    std::string TreeText(HTREEITEM item) const {
        char text[256] = {};
        TVITEMA data{};
        data.mask = TVIF_TEXT;
        data.hItem = item;
        data.pszText = text;
        data.cchTextMax = sizeof text;
        SendMessageA(m_tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
        return text;
    }
    HTREEITEM Child(HTREEITEM parent, int index) const {
        HTREEITEM item = TreeView_GetChild(m_tree, parent);
        while (item != nullptr && index-- > 0) {
            item = TreeView_GetNextSibling(m_tree, item);
        }
        return item;
    }
    HTREEITEM Root() const { return TreeView_GetRoot(m_tree); }
    void SelectInTree(HTREEITEM item) const {
        SendMessageA(m_tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    }
    std::string ListText(int row, int column) const {
        char text[256] = {};
        LVITEMA data{};
        data.iSubItem = column;
        data.pszText = text;
        data.cchTextMax = sizeof text;
        SendMessageA(m_list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&data));
        return text;
    }
    int ListImage(int row) const {
        LVITEMA data{};
        data.mask = LVIF_IMAGE;
        data.iItem = row;
        data.iImage = -1;
        SendMessageA(m_list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
        return data.iImage;
    }
    std::string StatusInfo() const {
        char text[256] = {};
        SendMessageA(GetDlgItem(m_frame, IDC_MAIN_STATUS), SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
        return text;
    }
    // Types into the note as a user would: the text reaches the model only when it is committed.
    void TypeNote(const std::string& text) const {
        SendMessageA(m_note, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    // Reading a file clears the process-wide modified flag; the check leaves it as it was.
    std::string CommentOnDisk(const std::string& path) const {
        const bool modified = ModifiedFlag::IsRaised();
        EncryptedDatabase reread;
        reread.SetPassword("secret");
        EXPECT_EQ(reread.Load(path), LoadResult::Loaded);
        if (modified) {
            ModifiedFlag::Raise();
        }
        return std::string(reread.Comment().Viewed());
    }
    HWND WaitForLogin() const { return m_run->WaitForDialogWhere(IsLogin); }
    // Answers the next message box and waits until it was asked.
    void ExpectMessage(const std::string& text) {
        ASSERT_TRUE(WaitForMessages(m_seen + 1));
        EXPECT_EQ(Messages()[m_seen], text);
        ++m_seen;
    }

    std::string m_path;
    std::unique_ptr<test::ModalThread> m_run;
    HWND m_frame = nullptr;
    HWND m_tree = nullptr;
    HWND m_list = nullptr;
    HWND m_note = nullptr;
    std::size_t m_seen = 0;
};

TEST_F(MainFrameTest, ShowsTheDatabaseAndKeepsTypedNotes) {
    Start();
    EXPECT_EQ(test::TextOf(m_frame), "Quillmoth Keyhaven");
    EXPECT_EQ(TreeText(Root()), "Home");
    EXPECT_EQ(TreeText(Child(Root(), 0)), "Network");
    EXPECT_EQ(TreeText(Child(Child(Root(), 1), 0)), "Mail");
    EXPECT_EQ(ListView_GetItemCount(m_list), 5);
    EXPECT_EQ(ListText(1, 0), "Internet");
    EXPECT_EQ(ListImage(1), PasscardTree::kGroupImage);
    EXPECT_EQ(StatusInfo(), "Total: 5 Group(s), 1 Passcard(s), 2 Fields(s)");

    SelectInTree(Child(Child(Root(), 1), 0));
    ASSERT_EQ(ListView_GetItemCount(m_list), 2);
    EXPECT_EQ(ListText(0, 1), "me@example.org");
    EXPECT_EQ(ListText(1, 1), "**********");
    EXPECT_EQ(ListImage(1), PasscardTree::ImageOf(*CurrentDatabase::Get()->At(1)->At(0)->At(1)));
    EXPECT_FALSE(ModifiedFlag::IsRaised()) << "showing a node changes nothing";

    // A note typed on two lines reaches the model with line feeds when the selection moves on.
    TypeNote("first\r\nsecond");
    SelectInTree(Root());
    const Passcard* mail = CurrentDatabase::Get()->At(1)->At(0);
    EXPECT_EQ(mail->Comment().Viewed(), "first\nsecond");
    EXPECT_TRUE(ModifiedFlag::IsRaised());
    SelectInTree(Child(Child(Root(), 1), 0));
    EXPECT_EQ(test::TextOf(m_note), "first\r\nsecond");
}

// Lists of the same length reuse the control's rows: nothing of the previous list may show through.
TEST_F(MainFrameTest, AListOfTheSameLengthStartsOverWithTheNewNodesRows) {
    auto bank = std::make_unique<Passcard>();
    bank->SetName("Bank");
    for (auto [type, value] : {std::pair{ItemType::Login, "account 42"}, std::pair{ItemType::Url, "bank.example"}}) {
        auto item = std::make_unique<Item>();
        item->ApplyTypeDefaults(type);
        item->SetValue(value);
        bank->Add(std::move(item));
    }
    CurrentDatabase::Get()->At(1)->Add(std::move(bank));
    Start();
    SelectInTree(Child(Child(Root(), 1), 0));
    ListView_SetItemState(m_list, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ASSERT_EQ(ListView_GetNextItem(m_list, -1, LVNI_SELECTED), 1);

    SelectInTree(Child(Child(Root(), 1), 1));
    ASSERT_EQ(ListView_GetItemCount(m_list), 2);
    EXPECT_EQ(ListView_GetNextItem(m_list, -1, LVNI_SELECTED), -1);
    EXPECT_EQ(ListView_GetNextItem(m_list, -1, LVNI_FOCUSED), -1);
    EXPECT_EQ(ListText(0, 1), "account 42");
    EXPECT_EQ(ListText(1, 1), "bank.example");

    // The group also has two children, of another kind.
    SelectInTree(Child(Root(), 1));
    ASSERT_EQ(ListView_GetItemCount(m_list), 2);
    EXPECT_EQ(ListText(1, 0), "Bank");
    EXPECT_EQ(ListImage(1), PasscardTree::kPasscardImage);
}

TEST_F(MainFrameTest, CloseAsksAboutUnsavedChangesAndSavesOnYes) {
    Start();
    TypeNote("typed, never selected away");
    SetAnswer(IDCANCEL);
    Send(WM_CLOSE);
    ExpectMessage(Text(IDS_SAVE_BEFORE_CLOSING));
    EXPECT_TRUE(IsWindowVisible(m_frame));
    EXPECT_EQ(CommentOnDisk(m_path), "");

    SetAnswer(IDYES);
    Send(WM_CLOSE);
    ExpectMessage(Text(IDS_SAVE_BEFORE_CLOSING));
    EXPECT_TRUE(Ended());
    EXPECT_EQ(CommentOnDisk(m_path), "typed, never selected away");
    // The window's place is remembered for the next start.
    EXPECT_GE(Settings::Read(setting::kMainWindowLeft), 0);
    EXPECT_EQ(Settings::Read(setting::kPaneTree), 180);
}

TEST_F(MainFrameTest, UnchangedDatabaseClosesWithoutAQuestion) {
    Start();
    Command(ID_APP_EXIT);
    EXPECT_TRUE(Ended());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MainFrameTest, FailedSaveIsReportedAndNothingIsLost) {
    Start();
    CurrentDatabase::Get()->SetPath(DocumentsFile("missing\\home.kvtdat"));
    TypeNote("keep me");
    SetAnswer(IDOK);
    Send(WM_COMMAND, ID_FILE_SAVE);
    ExpectMessage(Text(IDS_SAVE_FAILED));
    EXPECT_TRUE(ModifiedFlag::IsRaised());

    // Yes at the close question tries to save, fails, and the window stays.
    SetAnswer(IDYES);
    Send(WM_CLOSE);
    ExpectMessage(Text(IDS_SAVE_BEFORE_CLOSING));
    ExpectMessage(Text(IDS_SAVE_FAILED));
    EXPECT_TRUE(IsWindowVisible(m_frame));
    EXPECT_TRUE(ModifiedFlag::IsRaised());

    SetAnswer(IDNO);
    Send(WM_CLOSE);
    ExpectMessage(Text(IDS_SAVE_BEFORE_CLOSING));
    EXPECT_TRUE(Ended());
}

TEST_F(MainFrameTest, SaveAsWritesTheNewFileAndThenUsesIt) {
    Start();
    TypeNote("copied");
    Command(ID_FILE_SAVE_AS);
    const HWND dialog = m_run->WaitForDialogWhere(test::IsFileDialog);
    ASSERT_NE(dialog, nullptr);
    const std::string copy = DocumentsFile("copy.kvtdat");
    test::TypeFileName(dialog, copy);
    ASSERT_TRUE(WaitUntil([&] { return CurrentDatabase::Get()->Path() == copy; }));
    EXPECT_EQ(CommentOnDisk(copy), "copied");
    EXPECT_EQ(CommentOnDisk(m_path), "");
    EXPECT_EQ(Settings::ReadList(setting::kDataBaseList), std::vector<std::string>{copy});
}

TEST_F(MainFrameTest, LockedDatabaseShowsOnlyTheLogin) {
    Start();
    TypeNote("saved by the lock");
    SetAnswer(IDYES);
    Command(ID_FILE_LOCK);
    ExpectMessage(Text(IDS_SAVE_BEFORE_LOCKING));
    const HWND login = WaitForLogin();
    ASSERT_NE(login, nullptr);
    EXPECT_FALSE(IsWindowVisible(m_frame));
    EXPECT_EQ(CommentOnDisk(m_path), "saved by the lock");
    EXPECT_EQ(TreeView_GetCount(m_tree), 0u) << "nothing of the database stays in the hidden window";
    // The login holds the hot key now.
    EXPECT_FALSE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'F'));

    // A second start asks the program's window to show itself: the lock stays.
    ShowWindow(m_frame, SW_SHOW);
    Send(WM_SYSCOMMAND, SC_RESTORE);
    EXPECT_FALSE(IsWindowVisible(m_frame));
    EXPECT_TRUE(IsWindowVisible(login));

    SetAnswer(IDOK);
    SetItemTextOf(login, IDC_LOGIN_PASSWORD, "wrong");
    Click(login, IDOK);
    ExpectMessage(Text(IDS_INVALID_PASSWORD));
    SetItemTextOf(login, IDC_LOGIN_PASSWORD, "secret");
    Click(login, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(m_frame) != FALSE; }));
    EXPECT_EQ(TreeText(Root()), "Home");
    EXPECT_FALSE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'F')) << "the main window holds it again";
}

TEST_F(MainFrameTest, ClosingFromTheLockCanBeCancelledBackIntoTheLock) {
    Start();
    TypeNote("unsaved");
    SetAnswer(IDNO);
    Command(ID_FILE_LOCK);
    ExpectMessage(Text(IDS_SAVE_BEFORE_LOCKING));
    HWND login = WaitForLogin();
    ASSERT_NE(login, nullptr);

    SetAnswer(IDCANCEL);
    Click(login, IDCANCEL);
    ExpectMessage(Text(IDS_SAVE_BEFORE_CLOSING));
    login = WaitForLogin();
    ASSERT_NE(login, nullptr) << "back to the lock";
    EXPECT_FALSE(IsWindowVisible(m_frame));

    SetAnswer(IDNO);
    Click(login, IDCANCEL);
    ExpectMessage(Text(IDS_SAVE_BEFORE_CLOSING));
    EXPECT_TRUE(Ended());
    EXPECT_EQ(CommentOnDisk(m_path), "");
}

TEST_F(MainFrameTest, LogoffThenCloseEndsWithoutADatabase) {
    Start();
    Command(ID_FILE_LOGOFF);
    const HWND login = WaitForLogin();
    ASSERT_NE(login, nullptr);
    EXPECT_EQ(CurrentDatabase::Get(), nullptr);
    Click(login, IDCANCEL);
    EXPECT_TRUE(Ended());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MainFrameTest, MinimizingWithAutomaticLogOffLocksHidden) {
    Settings::Write(setting::kAutoLogOff, 1);
    Start();
    PostMessageA(m_frame, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    HWND login = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        login = FindWindowA("#32770", "Quillmoth Keyhaven");
        return login != nullptr && !IsWindowVisible(m_frame);
    }));
    EXPECT_NE(CurrentDatabase::Get(), nullptr);
    PostMessageA(login, WM_COMMAND, ID_APP_EXIT, 0);
    EXPECT_TRUE(Ended());
}

TEST_F(MainFrameTest, CopyPutsTheValueAndTheCountdownTakesItOff) {
    Settings::Write(setting::kAutoDestroyTimeout, 2);
    Start();
    SelectInTree(Child(Child(Root(), 1), 0));
    ListView_SetItemState(m_list, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    // The window takes only the text its own copy passes: a foreign pointer is ignored.
    SendMessageA(m_frame, MSG_PUT_CLIPBOARD, 0, reinterpret_cast<LPARAM>("forged"));
    SendMessageA(m_frame, MSG_SELECT_NODE, 0, 0x1234);
    EXPECT_NE(test::ClipboardText(nullptr).value_or(""), "forged");

    // A middle click in the list copies its selected row.
    RECT list{};
    GetWindowRect(m_list, &list);
    POINT inside{list.left + 5, list.top + 5};
    ScreenToClient(m_frame, &inside);
    SendMessageA(m_frame, WM_PARENTNOTIFY, WM_MBUTTONDOWN, MAKELPARAM(inside.x, inside.y));
    EXPECT_EQ(test::ClipboardText(nullptr).value_or(""), "s3cret");
    EXPECT_EQ(StatusInfo(), "Clipboard will be automatically cleared in 2 seconds...");
    SendMessageA(m_frame, WM_TIMER, TIMER_CLIPBOARD_COUNTDOWN, 0);
    EXPECT_EQ(StatusInfo(), "Clipboard will be automatically cleared in 1 seconds...");
    SendMessageA(m_frame, WM_TIMER, TIMER_CLIPBOARD_COUNTDOWN, 0);
    EXPECT_EQ(test::ClipboardText(nullptr).value_or(""), "");
    EXPECT_EQ(StatusInfo(), "Total: 5 Group(s), 1 Passcard(s), 2 Fields(s)");
}

TEST_F(MainFrameTest, EndOfSessionSavesOnlyWhenTheSessionEnds) {
    Start();
    TypeNote("at shutdown");
    SendMessageA(m_frame, WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(CommentOnDisk(m_path), "");
    SendMessageA(m_frame, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(CommentOnDisk(m_path), "at shutdown");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MainFrameTest, TransitionsWaitWhileADialogHoldsTheDatabase) {
    Start();
    Command(ID_FILE_CHANGE_MASTER_PASSWORD);
    const HWND dialog = m_run->WaitForDialogWhere([](HWND w) { return test::HasControl(w, IDC_CHANGEPW_OLD); });
    ASSERT_NE(dialog, nullptr);
    const EncryptedDatabase* open = CurrentDatabase::Get();
    // The tray menu and a second start reach the window while the dialog is up.
    Send(WM_COMMAND, ID_FILE_LOGOFF);
    Send(WM_COMMAND, ID_FILE_LOCK);
    Send(WM_CLOSE);
    Send(MSG_OPEN_FILE);
    EXPECT_EQ(CurrentDatabase::Get(), open);
    EXPECT_TRUE(IsWindowVisible(m_frame));
    EXPECT_TRUE(IsWindowVisible(dialog));
    Click(dialog, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    Command(ID_APP_EXIT);
    EXPECT_TRUE(Ended());
}

} // namespace
} // namespace vaultlet
