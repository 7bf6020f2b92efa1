#include "shell/win32/find/FindDialog.h"

#include "core/Database.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/TextFormat.h"
#include "shell/win32/ui/DisplayText.h"
#include "shell/win32/ui/HeaderBand.h"
#include "shell/win32/ui/PasscardTree.h"
#include "shell/win32/ui/SharedIcons.h"
#include "shell/win32/ui/WindowDpi.h"

#include <utility>

namespace vaultlet {
namespace {

enum Column { kEntryColumn = 0, kPlacesColumn = 1 };

} // namespace

const CommandTable<FindDialog> FindDialog::kCommands = {
    {IDC_FIND_TEXT, &FindDialog::OnTextChanged, EN_CHANGE},
    {IDC_FIND_GO, &FindDialog::OnGo},
    {IDC_FIND_CLOSE, &FindDialog::OnClose},
};

FindDialog::FindDialog(const Database& database, std::string text)
    : Dialog(IDD_FIND), m_database(database), m_text(std::move(text)) {}

bool FindDialog::OnInit() {
    const LanguagePack& language = LanguagePack::Instance();
    m_icons.Apply(Handle(), IDI_PROGRAM);
    SetWindowTextA(Handle(), language.getString(IDS_FIND_TITLE).c_str());
    language.translateWindow(Handle());
    HeaderBand::SetIcon(Item(IDC_FIND_HEADER), m_icons.Large());

    m_view = ListView(Item(IDC_FIND_LIST));
    m_view.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_view.SetSmallImages(SharedIcons::Get(WindowDpi::Of(Handle())));
    AddColumns();
    SetItemText(IDC_FIND_TEXT, m_text);
    m_ready = true;
    Search();
    // The last text comes back selected: typing replaces it, Enter goes to its first entry again.
    FocusItem(IDC_FIND_TEXT);
    return false;
}

void FindDialog::AddColumns() {
    const LanguagePack& language = LanguagePack::Instance();
    const int width = m_view.ClientWidth() - WindowDpi::Metric(SM_CXVSCROLL, WindowDpi::Of(Handle()));
    const int entry = width * 3 / 5;
    m_view.AddColumn(kEntryColumn, language.getString(IDS_FIND_COLUMN_ENTRY), entry);
    m_view.AddColumn(kPlacesColumn, language.getString(IDS_FIND_COLUMN_PLACES), width - entry);
}

bool FindDialog::OnCommand(int id, int code, HWND control) {
    return kCommands.Dispatch(*this, id, code) || Dialog::OnCommand(id, code, control);
}

void FindDialog::OnTextChanged() {
    if (m_ready) {
        Search();
    }
}

void FindDialog::OnGo() {
    GoTo(m_view.Selection());
}

void FindDialog::OnClose() {
    End(IDCANCEL);
}

bool FindDialog::OnNotify(const NMHDR& header, LRESULT& result) {
    result = 0;
    return header.idFrom == IDC_FIND_LIST &&
           ListView::OnRowNotice(
               header, [this](NMLVDISPINFOA& request) { AnswerDisplay(request); }, [this](int row) { GoTo(row); });
}

void FindDialog::OnOk() {
    OnGo();
}

void FindDialog::Search() {
    m_text = ItemText(IDC_FIND_TEXT);
    // A character the code page does not have would be searched as its stand-in ("?"), which is
    // found where it was never typed.
    m_found = ItemIsExactInCodePage(IDC_FIND_TEXT) ? NodeFinder(m_text).FindAll(m_database)
                                                   : std::vector<NodeFinder::Found>();
    m_view.SetRowCount(static_cast<int>(m_found.size()));
    if (!m_found.empty()) {
        ListView_SetItemState(m_view.Handle(), 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(m_view.Handle(), 0, FALSE);
    }
    InvalidateRect(m_view.Handle(), nullptr, TRUE);
    ShowCount();
}

void FindDialog::ShowCount() const {
    const LanguagePack& language = LanguagePack::Instance();
    if (m_text.empty()) {
        SetItemText(IDC_FIND_COUNT, "");
    } else if (m_found.empty()) {
        SetItemText(IDC_FIND_COUNT, language.getString(IDS_FIND_NOTHING));
    } else {
        SetItemText(IDC_FIND_COUNT, FormatText(language.getString(IDS_FIND_COUNT), {std::to_string(m_found.size())}));
    }
}

void FindDialog::AnswerDisplay(NMLVDISPINFOA& request) const {
    const auto row = static_cast<std::size_t>(request.item.iItem);
    if (request.item.iItem < 0 || row >= m_found.size()) {
        return;
    }
    const NodeFinder::Found& found = m_found[row];
    if ((request.item.mask & LVIF_IMAGE) != 0) {
        request.item.iImage = PasscardTree::ImageOf(*found.node);
    }
    if ((request.item.mask & LVIF_TEXT) == 0) {
        return;
    }
    if (request.item.iSubItem == kEntryColumn) {
        CopyDisplayText(NodeFinder::PathOf(*found.node).Viewed(), request.item.pszText, request.item.cchTextMax);
    } else {
        CopyDisplayText(PlacesText(found), request.item.pszText, request.item.cchTextMax);
    }
}

std::string FindDialog::PlacesText(const NodeFinder::Found& found) const {
    const bool keyName = found.node->Kind() == NodeKind::Item &&
                         static_cast<const vaultlet::Item*>(found.node)->Type() == ItemType::KeyPassphrase;
    const std::pair<unsigned, int> labels[] = {
        {NodeFinder::kName, IDS_COLUMN_NAME},
        {NodeFinder::kValue, IDS_COLUMN_VALUE},
        {NodeFinder::kMeta, keyName ? IDS_KEY_NAME_LABEL : IDS_FIELD_COMMENT_LABEL},
        {NodeFinder::kNote, IDS_PANE_NOTE},
    };
    std::string text;
    for (const auto& [place, label] : labels) {
        if ((found.places & place) != 0) {
            text += (text.empty() ? "" : ", ") + LanguagePack::Instance().getString(label);
        }
    }
    return text;
}

void FindDialog::GoTo(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= m_found.size()) {
        return;
    }
    m_selected = m_found[static_cast<std::size_t>(row)].node;
    End(IDOK);
}

} // namespace vaultlet
