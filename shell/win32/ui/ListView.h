#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string_view>

namespace vaultlet {

// A report-style list view whose rows take their texts from the caller's model on demand
// (LVN_GETDISPINFO); the control stores no copies. Does not own the window.
class ListView {
public:
    ListView() noexcept = default;
    explicit ListView(HWND window) noexcept : m_window(window) {}

    HWND Handle() const noexcept { return m_window; }
    void SetExtendedStyle(DWORD style) const { ListView_SetExtendedListViewStyle(m_window, style); }
    // The list does not take ownership: the control needs LVS_SHAREIMAGELISTS.
    void SetSmallImages(HIMAGELIST images) const { ListView_SetImageList(m_window, images, LVSIL_SMALL); }
    void AddColumn(int index, std::string_view title, int width) const;
    int ClientWidth() const;
    void Clear() const { ListView_DeleteAllItems(m_window); }
    // Inserts a row whose texts come from LVN_GETDISPINFO; its item data is the row number.
    void AddRow(int row, int image) const;
    // For a virtual list (LVS_OWNERDATA): rows 0 to count - 1, everything from LVN_GETDISPINFO.
    void SetRowCount(int count) const { ListView_SetItemCountEx(m_window, count, 0); }
    int Count() const { return ListView_GetItemCount(m_window); }
    // The first selected row, or -1.
    int Selection() const { return ListView_GetNextItem(m_window, -1, LVNI_SELECTED); }
    // Selects and focuses the row; in a single-selection list the others lose the selection.
    void Select(int row) const;

    // The notices of a virtual list whose rows lead somewhere: a row's texts are asked for, or a row
    // is double-clicked. False for any other notice.
    static bool OnRowNotice(const NMHDR& header, const std::function<void(NMLVDISPINFOA&)>& display,
                            const std::function<void(int row)>& activate);

    // The row and column under a point of the control's client area; row -1 when no row is there.
    struct Cell {
        int row = -1;
        int column = -1;
    };
    Cell CellAt(POINT point) const;

private:
    HWND m_window = nullptr;
};

} // namespace vaultlet
