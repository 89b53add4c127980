// Control callbacks: registration into the slots of a control's entry, and
// the routing of notifications to them.
#include "dialogs/routing.h"

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <vector>

#include "dialogs/allocation.h"
#include "dialogs/dialog_internal.h"
#include "dialogs/dialogs.h"
#include "framework/framework.h"

namespace velmora {
namespace {

// The argument list a slot's routine is called with.
enum class SlotForm { Command, Draw, DisplayInfo };

struct Slot {
    int number = 0;  // 1..6; 0 = the event is not taken
    SlotForm form = SlotForm::Command;
};

constexpr Slot kRefused{};
constexpr Slot Command(int number) { return Slot{number, SlotForm::Command}; }

constexpr LONG kButtonTypeMask = BS_TYPEMASK;
constexpr LONG kStaticTypeMask = SS_TYPEMASK;

bool IsOwnerDrawButton(LONG style) { return (style & kButtonTypeMask) == BS_OWNERDRAW; }
bool IsOwnerDrawStatic(LONG style) { return (style & kStaticTypeMask) == SS_OWNERDRAW; }

// Which slot of a control of this kind and style takes a routine for `event`.
Slot SlotFor(int32_t kind, LONG style, int32_t event) {
    const bool main = event == EVT_DEFAULT;
    switch (kind) {
        case KIND_STATIC:
            if (IsOwnerDrawStatic(style) && (main || event == EVT_DRAW)) return Slot{1, SlotForm::Draw};
            return kRefused;
        case KIND_PUSHBUTTON:
        case KIND_CHECKBOX:
        case KIND_RADIOBUTTON:
        case KIND_MANUALRADIO:
            if (main || event == EVT_CLICKED) return Command(1);
            if (event == EVT_DRAW && IsOwnerDrawButton(style)) return Slot{2, SlotForm::Draw};
            return kRefused;
        case KIND_EDIT:
            if (main || event == EVT_CHANGE) return Command(1);
            if (event == EVT_UPDATE) return Command(2);
            if (event == EVT_GAINFOCUS) return Command(3);
            if (event == EVT_LOSEFOCUS) return Command(4);
            return kRefused;
        case KIND_LISTBOX:
        case KIND_DROPDOWNLIST:
            if (main || event == EVT_SELCHANGE) return Command(1);
            if (event == EVT_DBLCLICK) return Command(2);
            if (event == EVT_GAINFOCUS) return Command(3);
            if (event == EVT_LOSEFOCUS) return Command(4);
            return kRefused;
        case KIND_COMBOBOX:
            if (main || event == EVT_SELCHANGE) return Command(1);
            if (event == EVT_DBLCLICK) return Command(2);
            if (event == EVT_CHANGE) return Command(3);
            if (event == EVT_UPDATE) return Command(4);
            if (event == EVT_GAINFOCUS) return Command(5);
            if (event == EVT_LOSEFOCUS) return Command(6);
            return kRefused;
        case KIND_TAB:
            if (main || event == EVT_SELCHANGE) return Command(1);
            if (event == EVT_TABCHANGING) return Command(2);
            return kRefused;
        case KIND_SCROLLBAR:
        case KIND_SPINNER:
        case KIND_SLIDER:
            if (main || event == EVT_CHANGE) return Command(1);
            return kRefused;
        case KIND_LISTVIEW:
            if (main || event == EVT_SELCHANGE) return Command(1);
            if (event == EVT_DBLCLICK) return Command(2);
            if (event == EVT_COLUMNCLICK) return Command(3);
            if (event == EVT_DRAW && (style & LVS_OWNERDATA) != 0) return Slot{4, SlotForm::DisplayInfo};
            return kRefused;
        case KIND_DIALOG:
            if (main || event == EVT_INIT) return Command(1);
            if (event == EVT_HELP) return Command(2);
            if (event == EVT_DESTROY) return Command(3);
            if (event == EVT_SIZE) return Command(4);
            return kRefused;
        default:
            return kRefused;
    }
}

// Slots hold every routine as a CommandRoutine; the slot map says which form
// a slot's routine really has.
template <class Routine>
CommandRoutine ToSlot(Routine routine) {
    return reinterpret_cast<CommandRoutine>(reinterpret_cast<GenericRoutine>(routine));
}
template <class Routine>
Routine FromSlot(CommandRoutine routine) {
    return reinterpret_cast<Routine>(reinterpret_cast<GenericRoutine>(routine));
}

// Stores the routine in the slot for `event`; `form` (when given) must be
// the form that slot calls.
template <class Routine>
bool Register(DIALOG& dialog, int32_t id, Routine routine, int32_t event, std::optional<SlotForm> form) {
    if (dialog.hWnd == nullptr || !IsWindow(dialog.hWnd)) return false;
    HWND control = GetDlgItem(dialog.hWnd, id);
    if (control == nullptr && id == dialog.idDlg) control = dialog.hWnd;
    if (control == nullptr) return false;
    ControlEntry* entry = ControlEntryOf(control);
    if (entry == nullptr) return false;
    const Slot slot = SlotFor(entry->kind, GetWindowLongA(control, GWL_STYLE), event);
    if (slot.number == 0 || (form && slot.form != *form)) return false;
    entry->callbacks[slot.number - 1] = ToSlot(routine);
    return true;
}

// Calls slot `number` with (window, id, value); true when a routine ran.
bool CallSlot(V_WINDOW& window, const ControlEntry& entry, int number, int32_t id, int32_t value) {
    CommandRoutine routine = entry.callbacks[number - 1];
    if (routine == nullptr) return false;
    CallCommandRoutine(window, routine, id, value);
    return true;
}

bool CallDrawSlot(V_WINDOW& window, const ControlEntry& entry, int number, int32_t id,
                  const DRAWITEMSTRUCT& drawItem) {
    CommandRoutine routine = entry.callbacks[number - 1];
    if (routine == nullptr) return false;
    // The drawing context lives only during the call; its viewport is the
    // item's rectangle, without clipping.
    V_DC dc{};
    dc.hDC = drawItem.hDC;
    dc.viewX = drawItem.rcItem.left;
    dc.viewY = drawItem.rcItem.top;
    dc.viewWidth = drawItem.rcItem.right - drawItem.rcItem.left;
    dc.viewHeight = drawItem.rcItem.bottom - drawItem.rcItem.top;
    const int32_t itemId = id;
    FromSlot<DrawRoutine>(routine)(window, itemId, dc);
    return true;
}

bool HasFocus(HWND control) { return GetFocus() == control; }

// Puts the chosen list item into an editable combo box's edit field now, so
// that the callback reads the new choice.
void CopyChoiceToEditField(HWND combo) {
    const auto index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return;
    const auto length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return;
    std::vector<char> text;
    if (!TryResize(text, static_cast<std::size_t>(length) + 1)) return;
    if (SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data())) == CB_ERR)
        return;
    SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.data()));
}

bool RouteEdit(V_WINDOW& window, ControlEntry& entry, int32_t id, int32_t event) {
    switch (event) {
        case EN_CHANGE: return HasFocus(entry.hWnd) && CallSlot(window, entry, 1, id, EVT_CHANGE);
        case EN_UPDATE: return HasFocus(entry.hWnd) && CallSlot(window, entry, 2, id, EVT_UPDATE);
        case EN_SETFOCUS: return CallSlot(window, entry, 3, id, EVT_GAINFOCUS);
        case EN_KILLFOCUS: return CallSlot(window, entry, 4, id, EVT_LOSEFOCUS);
        default: return false;
    }
}

bool RouteListBox(V_WINDOW& window, ControlEntry& entry, int32_t id, int32_t event) {
    switch (event) {
        case LBN_SELCHANGE: return CallSlot(window, entry, 1, id, EVT_SELCHANGE);
        case LBN_DBLCLK: return CallSlot(window, entry, 2, id, EVT_DBLCLICK);
        case LBN_SETFOCUS: return CallSlot(window, entry, 3, id, EVT_GAINFOCUS);
        case LBN_KILLFOCUS: return CallSlot(window, entry, 4, id, EVT_LOSEFOCUS);
        default: return false;
    }
}

bool RouteDropDownList(V_WINDOW& window, ControlEntry& entry, int32_t id, int32_t event) {
    switch (event) {
        case CBN_SELCHANGE: return HasFocus(entry.hWnd) && CallSlot(window, entry, 1, id, EVT_SELCHANGE);
        case CBN_DBLCLK: return HasFocus(entry.hWnd) && CallSlot(window, entry, 2, id, EVT_DBLCLICK);
        case CBN_SETFOCUS: return CallSlot(window, entry, 3, id, EVT_GAINFOCUS);
        case CBN_KILLFOCUS: return CallSlot(window, entry, 4, id, EVT_LOSEFOCUS);
        default: return false;
    }
}

bool RouteComboBox(V_WINDOW& window, ControlEntry& entry, int32_t id, int32_t event) {
    HWND focus = GetFocus();
    const bool focused = focus != nullptr && (focus == entry.hWnd || GetParent(focus) == entry.hWnd);
    if (!focused && event != CBN_KILLFOCUS) return false;
    switch (event) {
        case CBN_SELENDOK:
            CopyChoiceToEditField(entry.hWnd);
            return CallSlot(window, entry, 1, id, EVT_SELCHANGE);
        case CBN_DBLCLK: return CallSlot(window, entry, 2, id, EVT_DBLCLICK);
        case CBN_EDITCHANGE: return CallSlot(window, entry, 3, id, EVT_CHANGE);
        case CBN_EDITUPDATE: return CallSlot(window, entry, 4, id, EVT_UPDATE);
        case CBN_SETFOCUS: return CallSlot(window, entry, 5, id, EVT_GAINFOCUS);
        case CBN_KILLFOCUS: return CallSlot(window, entry, 6, id, EVT_LOSEFOCUS);
        default: return false;
    }
}

bool RouteTab(V_WINDOW& window, ControlEntry& entry, int32_t id, int32_t event) {
    if (event == static_cast<int32_t>(TCN_SELCHANGE)) {
        DlgShowTabPage(entry.hWnd);
        return CallSlot(window, entry, 1, id, EVT_SELCHANGE);
    }
    if (event == static_cast<int32_t>(TCN_SELCHANGING)) return CallSlot(window, entry, 2, id, EVT_TABCHANGING);
    return false;
}

bool RouteListView(V_WINDOW& window, ControlEntry& entry, int32_t id, int32_t event, const NMHDR* notify) {
    if (notify == nullptr) return false;
    if (event == static_cast<int32_t>(LVN_ITEMCHANGED)) {
        // A sort renumbering the items: taken here, no routine called.
        if (IsRenumberedForSorting(entry.hWnd)) return true;
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(notify);
        return change->iItem >= 0 && CallSlot(window, entry, 1, id, EVT_SELCHANGE);
    }
    if (event == static_cast<int32_t>(LVN_ITEMACTIVATE)) return CallSlot(window, entry, 2, id, EVT_DBLCLICK);
    if (event == static_cast<int32_t>(LVN_COLUMNCLICK)) {
        const int32_t column = reinterpret_cast<const NMLISTVIEW*>(notify)->iSubItem + 1;
        if (CallSlot(window, entry, 3, id, column)) return true;
        SortListViewByColumn(window, id, column);
        return false;
    }
    if (event == static_cast<int32_t>(LVN_GETDISPINFOA)) {
        // The list view hands a writable block; the header declares it const
        // only because most notifications are read-only.
        LVITEMA& item = const_cast<NMLVDISPINFOA*>(reinterpret_cast<const NMLVDISPINFOA*>(notify))->item;
        if (CommandRoutine routine = entry.callbacks[3]) {
            LVITEMA* const address = &item;
            FromSlot<DisplayInfoRoutine>(routine)(window, id, address);
            return true;
        }
        FillDisplayInfo(entry.hWnd, item);
        return false;
    }
    return false;
}

}  // namespace

bool DlgSetSub(DIALOG& dialog, int32_t id, CommandRoutine routine, int32_t event) {
    return Register(dialog, id, routine, event, SlotForm::Command);
}

bool DlgSetSub(DIALOG& dialog, int32_t id, DrawRoutine routine, int32_t event) {
    return Register(dialog, id, routine, event, SlotForm::Draw);
}

bool DlgSetSub(DIALOG& dialog, int32_t id, DisplayInfoRoutine routine, int32_t event) {
    return Register(dialog, id, routine, event, SlotForm::DisplayInfo);
}

bool DlgSetSubAnyForm(DIALOG& dialog, int32_t id, GenericRoutine routine, int32_t event) {
    return Register(dialog, id, routine, event, std::nullopt);
}

bool RouteControlEvent(V_WINDOW& window, ControlEntry& entry, int32_t id, int32_t event, const NMHDR* notify,
                       DRAWITEMSTRUCT* drawItem) {
    const LONG style = GetWindowLongA(entry.hWnd, GWL_STYLE);
    switch (entry.kind) {
        case KIND_PUSHBUTTON:
        case KIND_CHECKBOX:
        case KIND_RADIOBUTTON:
        case KIND_MANUALRADIO:
            if (drawItem != nullptr)
                return IsOwnerDrawButton(style) && CallDrawSlot(window, entry, 2, id, *drawItem);
            return event == BN_CLICKED && CallSlot(window, entry, 1, id, EVT_CLICKED);
        case KIND_STATIC:
            return drawItem != nullptr && IsOwnerDrawStatic(style) && CallDrawSlot(window, entry, 1, id, *drawItem);
        case KIND_EDIT: return RouteEdit(window, entry, id, event);
        case KIND_LISTBOX: return RouteListBox(window, entry, id, event);
        case KIND_DROPDOWNLIST: return RouteDropDownList(window, entry, id, event);
        case KIND_COMBOBOX: return RouteComboBox(window, entry, id, event);
        case KIND_TAB: return RouteTab(window, entry, id, event);
        case KIND_SCROLLBAR: return CallSlot(window, entry, 1, id, EVT_CHANGE);
        case KIND_SLIDER:
            return (event == WM_HSCROLL || event == WM_VSCROLL) && CallSlot(window, entry, 1, id, EVT_CHANGE);
        case KIND_SPINNER:
            return event == static_cast<int32_t>(UDN_DELTAPOS) && CallSlot(window, entry, 1, id, EVT_CHANGE);
        case KIND_LISTVIEW: return RouteListView(window, entry, id, event, notify);
        default: return false;
    }
}

bool RouteDialogEvent(V_WINDOW& window, ControlEntry& entry, int32_t id, DialogEvent event, int32_t helpContext) {
    if (entry.kind != KIND_DIALOG) return false;
    switch (event) {
        case DialogEvent::Init: return CallSlot(window, entry, 1, id, EVT_INIT);
        case DialogEvent::Help: return CallSlot(window, entry, 2, id, helpContext);
        case DialogEvent::Destroy: return CallSlot(window, entry, 3, id, EVT_DESTROY);
        case DialogEvent::Size: return CallSlot(window, entry, 4, id, EVT_SIZE);
    }
    return false;
}

}  // namespace velmora
