// Pieces shared by the dialog module's source files.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/window_record.h"

namespace velmora {

constexpr char kListViewDataProperty[] = "VLVData";

inline LRESULT Send(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(hWnd, message, wParam, lParam);
}

// A zero-based item index as a message's wParam (-1 stays -1).
inline WPARAM Index(int32_t zeroBased) { return static_cast<WPARAM>(static_cast<LONG_PTR>(zeroBased)); }

// List-box selection styles.
inline bool IsMultipleSelection(LONG style) { return (style & LBS_MULTIPLESEL) != 0; }
inline bool IsAnyMultipleSelection(LONG style) { return (style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }

// The list-view data record ("VLVData"): the data bound to a list view and
// what the module needs to show and sort it.
struct ListViewData {
    const unsigned char* rows = nullptr;  // bound rows; null = none
    int32_t rowSize = 0;                  // bytes of one row
    std::string columnTypes;              // the stored column type list
    std::vector<int32_t> rowOrder;        // virtual list views: rowOrder[r] = item of row r
};

ListViewData* ListViewDataOf(HWND listView);

// Binds program data (an array of rows) to a list view; null unbinds.
bool BindListViewRows(HWND listView, const void* rows);

// Creation of the sort-arrow image list and the data record of a list view
// in a new control table, and their release.
void SetUpListView(HWND listView);
void ReleaseListView(HWND listView);

// Rebuilds the columns from the stored type list.
void RebuildListViewColumns(HWND listView, const ListViewData& data);

// Fills a virtual list view's display request from the bound data.
void FillDisplayInfo(HWND listView, LVITEMA& item);

bool IsVirtualListView(HWND listView);

// True while a sort has the list view's items carry their row numbers as
// item data; the changes it makes are no selection changes.
bool IsRenumberedForSorting(HWND listView);

// The control a set or get routine works on: the child with that id, or the
// dialog itself under its own template id.
struct Target {
    HWND hWnd = nullptr;
    ControlEntry* entry = nullptr;  // null for a window without an entry
    int32_t kind = 0;
    LONG style = 0;
};

bool FindTarget(const DIALOG& dialog, int32_t id, Target& target);

// The edit field of an editable combo box (of a simple one too, whose first
// child window is its list); null when it has none.
HWND ComboEditField(HWND combo);

// Deletes what an entry owns (brush, font) and marks it as owning nothing.
void ReleaseEntryObjects(ControlEntry& entry);

// The window's class name, lower-cased (at most 31 characters).
std::string LowerClassName(HWND hWnd);

}  // namespace velmora
