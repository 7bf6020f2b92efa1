#include "shell/win32/ui/ListView.h"

#include <string>

namespace vaultlet {

void ListView::AddColumn(int index, std::string_view title, int width) const {
    std::string text(title);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = text.data();
    column.cx = width;
    column.iSubItem = index;
    SendMessageA(m_window, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

int ListView::ClientWidth() const {
    RECT client{};
    GetClientRect(m_window, &client);
    return client.right - client.left;
}

void ListView::AddRow(int row, int image) const {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = row;
    item.pszText = LPSTR_TEXTCALLBACKA;
    item.iImage = image;
    item.lParam = row;
    SendMessageA(m_window, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void ListView::Select(int row) const {
    const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(m_window, row, state, state);
    ListView_SetSelectionMark(m_window, row);
}

ListView::Cell ListView::CellAt(POINT point) const {
    LVHITTESTINFO hit{};
    hit.pt = point;
    if (ListView_SubItemHitTest(m_window, &hit) < 0 || (hit.flags & LVHT_ONITEM) == 0) {
        return {};
    }
    return {hit.iItem, hit.iSubItem};
}

bool ListView::OnRowNotice(const NMHDR& header, const std::function<void(NMLVDISPINFOA&)>& display,
                           const std::function<void(int row)>& activate) {
    switch (header.code) {
    case LVN_GETDISPINFOA:
        display(*reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(&header)));
        return true;
    case NM_DBLCLK:
        activate(reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
        return true;
    default:
        return false;
    }
}

} // namespace vaultlet
