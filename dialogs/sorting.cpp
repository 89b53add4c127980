// Sorting a list view by a column: the header's direction arrow, then the
// items of an ordinary list view by their texts or the row order of a
// virtual list view by the bound data.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "dialogs/allocation.h"
#include "dialogs/column_types.h"
#include "dialogs/dialog_internal.h"
#include "dialogs/dialogs.h"
#include "dialogs/list_sort.h"

namespace velmora {
namespace {

constexpr UINT kSavedStateMask = 0xFF0F;  // selection, focus, cut, drop, overlay, state image
constexpr int kCellTextLength = 260;

struct SortColumn {
    int32_t key = 0;  // the header lParam: type code and byte offset
    int32_t sign = 0; // +1 or -1; 0 when the header has no such column
};

// Flips the clicked column's arrow, clears the others' and returns the
// column's sort key and direction.
SortColumn MarkSortColumn(HWND listView, int32_t column) {
    SortColumn sort;
    HWND header = GetDlgItem(listView, 0);
    if (header == nullptr) return sort;
    const auto count = SendMessageA(header, HDM_GETITEMCOUNT, 0, 0);
    for (LRESULT h = 0; h < count; ++h) {
        HDITEMA item{};
        item.mask = HDI_FORMAT | HDI_LPARAM | HDI_IMAGE;
        SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(h), reinterpret_cast<LPARAM>(&item));
        const int direction = item.iImage & 1;
        if (h == column - 1) {
            const int flipped = 1 - direction;
            item.iImage = flipped;
            item.fmt |= HDF_IMAGE | HDF_BITMAP_ON_RIGHT | HDF_STRING;
            sort.key = static_cast<int32_t>(item.lParam);
            sort.sign = 1 - 2 * flipped;
        } else {
            item.iImage = direction;
            item.fmt &= ~(HDF_IMAGE | HDF_BITMAP_ON_RIGHT);
        }
        SendMessageA(header, HDM_SETITEMA, static_cast<WPARAM>(h), reinterpret_cast<LPARAM>(&item));
    }
    return sort;
}

std::string CellText(HWND listView, WPARAM row, int subItem) {
    char buffer[kCellTextLength] = {};
    LVITEMA item{};
    item.iSubItem = subItem;
    item.pszText = buffer;
    item.cchTextMax = kCellTextLength;
    SendMessageA(listView, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

// The sort reads each cell once, before the list view starts moving items,
// and finds it again by the item data, which every item of an ordinary list
// view holds as its item number minus 1.
struct TextSortContext {
    std::map<LPARAM, std::string> textOfItem;
    int32_t type = 0;
    int32_t sign = 0;
};

int CALLBACK CompareItemsByText(LPARAM first, LPARAM second, LPARAM context) {
    const auto& sort = *reinterpret_cast<const TextSortContext*>(context);
    const auto a = sort.textOfItem.find(first);
    const auto b = sort.textOfItem.find(second);
    if (a == sort.textOfItem.end() || b == sort.textOfItem.end()) return 0;
    return CompareCellTexts(sort.type, a->second, b->second) * sort.sign;
}

LPARAM ItemData(HWND listView, int row) {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    SendMessageA(listView, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.lParam;
}

void SetItemData(HWND listView, int row, LPARAM data) {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = data;
    SendMessageA(listView, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

// The list view whose items carry row numbers as their data for a sort.
HWND renumbered = nullptr;

class Renumbering {
public:
    explicit Renumbering(HWND listView) : previous_(renumbered) { renumbered = listView; }
    Renumbering(const Renumbering&) = delete;
    Renumbering& operator=(const Renumbering&) = delete;
    ~Renumbering() { renumbered = previous_; }

private:
    HWND previous_;
};

void SortItemsByText(HWND listView, const TextSortContext& context) {
    SendMessageA(listView, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&context),
                 reinterpret_cast<LPARAM>(&CompareItemsByText));
}

void SortOrdinaryListView(HWND listView, int subItem, int32_t type, int32_t sign) {
    const auto count = static_cast<int>(std::max<LRESULT>(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0), 0));
    std::vector<LPARAM> ownData(static_cast<std::size_t>(count));
    std::vector<std::string> texts(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row) {
        ownData[static_cast<std::size_t>(row)] = ItemData(listView, row);
        texts[static_cast<std::size_t>(row)] = CellText(listView, static_cast<WPARAM>(row), subItem);
    }
    TextSortContext context;
    context.type = type;
    context.sign = sign;
    bool unique = true;
    for (int row = 0; row < count && unique; ++row)
        unique = context.textOfItem.emplace(ownData[static_cast<std::size_t>(row)], texts[static_cast<std::size_t>(row)]).second;
    if (unique) {
        SortItemsByText(listView, context);
        return;
    }

    // Items whose data is not unique cannot be found again by it: for the
    // sort they carry their row numbers, and get their own data back after.
    context.textOfItem.clear();
    for (int row = 0; row < count; ++row) context.textOfItem.emplace(row, std::move(texts[static_cast<std::size_t>(row)]));
    Renumbering marked(listView);
    for (int row = 0; row < count; ++row) SetItemData(listView, row, row);
    SortItemsByText(listView, context);
    for (int row = 0; row < count; ++row) {
        const LPARAM number = ItemData(listView, row);
        if (number >= 0 && number < count) SetItemData(listView, row, ownData[static_cast<std::size_t>(number)]);
    }
}

// Bytes that a value of this sort type takes in a row.
int32_t ValueBytes(int32_t type) {
    switch (type) {
        case SORT_INT1: return 1;
        case SORT_INT2: return 2;
        case SORT_INT4: return 4;
        case SORT_INT8: return 8;
        case SORT_REAL4: return 4;
        case SORT_REAL8: return 8;
        case SORT_DATETIME: return 16;
        default: return type > 0 ? type : 0;
    }
}

void SortVirtualListView(HWND listView, int32_t type, int32_t offset, int32_t sign) {
    ListViewData* data = ListViewDataOf(listView);
    if (data == nullptr || data->rows == nullptr || data->rowSize <= 0) return;
    const int32_t bytes = ValueBytes(type);
    if (offset < 0 || offset + bytes > data->rowSize) return;
    const auto count = static_cast<int32_t>(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
    if (count <= 0) return;

    // Row states travel with their items.
    std::vector<UINT> stateOfItem(static_cast<std::size_t>(count) + 1, 0);
    for (int32_t r = 0; r < count; ++r) {
        const int32_t item = static_cast<std::size_t>(r) < data->rowOrder.size() ? data->rowOrder[r] : r + 1;
        if (item >= 1 && item <= count)
            stateOfItem[static_cast<std::size_t>(item)] =
                static_cast<UINT>(SendMessageA(listView, LVM_GETITEMSTATE, static_cast<WPARAM>(r), kSavedStateMask));
    }

    const unsigned char* rows = data->rows;
    const auto rowSize = static_cast<std::size_t>(data->rowSize);
    const auto valueOf = [&](int32_t item) { return rows + static_cast<std::size_t>(item - 1) * rowSize + offset; };
    data->rowOrder = MergeSortItems(count, [&](int32_t a, int32_t b) {
        return CompareBoundValues(type, valueOf(a), valueOf(b)) * sign;
    });

    for (int32_t r = 0; r < count; ++r) {
        LVITEMA state{};
        state.stateMask = kSavedStateMask;
        state.state = stateOfItem[static_cast<std::size_t>(data->rowOrder[static_cast<std::size_t>(r)])];
        SendMessageA(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(r), reinterpret_cast<LPARAM>(&state));
    }
    SendMessageA(listView, LVM_REDRAWITEMS, 0, count - 1);
}

}  // namespace

void SortListViewByColumn(DIALOG& dialog, int32_t id, int32_t column) {
    if (dialog.hWnd == nullptr) return;
    HWND listView = GetDlgItem(dialog.hWnd, id);
    if (listView == nullptr) return;
    const SortColumn sort = MarkSortColumn(listView, column);
    if (sort.sign == 0) return;
    const int32_t type = SortKeyType(sort.key);
    const int32_t offset = SortKeyOffset(sort.key);

    // The sort's own storage grows with the item count; without it nothing moves.
    OrWhenOutOfMemory(false, [&] {
        if (IsVirtualListView(listView))
            SortVirtualListView(listView, type, offset, sort.sign);
        else
            SortOrdinaryListView(listView, static_cast<int>(column - 1), type, sort.sign);
        return true;
    });
}

bool IsRenumberedForSorting(HWND listView) { return listView != nullptr && listView == renumbered; }

}  // namespace velmora
