// List views: the data record, the sort arrows of the header, columns built
// from the column type list, display data from bound rows, and the mapping
// between item numbers and display rows.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <string>

#include "dialogs/allocation.h"
#include "dialogs/column_types.h"
#include "dialogs/dialog_internal.h"
#include "dialogs/dialogs.h"
#include "framework/gdi.h"

namespace velmora {
namespace {

constexpr int kArrowSize = 14;
constexpr WORD kArrowBitmaps[] = {133, 134};  // shell32's sort-direction arrows
constexpr int32_t kDefaultColumnChars = 10;
constexpr int32_t kDateTimeColumnChars = 20;
constexpr int kColumnPadding = 12;

HWND HeaderOf(HWND listView) { return GetDlgItem(listView, 0); }

HIMAGELIST CreateSortArrows() {
    HIMAGELIST arrows = ImageList_Create(kArrowSize, kArrowSize, 0, 2, 10);
    HMODULE shell = LoadLibraryA("shell32.dll");
    if (shell != nullptr) {
        for (WORD id : kArrowBitmaps) {
            // The image list copies the bitmap; ours is deleted at once.
            GdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(
                LoadImageA(shell, MAKEINTRESOURCEA(id), IMAGE_BITMAP, kArrowSize, kArrowSize, LR_LOADMAP3DCOLORS)));
            if (arrows != nullptr && bitmap) ImageList_Add(arrows, bitmap.get(), nullptr);
        }
        FreeLibrary(shell);
    }
    return arrows;
}

bool IsNumberColumn(const ColumnType& column) { return column.sortType < 0 && column.sortType != SORT_DATETIME; }

int ColumnPixels(HWND listView, const ColumnType& column) {
    int charWidth = static_cast<int>(SendMessageA(listView, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>("0")));
    if (charWidth <= 0) charWidth = 8;
    int32_t chars = column.width;
    if (chars <= 0) chars = column.letter == 'a' ? column.size : (column.letter == 't' ? kDateTimeColumnChars : kDefaultColumnChars);
    return std::min<int32_t>(chars, 200) * charWidth + kColumnPadding;
}

std::string FormatDateTime(const unsigned char* value) {
    SYSTEMTIME time;
    std::memcpy(&time, value, sizeof time);
    char date[80] = {};
    char clock[80] = {};
    const bool hasDate = time.wYear != 0;
    const bool hasTime = time.wHour != 0 || time.wMinute != 0 || time.wSecond != 0 || !hasDate;
    if (hasDate) GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, date, sizeof date);
    if (hasTime) GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, clock, sizeof clock);
    std::string text = date;
    if (date[0] != '\0' && clock[0] != '\0') text += ' ';
    return text + clock;
}

// The bytes of item `item` (from 1) of the bound rows, or null when the
// record binds nothing usable.
const unsigned char* RowOfItem(const ListViewData& data, int32_t item) {
    if (data.rows == nullptr || data.rowSize <= 0 || item < 1) return nullptr;
    return data.rows + static_cast<std::size_t>(item - 1) * static_cast<std::size_t>(data.rowSize);
}

bool FitsInRow(const ListViewData& data, int32_t offset, int32_t size) {
    return offset >= 0 && size > 0 && offset + size <= data.rowSize;
}

// Fills the display request of a virtual list view from the bound rows.
void FillFromBoundRow(HWND listView, LVITEMA& item) {
    const ListViewData* data = ListViewDataOf(listView);
    if (data == nullptr || item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= data->rowOrder.size()) return;
    const unsigned char* row = RowOfItem(*data, data->rowOrder[static_cast<std::size_t>(item.iItem)]);
    if (row == nullptr) return;
    const RowLayout layout = ParseColumnTypes(data->columnTypes);

    if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
        item.pszText[0] = '\0';
        const std::vector<ColumnType> columns = layout.columns();
        if (item.iSubItem >= 0 && static_cast<std::size_t>(item.iSubItem) < columns.size()) {
            const ColumnType& column = columns[static_cast<std::size_t>(item.iSubItem)];
            if (FitsInRow(*data, column.offset, column.size)) {
                const unsigned char* value = row + column.offset;
                const std::string text = column.letter == 't' ? FormatDateTime(value) : FormatCell(column, value);
                const std::size_t n = std::min(text.size(), static_cast<std::size_t>(item.cchTextMax) - 1);
                std::memcpy(item.pszText, text.data(), n);
                item.pszText[n] = '\0';
            }
        }
    }
    if ((item.mask & LVIF_IMAGE) != 0 && layout.imageOffset >= 0 && FitsInRow(*data, layout.imageOffset, 4)) {
        int32_t imageNumber = 0;
        std::memcpy(&imageNumber, row + layout.imageOffset, sizeof imageNumber);
        item.iImage = imageNumber - 1;
    }
}

}  // namespace

ListViewData* ListViewDataOf(HWND listView) {
    return static_cast<ListViewData*>(GetPropA(listView, kListViewDataProperty));
}

bool BindListViewRows(HWND listView, const void* rows) {
    ListViewData* data = ListViewDataOf(listView);
    if (data == nullptr) return false;
    data->rows = static_cast<const unsigned char*>(rows);
    return true;
}

bool IsVirtualListView(HWND listView) { return (GetWindowLongA(listView, GWL_STYLE) & LVS_OWNERDATA) != 0; }

void SetUpListView(HWND listView) {
    if (GetPropA(listView, kListViewDataProperty) != nullptr) return;
    HIMAGELIST arrows = CreateSortArrows();
    SendMessageA(listView, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    SendMessageA(listView, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_HEADERDRAGDROP, LVS_EX_HEADERDRAGDROP);
    SendMessageA(listView, LVM_DELETEALLITEMS, 0, 0);
    HWND header = HeaderOf(listView);
    if (header != nullptr)
        SendMessageA(header, HDM_SETIMAGELIST, HDSIL_NORMAL, reinterpret_cast<LPARAM>(arrows));
    else if (arrows != nullptr)
        ImageList_Destroy(arrows);
    if (auto* data = new (std::nothrow) ListViewData()) SetPropA(listView, kListViewDataProperty, data);
}

void ReleaseListView(HWND listView) {
    delete ListViewDataOf(listView);
    RemovePropA(listView, kListViewDataProperty);
    HWND header = HeaderOf(listView);
    if (header == nullptr) return;
    auto arrows = reinterpret_cast<HIMAGELIST>(SendMessageA(header, HDM_GETIMAGELIST, 0, 0));
    if (arrows == nullptr) return;
    SendMessageA(header, HDM_SETIMAGELIST, HDSIL_NORMAL, 0);
    ImageList_Destroy(arrows);
}

void RebuildListViewColumns(HWND listView, const ListViewData& data) {
    SendMessageA(listView, LVM_DELETEALLITEMS, 0, 0);
    HWND header = HeaderOf(listView);
    const auto existing = header != nullptr ? SendMessageA(header, HDM_GETITEMCOUNT, 0, 0) : 0;
    for (LRESULT i = 0; i < existing; ++i) SendMessageA(listView, LVM_DELETECOLUMN, 0, 0);

    const std::vector<ColumnType> columns = ParseColumnTypes(data.columnTypes).columns();
    char emptyText[] = "";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ColumnType& column = columns[i];
        const bool number = IsNumberColumn(column);
        LVCOLUMNA lvc{};
        lvc.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        lvc.fmt = number ? LVCFMT_RIGHT : LVCFMT_LEFT;
        lvc.cx = ColumnPixels(listView, column);
        lvc.pszText = emptyText;
        lvc.iSubItem = static_cast<int>(i);
        const auto at = SendMessageA(listView, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&lvc));
        header = HeaderOf(listView);
        if (at < 0 || header == nullptr) continue;
        HDITEMA item{};
        item.mask = HDI_FORMAT | HDI_LPARAM;
        item.fmt = HDF_STRING | (number ? HDF_RIGHT : HDF_LEFT);
        item.lParam = SortKey(column);
        SendMessageA(header, HDM_SETITEMA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&item));
    }
}

void FillDisplayInfo(HWND listView, LVITEMA& item) {
    // Without storage for its text the item is shown without one.
    OrWhenOutOfMemory(false, [&] {
        FillFromBoundRow(listView, item);
        return true;
    });
}

int32_t ListItemToRow(HWND listView, int32_t item) {
    if (!IsVirtualListView(listView)) {
        LVFINDINFOA find{};
        find.flags = LVFI_PARAM;
        find.lParam = static_cast<LPARAM>(item) - 1;
        return static_cast<int32_t>(SendMessageA(listView, LVM_FINDITEMA, static_cast<WPARAM>(-1),
                                                 reinterpret_cast<LPARAM>(&find)));
    }
    const ListViewData* data = ListViewDataOf(listView);
    if (data == nullptr) return -1;
    const auto count = SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0);
    const std::size_t rows = std::min(static_cast<std::size_t>(count > 0 ? count : 0), data->rowOrder.size());
    for (std::size_t r = 0; r < rows; ++r)
        if (data->rowOrder[r] == item) return static_cast<int32_t>(r);
    return -1;
}

int32_t ListRowToItem(HWND listView, int32_t row) {
    if (IsVirtualListView(listView)) {
        const ListViewData* data = ListViewDataOf(listView);
        if (data == nullptr || row < 0 || static_cast<std::size_t>(row) >= data->rowOrder.size()) return 0;
        return data->rowOrder[static_cast<std::size_t>(row)];
    }
    LVITEMA lvi{};
    lvi.mask = LVIF_PARAM;
    lvi.iItem = row;
    if (SendMessageA(listView, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&lvi)) == 0) return 0;
    return static_cast<int32_t>(lvi.lParam + 1);
}

}  // namespace velmora
