// The dialog module's side of the window procedure: routing control
// notifications to callbacks, and releasing a window's control table.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "framework/window_record.h"

namespace velmora {

// Calls the callback that the control's entry holds for this notification.
// `event` is a WM_COMMAND notification code, an NMHDR code (then `notify`
// points at the whole notification block), a message number (WM_HSCROLL,
// WM_VSCROLL, WM_SIZE, WM_DESTROY, WM_INITDIALOG, or WM_DRAWITEM with
// `drawItem` set), or a help context id. True when a callback ran.
bool RouteControlEvent(V_WINDOW& window, ControlEntry& entry, int32_t id, int32_t event,
                       const NMHDR* notify = nullptr, DRAWITEMSTRUCT* drawItem = nullptr);

// Frees what the control table's entries own (brushes, fonts, list-view
// data and sort arrows), removes the "VCTL" properties that point into the
// table, optionally destroys the window's descendants, and empties the
// table. Also what replacing a table does with the old one.
void ReleaseControlTable(V_WINDOW& dialog, bool destroyChildren = true);

// Builds the control table of an existing window's descendants, as dialog
// creation does (entry 0 describes the window itself), so that the controls
// of an attached window can have callbacks. Any earlier table is replaced.
void BuildControlTable(V_WINDOW& window);

}  // namespace velmora
