// The dialog module: dialogs made from resource templates, the table of their
// controls, setting and reading control state through attribute indexes, and
// control callbacks.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "dialogs/constants.h"
#include "dialogs/routing.h"
#include "framework/painting.h"
#include "framework/window_record.h"

namespace velmora {

// An attribute index (ATTR_...) or a list item counted from 1; absent means
// the default of the control's kind.
using AttrIndex = std::optional<int32_t>;

// Callback forms besides CommandRoutine (record, id, event or column), all
// arguments by reference: owner drawing of statics and buttons, and display
// data of virtual list views (`item` holds the address of the LVITEMA to
// fill, as a pointer-sized integer would).
using DrawRoutine = void (*)(V_WINDOW& window, const int32_t& id, V_DC& dc);
using DisplayInfoRoutine = void (*)(V_WINDOW& window, const int32_t& id, LVITEMA* const& item);

// ---------------------------------------------------------------------------
// Creation and lifetime

// Creates the dialog from template `templateId` of `module` (default: the
// program) into `dialog`, under `parent`'s window (default: the application
// frame when it exists, else the desktop), and builds its control table.
bool DlgCreate(int32_t templateId, DIALOG& dialog, const V_WINDOW* parent = nullptr,
               HMODULE module = nullptr);

// Creates the application frame VW_FRAME from a template; only while the
// entry runs the main routine.
bool DlgCreateFrame(int32_t templateId, V_MENU* menu = nullptr,
                    std::optional<int32_t> iconId = std::nullopt);

// Shows the dialog and calls its EVT_INIT routine.
bool DlgShow(DIALOG& dialog, int showCommand = SW_SHOW);

// Runs the dialog modally until DlgEnd; -1 without a live window or when the
// run ended by WM_QUIT (which is passed on).
int32_t DlgRunModal(DIALOG& dialog, HWND owner = nullptr, bool disableAll = false);

// Ends the dialog's modal run with `value`. False for a record without a
// live window.
bool DlgEnd(DIALOG& dialog, int32_t value);

// The routine pre-set on controls 1 and 2: ends the run with the control id
// (and quits the application when the dialog is its frame).
void DefaultEndCallback(DIALOG& dialog, const int32_t& id, const int32_t& event);

// Releases the control table and destroys the window.
void DlgDestroy(DIALOG& dialog);

LRESULT DlgSendMessage(DIALOG& dialog, int32_t id, UINT message, WPARAM wParam = 0,
                       LPARAM lParam = 0);

int32_t ClassifyControl(HWND control);

bool WindowSetIcon(V_WINDOW& window, int32_t iconId, HMODULE module = nullptr);
bool WindowSetMenu(V_WINDOW& window, V_MENU& menu);

// ---------------------------------------------------------------------------
// Setting control state

bool DlgSetString(DIALOG& dialog, int32_t id, std::string_view text, AttrIndex index = std::nullopt);
// `value` is an integer, a colour, an item number, or a handle (icon, bitmap,
// image list) or routine address where the attribute takes one.
bool DlgSetInteger(DIALOG& dialog, int32_t id, LONG_PTR value, AttrIndex index = std::nullopt);
bool DlgSetLogical(DIALOG& dialog, int32_t id, bool value, AttrIndex index = std::nullopt);

// Shows the page window of the tab control's selected tab, hides the others.
void DlgShowTabPage(HWND tab);

// The display row (from 0) of item number `item` (from 1), or -1.
int32_t ListItemToRow(HWND listView, int32_t item);

// ---------------------------------------------------------------------------
// Reading control state

// `text` is a field of `length` characters; it is blank after a false result.
bool DlgGetString(DIALOG& dialog, int32_t id, char* text, std::size_t length,
                  AttrIndex index = std::nullopt);
// The field is `text` with its current length.
bool DlgGetString(DIALOG& dialog, int32_t id, std::string& text, AttrIndex index = std::nullopt);

// `cursor` walks the selected items of a list view (start with 0).
bool DlgGetInteger(DIALOG& dialog, int32_t id, LONG_PTR& value, AttrIndex index = std::nullopt,
                   int32_t* cursor = nullptr);
// As above; a value that does not fit 32 bits (a handle) gives false.
bool DlgGetInteger(DIALOG& dialog, int32_t id, int32_t& value, AttrIndex index = std::nullopt,
                   int32_t* cursor = nullptr);

bool DlgGetLogical(DIALOG& dialog, int32_t id, bool& value, AttrIndex index = std::nullopt);

// The item number (from 1) shown in display row `row` (from 0); 0 if none.
int32_t ListRowToItem(HWND listView, int32_t row);

// ---------------------------------------------------------------------------
// Callbacks

// Registers `routine` for `event` of control `id` (or of the dialog itself
// under its own template id). False when the control or its entry is missing
// or the kind does not take the event in this form.
bool DlgSetSub(DIALOG& dialog, int32_t id, CommandRoutine routine, int32_t event = EVT_DEFAULT);
bool DlgSetSub(DIALOG& dialog, int32_t id, DrawRoutine routine, int32_t event = EVT_DRAW);
bool DlgSetSub(DIALOG& dialog, int32_t id, DisplayInfoRoutine routine, int32_t event = EVT_DRAW);

// As DlgSetSub, for a routine without a type (a Fortran subroutine): the
// slot that the control's kind gives the event decides the form it is
// called with.
bool DlgSetSubAnyForm(DIALOG& dialog, int32_t id, GenericRoutine routine, int32_t event);

// Sorts a list view by column `column` (from 1), toggling the direction.
void SortListViewByColumn(DIALOG& dialog, int32_t id, int32_t column);

}  // namespace velmora
