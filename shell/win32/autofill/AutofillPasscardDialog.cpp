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
#include "shell/TextFormat.h"
#include "shell/win32/ui/HeaderBand.h"
#include "shell/win32/ui/MessageBoxes.h"
#include "shell/win32/ui/SharedIcons.h"
#include "shell/win32/ui/WindowDpi.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vaultlet {
namespace {

// The bookmarks pop-up numbers its entries from here.
constexpr UINT kFirstBookmarkCommand = 62000;
constexpr std::size_t kMaxBookmarks = 1000;

} // namespace

AutofillPasscardDialog::AutofillPasscardDialog(HWND target, Database& database)
    : AutofillPasscardDialog(AutofillTarget(), database) {
    m_target = AutofillTarget::Take(m_windows, target, GetTickCount64());
}

AutofillPasscardDialog::AutofillPasscardDialog(AutofillTarget target, Database& database)
    : Dialog(IDD_AUTOFILL_PASSCARD), m_target(std::move(target)), m_database(database) {}

bool AutofillPasscardDialog::OnInit() {
    const LanguagePack& language = LanguagePack::Instance();
    m_icons.Apply(Handle(), IDI_NODE_AUTOFILL);
    language.translateWindow(Handle());
    SetWindowTextA(Handle(), language.getString(IDS_TITLE_AUTOFILL).c_str());
    SetItemText(IDC_AUTOFILL_HEADER, language.getString(IDS_HEADER_AUTOFILL));
    HeaderBand::SetIcon(Item(IDC_AUTOFILL_HEADER), m_icons.Large());
    SetItemText(IDC_AUTOFILL_TARGET,
                FormatText(language.getString(IDS_AUTOFILL_TARGET), {m_target.Title(), m_target.Program()}));
    const HICON bookmark = SharedIcons::Picture(IDI_NODE_BOOKMARK, WindowDpi::Of(Handle()));
    SendMessageA(Item(IDC_AUTOFILL_BOOKMARKS), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(bookmark));
    m_search.Attach(Item(IDC_AUTOFILL_SEARCH));

    m_tree.Attach(Item(IDC_AUTOFILL_TREE), Settings::Read(setting::kLinesIntoTree) != 0);
    m_tree.SetScope(node_editing::PasscardScope::Autofill);
    m_tree.Fill(m_database);
    if (const Passcard* used = node_editing::PasscardLastUsedFor(m_database, m_target.Title())) {
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
    if (!m_target.IsUnchanged(m_windows)) {
        TellTargetChanged();
        End(IDCANCEL);
        return;
    }
    End(Fill() ? IDOK : IDCANCEL);
}

bool AutofillPasscardDialog::Fill() {
    Win32InputSender sender;
    AutofillEngine engine(sender, AutofillOptionsFromSettings);
    if (!engine.PrepareTemplate(m_selected->AutofillString(), m_selected)) {
        return false;
    }
    // Checked once more when the window is in front: it could have changed while it came forward.
    bool changed = false;
    engine.SetTargetCheck([this, &changed] {
        changed = !m_target.IsUnchanged(m_windows);
        return !changed;
    });
    // Described as it is before the keys change it; kept only when something was typed.
    const SecureString description = DescribeWindow(static_cast<HWND>(m_target.Window()));
    // Out of the way first: the dialog must not take the focus back while the keys go out.
    ShowWindow(Handle(), SW_HIDE);
    engine.Send(m_target.Window());
    if (changed) {
        TellTargetChanged();
        return false;
    }
    m_selected->SetWindowId(description.Viewed());
    m_selected->SetWindow(m_target.Title());
    return true;
}

void AutofillPasscardDialog::TellTargetChanged() {
    MessageBoxes::Error(Handle(), IDS_AUTOFILL_TARGET_CHANGED);
}

} // namespace vaultlet
