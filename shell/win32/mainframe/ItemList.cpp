#include "shell/win32/mainframe/ItemList.h"

#include "core/Database.h"
#include "core/Group.h"
#include "core/Item.h"
#include "core/Passcard.h"
#include "resources/StringIds.h"
#include "services/LanguagePack.h"
#include "shell/NodeEditing.h"
#include "shell/win32/ui/DisplayText.h"
#include "shell/win32/ui/LinkLabel.h"
#include "shell/win32/ui/PasscardTree.h"
#include "shell/win32/ui/SharedIcons.h"
#include "shell/win32/ui/WindowDpi.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace vaultlet {
namespace {

constexpr int kColumnTitles[] = {IDS_COLUMN_NAME, IDS_COLUMN_VALUE, IDS_COLUMN_CREATION_TIME};
constexpr int kValueColumn = 1;
// At 96 DPI.
constexpr int kColumnWidths[] = {120, 160, 130};
constexpr int kColumnCount = 3;

template <typename Container>
void Collect(const Container& container, std::vector<ModelNode*>& rows) {
    for (const auto& child : container.Children()) {
        rows.push_back(child.get());
    }
}

void CopyText(std::string_view text, NMLVDISPINFOA& info) {
    CopyDisplayText(text, info.item.pszText, info.item.cchTextMax);
}

} // namespace

bool ItemList::Create(HWND parent, int id) {
    // A virtual list: the control keeps only the row count and asks for every text and image, so
    // listing a group of thousands of passcards costs no more than listing five items.
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                        LVS_SHAREIMAGELISTS | LVS_OWNERDATA;
    const HWND window =
        CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", style, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr) {
        return false;
    }
    m_list = ListView(window);
    m_dpi = WindowDpi::Of(parent);
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_list.SetSmallImages(SharedIcons::Get(m_dpi));
    const LanguagePack& language = LanguagePack::Instance();
    for (int column = 0; column < kColumnCount; ++column) {
        m_list.AddColumn(column, language.getString(kColumnTitles[column]), m_dpi.Scale(kColumnWidths[column]));
    }
    return true;
}

void ItemList::SetDpi(const DpiScale& dpi) {
    const HWND list = m_list.Handle();
    for (int column = 0; column < kColumnCount; ++column) {
        ListView_SetColumnWidth(list, column, dpi.From(ListView_GetColumnWidth(list, column), m_dpi));
    }
    m_dpi = dpi;
    m_list.SetSmallImages(SharedIcons::Get(m_dpi));
}

void ItemList::TitleColumns() const {
    const LanguagePack& language = LanguagePack::Instance();
    for (int column = 0; column < kColumnCount; ++column) {
        std::string title = language.getString(kColumnTitles[column]);
        LVCOLUMNA data{};
        data.mask = LVCF_TEXT;
        data.pszText = title.data();
        SendMessageA(m_list.Handle(), LVM_SETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&data));
    }
}

void ItemList::Show(ModelNode* parent) {
    std::vector<ModelNode*> rows;
    if (parent != nullptr) {
        switch (parent->Kind()) {
        case NodeKind::Database:
            Collect(static_cast<Database&>(*parent), rows);
            break;
        case NodeKind::Group:
            Collect(static_cast<Group&>(*parent), rows);
            break;
        case NodeKind::Passcard:
            Collect(static_cast<Passcard&>(*parent), rows);
            break;
        case NodeKind::Item:
            break;
        }
    }
    const HWND list = m_list.Handle();
    if (!rows.empty() && rows.size() == m_rows.size()) {
        // As many rows as before (passcards mostly have the same fields): the layout and the scroll
        // bars stay, which spares the control a scroll-bar update, slow under Wine. Selection,
        // position and texts start over as after a refill.
        m_rows = std::move(rows);
        for (const UINT which : {LVNI_SELECTED, LVNI_FOCUSED}) {
            const int row = ListView_GetNextItem(list, -1, which);
            if (row >= 0) {
                ListView_SetItemState(list, row, 0, LVIS_SELECTED | LVIS_FOCUSED);
            }
        }
        ListView_SetSelectionMark(list, -1);
        if (ListView_GetTopIndex(list) != 0) {
            ListView_EnsureVisible(list, 0, FALSE);
        }
        InvalidateRect(list, nullptr, TRUE);
        return;
    }
    // Emptying and refilling are one update of the control: it lays out and repaints once.
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    Clear();
    m_rows = std::move(rows);
    m_list.SetRowCount(static_cast<int>(m_rows.size()));
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

void ItemList::Clear() {
    m_list.Clear();
    m_rows.clear();
}

ModelNode* ItemList::NodeAt(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < m_rows.size() ? m_rows[static_cast<std::size_t>(row)] : nullptr;
}

ModelNode* ItemList::LinkAt(POINT point) const {
    const ListView::Cell cell = m_list.CellAt(point);
    ModelNode* node = cell.column == kValueColumn ? NodeAt(cell.row) : nullptr;
    return node != nullptr && node_editing::IsLink(*node) ? node : nullptr;
}

ModelNode* ItemList::SelectRowAt(POINT point) const {
    const int row = m_list.CellAt(point).row;
    ModelNode* node = NodeAt(row);
    if (node != nullptr) {
        m_list.Select(row);
    }
    return node;
}

LRESULT ItemList::OnCustomDraw(NMLVCUSTOMDRAW& draw) const {
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        // The row's own colour: a colour set for one cell stays for the cells after it.
        m_rowTextColour = draw.clrText;
        return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        // A click on a link opens it, so it looks like one; a selected row keeps the colours of the
        // selection, which a link's colour could make unreadable.
        const int row = static_cast<int>(draw.nmcd.dwItemSpec);
        const ModelNode* node = draw.iSubItem == kValueColumn ? NodeAt(row) : nullptr;
        const bool selected = ListView_GetItemState(m_list.Handle(), row, LVIS_SELECTED) != 0;
        const bool link = node != nullptr && !selected && node_editing::IsLink(*node);
        draw.clrText = link ? LinkLabel::kColour : m_rowTextColour;
        return CDRF_DODEFAULT;
    }
    default:
        return CDRF_DODEFAULT;
    }
}

bool ItemList::Select(const ModelNode* node) const {
    const auto found = std::find(m_rows.begin(), m_rows.end(), node);
    if (node == nullptr || found == m_rows.end()) {
        return false;
    }
    const int row = static_cast<int>(found - m_rows.begin());
    constexpr UINT kChosen = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(m_list.Handle(), -1, 0, kChosen);
    ListView_SetItemState(m_list.Handle(), row, kChosen, kChosen);
    ListView_EnsureVisible(m_list.Handle(), row, FALSE);
    return true;
}

void ItemList::OnGetDispInfo(NMLVDISPINFOA& info) const {
    const ModelNode* node = NodeAt(info.item.iItem);
    if (node == nullptr) {
        return;
    }
    if ((info.item.mask & LVIF_IMAGE) != 0) {
        info.item.iImage = PasscardTree::ImageOf(*node);
    }
    if ((info.item.mask & LVIF_TEXT) == 0) {
        return;
    }
    const Item* item = node->Kind() == NodeKind::Item ? static_cast<const Item*>(node) : nullptr;
    switch (info.item.iSubItem) {
    case 0:
        CopyText(node->Name().Viewed(), info);
        break;
    case 1:
        CopyText(item == nullptr ? std::string_view() : item->Hidden() ? kMaskedValue : item->Value().Viewed(), info);
        break;
    default:
        CopyText(node->FormatTime(), info);
        break;
    }
}

} // namespace vaultlet
