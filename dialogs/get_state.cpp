// Reading one attribute of one control: DlgGetString, DlgGetInteger,
// DlgGetLogical.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <limits>
#include <vector>

#include "dialogs/allocation.h"
#include "dialogs/dialog_internal.h"
#include "dialogs/dialogs.h"
#include "dialogs/text_field.h"

namespace velmora {
namespace {

// The output field of DlgGetString: blank from the start, filled from what
// the system wrote into a buffer of at least length + 1 bytes.
class TextOutput {
public:
    TextOutput(char* field, std::size_t length) : field_(field), length_(length) {
        std::fill(field_, field_ + length_, ' ');
        buffer_.assign(length + 1, '\0');  // may fail; the field is blank by then
    }
    // A buffer that also holds `atLeast` bytes: list texts are copied whole,
    // whatever their length, and only then cut to the field.
    char* buffer(std::size_t atLeast = 0) {
        if (buffer_.size() < atLeast) buffer_.resize(atLeast, '\0');
        return buffer_.data();
    }
    int capacity() const { return static_cast<int>(std::min<std::size_t>(length_ + 1, INT_MAX)); }
    LPARAM param() { return reinterpret_cast<LPARAM>(buffer_.data()); }
    // Stores the buffer's text; `count` bounds it when it has no NUL.
    void store(std::size_t count = SIZE_MAX) {
        StoreField(buffer_.data(), std::min(count, buffer_.size()), field_, length_);
    }

private:
    char* field_;
    std::size_t length_;
    std::vector<char> buffer_;
};

int32_t DefaultStringIndex(int32_t kind) {
    switch (kind) {
        case KIND_EDIT:
        case KIND_COMBOBOX: return ATTR_VALUE;
        case KIND_LISTBOX:
        case KIND_DROPDOWNLIST:
        case KIND_TAB:
        case KIND_STATUSBAR: return ATTR_SELECTION;
        default: return ATTR_TEXT;
    }
}

bool ReadWindowText(HWND hWnd, TextOutput& out) {
    SetLastError(0);
    const int count = GetWindowTextA(hWnd, out.buffer(), out.capacity());
    if (count == 0 && GetLastError() != 0) return false;
    out.store(static_cast<std::size_t>(count));
    return true;
}

// The text of list item `index` of a list box or combo box.
bool ReadListText(HWND hWnd, bool combo, LRESULT index, TextOutput& out) {
    if (index < 0) return false;
    const LRESULT length = Send(hWnd, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length < 0) return false;
    // Lists without strings copy their item data instead of a text.
    const std::size_t size = std::max(static_cast<std::size_t>(length) + 1, sizeof(ULONG_PTR) + 1);
    char* buffer = out.buffer(size);
    std::fill(buffer, buffer + size, '\0');
    const LRESULT r = Send(hWnd, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(index),
                           reinterpret_cast<LPARAM>(buffer));
    if (r == LB_ERR || r == LB_ERRSPACE) return false;
    out.store(static_cast<std::size_t>(r));
    return true;
}

bool ReadCurrentListText(HWND hWnd, bool combo, TextOutput& out) {
    return ReadListText(hWnd, combo, Send(hWnd, combo ? CB_GETCURSEL : LB_GETCURSEL), out);
}

// WM_GETTEXT to an editable combo box's edit field; the count of characters.
LRESULT ReadComboEditField(HWND combo, TextOutput& out) {
    HWND field = ComboEditField(combo);
    if (field == nullptr) return 0;
    const LRESULT count = Send(field, WM_GETTEXT, static_cast<WPARAM>(out.capacity()), out.param());
    out.store(static_cast<std::size_t>(std::max<LRESULT>(count, 0)));
    return count;
}

bool ReadEditLine(HWND edit, int32_t n, TextOutput& out) {
    // The first word of the buffer gives its size to EM_GETLINE.
    const std::size_t size = std::min<std::size_t>(std::max<std::size_t>(out.capacity(), sizeof(WORD)), 0xFFFF);
    char* buffer = out.buffer(size);
    const auto word = static_cast<WORD>(size);
    std::copy(reinterpret_cast<const char*>(&word), reinterpret_cast<const char*>(&word) + sizeof word, buffer);
    const LRESULT count = Send(edit, EM_GETLINE, Index(n - 1), reinterpret_cast<LPARAM>(buffer));
    if (count <= 0) return false;
    out.store(static_cast<std::size_t>(count));
    return true;
}

bool ReadStringItem(const Target& target, int32_t n, TextOutput& out) {
    HWND hWnd = target.hWnd;
    if (n < 1) return false;
    switch (target.kind) {
        case KIND_EDIT:
            return (target.style & ES_MULTILINE) != 0 && ReadEditLine(hWnd, n, out);
        case KIND_LISTBOX:
            return ReadListText(hWnd, false, n - 1, out);
        case KIND_DROPDOWNLIST:
        case KIND_COMBOBOX:
            return ReadListText(hWnd, true, n - 1, out);
        case KIND_TAB: {
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = out.buffer();
            item.cchTextMax = out.capacity();
            if (!Send(hWnd, TCM_GETITEMA, Index(n - 1), reinterpret_cast<LPARAM>(&item))) return false;
            // The control may answer with a text of its own instead of copying.
            if (item.pszText != out.buffer()) {
                const std::string own = item.pszText != nullptr ? item.pszText : "";
                std::copy_n(own.c_str(), std::min<std::size_t>(own.size() + 1, static_cast<std::size_t>(out.capacity())), out.buffer());
            }
            out.store();
            return true;
        }
        case KIND_STATUSBAR: {
            const LRESULT length = LOWORD(Send(hWnd, SB_GETTEXTLENGTHA, Index(n - 1)));
            char* buffer = out.buffer(static_cast<std::size_t>(length) + 1);
            const LRESULT r = Send(hWnd, SB_GETTEXTA, Index(n - 1), reinterpret_cast<LPARAM>(buffer));
            if (r == 0) return false;
            out.store();
            return true;
        }
        case KIND_LISTVIEW: {
            LVCOLUMNA column{};
            column.mask = LVCF_TEXT;
            column.pszText = out.buffer();
            column.cchTextMax = out.capacity();
            if (!Send(hWnd, LVM_GETCOLUMNA, Index(n - 1), reinterpret_cast<LPARAM>(&column))) return false;
            out.store();
            return true;
        }
        default:
            return false;
    }
}

// ---------------------------------------------------------------------------
// DlgGetInteger pieces

bool ScrollInfo(HWND bar, UINT mask, SCROLLINFO& info) {
    info = SCROLLINFO{};
    info.cbSize = sizeof info;
    info.fMask = mask;
    return GetScrollInfo(bar, SB_CTL, &info) != FALSE;
}

bool CurrentPlusOne(HWND hWnd, UINT message, LRESULT error, LONG_PTR& v) {
    const LRESULT current = Send(hWnd, message);
    if (current == error) return false;
    v = current + 1;
    return true;
}

bool CurrentTab(HWND tab, LONG_PTR& v) {
    v = Send(tab, TCM_GETCURSEL) + 1;
    return v != 0;
}

bool NextSelectedRow(HWND listView, LONG_PTR& v, int32_t* cursor) {
    const int32_t start = cursor != nullptr ? *cursor : 0;
    const auto row = static_cast<int32_t>(Send(listView, LVM_GETNEXTITEM, Index(start - 1), LVNI_SELECTED));
    if (row < 0) {
        v = 0;
        return false;
    }
    v = ListRowToItem(listView, row);
    if (cursor != nullptr) *cursor = row + 1;
    return true;
}

// The item number of the n-th selected item of a multiple-selection list.
bool NthSelected(HWND list, int32_t n, LONG_PTR& v) {
    if (n > Send(list, LB_GETSELCOUNT)) {
        v = 0;
        return false;
    }
    const LRESULT count = Send(list, LB_GETCOUNT);
    int32_t seen = 0;
    for (LRESULT i = 0; i < count; ++i) {
        if (Send(list, LB_GETSEL, static_cast<WPARAM>(i)) > 0 && ++seen == n) {
            v = i + 1;
            return true;
        }
    }
    return false;
}

bool ReadValue(const DIALOG& dialog, int32_t id, const Target& target, LONG_PTR& v) {
    HWND hWnd = target.hWnd;
    SCROLLINFO info;
    switch (target.kind) {
        case KIND_EDIT: {
            BOOL translated = FALSE;
            v = static_cast<int32_t>(GetDlgItemInt(dialog.hWnd, id, &translated, TRUE));
            return translated != FALSE;
        }
        case KIND_LISTBOX: return CurrentPlusOne(hWnd, LB_GETCURSEL, LB_ERR, v);
        case KIND_DROPDOWNLIST: return CurrentPlusOne(hWnd, CB_GETCURSEL, CB_ERR, v);
        case KIND_TAB: return CurrentTab(hWnd, v);
        case KIND_SCROLLBAR:
            if (!ScrollInfo(hWnd, SIF_POS, info)) return false;
            v = info.nPos;
            return true;
        case KIND_SPINNER: {
            const auto r = static_cast<DWORD>(Send(hWnd, UDM_GETPOS));
            v = static_cast<SHORT>(LOWORD(r));
            return HIWORD(r) == 0;
        }
        case KIND_SLIDER:
            v = static_cast<int32_t>(Send(hWnd, TBM_GETPOS));
            return true;
        default:
            return false;
    }
}

bool ReadSelection(const Target& target, LONG_PTR& v, int32_t* cursor) {
    HWND hWnd = target.hWnd;
    switch (target.kind) {
        case KIND_EDIT: {
            DWORD end = 0;
            Send(hWnd, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
            v = static_cast<LONG_PTR>(end);
            return true;
        }
        case KIND_LISTBOX:
            return !IsMultipleSelection(target.style) && CurrentPlusOne(hWnd, LB_GETCURSEL, LB_ERR, v);
        case KIND_DROPDOWNLIST:
        case KIND_COMBOBOX: return CurrentPlusOne(hWnd, CB_GETCURSEL, CB_ERR, v);
        case KIND_TAB: return CurrentTab(hWnd, v);
        case KIND_LISTVIEW: return NextSelectedRow(hWnd, v, cursor);
        default: return false;
    }
}

bool ReadCount(const Target& target, LONG_PTR& v) {
    HWND hWnd = target.hWnd;
    LRESULT count = 0;
    switch (target.kind) {
        case KIND_LISTBOX:
            count = Send(hWnd, LB_GETCOUNT);
            if (count == LB_ERR || count == LB_ERRSPACE) return false;
            break;
        case KIND_DROPDOWNLIST:
        case KIND_COMBOBOX:
            count = Send(hWnd, CB_GETCOUNT);
            if (count == CB_ERR || count == CB_ERRSPACE) return false;
            break;
        case KIND_TAB: count = Send(hWnd, TCM_GETITEMCOUNT); break;
        case KIND_LISTVIEW: count = Send(hWnd, LVM_GETITEMCOUNT); break;
        default: return false;
    }
    v = count;
    return true;
}

bool ReadRangeEnd(const Target& target, int32_t attribute, LONG_PTR& v) {
    HWND hWnd = target.hWnd;
    const bool minimum = attribute == ATTR_MINIMUM;
    SCROLLINFO info;
    switch (target.kind) {
        case KIND_SCROLLBAR:
            if (!ScrollInfo(hWnd, SIF_RANGE, info)) return false;
            v = minimum ? info.nMin : info.nMax;
            return true;
        case KIND_SLIDER:
            v = static_cast<int32_t>(Send(hWnd, minimum ? TBM_GETRANGEMIN : TBM_GETRANGEMAX));
            return true;
        case KIND_SPINNER: {
            const auto range = static_cast<DWORD>(Send(hWnd, UDM_GETRANGE));
            v = static_cast<SHORT>(minimum ? HIWORD(range) : LOWORD(range));
            return true;
        }
        default:
            return false;
    }
}

bool ReadImage(const Target& target, int32_t attribute, LONG_PTR& v) {
    HWND hWnd = target.hWnd;
    const bool icon = attribute == ATTR_ICON;
    if (target.kind == KIND_STATIC) {
        const LONG type = target.style & SS_TYPEMASK;
        if (type != (icon ? SS_ICON : SS_BITMAP)) return false;
        v = Send(hWnd, STM_GETIMAGE, icon ? IMAGE_ICON : IMAGE_BITMAP);
        return true;
    }
    if (IsButtonKind(target.kind)) {
        if ((target.style & (icon ? BS_ICON : BS_BITMAP)) == 0) return false;
        v = Send(hWnd, BM_GETIMAGE, icon ? IMAGE_ICON : IMAGE_BITMAP);
        return true;
    }
    if (icon && target.kind == KIND_LISTVIEW) {
        v = Send(hWnd, LVM_GETIMAGELIST, LVSIL_SMALL);
        return v != 0;
    }
    if (!icon && target.kind == KIND_DIALOG) {
        v = Send(hWnd, WM_GETICON, ICON_SMALL);
        return true;
    }
    return false;
}

bool ReadIntegerItem(const Target& target, int32_t n, LONG_PTR& v) {
    HWND hWnd = target.hWnd;
    switch (target.kind) {
        case KIND_LISTBOX:
            if (!IsAnyMultipleSelection(target.style)) return CurrentPlusOne(hWnd, LB_GETCURSEL, LB_ERR, v);
            return NthSelected(hWnd, n, v);
        case KIND_DROPDOWNLIST:
        case KIND_COMBOBOX:
            return CurrentPlusOne(hWnd, CB_GETCURSEL, CB_ERR, v);
        case KIND_TAB: {
            TCITEMA item{};
            item.mask = TCIF_PARAM;
            if (!Send(hWnd, TCM_GETITEMA, Index(n - 1), reinterpret_cast<LPARAM>(&item))) return false;
            v = item.lParam;
            return true;
        }
        case KIND_STATUSBAR:
            v = Send(hWnd, SB_GETICON, Index(n - 1));
            return true;
        default:
            return false;
    }
}

bool GetString(DIALOG& dialog, int32_t id, char* text, std::size_t length, AttrIndex index) {
    TextOutput out(text, length);
    Target target;
    if (!FindTarget(dialog, id, target)) return false;
    const int32_t attribute = index ? *index : DefaultStringIndex(target.kind);
    HWND hWnd = target.hWnd;
    switch (attribute) {
        case ATTR_TEXT:
            if (target.kind == KIND_STATIC || target.kind == KIND_GROUPBOX || IsButtonKind(target.kind))
                return ReadWindowText(hWnd, out);
            return false;
        case ATTR_VALUE:
            switch (target.kind) {
                case KIND_EDIT: return ReadWindowText(hWnd, out);
                case KIND_LISTBOX: return ReadCurrentListText(hWnd, false, out);
                case KIND_DROPDOWNLIST: return ReadCurrentListText(hWnd, true, out);
                case KIND_COMBOBOX: ReadComboEditField(hWnd, out); return true;
                default: return false;
            }
        case ATTR_SELECTION:
            switch (target.kind) {
                case KIND_LISTBOX:
                    return !IsMultipleSelection(target.style) && ReadCurrentListText(hWnd, false, out);
                case KIND_DROPDOWNLIST: return ReadCurrentListText(hWnd, true, out);
                case KIND_COMBOBOX: return ReadComboEditField(hWnd, out) > 0;
                default: return false;
            }
        default:
            return attribute >= 0 && ReadStringItem(target, attribute, out);
    }
}

}  // namespace

// ---------------------------------------------------------------------------

bool DlgGetString(DIALOG& dialog, int32_t id, char* text, std::size_t length, AttrIndex index) {
    // The buffer is as long as the field, whatever its length.
    return OrWhenOutOfMemory(false, [&] { return GetString(dialog, id, text, length, index); });
}

bool DlgGetString(DIALOG& dialog, int32_t id, std::string& text, AttrIndex index) {
    if (text.empty()) {
        char none = ' ';
        return DlgGetString(dialog, id, &none, 0, index);
    }
    return DlgGetString(dialog, id, &text[0], text.size(), index);
}

bool DlgGetInteger(DIALOG& dialog, int32_t id, LONG_PTR& value, AttrIndex index, int32_t* cursor) {
    Target target;
    if (!FindTarget(dialog, id, target)) return false;
    const int32_t attribute = index ? *index : ATTR_VALUE;
    switch (attribute) {
        case ATTR_VALUE: return ReadValue(dialog, id, target, value);
        case ATTR_SELECTION: return ReadSelection(target, value, cursor);
        case ATTR_ITEMCOUNT: return ReadCount(target, value);
        case ATTR_MINIMUM:
        case ATTR_MAXIMUM: return ReadRangeEnd(target, attribute, value);
        case ATTR_STEP: {
            SCROLLINFO info;
            if (target.kind != KIND_SCROLLBAR || !ScrollInfo(target.hWnd, SIF_PAGE, info)) return false;
            value = static_cast<LONG_PTR>(info.nPage);
            return true;
        }
        case ATTR_TEXTCOLOR:
            if (target.entry == nullptr) return false;
            value = target.entry->textColor;
            return true;
        case ATTR_BACKCOLOR: {
            LOGBRUSH brush{};
            if (target.entry == nullptr || target.entry->hBrush == NoBrush() ||
                GetObjectA(target.entry->hBrush, sizeof brush, &brush) == 0)
                return false;
            value = static_cast<LONG_PTR>(brush.lbColor);
            return true;
        }
        case ATTR_ICON:
        case ATTR_BITMAP: return ReadImage(target, attribute, value);
        case ATTR_ROWSIZE: {
            const ListViewData* data = target.kind == KIND_LISTVIEW ? ListViewDataOf(target.hWnd) : nullptr;
            if (data == nullptr) return false;
            value = data->rowSize;
            return true;
        }
        case ATTR_RESIZEROUTINE:
            if (target.kind != KIND_DIALOG || target.entry == nullptr) return false;
            value = reinterpret_cast<LONG_PTR>(target.entry->callbacks[3]);
            return true;
        default:
            return attribute >= 0 && ReadIntegerItem(target, attribute, value);
    }
}

bool DlgGetInteger(DIALOG& dialog, int32_t id, int32_t& value, AttrIndex index, int32_t* cursor) {
    LONG_PTR wide = value;
    const bool read = DlgGetInteger(dialog, id, wide, index, cursor);
    if (wide < std::numeric_limits<int32_t>::min() || wide > std::numeric_limits<int32_t>::max()) return false;
    value = static_cast<int32_t>(wide);
    return read;
}

bool DlgGetLogical(DIALOG& dialog, int32_t id, bool& value, AttrIndex index) {
    Target target;
    if (!FindTarget(dialog, id, target)) return false;
    const int32_t attribute = index ? *index : ATTR_VALUE;
    HWND hWnd = target.hWnd;
    switch (attribute) {
        case ATTR_VISIBLE:
            value = (GetWindowLongA(hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
            return true;
        case ATTR_ENABLED:
            value = IsWindowEnabled(hWnd) != FALSE;
            return true;
        case ATTR_VALUE:
            if (target.kind != KIND_CHECKBOX && !IsRadioKind(target.kind)) return false;
            value = Send(hWnd, BM_GETCHECK) != BST_UNCHECKED;
            return true;
        default:
            break;
    }
    if (attribute < 0 || target.kind != KIND_LISTVIEW) return false;
    const int32_t row = ListItemToRow(hWnd, attribute);
    if (row < 0) return false;
    value = Send(hWnd, LVM_GETITEMSTATE, Index(row), LVIS_SELECTED) != 0;
    return true;
}

}  // namespace velmora
