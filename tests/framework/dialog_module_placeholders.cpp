// Link placeholders for the dialog module's entry points, used only while the
// dialog module's sources are not part of the build. They do nothing: no
// callback runs and there is no control table to release.
#include "dialogs/dialogs.h"

namespace velmora {

bool RouteControlEvent(V_WINDOW&, ControlEntry&, int32_t, int32_t, const NMHDR*,
                       DRAWITEMSTRUCT*) {
    return false;
}

void ReleaseControlTable(V_WINDOW& dialog, bool) { dialog.controls.clear(); }

bool WindowSetIcon(V_WINDOW&, int32_t, HMODULE) { return false; }

}  // namespace velmora
