// Binding window records to windows, looking them up, attaching records to
// windows of other classes, user data and the window cursor.
#include <algorithm>
#include <iterator>
#include <memory>
#include <utility>

#include "common/text.h"
#include "dialogs/routing.h"
#include "framework/framework.h"

namespace velmora {
namespace {

// The one record handed out for windows that the library does not know.
V_WINDOW& ScratchRecord() {
    static V_WINDOW scratch;
    return scratch;
}

const char* DataPropertyName(std::string_view name, std::string& storage) {
    storage = std::string(common::TrimTrailingBlanks(name));
    return storage.empty() ? kDataProperty : storage.c_str();
}

constexpr int32_t kStandardCursors[] = {
    0x7F00,  // IDC_ARROW
    0x7F01,  // IDC_IBEAM
    0x7F02,  // IDC_WAIT
    0x7F03,  // IDC_CROSS
    0x7F04,  // IDC_UPARROW
    0x7F82,  // IDC_SIZENWSE
    0x7F83,  // IDC_SIZENESW
    0x7F84,  // IDC_SIZEWE
    0x7F85,  // IDC_SIZENS
    0x7F86,  // IDC_SIZEALL
    0x7F88,  // IDC_NO
    0x7F8A,  // IDC_APPSTARTING
};
constexpr int32_t kArrowCursor = 0x7F00;

}  // namespace

V_WINDOW* BoundRecord(HWND hWnd) {
    if (hWnd == nullptr) return nullptr;
    return static_cast<V_WINDOW*>(GetPropA(hWnd, kRecordProperty));
}

ControlEntry* ControlEntryOf(HWND hWnd) {
    if (hWnd == nullptr) return nullptr;
    return static_cast<ControlEntry*>(GetPropA(hWnd, kControlProperty));
}

void BindRecord(V_WINDOW& window, HWND hWnd) {
    window.hWnd = hWnd;
    SetPropA(hWnd, kRecordProperty, &window);
}

V_WINDOW* WindowForHandle(HWND hWnd) {
    const bool given = hWnd != nullptr;
    if (!given) {
        hWnd = GetDesktopWindow();
    } else {
        if (!IsWindow(hWnd)) return nullptr;
        if (V_WINDOW* bound = BoundRecord(hWnd)) return bound;
    }
    V_WINDOW& scratch = ScratchRecord();
    scratch = V_WINDOW{};
    scratch.hWnd = hWnd;
    scratch.idDlg = given ? static_cast<int32_t>(GetWindowLongPtrA(hWnd, GWLP_ID)) : 0;
    return &scratch;
}

bool IsSubclassProcedure(intptr_t defProc) {
    return defProc != DEFPROC_FRAMEWORK && defProc != DEFPROC_DIALOG && defProc != DEFPROC_NONE;
}

void ReleasePreviousWindow(V_WINDOW& window) {
    HWND old = window.hWnd;
    if (old == nullptr || !IsWindow(old) || BoundRecord(old) != &window) return;
    RemovePropA(old, kRecordProperty);
    RemovePropA(old, kAttachedProperty);
    // A subclassed window gets its own procedure back, so that it keeps
    // working as a window of its class.
    if (IsSubclassProcedure(window.defProc) &&
        GetWindowLongPtrA(old, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&WindowProc)) {
        SetWindowLongPtrA(old, GWLP_WNDPROC, window.defProc);
    }
}

void WindowUnbind(V_WINDOW& window) {
    if (window.hWnd == nullptr || GetPropA(window.hWnd, kRecordProperty) == nullptr) return;
    window.nMsgHandlers = 0;
    window.nControls = 0;
    window.nCmdHandlers = 0;
    window.reserved = 0;
    FreeHandlerTables(window);
    FreeControlTable(window);
    RemovePropA(window.hWnd, kRecordProperty);
    RemovePropA(window.hWnd, kControlProperty);
}

bool WindowAttach(HWND hWnd, V_WINDOW*& record) {
    if (record != nullptr || !IsWindow(hWnd)) return false;
    if (V_WINDOW* bound = BoundRecord(hWnd)) {
        record = bound;
        return true;
    }
    auto fresh = std::unique_ptr<V_WINDOW>(new (std::nothrow) V_WINDOW);
    if (fresh == nullptr) return false;
    fresh->hWnd = hWnd;
    fresh->idDlg = static_cast<int32_t>(GetWindowLongPtrA(hWnd, GWLP_ID));
    ++App().windowCount;
    SetPropA(hWnd, kRecordProperty, fresh.get());

    SetLastError(0);
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
    if (current == WindowProc) {
        fresh->defProc = DEFPROC_FRAMEWORK;
    } else {
        fresh->defProc = SetWindowLongPtrA(hWnd, GWLP_WNDPROC,
                                           reinterpret_cast<LONG_PTR>(&WindowProc));
    }
    const bool attached = GetLastError() == 0 && fresh->defProc != DEFPROC_NONE;
    if (!attached) {
        RemovePropA(hWnd, kRecordProperty);
        return false;
    }
    // The window's controls get a table of their own, so that they can have
    // callbacks like the controls of a dialog.
    BuildControlTable(*fresh);
    // Marks the record as the library's own: only such a record is ever freed.
    SetPropA(hWnd, kAttachedProperty, fresh.get());
    record = fresh.release();
    return true;
}

bool WindowDetach(V_WINDOW*& record) {
    if (record == nullptr) return false;
    V_WINDOW& window = *record;
    if (!IsSubclassProcedure(window.defProc)) return false;
    // Records that the program owns (one that WindowAttach handed back for a
    // window bound before, the MDI client's) are detached but never freed.
    const bool allocated = window.hWnd != nullptr &&
                           GetPropA(window.hWnd, kAttachedProperty) == &window;
    ReleaseControlTable(window, false);
    WindowUnbind(window);
    if (allocated) RemovePropA(window.hWnd, kAttachedProperty);
    SetWindowLongPtrA(window.hWnd, GWLP_WNDPROC, window.defProc);
    window.defProc = DEFPROC_NONE;
    if (allocated) delete record;
    record = nullptr;
    return true;
}

bool WindowQuery(const V_WINDOW& window, int32_t query, const V_WINDOW* other) {
    switch (query) {
        case QUERY_IS_WINDOW:
            return IsWindow(window.hWnd) != FALSE;
        case QUERY_IS_BOUND:
            return window.hWnd != nullptr && GetPropA(window.hWnd, kRecordProperty) != nullptr;
        case QUERY_IS_CHILD_OF:
            return other != nullptr && IsChild(other->hWnd, window.hWnd) != FALSE;
        case QUERY_IS_ZOOMED:
            return IsZoomed(window.hWnd) != FALSE;
        case QUERY_IS_ICONIC:
            return IsIconic(window.hWnd) != FALSE;
        default: {
            const auto mask = static_cast<LONG>(query);
            return (GetWindowLongA(window.hWnd, GWL_STYLE) & mask) == mask;
        }
    }
}

bool WindowSetData(const V_WINDOW& window, intptr_t value, std::string_view name) {
    std::string storage;
    return SetPropA(window.hWnd, DataPropertyName(name, storage),
                    reinterpret_cast<HANDLE>(value)) != FALSE;
}

intptr_t WindowGetData(const V_WINDOW& window, std::string_view name) {
    std::string storage;
    return reinterpret_cast<intptr_t>(GetPropA(window.hWnd, DataPropertyName(name, storage)));
}

intptr_t WindowRemoveData(const V_WINDOW& window, std::string_view name) {
    std::string storage;
    return reinterpret_cast<intptr_t>(RemovePropA(window.hWnd, DataPropertyName(name, storage)));
}

HCURSOR WindowSetCursor(V_WINDOW& window, HCURSOR cursor) {
    return std::exchange(window.hCursor, cursor);
}

HCURSOR WindowSetStandardCursor(V_WINDOW& window, int32_t cursorId) {
    const bool known = std::find(std::begin(kStandardCursors), std::end(kStandardCursors),
                                 cursorId) != std::end(kStandardCursors);
    const int32_t id = known ? cursorId : kArrowCursor;
    HCURSOR cursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(id));
    SetCursor(cursor);
    return std::exchange(window.hCursor, cursor);
}

}  // namespace velmora
