// Setting one attribute of one control: DlgSetString, DlgSetInteger,
// DlgSetLogical, and the tab pages.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <new>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/allocation.h"
#include "dialogs/column_types.h"
#include "dialogs/dialog_internal.h"
#include "dialogs/dialogs.h"
#include "dialogs/font_description.h"
#include "dialogs/text_field.h"
#include "framework/gdi.h"

namespace velmora {
namespace {

constexpr WPARAM kSimplePart = SB_SIMPLEID;
constexpr int32_t kSpinnerHalfMax = 65535;
constexpr int kBoldWeight = FW_BOLD;
constexpr int kNormalWeight = FW_NORMAL;

LPARAM TextParam(const std::string& text) { return reinterpret_cast<LPARAM>(text.c_str()); }

bool ListResultOk(LRESULT r) { return r != LB_ERR && r != LB_ERRSPACE; }
bool ComboResultOk(LRESULT r) { return r != CB_ERR && r != CB_ERRSPACE; }

void Repaint(HWND hWnd) {
    InvalidateRect(hWnd, nullptr, TRUE);
    UpdateWindow(hWnd);
}

// ---------------------------------------------------------------------------
// DlgSetString pieces

int32_t DefaultStringIndex(int32_t kind) {
    switch (kind) {
        case KIND_EDIT:
        case KIND_COMBOBOX: return ATTR_VALUE;
        case KIND_LISTBOX:
        case KIND_DROPDOWNLIST:
        case KIND_TAB:
        case KIND_STATUSBAR: return 0;
        default: return ATTR_TEXT;
    }
}

bool SetWindowText(HWND hWnd, const std::string& text) { return SetWindowTextA(hWnd, text.c_str()) != FALSE; }

// A new font from the description; the control gets it before the old
// one is deleted, so it never paints with a deleted font.
bool SetControlFont(const Target& target, const std::string& description) {
    const FontDescription font = ParseFontDescription(description);
    HFONT old = target.entry->hFont;
    target.entry->hFont = nullptr;
    HFONT made = CreateFontA(-std::abs(font.height), font.width, 0, 0, font.bold ? kBoldWeight : kNormalWeight,
                             font.italic, font.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, font.face.c_str());
    Send(target.hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(made), TRUE);
    if (old != nullptr) DeleteObject(old);
    if (made == nullptr) return false;
    target.entry->hFont = made;
    return true;
}

bool SetColumnTypes(HWND listView, const std::string& text) {
    ListViewData* data = ListViewDataOf(listView);
    if (data == nullptr) return true;
    data->columnTypes = StoreColumnTypes(LowerLatin1(text));
    RebuildListViewColumns(listView, *data);
    return true;
}

bool SetStringItem(const Target& target, int32_t n, const std::string& text) {
    HWND hWnd = target.hWnd;
    switch (target.kind) {
        case KIND_EDIT: {
            WPARAM start = 0;
            if (n == 0) {
                start = static_cast<WPARAM>(Send(hWnd, WM_GETTEXTLENGTH));
            } else {
                // A single-line edit has line 1 only.
                const LRESULT lines = (target.style & ES_MULTILINE) != 0 ? Send(hWnd, EM_GETLINECOUNT) : 1;
                if (n > lines) return false;
                const LRESULT line = Send(hWnd, EM_LINEINDEX, Index(n - 1));
                if (line < 0) return false;
                start = static_cast<WPARAM>(line);
            }
            Send(hWnd, EM_SETSEL, start, static_cast<LPARAM>(start));
            Send(hWnd, EM_REPLACESEL, FALSE, TextParam(text));
            return true;
        }
        case KIND_LISTBOX:
            if (n == 0) return ListResultOk(Send(hWnd, LB_ADDSTRING, 0, TextParam(text)));
            Send(hWnd, LB_DELETESTRING, Index(n - 1));
            return ListResultOk(Send(hWnd, LB_INSERTSTRING, Index(n - 1), TextParam(text)));
        case KIND_DROPDOWNLIST:
        case KIND_COMBOBOX:
            if (n == 0) return ComboResultOk(Send(hWnd, CB_ADDSTRING, 0, TextParam(text)));
            Send(hWnd, CB_DELETESTRING, Index(n - 1));
            return ComboResultOk(Send(hWnd, CB_INSERTSTRING, Index(n - 1), TextParam(text)));
        case KIND_TAB: {
            if (n < 1) return false;
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<char*>(text.c_str());
            return Send(hWnd, TCM_SETITEMA, Index(n - 1), reinterpret_cast<LPARAM>(&item)) != 0;
        }
        case KIND_STATUSBAR: {
            // Item 0, like a bar of fewer than two parts, names the simple-mode text.
            const LRESULT parts = Send(hWnd, SB_GETPARTS, 0, 0);
            const WPARAM part = (parts < 2 || n == 0) ? kSimplePart : Index(n - 1);
            return Send(hWnd, SB_SETTEXTA, part, TextParam(text)) != 0;
        }
        case KIND_LISTVIEW: {
            if (n < 1) return false;
            LVCOLUMNA column{};
            column.mask = LVCF_FMT;
            Send(hWnd, LVM_GETCOLUMNA, Index(n - 1), reinterpret_cast<LPARAM>(&column));
            column.mask = LVCF_FMT | LVCF_TEXT;
            column.pszText = const_cast<char*>(text.c_str());
            column.iSubItem = n - 1;
            return Send(hWnd, LVM_SETCOLUMNA, Index(n - 1), reinterpret_cast<LPARAM>(&column)) != 0;
        }
        default:
            return false;
    }
}

// ---------------------------------------------------------------------------
// DlgSetInteger pieces

int32_t DefaultIntegerIndex(int32_t kind) {
    switch (kind) {
        case KIND_LISTBOX:
        case KIND_DROPDOWNLIST:
        case KIND_TAB:
        case KIND_COMBOBOX: return ATTR_ITEMCOUNT;
        default: return ATTR_VALUE;
    }
}

bool SetItemCount(const Target& target, int32_t v) {
    HWND hWnd = target.hWnd;
    switch (target.kind) {
        case KIND_LISTBOX:
        case KIND_DROPDOWNLIST:
        case KIND_COMBOBOX: {
            const bool list = target.kind == KIND_LISTBOX;
            const LRESULT selected = Send(hWnd, list ? LB_GETCURSEL : CB_GETCURSEL);
            LRESULT count = Send(hWnd, list ? LB_GETCOUNT : CB_GETCOUNT);
            if (count < 0) count = 0;
            static const char empty[] = "";
            while (count < v) {
                const LRESULT r = Send(hWnd, list ? LB_ADDSTRING : CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(empty));
                if (r < 0) break;
                ++count;
            }
            while (count > 0 && count > v) {
                if (Send(hWnd, list ? LB_DELETESTRING : CB_DELETESTRING, static_cast<WPARAM>(count - 1)) < 0) break;
                --count;
            }
            // The selection is set again only where it changed: setting it
            // rewrites an editable combo box's edit field, which keeps what
            // the user typed there.
            if (Send(hWnd, list ? LB_GETCURSEL : CB_GETCURSEL) != selected)
                Send(hWnd, list ? LB_SETCURSEL : CB_SETCURSEL, static_cast<WPARAM>(selected));
            return true;
        }
        case KIND_TAB: {
            SetWindowLongA(hWnd, GWL_EXSTYLE, GetWindowLongA(hWnd, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
            LRESULT count = Send(hWnd, TCM_GETITEMCOUNT);
            while (count > 0 && count > v) {
                if (!Send(hWnd, TCM_DELETEITEM, static_cast<WPARAM>(count - 1))) break;
                --count;
            }
            char empty[] = "";
            while (count < v) {
                TCITEMA item{};
                item.mask = TCIF_TEXT;
                item.pszText = empty;
                if (Send(hWnd, TCM_INSERTITEMA, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&item)) < 0) break;
                ++count;
            }
            return true;
        }
        case KIND_LISTVIEW: {
            if ((target.style & LVS_OWNERDATA) == 0 || v < 0) return false;
            ListViewData* data = ListViewDataOf(hWnd);
            std::vector<int32_t> order;
            if (data != nullptr) {
                if (!TryResize(order, static_cast<std::size_t>(v))) return false;  // a count beyond memory
                std::iota(order.begin(), order.end(), 1);
            }
            Send(hWnd, LVM_SETITEMCOUNT, static_cast<WPARAM>(v), 0);
            if (data != nullptr) data->rowOrder = std::move(order);
            return true;
        }
        default:
            return false;
    }
}

bool SetColor(const Target& target, int32_t attribute, int32_t v) {
    if (target.entry == nullptr || v < COLOR_DEFAULT || v > COLOR_MAX) return false;
    ControlEntry& entry = *target.entry;
    HWND hWnd = target.hWnd;
    const auto color = static_cast<COLORREF>(v);

    if (attribute == ATTR_TEXTCOLOR) {
        entry.textColor = v;
        const COLORREF shown = v == COLOR_DEFAULT ? CLR_DEFAULT : color;
        if (target.kind == KIND_PROGRESS) {
            Send(hWnd, PBM_SETBARCOLOR, 0, static_cast<LPARAM>(shown));
            return true;
        }
        if (target.kind == KIND_LISTVIEW) return Send(hWnd, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(shown)) != 0;
        Repaint(hWnd);
        return true;
    }

    // The entry owns one brush at a time.
    if (entry.hBrush != NoBrush() && entry.hBrush != nullptr) DeleteObject(entry.hBrush);
    entry.hBrush = NoBrush();
    if (v == COLOR_DEFAULT) {
        if (target.kind == KIND_PROGRESS || target.kind == KIND_STATUSBAR) {
            Send(hWnd, target.kind == KIND_PROGRESS ? PBM_SETBKCOLOR : SB_SETBKCOLOR, 0, static_cast<LPARAM>(CLR_DEFAULT));
            Repaint(hWnd);
            return true;
        }
        Repaint(hWnd);
        return false;
    }
    entry.hBrush = CreateSolidBrush(color);
    switch (target.kind) {
        case KIND_PROGRESS:
            Send(hWnd, PBM_SETBKCOLOR, 0, static_cast<LPARAM>(color));
            return true;
        case KIND_STATUSBAR:
            Send(hWnd, SB_SETBKCOLOR, 0, static_cast<LPARAM>(color));
            return true;
        case KIND_LISTVIEW:
            if (Send(hWnd, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(color)) == 0) return false;
            return Send(hWnd, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(color)) != 0;
        default:
            Repaint(hWnd);
            return true;
    }
}

// Half of a spinner range: values from 65535 up are cut to 65535; the
// control reads each half as a signed 16-bit number.
WORD SpinnerHalf(int32_t v) { return static_cast<WORD>(v < kSpinnerHalfMax ? v : kSpinnerHalfMax); }

void SetSpinnerBound(HWND spinner, int32_t attribute, int32_t v) {
    const auto range = static_cast<DWORD>(Send(spinner, UDM_GETRANGE));
    const WORD maximum = LOWORD(range);
    const WORD minimum = HIWORD(range);
    const WORD half = SpinnerHalf(v);
    if (attribute == ATTR_MINIMUM)
        Send(spinner, UDM_SETRANGE, 0, MAKELPARAM(maximum, half));
    else
        Send(spinner, UDM_SETRANGE, 0, MAKELPARAM(half, minimum));
}

void SetScrollPosition(HWND bar, int32_t v) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(bar, SB_CTL, &info);
    const int top = info.nMax - static_cast<int>(info.nPage);
    SCROLLINFO pos{};
    pos.cbSize = sizeof pos;
    pos.fMask = SIF_POS;
    pos.nPos = v > top ? top : std::max(v, info.nMin);
    SetScrollInfo(bar, SB_CTL, &pos, TRUE);
}

void SetScrollRangeEnd(HWND bar, int32_t attribute, int32_t v) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE;
    GetScrollInfo(bar, SB_CTL, &info);
    (attribute == ATTR_MINIMUM ? info.nMin : info.nMax) = v;
    info.fMask = SIF_RANGE;
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
}

void SetScrollPage(HWND bar, int32_t v) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(bar, SB_CTL, &info);
    info.nPage = static_cast<UINT>(v);
    info.fMask = SIF_PAGE;
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
}

bool SetImage(const Target& target, LONG_PTR v) {
    HWND hWnd = target.hWnd;
    const auto image = static_cast<LPARAM>(v);
    const auto put = [&](UINT message, WPARAM type) {
        Send(hWnd, message, type, image);
        return true;
    };
    if (target.kind == KIND_STATIC) {
        const LONG type = target.style & SS_TYPEMASK;
        if (type == SS_ICON) return put(STM_SETIMAGE, IMAGE_ICON);
        if (type == SS_BITMAP) return put(STM_SETIMAGE, IMAGE_BITMAP);
        return false;
    }
    if (IsButtonKind(target.kind)) {
        if ((target.style & BS_BITMAP) != 0) return put(BM_SETIMAGE, IMAGE_BITMAP);
        if ((target.style & BS_ICON) != 0) return put(BM_SETIMAGE, IMAGE_ICON);
        return false;
    }
    if (target.kind == KIND_LISTVIEW) {
        // Setting the small image list must not take the header's sort arrows.
        HWND header = GetDlgItem(hWnd, 0);
        const LRESULT arrows = header != nullptr ? Send(header, HDM_GETIMAGELIST) : 0;
        Send(hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_SUBITEMIMAGES, LVS_EX_SUBITEMIMAGES);
        Send(hWnd, LVM_SETIMAGELIST, LVSIL_SMALL, image);
        if (header != nullptr) Send(header, HDM_SETIMAGELIST, HDSIL_NORMAL, arrows);
        return true;
    }
    if (target.kind == KIND_DIALOG) {
        Send(hWnd, WM_SETICON, ICON_SMALL, image);
        return true;
    }
    return false;
}

bool SetListViewWidths(HWND listView, int32_t v) {
    HWND header = GetDlgItem(listView, 0);
    if (header == nullptr) return false;
    if (v > LVSCW_AUTOSIZE_USEHEADER - 1) {
        const LRESULT columns = Send(header, HDM_GETITEMCOUNT);
        for (LRESULT c = 0; c < columns; ++c)
            Send(listView, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(c), MAKELPARAM(static_cast<WORD>(v), 0));
    }
    return true;
}

bool SetIntegerItem(const Target& target, int32_t n, LONG_PTR wide, int32_t v) {
    HWND hWnd = target.hWnd;
    if (n < 1) return false;
    switch (target.kind) {
        case KIND_LISTBOX:
            if (v <= 0) return false;
            if (!IsMultipleSelection(target.style)) return Send(hWnd, LB_SETCURSEL, Index(v - 1)) != LB_ERR;
            if (n == 1) Send(hWnd, LB_SETSEL, FALSE, -1);
            return Send(hWnd, LB_SETSEL, TRUE, static_cast<LPARAM>(v - 1)) != LB_ERR;
        case KIND_DROPDOWNLIST:
        case KIND_COMBOBOX:
            return Send(hWnd, CB_SETCURSEL, Index(v - 1)) != CB_ERR;
        case KIND_TAB: {
            TCITEMA item{};
            item.mask = TCIF_PARAM;
            item.lParam = v;
            return Send(hWnd, TCM_SETITEMA, Index(n - 1), reinterpret_cast<LPARAM>(&item)) != 0;
        }
        case KIND_STATUSBAR:
            return Send(hWnd, SB_SETICON, Index(n - 1), static_cast<LPARAM>(wide)) != 0;
        default:
            return false;
    }
}

bool SetSelectionOrValue(DIALOG& dialog, int32_t id, const Target& target, int32_t v) {
    HWND hWnd = target.hWnd;
    switch (target.kind) {
        case KIND_LISTBOX:
            if (IsMultipleSelection(target.style)) return Send(hWnd, LB_SETSEL, TRUE, static_cast<LPARAM>(v - 1)) != LB_ERR;
            return Send(hWnd, LB_SETCURSEL, Index(v - 1)) != LB_ERR;
        case KIND_DROPDOWNLIST:
        case KIND_COMBOBOX:
            return Send(hWnd, CB_SETCURSEL, Index(v - 1)) != CB_ERR;
        case KIND_TAB:
            if (v < 1 || v > Send(hWnd, TCM_GETITEMCOUNT)) return false;
            Send(hWnd, TCM_SETCURSEL, Index(v - 1));
            DlgShowTabPage(hWnd);
            return true;
        case KIND_LISTVIEW:
            return DlgSetLogical(dialog, id, true, v);
        default:
            return false;
    }
}

bool SetString(DIALOG& dialog, int32_t id, std::string_view value, AttrIndex index) {
    Target target;
    if (!FindTarget(dialog, id, target)) return false;
    const std::string text = PreparedText(value);
    const int32_t attribute = index ? *index : DefaultStringIndex(target.kind);
    HWND hWnd = target.hWnd;
    switch (attribute) {
        case ATTR_TEXT:
            if (target.kind == KIND_STATIC || target.kind == KIND_GROUPBOX || IsButtonKind(target.kind) ||
                target.kind == KIND_DIALOG)
                return SetWindowText(hWnd, text);
            return false;
        case ATTR_VALUE:
            if (target.kind == KIND_EDIT) return SetWindowText(hWnd, text);
            if (target.kind == KIND_COMBOBOX) {
                HWND field = ComboEditField(hWnd);
                return field != nullptr && SetWindowText(field, text);
            }
            return false;
        case ATTR_SELECTION:
            if (target.kind == KIND_LISTBOX)
                return !IsMultipleSelection(target.style) &&
                       Send(hWnd, LB_SELECTSTRING, static_cast<WPARAM>(-1), TextParam(text)) != LB_ERR;
            if (IsComboKind(target.kind))
                return Send(hWnd, CB_SELECTSTRING, static_cast<WPARAM>(-1), TextParam(text)) != CB_ERR;
            return false;
        case ATTR_FONT:
            return target.entry != nullptr && SetControlFont(target, text);
        case ATTR_COLUMNTYPES:
            return target.kind == KIND_LISTVIEW && SetColumnTypes(hWnd, text);
        default:
            return attribute >= 0 && SetStringItem(target, attribute, text);
    }
}

}  // namespace

// ---------------------------------------------------------------------------

bool DlgSetString(DIALOG& dialog, int32_t id, std::string_view value, AttrIndex index) {
    // The text is copied, whatever its length.
    return OrWhenOutOfMemory(false, [&] { return SetString(dialog, id, value, index); });
}

bool DlgSetInteger(DIALOG& dialog, int32_t id, LONG_PTR value, AttrIndex index) {
    Target target;
    if (!FindTarget(dialog, id, target)) return false;
    const int32_t attribute = index ? *index : DefaultIntegerIndex(target.kind);
    HWND hWnd = target.hWnd;

    // Handles and routine addresses take the whole value.
    switch (attribute) {
        case ATTR_ICON:
        case ATTR_BITMAP: return SetImage(target, value);
        case ATTR_RESIZEROUTINE:
            if (target.kind != KIND_DIALOG || target.entry == nullptr) return false;
            target.entry->callbacks[3] = reinterpret_cast<CommandRoutine>(value);
            return true;
        default: break;
    }
    if (attribute >= 1 && target.kind == KIND_STATUSBAR) return SetIntegerItem(target, attribute, value, 0);

    // Everything else is a 32-bit number.
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) return false;
    const auto v = static_cast<int32_t>(value);
    switch (attribute) {
        case ATTR_VALUE:
            switch (target.kind) {
                case KIND_EDIT: return SetDlgItemInt(dialog.hWnd, id, static_cast<UINT>(v), TRUE) != FALSE;
                case KIND_SCROLLBAR: SetScrollPosition(hWnd, v); return true;
                case KIND_SPINNER: Send(hWnd, UDM_SETPOS, 0, static_cast<LPARAM>(v)); return true;
                case KIND_SLIDER: Send(hWnd, TBM_SETPOS, TRUE, static_cast<LPARAM>(v)); return true;
                case KIND_PROGRESS: Send(hWnd, PBM_SETPOS, Index(v), 0); return true;
                default: return SetSelectionOrValue(dialog, id, target, v);
            }
        case ATTR_SELECTION:
            if (target.kind == KIND_EDIT) {
                Send(hWnd, EM_SETSEL, Index(v), static_cast<LPARAM>(v));
                return true;
            }
            return SetSelectionOrValue(dialog, id, target, v);
        case ATTR_ITEMCOUNT:
            return SetItemCount(target, v);
        case ATTR_MINIMUM:
        case ATTR_MAXIMUM:
            switch (target.kind) {
                case KIND_SCROLLBAR: SetScrollRangeEnd(hWnd, attribute, v); return true;
                case KIND_SLIDER:
                    Send(hWnd, attribute == ATTR_MINIMUM ? TBM_SETRANGEMIN : TBM_SETRANGEMAX, TRUE, static_cast<LPARAM>(v));
                    return true;
                case KIND_SPINNER: SetSpinnerBound(hWnd, attribute, v); return true;
                case KIND_EDIT:
                    if (attribute != ATTR_MAXIMUM) return false;
                    Send(hWnd, EM_LIMITTEXT, Index(v));
                    return true;
                case KIND_PROGRESS:
                    if (attribute != ATTR_MAXIMUM) return false;
                    Send(hWnd, PBM_SETRANGE, 0, MAKELPARAM(0, static_cast<WORD>(v)));
                    return true;
                default: return false;
            }
        case ATTR_STEP:
            switch (target.kind) {
                case KIND_SCROLLBAR: SetScrollPage(hWnd, v); return true;
                case KIND_SLIDER: Send(hWnd, TBM_SETTICFREQ, Index(v), 0); return true;
                case KIND_PROGRESS: Send(hWnd, PBM_SETSTEP, Index(v), 0); return true;
                default: return false;
            }
        case ATTR_TEXTCOLOR:
        case ATTR_BACKCOLOR:
            return SetColor(target, attribute, v);
        case ATTR_WIDTHS:
            return target.kind == KIND_LISTVIEW && SetListViewWidths(hWnd, v);
        case ATTR_ROWSIZE: {
            if (target.kind != KIND_LISTVIEW) return false;
            ListViewData* data = ListViewDataOf(hWnd);
            if (data == nullptr) return false;
            data->rowSize = v;
            return true;
        }
        default:
            return attribute >= 0 && SetIntegerItem(target, attribute, value, v);
    }
}

bool DlgSetLogical(DIALOG& dialog, int32_t id, bool value, AttrIndex index) {
    Target target;
    if (!FindTarget(dialog, id, target)) return false;
    const int32_t attribute = index ? *index : ATTR_VALUE;
    HWND hWnd = target.hWnd;
    switch (attribute) {
        case ATTR_VISIBLE:
            ShowWindow(hWnd, value ? SW_SHOW : SW_HIDE);
            return true;
        case ATTR_ENABLED:
            EnableWindow(hWnd, value ? TRUE : FALSE);
            return true;
        case ATTR_VALUE:
            if (target.kind != KIND_CHECKBOX && !IsRadioKind(target.kind)) return false;
            Send(hWnd, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED);
            return true;
        default:
            break;
    }
    if (attribute < 0 || target.kind != KIND_LISTVIEW) return false;
    // A row of -1 would change every row: an item that is not there is false.
    const int32_t row = ListItemToRow(hWnd, attribute);
    if (row < 0) return false;
    LVITEMA state{};
    state.mask = LVIF_STATE;
    state.stateMask = LVIS_SELECTED;
    state.state = value ? ~0u : 0u;
    if (Send(hWnd, LVM_SETITEMSTATE, Index(row), reinterpret_cast<LPARAM>(&state)) == 0) return false;
    if (value) Send(hWnd, LVM_ENSUREVISIBLE, Index(row), TRUE);
    return true;
}

void DlgShowTabPage(HWND tab) {
    const LRESULT selected = Send(tab, TCM_GETCURSEL);
    const LRESULT count = Send(tab, TCM_GETITEMCOUNT);
    HWND parent = GetParent(tab);
    for (LRESULT i = 0; i < count; ++i) {
        TCITEMA item{};
        item.mask = TCIF_PARAM;
        if (!Send(tab, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))) continue;
        // Pages are controls with positive ids; 0 means the tab has no page.
        const auto pageId = static_cast<int>(item.lParam);
        if (pageId <= 0) continue;
        HWND page = GetDlgItem(parent, pageId);
        if (page == nullptr) page = GetDlgItem(tab, pageId);
        if (page == nullptr) continue;
        if (i != selected) {
            ShowWindow(page, SW_HIDE);
            continue;
        }
        RECT area{};
        GetClientRect(tab, &area);
        Send(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        HWND pageParent = GetParent(page);
        if (pageParent != tab) MapWindowPoints(tab, pageParent, reinterpret_cast<POINT*>(&area), 2);
        SetWindowPos(page, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                     SWP_SHOWWINDOW);
    }
}

}  // namespace velmora
