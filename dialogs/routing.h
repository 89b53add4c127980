// The dialog module's side of the window procedure: routing control
// notifications to callbacks, and releasing a window's control table.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "framework/window_record.h"

namespace velmora {

// Calls the callback that a control's entry holds for this notification.
// `event` is a WM_COMMAND notification code, an NMHDR code (then `notify`
// points at the whole notification block), or a message number (WM_HSCROLL,
// WM_VSCROLL, or WM_DRAWITEM with `drawItem` set). The events of a window's
// own entry go to RouteDialogEvent. True when a callback ran.
bool RouteControlEvent(V_WINDOW& window, ControlEntry& entry, int32_t id, int32_t event,
                       const NMHDR* notify = nullptr, DRAWITEMSTRUCT* drawItem = nullptr);

// The events of a window's own entry (entry 0), told apart by where they
// come from: a help context id can take any value, the numbers of the
// other three messages included.
enum class DialogEvent {
    Init,     // the dialog has been shown (DlgShow, DlgRunModal)
    Help,     // WM_HELP
    Size,     // WM_SIZE
    Destroy,  // WM_DESTROY
};

// Calls the callback that the window's own entry holds for `event`, with
// `id` as its ID; the help routine receives `helpContext` as its event.
// True when a callback ran.
bool RouteDialogEvent(V_WINDOW& window, ControlEntry& entry, int32_t id, DialogEvent event,
                      int32_t helpContext = 0);

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
