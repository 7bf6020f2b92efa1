#include "shell/win32/autofill/AutofillPasscardDialog.h"

#include "autofill/AutofillEngine.h"
#include "autofill/win32/Win32InputSender.h"
#include "autofill/win32/WindowDescription.h"
#include "core/Database.h"
#include "core/Passcard.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/AutofillSettings.h"
#include "shell/NodeEditing.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/win32/ui/HeaderBand.h"

#include <optional>
#include <string>
#include <vector>

namespace vaultlet {
namespace {

constexpr int kPictureSize = 16;
// The bookmarks pop-up numbers its entries from here.
constexpr UINT kFirstBookmarkCommand = 62000;
constexpr std::size_t kMaxBookmarks = 1000;

std::string TitleOf(HWND window) {
    char title[260] = {};
    GetWindowTextA(window, title, sizeof title);
    return title;
}

} // namespace

AutofillPasscardDialog::AutofillPasscardDialog(HWND target, Database& database)
    : Dialog(IDD_AUTOFILL_PASSCARD), m_target(target), m_targetTitle(TitleOf(target)), m_database(database) {}

bool AutofillPasscardDialog::OnInit() {
    const LanguagePack& language = LanguagePack::Instance();
    m_icons.Apply(Handle(), IDI_NODE_AUTOFILL);
    language.translateWindow(Handle());
    SetWindowTextA(Handle(), language.getString(IDS_TITLE_AUTOFILL).c_str());
    SetItemText(IDC_AUTOFILL_HEADER, language.getString(IDS_HEADER_AUTOFILL));
    HeaderBand::SetIcon(Item(IDC_AUTOFILL_HEADER), m_icons.Large());
    // A shared icon belongs to the system, which releases it with the module.
    const auto bookmark = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_NODE_BOOKMARK),
                                                        IMAGE_ICON, kPictureSize, kPictureSize, LR_SHARED));
    SendMessageA(Item(IDC_AUTOFILL_BOOKMARKS), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(bookmark));
    m_search.Attach(Item(IDC_AUTOFILL_SEARCH));

    m_tree.Attach(Item(IDC_AUTOFILL_TREE), Settings::Read(setting::kLinesIntoTree) != 0);
    m_tree.SetScope(node_editing::PasscardScope::Autofill);
    m_tree.Fill(m_database);
    if (const Passcard* used = node_editing::PasscardLastUsedFor(m_database, m_targetTitle)) {
        m_tree.Select(used);
    }
    OnSelectionChanged();
    SetForegroundWindow(Handle());
    SetFocus(m_tree.Handle());
    return false;
}

bool AutofillPasscardDialog::OnCommand(int id, int code, HWND control) {
    if (id == IDC_AUTOFILL_SEARCH) {
        OnSearchEvent(code);
        return true;
    }
    if (id == IDC_AUTOFILL_BOOKMARKS && code == BN_CLICKED) {
        ShowBookmarks();
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

bool AutofillPasscardDialog::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.hwndFrom != m_tree.Handle()) {
        return Dialog::OnNotify(header, result);
    }
    switch (header.code) {
    case TVN_GETDISPINFOA:
        m_tree.OnGetDispInfo(*reinterpret_cast<NMTVDISPINFOA*>(const_cast<NMHDR*>(&header)));
        return true;
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW:
        OnSelectionChanged();
        return true;
    case NM_DBLCLK:
        if (m_selected != nullptr) {
            OnOk();
        }
        return true;
    default:
        return false;
    }
}

void AutofillPasscardDialog::OnSelectionChanged() {
    ModelNode* node = m_tree.SelectedNode();
    m_selected = node != nullptr && node->Kind() == NodeKind::Passcard ? static_cast<Passcard*>(node) : nullptr;
    EnableItem(IDOK, m_selected != nullptr);
}

void AutofillPasscardDialog::OnSearchEvent(int code) {
    const std::optional<std::string> typed = m_search.OnEvent(code);
    if (!typed) {
        return;
    }
    const ModelNode* found =
        node_editing::QuickSearch(m_database, *typed, false, node_editing::PasscardScope::Autofill);
    if (const HTREEITEM item = found == nullptr ? nullptr : m_tree.Find(found)) {
        m_tree.ExpandBranch(item);
        m_tree.Select(found);
    }
}

void AutofillPasscardDialog::ShowBookmarks() {
    const std::vector<node_editing::Bookmark> bookmarks =
        node_editing::Bookmarks(m_database, kMaxBookmarks, node_editing::PasscardScope::Autofill);
    const HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < bookmarks.size(); ++i) {
        AppendMenuA(menu, MF_STRING, kFirstBookmarkCommand + i, bookmarks[i].text.c_str());
    }
    RECT button{};
    GetWindowRect(Item(IDC_AUTOFILL_BOOKMARKS), &button);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTALIGN,
                                                         button.right, button.bottom, 0, Handle(), nullptr));
    DestroyMenu(menu);
    if (chosen >= kFirstBookmarkCommand && chosen - kFirstBookmarkCommand < bookmarks.size()) {
        m_tree.Select(bookmarks[chosen - kFirstBookmarkCommand].passcard);
        SetFocus(m_tree.Handle());
    }
}

void AutofillPasscardDialog::OnOk() {
    if (m_selected == nullptr) {
        return;
    }
    if (IsWindow(m_target)) {
        Fill();
    }
    End(IDOK);
}

void AutofillPasscardDialog::Fill() {
    Win32InputSender sender(Handle());
    AutofillEngine engine(sender, AutofillOptionsFromSettings);
    if (!engine.PrepareTemplate(m_selected->AutofillString(), m_selected)) {
        return;
    }
    m_selected->SetWindowId(DescribeWindow(m_target).Viewed());
    // Out of the way first: the dialog must not take the focus back while the keys go out.
    ShowWindow(Handle(), SW_HIDE);
    engine.Send(m_target);
    m_selected->SetWindow(m_targetTitle);
}

} // namespace vaultlet
