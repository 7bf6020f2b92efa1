// The main window on real windows: what it shows, and that each command, message and pane reaches
// the logic behind it. The rules themselves (which transition asks what, what a save or a merge
// does, what each command copies) are the native tests'.
#include "shell/win32/mainframe/MainFrame.h"

#include "core/EncryptedDatabase.h"
#include "core/Group.h"
#include "core/Item.h"
#include "core/ModifiedFlag.h"
#include "core/Passcard.h"
#include "core/TextConversion.h"
#include "resources/resource.h"
#include "services/EmbeddedLanguageFile.h"
#include "services/LanguagePack.h"
#include "services/UpdateEndpoint.h"
#include "shell/CurrentDatabase.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/win32/ui/CommandCodes.h"
#include "tests/shell/win32/mainframe/MainFrameFixture.h"
#include "tests/support/DatabaseFiles.h"
#include "tests/support/SampleDatabases.h"
#include "tests/support/win32/ClipboardContents.h"
#include "tests/support/win32/GuiDriver.h"
#include "tests/support/win32/LoopbackHttpServer.h"
#include "tests/support/win32/PromptProgram.h"
#include "tests/support/win32/Win32TestWindows.h"

#include <commctrl.h>

#include <cstdlib>

namespace vaultlet {
namespace {

using test::Click;
using test::SetItemTextOf;
using test::Text;
using test::WaitUntil;

class MainFrameTest : public test::MainFrameFixture {
protected:
    // Starts a drag as the tree reports it and releases it at `drop` (in the frame's coordinates).
    void DragFromTree(HTREEITEM item, POINT drop) const {
        TVITEMA data{};
        data.mask = TVIF_PARAM;
        data.hItem = item;
        TreeView_GetItem(m_tree, &data);
        NMTREEVIEWA drag{};
        drag.hdr = {m_tree, IDC_MAIN_TREE, TVN_BEGINDRAGA};
        drag.itemNew.hItem = item;
        drag.itemNew.lParam = data.lParam;
        Send(WM_NOTIFY, IDC_MAIN_TREE, reinterpret_cast<LPARAM>(&drag));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(drop.x, drop.y));
    }
    // Runs the command's dialog with that field, types the text there and presses OK.
    void Answer(int command, int field, const char* text) const {
        Command(command);
        const HWND dialog = DialogWith(field);
        ASSERT_NE(dialog, nullptr) << command;
        SetItemTextOf(dialog, field, text);
        Click(dialog, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    }
};

std::string MenuText(HMENU menu, UINT item) {
    char text[128] = {};
    GetMenuStringA(menu, item, text, sizeof text, MF_BYCOMMAND);
    return text;
}

int WidthOf(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    return place.right - place.left;
}

std::string Clipboard() {
    return test::ClipboardText(nullptr).value_or("");
}

TEST_F(MainFrameTest, ShowsTheDatabaseAndKeepsTypedNotes) {
    CurrentDatabase::Get()->At(1)->Add(
        test::MakePasscard("Bank", {{ItemType::Login, "account 42"}, {ItemType::Url, "bank.example"}}));
    ModifiedFlag::Clear();
    Start();
    EXPECT_EQ(TreeText(Root()), "Home");
    EXPECT_EQ(TreeText(Child(Root(), 0)), "Network");
    EXPECT_EQ(TreeText(MailInTree()), "Mail");
    EXPECT_EQ(ListView_GetItemCount(m_list), 5);
    EXPECT_EQ(ListText(1, 0), "Internet");

    SelectInTree(MailInTree());
    ASSERT_EQ(ListView_GetItemCount(m_list), 2);
    EXPECT_EQ(ListText(0, 1), "me@example.org");
    EXPECT_EQ(ListText(1, 1), "**********");
    EXPECT_FALSE(ModifiedFlag::IsRaised()) << "showing a node changes nothing";

    // A note typed on two lines reaches the model with line feeds when the selection moves on.
    TypeNote("first\r\nsecond");
    SelectInTree(Root());
    EXPECT_EQ(Mail().Comment().Viewed(), "first\nsecond");
    EXPECT_TRUE(ModifiedFlag::IsRaised());
    SelectInTree(MailInTree());
    EXPECT_EQ(test::TextOf(m_note), "first\r\nsecond");

    // Letters no single-byte code page holds together: stored, they would come back as "?".
    if (GetACP() != CP_UTF8) {
        SendMessageW(m_note, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"\x0141\x00F3d\x017A \x0416\x0443\x043A"));
        SelectInTree(Root());
        ExpectMessage(Text(IDS_NOTE_NOT_EXACT));
        EXPECT_EQ(Mail().Comment().Viewed(), "first\nsecond") << "the note stays as it was";
        SelectInTree(MailInTree());
        EXPECT_EQ(test::TextOf(m_note), "first\r\nsecond");
    }

    // Lists of the same length reuse the control's rows: nothing of the previous list may show
    // through.
    SelectInTree(Child(Child(Root(), 1), 1));
    ASSERT_EQ(ListView_GetItemCount(m_list), 2);
    EXPECT_EQ(ListText(0, 1), "account 42");
    EXPECT_EQ(ListText(1, 1), "bank.example");
    // The group also has two children, of another kind.
    SelectInTree(Child(Root(), 1));
    ASSERT_EQ(ListView_GetItemCount(m_list), 2);
    EXPECT_EQ(ListText(1, 0), "Bank");
}

TEST_F(MainFrameTest, ALockShowsOnlyTheLoginAndClosingFromItCanBeCancelled) {
    Start();
    TypeNote("saved by the lock");
    SetAnswer(IDYES);
    Command(ID_FILE_LOCK);
    ExpectMessage(Text(IDS_SAVE_BEFORE_LOCKING));
    HWND login = WaitForLogin();
    ASSERT_NE(login, nullptr);
    EXPECT_FALSE(IsWindowVisible(m_frame));
    EXPECT_EQ(CommentOnDisk(m_path), "saved by the lock");
    EXPECT_EQ(TreeView_GetCount(m_tree), 0u) << "nothing of the database stays in the hidden window";
    ASSERT_TRUE(Unlock(login));
    EXPECT_EQ(TreeText(Root()), "Home");
    EXPECT_FALSE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'F')) << "the main window holds it again";
    // A second start during the lock: MainWindowTest (tests/e2e).

    // The drive was removed before the next lock: the database list no longer holds the file, and
    // the password alone unlocks. (Right after the unlock the window may still be reading the file.)
    ASSERT_TRUE(WaitUntil([&] { return DeleteFileA(m_path.c_str()) != FALSE; }));
    TypeNote("unsaved");
    SetAnswer(IDNO);
    Command(ID_FILE_LOCK);
    ExpectMessage(Text(IDS_SAVE_BEFORE_LOCKING));
    login = WaitForLogin();
    ASSERT_NE(login, nullptr);
    EXPECT_FALSE(test::IsItemEnabled(login, IDC_LOGIN_DATABASE)) << "no other database can be chosen";
    ASSERT_TRUE(Unlock(login));

    Command(ID_FILE_LOCK);
    ExpectMessage(Text(IDS_SAVE_BEFORE_LOCKING));
    login = WaitForLogin();
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
}

// Which node each command copies is CopySourceTest's; the countdown's rules are ClipboardCountdownTest's.
TEST_F(MainFrameTest, CopiesPutTheValueOnTheClipboardUntilTheCountdownOrALockTakesItOff) {
    Settings::Write(setting::kAutoDestroyTimeout, 2);
    Start();
    SelectInTree(MailInTree());
    // The window takes only the text its own copy passes: a foreign pointer is ignored.
    Send(MSG_PUT_CLIPBOARD, 0, reinterpret_cast<LPARAM>("forged"));
    Send(MSG_SELECT_NODE, 0, 0x1234);
    EXPECT_NE(Clipboard(), "forged");

    // The tree has the focus (the frame gave it) and the passcard selected.
    Send(WM_COMMAND, ID_EDIT_COPY);
    EXPECT_EQ(Clipboard(), "s3cret") << "Ctrl+C on a passcard copies its password";
    Send(WM_COMMAND, ID_EDIT_COPY_LOGIN);
    EXPECT_EQ(Clipboard(), "me@example.org");
    RECT row{};
    ListView_GetItemRect(m_list, 1, &row, LVIR_LABEL);
    SendMessageA(m_list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(row.left + 5, (row.top + row.bottom) / 2));
    EXPECT_EQ(Clipboard(), "s3cret") << "a double click copies the field";

    // A middle click in the list copies the row under the pointer, not the row selected before;
    // below the rows it copies nothing.
    const auto middleClickAt = [&](int index, int below) {
        ListView_GetItemRect(m_list, index, &row, LVIR_BOUNDS);
        POINT inList{row.left + 5, (row.top + row.bottom) / 2 + below * (row.bottom - row.top)};
        MapWindowPoints(m_list, m_frame, &inList, 1);
        SendMessageA(m_frame, WM_PARENTNOTIFY, WM_MBUTTONDOWN, MAKELPARAM(inList.x, inList.y));
    };
    SelectRow(1);
    middleClickAt(0, 0);
    EXPECT_EQ(Clipboard(), "me@example.org");
    middleClickAt(1, 4);
    EXPECT_EQ(Clipboard(), "me@example.org");
    Send(WM_TIMER, TIMER_CLIPBOARD_COUNTDOWN);
    Send(WM_TIMER, TIMER_CLIPBOARD_COUNTDOWN);
    EXPECT_EQ(Clipboard(), "");

    // A lock and a log-off take the value off at once, whatever the countdown says.
    for (const int command : {ID_FILE_LOCK, ID_FILE_LOGOFF}) {
        middleClickAt(1, 0);
        ASSERT_EQ(Clipboard(), "s3cret");
        Command(command);
        const HWND login = WaitForLogin();
        ASSERT_NE(login, nullptr);
        EXPECT_EQ(test::ClipboardText(nullptr), std::nullopt) << command;
        if (command == ID_FILE_LOCK) {
            ASSERT_TRUE(Unlock(login));
            SelectInTree(MailInTree());
        } else {
            PostMessageA(login, WM_COMMAND, ID_APP_EXIT, 0);
            EXPECT_TRUE(Ended());
        }
    }
}

// Which windows are the agent's is the monitor's own test (autofill).
TEST_F(MainFrameTest, TheMonitorFillsTheAgentsPromptOnlyWhileUnlocked) {
    AddToMail(ItemType::KeyPassphrase, "pass phrase").SetMeta("mykey");
    ASSERT_TRUE(CurrentDatabase::Get()->Save());
    Settings::Write(setting::kMonitor, 1);
    Start();
    Command(ID_FILE_LOCK);
    const HWND login = WaitForLogin();
    ASSERT_NE(login, nullptr);
    {
        test::PromptProgram prompt(VAULTLET_PROMPT_HARNESS_PATH, "pageant.exe", "mykey");
        ASSERT_TRUE(prompt.BringToFront());
        Send(WM_TIMER, TIMER_WINDOW_MONITOR);
        EXPECT_EQ(prompt.EditText(), "");
    }
    ASSERT_TRUE(Unlock(login));
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == m_frame; }));
    // Under Wine the window's own activation can come back from the X server after the prompt took
    // the front (there is no window manager), about one time in ten; the window is then in front
    // when the monitor looks, which tells nothing, and a fresh prompt is tried. A prompt still in
    // front after the monitor looked must be filled.
    bool filled = false;
    for (int attempt = 0; attempt < 5 && !filled; ++attempt) {
        test::PromptProgram prompt(VAULTLET_PROMPT_HARNESS_PATH, "pageant.exe", "mykey");
        if (!prompt.BringToFront()) {
            continue;
        }
        Send(WM_TIMER, TIMER_WINDOW_MONITOR);
        if (GetForegroundWindow() == prompt.Window()) {
            filled = test::PumpUntil([&] { return prompt.EditText() == "pass phrase"; });
            ASSERT_TRUE(filled) << "unlocked, it fills the prompt in front: " << prompt.EditText();
        }
    }
    EXPECT_TRUE(filled) << "the window took the front back from every prompt";
}

// Whether the close button and Esc go to the tray is MainWindowRulesTest's.
TEST_F(MainFrameTest, MinimisedIntoTheTrayTheWindowComesBackOnADoubleClickOnTheIcon) {
    Start();
    Send(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_FALSE(IsWindowVisible(m_frame));
    Send(MSG_MAIN_TRAY_NOTIFY, 0, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(m_frame));
    // Esc minimises, as set by default.
    Send(WM_COMMAND, MAKEWPARAM(ID_ESCAPE, kAcceleratorCommandCode));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(m_frame); }));
}

// Filling the form in front is the real-input script's (tests/e2e); which passcard the chooser offers is
// NodeEditingTest's.
TEST_F(MainFrameTest, TheHotKeyOpensTheChooserForAnotherWindowButNeverForOwnWindows) {
    Start();
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == m_frame; }));
    test::PressHotKey();
    EXPECT_EQ(DialogWith(IDC_AUTOFILL_TREE, 1000), nullptr);

    test::WindowThread form([] { return test::CreateLoginForm(); });
    ASSERT_TRUE(form.BringToFront());
    test::PressHotKey();
    const HWND chooser = DialogWith(IDC_AUTOFILL_TREE);
    ASSERT_NE(chooser, nullptr);
    Click(chooser, IDCANCEL);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(chooser); }));
}

TEST_F(MainFrameTest, AHandedOverFileIsCheckedThenOpenedThroughItsLoginWithItsOwnBookmarks) {
    const std::string work = MakeDatabase(DocumentsFile("work.kvtdat"), "Work", "work secret");
    ASSERT_TRUE(test::ChangeDatabaseFile(
        work,
        [](EncryptedDatabase& other) {
            auto bank = test::MakePasscard("Bank", {{ItemType::Login, "owner"}});
            bank->SetBookmark(true);
            other.At(3)->Add(std::move(bank));
        },
        "work secret"));
    const std::string notes = DocumentsFile("notes.txt");
    ASSERT_TRUE(test::WriteFileBytes(notes, "not a database"));
    Mail().SetBookmark(true);
    ModifiedFlag::Clear();
    Start();
    const HMENU bookmarks = GetSubMenu(GetMenu(m_frame), VAULTLET_MENU_POS_BOOKMARKS);
    ASSERT_EQ(GetMenuItemCount(bookmarks), VAULTLET_BOOKMARKS_POS_FIRST_ENTRY + 1);
    Settings::Write(setting::kOpenFile, notes);
    Send(MSG_OPEN_FILE);
    ExpectMessage(Text(IDS_INCORRECT_FILE_FORMAT));
    EXPECT_EQ(TreeText(Root()), "Home") << "the open database stays";

    // While the other database's password is asked, the menu names no passcard of either.
    Settings::Write(setting::kOpenFile, work);
    Post(MSG_OPEN_FILE);
    const HWND login = WaitForLogin();
    ASSERT_NE(login, nullptr);
    EXPECT_FALSE(test::IsItemEnabled(login, IDC_LOGIN_DATABASE)) << "the handed-over file is the one to open";
    EXPECT_EQ(GetMenuItemCount(bookmarks), VAULTLET_BOOKMARKS_POS_FIRST_ENTRY);
    ASSERT_TRUE(Unlock(login, "work secret"));
    EXPECT_EQ(TreeText(Root()), "Work");
    Send(WM_NULL); // the window has rebuilt its views
    ASSERT_EQ(GetMenuItemCount(bookmarks), VAULTLET_BOOKMARKS_POS_FIRST_ENTRY + 1);
    EXPECT_EQ(MenuText(bookmarks, ID_BOOKMARK_FIRST), "HomeBanking\\Bank");
}

// Which passcards the menu lists, in which order, is NodeEditingTest's.
TEST_F(MainFrameTest, BookmarksListTheMarkedPasscardsAndSelectThem) {
    Start();
    const HMENU bookmarks = GetSubMenu(GetMenu(m_frame), VAULTLET_MENU_POS_BOOKMARKS);
    EXPECT_EQ(GetMenuItemCount(bookmarks), VAULTLET_BOOKMARKS_POS_FIRST_ENTRY);
    SelectInTree(MailInTree());
    Send(WM_COMMAND, ID_BOOKMARKS_ADD);
    ASSERT_EQ(GetMenuItemCount(bookmarks), VAULTLET_BOOKMARKS_POS_FIRST_ENTRY + 1);
    EXPECT_EQ(MenuText(bookmarks, ID_BOOKMARK_FIRST), "Internet\\Mail");
    EXPECT_TRUE(Mail().Bookmark());

    SelectInTree(Root());
    Send(WM_COMMAND, ID_BOOKMARK_FIRST);
    EXPECT_EQ(TreeText(TreeView_GetSelection(m_tree)), "Mail");
    Send(WM_COMMAND, ID_BOOKMARKS_REMOVE);
    EXPECT_EQ(GetMenuItemCount(bookmarks), VAULTLET_BOOKMARKS_POS_FIRST_ENTRY);
    EXPECT_FALSE(Mail().Bookmark());
}

// What each command does to the model, and what Delete asks, are NodeEditingTest's.
TEST_F(MainFrameTest, EditCommandsGoThroughTheirDialogsAndTheTreeFollows) {
    Start();
    const HTREEITEM internet = Child(Root(), 1);
    SelectInTree(Child(internet, 0));
    Send(WM_COMMAND, ID_EDIT_DUPLICATE);
    EXPECT_EQ(TreeText(Child(internet, 1)), "Mail Copy");
    // Delete acts on the focused tree's selection after a Yes.
    SetAnswer(IDYES);
    Send(WM_COMMAND, ID_EDIT_DELETE);
    ExpectMessage("Are you sure you want to delete passcard \"Mail Copy\"?");
    EXPECT_EQ(CurrentDatabase::Get()->At(1)->Count(), 1u);
    EXPECT_EQ(TreeView_GetNextSibling(m_tree, Child(internet, 0)), nullptr);

    // Adding through each dialog is the end-to-end test's; here the tree follows, and Edit renames.
    SelectInTree(Root());
    Answer(ID_EDIT_ADD, IDC_NAME_EDIT, "Travel"); // Ins on the database: a group
    EXPECT_EQ(TreeText(Child(Root(), 5)), "Travel");
    Answer(ID_EDIT_EDIT, IDC_NAME_EDIT, "Trips");
    EXPECT_EQ(TreeText(Child(Root(), 5)), "Trips");
    EXPECT_EQ(CurrentDatabase::Get()->At(5)->Name().Viewed(), "Trips");
}

TEST_F(MainFrameTest, DraggingAPasscardOntoAGroupMovesItThere) {
    Start();
    RECT target{};
    TreeView_GetItemRect(m_tree, Child(Root(), 2), &target, TRUE);
    POINT drop{(target.left + target.right) / 2, (target.top + target.bottom) / 2};
    MapWindowPoints(m_tree, m_frame, &drop, 1);
    DragFromTree(MailInTree(), drop);

    const EncryptedDatabase& database = *CurrentDatabase::Get();
    EXPECT_EQ(database.At(1)->Count(), 0u);
    ASSERT_EQ(database.At(2)->Count(), 1u);
    EXPECT_EQ(database.At(2)->At(0)->Name().Viewed(), "Mail");
    EXPECT_EQ(TreeText(Child(Child(Root(), 2), 0)), "Mail");
    EXPECT_TRUE(ModifiedFlag::IsRaised());
}

TEST_F(MainFrameTest, DroppingAPasscardOrAnItemOnAnotherWindowFillsTheControlUnderThePointer) {
    Settings::Write(setting::kAutofillFromClipboard, 0);
    Settings::Write(setting::kAutoTypeTimeout, 1);
    Mail().SetUseAutofill(true);
    Start();
    test::WindowThread form([] { return test::CreateLoginForm(); });
    // Puts the pointer over the form's field, and the drop point in the frame's coordinates.
    const auto over = [&](int field) {
        EXPECT_TRUE(form.BringToFront());
        RECT edit{};
        GetWindowRect(form.Control(field), &edit);
        POINT drop{(edit.left + edit.right) / 2, (edit.top + edit.bottom) / 2};
        SetCursorPos(drop.x, drop.y);
        ScreenToClient(m_frame, &drop);
        return drop;
    };

    // The passcard from the tree, onto the login field: its template, login, Tab, password.
    DragFromTree(MailInTree(), over(test::kLoginEditId));
    EXPECT_TRUE(WaitUntil([&] { return test::WindowTextOf(form.Control(test::kPasswordEditId)) == "s3cret"; }));
    EXPECT_EQ(test::WindowTextOf(form.Control(test::kLoginEditId)), "me@example.org");
    EXPECT_TRUE(Mail().WindowId().Viewed().starts_with("#32770:Log in:"))
        << "the window dropped on, not the main window";

    // The login item from the list, onto the password field: its value alone.
    SelectInTree(MailInTree());
    SetWindowTextA(form.Control(test::kPasswordEditId), "");
    const POINT drop = over(test::kPasswordEditId);
    NMLISTVIEW list{};
    list.hdr = {m_list, IDC_MAIN_LIST, LVN_BEGINDRAG};
    list.iItem = 0;
    Send(WM_NOTIFY, IDC_MAIN_LIST, reinterpret_cast<LPARAM>(&list));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(drop.x, drop.y));
    EXPECT_TRUE(WaitUntil([&] { return test::WindowTextOf(form.Control(test::kPasswordEditId)) == "me@example.org"; }))
        << test::WindowTextOf(form.Control(test::kPasswordEditId));
}

// Which fields are links, and where they lead, is NodeEditingTest's.
TEST_F(MainFrameTest, AClickOnALinkInTheListOpensItThroughTheShell) {
    AddToMail(ItemType::Url, "books.example.org");
    Start();
    SelectInTree(MailInTree());
    // A click as the list reports it, at the middle of a cell.
    const auto click = [&](int row, int column) {
        RECT cell{};
        ListView_GetSubItemRect(m_list, row, column, LVIR_LABEL, &cell);
        NMITEMACTIVATE notice{};
        notice.hdr = {m_list, IDC_MAIN_LIST, NM_CLICK};
        notice.iItem = row;
        notice.iSubItem = column;
        notice.ptAction = {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
        Send(WM_NOTIFY, IDC_MAIN_LIST, reinterpret_cast<LPARAM>(&notice));
    };
    click(2, 0); // the address's name: selects only
    EXPECT_TRUE(Opened().empty());
    click(2, 1); // the address itself
    EXPECT_EQ(Opened(), std::vector<std::string>{"http://books.example.org"});
}

// The compiled-in languages and one in Latin letters, in a language file beside the program while
// it lives; then the compiled-in English again.
class LanguageFileBesideTheProgram {
public:
    explicit LanguageFileBesideTheProgram(const std::string& folder) {
        std::string file(EmbeddedLanguageFile());
        file.insert(file.rfind("</strings>"), "<Pirate><string id=\"148\" string=\"Map o' Cards\"/></Pirate>");
        EXPECT_TRUE(test::WriteFileBytes(folder + "\\" + LanguagePack::kFileName, file));
        LanguagePack::Instance().setExecutableFolder(folder);
    }
    ~LanguageFileBesideTheProgram() {
        LanguagePack::Instance().setExecutableFolder({});
        LanguagePack::Instance().setLanguage("English");
    }
    LanguageFileBesideTheProgram(const LanguageFileBesideTheProgram&) = delete;
    LanguageFileBesideTheProgram& operator=(const LanguageFileBesideTheProgram&) = delete;
};

TEST_F(MainFrameTest, TheLanguageMenuSwitchesTheWindowsTextsToLanguagesTheSystemShows) {
    const LanguageFileBesideTheProgram languageFile(Folders().executableFolder);
    Start();
    const HWND title = GetDlgItem(m_frame, IDC_MAIN_TREE_TITLE);
    const std::string english = test::TextOf(title);
    // Cyrillic letters on a system with a Western code page: every text would be question marks.
    if (!IsExactInAnsi(u"\x0416")) {
        Send(WM_COMMAND, ID_LANGUAGE_FIRST + 1);
        EXPECT_EQ(test::TextOf(title), english);
        EXPECT_EQ(Settings::Read(setting::kLanguage), "English");
    }

    Send(WM_COMMAND, ID_LANGUAGE_FIRST + 3);
    EXPECT_EQ(Settings::Read(setting::kLanguage), "Pirate");
    EXPECT_EQ(test::TextOf(title), "Map o' Cards");
    Send(WM_COMMAND, ID_LANGUAGE_FIRST);
    EXPECT_EQ(test::TextOf(title), english);
    // The window goes before its language file does. (That a close saves a changed note on Yes is
    // MainWindowTest's, in tests/e2e.)
    Command(ID_APP_EXIT);
    EXPECT_TRUE(Ended());
}

// Which node the quick search finds is NodeEditingTest's.
TEST_F(MainFrameTest, CompactLayoutShowsItemsInTheTreeAndIsKeptForTheNextStart) {
    Start();
    Send(WM_COMMAND, ID_VIEW_COMPACT_MODE);
    EXPECT_FALSE(IsWindowVisible(m_list));
    const HTREEITEM mail = MailInTree();
    EXPECT_EQ(TreeText(Child(mail, 0)), "Login: me@example.org");
    EXPECT_EQ(TreeText(Child(mail, 1)), "Password: **********");

    // Quick search finds the items the tree shows as the user types, once a click has taken the
    // hint away.
    const HWND search = GetDlgItem(m_frame, IDC_MAIN_QUICK_SEARCH);
    PostMessageA(search, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(search, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(WaitUntil([&] { return test::TextOf(search).empty(); }));
    for (const char key : {'p', 'a', 's'}) {
        PostMessageA(search, WM_CHAR, static_cast<WPARAM>(key), 0);
    }
    ASSERT_TRUE(WaitUntil([&] { return test::TextOf(search) == "pas"; }));
    EXPECT_EQ(TreeView_GetSelection(m_tree), Child(mail, 1));
    // Esc there ends the search, not the window: the tree takes the focus.
    ASSERT_EQ(test::FocusOf(m_frame), search);
    Send(WM_COMMAND, MAKEWPARAM(ID_ESCAPE, kAcceleratorCommandCode));
    EXPECT_EQ(test::FocusOf(m_frame), m_tree);
    EXPECT_TRUE(IsWindowVisible(m_frame));

    SelectInTree(mail);
    Answer(ID_EDIT_ADD_ITEM, IDC_FIELD_DATA, "pin");
    Send(WM_NULL);
    ASSERT_NE(Child(mail, 2), nullptr);
    EXPECT_EQ(Mail().Count(), 3u);

    Restart();
    EXPECT_FALSE(IsWindowVisible(m_list)) << "the next start opens compact";
    Send(WM_COMMAND, ID_VIEW_COMPACT_MODE);
    EXPECT_TRUE(IsWindowVisible(m_list));
    EXPECT_EQ(Child(MailInTree(), 0), nullptr) << "items leave the tree";
}

TEST_F(MainFrameTest, AMoveToAMonitorWithOtherScalingScalesPanesAndFonts) {
    // Wine has one scaling for the whole display and never sends WM_DPICHANGED; Windows does when the
    // window moves onto a monitor at 150 %, suggesting where the window goes at that size.
    constexpr UINT kDpiChanged = 0x02E0;
    Start();
    const auto fontHeight = [](HWND pane) {
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(pane, WM_GETFONT, 0, 0)), sizeof font, &font);
        return std::abs(font.lfHeight);
    };
    const int noteFont = fontHeight(m_note);
    RECT suggested{20, 10, 20 + 798, 10 + 675};
    Send(kDpiChanged, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    RECT place{};
    GetWindowRect(m_frame, &place);
    EXPECT_TRUE(EqualRect(&place, &suggested));
    EXPECT_EQ(WidthOf(m_tree), 270);
    EXPECT_NEAR(fontHeight(m_note), noteFont * 3 / 2, 1);
}

TEST_F(MainFrameTest, SettingsAreAppliedWhenTheDialogCloses) {
    Start();
    Command(ID_OPTIONS_SETTINGS);
    const HWND dialog = DialogWith(IDC_SETTINGS_SHOW_TOOLBAR);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'F')) << "free while the dialog may change it";
    UnregisterHotKey(nullptr, 1);
    CheckDlgButton(dialog, IDC_SETTINGS_SHOW_TOOLBAR, BST_UNCHECKED);
    Click(dialog, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(GetDlgItem(m_frame, IDC_MAIN_REBAR)); }));
    Send(WM_NULL); // the command has finished
    EXPECT_FALSE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'F')) << "held again";
}

// What Save As writes is ChangedOnDiskTest's, which reaches it through the changed-file question.
TEST_F(MainFrameTest, SaveAsExportAndImportRunTheirFileDialogs) {
    Start();
    for (int command : {ID_FILE_SAVE_AS, ID_FILE_EXPORT, ID_EDIT_EXPORT_ITEM, ID_FILE_IMPORT}) {
        Command(command);
        const HWND dialog = m_run->WaitForDialogWhere(test::IsFileDialog);
        ASSERT_NE(dialog, nullptr) << command;
        Click(dialog, IDCANCEL);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    }
    EXPECT_TRUE(Messages().empty());
}

// The order in which what waited then happens is DatabaseSessionTest's.
TEST_F(MainFrameTest, TransitionsWaitWhileADialogHoldsTheDatabase) {
    Start();
    Command(ID_FILE_CHANGE_MASTER_PASSWORD);
    const HWND dialog = DialogWith(IDC_CHANGEPW_OLD);
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
    // Then the log-off (which outranks the lock) follows.
    const HWND login = WaitForLogin();
    ASSERT_NE(login, nullptr);
    EXPECT_EQ(CurrentDatabase::Get(), nullptr);
    Click(login, IDCANCEL);
    EXPECT_TRUE(Ended());
    // Nothing changed, so the log-off asked nothing; the hand-over, which named no file, reported.
    ASSERT_TRUE(WaitForMessages(1));
    EXPECT_EQ(Messages(), std::vector<std::string>{Text(IDS_INCORRECT_FILE_FORMAT)});
}

// The offer at the start is the login's (UpdateCheckTest, in tests/e2e).
TEST_F(MainFrameTest, TheUpdateCommandChecksOnceAtATimeAndTellsWhatItFound) {
    test::LoopbackHttpServer server({{404, ""}, {200, "\r\n"}});
    _putenv_s(UpdateEndpoint::kServerVariable, server.Address().c_str());
    Start();
    Command(ID_HELP_CHECK_UPDATES);
    Command(ID_HELP_CHECK_UPDATES);
    const HWND wait = DialogWith(IDC_UPDATE_WAIT_TEXT);
    ASSERT_NE(wait, nullptr);
    // The server answered with an error: nobody knows whether there is a new version.
    ExpectMessage(Text(IDS_UPDATE_CHECK_FAILED));
    EXPECT_FALSE(IsWindow(wait));
    EXPECT_EQ(server.Requests().size(), 1u) << "the second command came while the first check ran";
    // It answered, with no version.
    Command(ID_HELP_CHECK_UPDATES);
    ExpectMessage(Text(IDS_NO_NEW_UPDATES));
}

} // namespace
} // namespace vaultlet
