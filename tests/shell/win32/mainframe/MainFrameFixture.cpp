#include "tests/shell/win32/mainframe/MainFrameFixture.h"

#include "core/EncryptedDatabase.h"
#include "core/Group.h"
#include "core/Item.h"
#include "core/ModifiedFlag.h"
#include "core/Passcard.h"
#include "resources/resource.h"
#include "shell/CurrentDatabase.h"
#include "shell/win32/mainframe/MainFrame.h"
#include "tests/support/DatabaseFiles.h"
#include "tests/support/SampleDatabases.h"

namespace vaultlet::test {
namespace {

bool IsLogin(HWND window) {
    return HasControl(window, IDC_LOGIN_PASSWORD);
}

} // namespace

void MainFrameFixture::SetUp() {
    ShellGuiFixture::SetUp();
    m_path = MakeDatabase(DocumentsFile("home.kvtdat"), "Home");
    LoadCurrent();
    // One passcard with a login and a hidden password, so there is something to copy.
    CurrentDatabase::Get()->At(1)->Add(
        test::MakePasscard("Mail", {{ItemType::Login, "me@example.org"}, {ItemType::Password, "s3cret"}}));
    ASSERT_TRUE(CurrentDatabase::Get()->Save());
}

void MainFrameFixture::TearDown() {
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

void MainFrameFixture::LoadCurrent() {
    auto database = std::make_unique<EncryptedDatabase>();
    database->SetPassword("secret");
    ASSERT_EQ(database->Load(m_path), LoadResult::Loaded);
    CurrentDatabase::Set(std::move(database));
}

void MainFrameFixture::Start() {
    m_run = std::make_unique<ModalThread>([this]() -> INT_PTR {
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

void MainFrameFixture::Restart() {
    SetAnswer(IDNO);
    Send(WM_CLOSE);
    ASSERT_TRUE(Ended());
    LoadCurrent();
    Start();
}

Passcard& MainFrameFixture::Mail() {
    return *CurrentDatabase::Get()->At(1)->At(0);
}

Item& MainFrameFixture::AddToMail(ItemType type, const std::string& value) {
    auto item = std::make_unique<Item>();
    item->ApplyTypeDefaults(type);
    item->SetValue(value);
    Item& added = *item;
    Mail().Add(std::move(item));
    return added;
}

std::string MainFrameFixture::TreeText(HTREEITEM item) const {
    char text[256] = {};
    TVITEMA data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof text;
    SendMessageA(m_tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    return text;
}

HTREEITEM MainFrameFixture::Child(HTREEITEM parent, int index) const {
    HTREEITEM item = TreeView_GetChild(m_tree, parent);
    while (item != nullptr && index-- > 0) {
        item = TreeView_GetNextSibling(m_tree, item);
    }
    return item;
}

std::string MainFrameFixture::ListText(int row, int column) const {
    return ListViewText(m_list, row, column);
}

std::string MainFrameFixture::CommentOnDisk(const std::string& path) {
    return test::CommentOnDisk(path);
}

HWND MainFrameFixture::WaitForLogin(int timeoutMilliseconds) const {
    return m_run->WaitForDialogWhere(IsLogin, timeoutMilliseconds);
}

HWND MainFrameFixture::DialogWith(int controlId, int timeoutMilliseconds) const {
    return m_run->WaitForDialogWhere([controlId](HWND window) { return HasControl(window, controlId); },
                                     timeoutMilliseconds);
}

HWND MainFrameFixture::WaitForLock() const {
    HWND found = nullptr;
    WaitUntil([&] {
        found = nullptr;
        EnumThreadWindows(
            m_run->ThreadId(),
            [](HWND window, LPARAM result) {
                if (!IsLogin(window)) {
                    return TRUE;
                }
                *reinterpret_cast<HWND*>(result) = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found != nullptr && !IsWindowVisible(m_frame);
    });
    return IsWindowVisible(m_frame) ? nullptr : found;
}

bool MainFrameFixture::Unlock(HWND login, const std::string& password) const {
    SetItemTextOf(login, IDC_LOGIN_PASSWORD, password);
    // The button of a hidden login cannot be clicked; the command is what the click sends.
    PostMessageA(login, WM_COMMAND, IDOK, 0);
    return WaitUntil([&] { return IsWindowVisible(m_frame) != FALSE; }, 20000);
}

void MainFrameFixture::ExpectMessage(const std::string& text) {
    ASSERT_TRUE(WaitForMessages(m_seen + 1));
    EXPECT_EQ(Messages()[m_seen], text);
    ++m_seen;
}

} // namespace vaultlet::test
