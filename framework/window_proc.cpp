// WindowProc: the one window procedure of the framework (class procedure of
// "VWndClass", dialog procedure of the dialog module's dialogs, and subclass
// procedure of attached windows).
#include <utility>

#include "dialogs/constants.h"
#include "dialogs/routing.h"
#include "framework/framework.h"

namespace velmora {
namespace {

constexpr int32_t kDefaultCommandResult = 1;
int32_t commandResult = kDefaultCommandResult;

constexpr UINT kCenterFlags = SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW;  // 0x85
constexpr WORD kAcceleratorCode = 1;

int32_t TakeCommandResult() {
    const int32_t result = commandResult;
    commandResult = kDefaultCommandResult;
    return result;
}

LONG StyleOf(HWND hWnd) { return GetWindowLongA(hWnd, GWL_STYLE); }
LONG ExStyleOf(HWND hWnd) { return GetWindowLongA(hWnd, GWL_EXSTYLE); }

bool IsFrameWindow(HWND hWnd) {
    const V_WINDOW* frame = App().frame;
    return frame != nullptr && frame->hWnd != nullptr && frame->hWnd == hWnd;
}

// The registered handler of a message, if any.
const MessageHandler* HandlerFor(const V_WINDOW* window, UINT message) {
    if (window == nullptr) return nullptr;
    int32_t position = 0;
    if (!FindMessageHandler(*window, message, position)) return nullptr;
    return &window->msgRoutines(position);
}

// Calls the handler of the message; false when there is none or it
// returned 0.
bool HandlerReturnsTrue(V_WINDOW* window, UINT message, WPARAM wParam, LPARAM lParam) {
    const MessageHandler* handler = HandlerFor(window, message);
    return handler != nullptr &&
           CallMessageHandler(*handler, *window, message, wParam, lParam) != 0;
}

class WindowMessage {
public:
    WindowMessage(V_WINDOW* record, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
        : v(record), hWnd(hWnd), message(message), wParam(wParam), lParam(lParam) {}

    LRESULT Dispatch();

private:
    LRESULT Default() { return DefaultProcessing(v, hWnd, message, wParam, lParam); }
    LRESULT CallHandler(const MessageHandler& handler) {
        return CallMessageHandler(handler, *v, message, wParam, lParam);
    }

    LRESULT OnNcCreate();
    LRESULT OnCreate();
    LRESULT OnInitDialog();
    LRESULT OnCommand();
    LRESULT OnNotify();
    LRESULT OnScroll();
    LRESULT OnDrawItem();
    LRESULT OnHelp();
    LRESULT OnSize();
    LRESULT OnDestroy();
    LRESULT OnNcDestroy();
    LRESULT OnControlColor();
    LRESULT OnSetCursor();
    LRESULT OnLButtonDown();
    LRESULT OnMouseWheel();
    LRESULT OnSysColorChange();
    LRESULT OnCreateControl();
    LRESULT OnOtherMessage();

    void CenterOnOwner();

    V_WINDOW* v;
    HWND hWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

LRESULT WindowMessage::Dispatch() {
    switch (message) {
        case WM_NCCREATE: return OnNcCreate();
        case WM_CREATE: return OnCreate();
        case WM_INITDIALOG: return OnInitDialog();
        case WM_COMMAND: return OnCommand();
        case WM_NOTIFY: return OnNotify();
        case WM_HSCROLL:
        case WM_VSCROLL:
            return OnScroll();
        case WM_DRAWITEM: return OnDrawItem();
        case WM_HELP: return OnHelp();
        case WM_SIZE: return OnSize();
        case WM_DESTROY: return OnDestroy();
        case WM_NCDESTROY: return OnNcDestroy();
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            return OnControlColor();
        case WM_SETCURSOR: return OnSetCursor();
        case WM_LBUTTONDOWN: return OnLButtonDown();
        case WM_MOUSEWHEEL: return OnMouseWheel();
        case WM_SYSCOLORCHANGE: return OnSysColorChange();
        case WM_CREATE_CONTROL: return OnCreateControl();
        default: return OnOtherMessage();
    }
}

LRESULT WindowMessage::OnNcCreate() {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    if (create != nullptr && create->lpCreateParams != nullptr &&
        (ExStyleOf(hWnd) & WS_EX_MDICHILD) == 0) {
        v = static_cast<V_WINDOW*>(create->lpCreateParams);
        BindRecord(*v, hWnd);
    }
    return Default();
}

LRESULT WindowMessage::OnCreate() {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    if (create != nullptr && create->lpCreateParams != nullptr &&
        (ExStyleOf(hWnd) & WS_EX_MDICHILD) != 0) {
        const auto* mdiCreate = static_cast<const MDICREATESTRUCTA*>(create->lpCreateParams);
        if (mdiCreate->lParam != 0) {
            v = reinterpret_cast<V_WINDOW*>(mdiCreate->lParam);
            BindRecord(*v, hWnd);
        }
    }
    return Default();
}

void WindowMessage::CenterOnOwner() {
    HWND owner = GetWindow(hWnd, GW_OWNER);
    // A dialog without an owner is centred on the desktop.
    if (owner == nullptr) owner = GetDesktopWindow();
    RECT dialog{};
    RECT around{};
    GetWindowRect(hWnd, &dialog);
    GetWindowRect(owner, &around);
    const int x = (around.left + around.right - (dialog.right - dialog.left)) / 2;
    const int y = (around.top + around.bottom - (dialog.bottom - dialog.top)) / 2;
    SetWindowPos(hWnd, nullptr, x, y, 0, 0, kCenterFlags);
}

LRESULT WindowMessage::OnInitDialog() {
    if (lParam != 0) {
        v = reinterpret_cast<V_WINDOW*>(lParam);
        BindRecord(*v, hWnd);
    }
    if ((StyleOf(hWnd) & DS_CENTER) != 0) CenterOnOwner();
    return TRUE;
}

LRESULT WindowMessage::OnCommand() {
    const int32_t id = LOWORD(wParam);
    int32_t code = HIWORD(wParam);
    if (code == kAcceleratorCode && lParam == 0) code = 0;  // accelerators look like menus
    HWND control = reinterpret_cast<HWND>(lParam);
    ControlEntry* entry = ControlEntryOf(control);

    if (control != nullptr) {
        HWND parent = GetParent(control);
        if (parent != hWnd && BoundRecord(parent) != nullptr) {
            return SendMessageA(parent, WM_COMMAND, wParam, lParam);
        }
    }
    if (v == nullptr) return Default();
    if (entry != nullptr && RouteControlEvent(*v, *entry, id, code)) return 0;

    int32_t position = 0;
    if (FindCommandHandler(*v, id, position)) {
        CallCommandRoutine(*v, v->cmdRoutines(position), id, code);
        return TakeCommandResult();
    }
    if (v->defProc == DEFPROC_DIALOG && id == IDCANCEL) {
        PostMessageA(hWnd, DLG_END_MESSAGE, IDCANCEL, reinterpret_cast<LPARAM>(hWnd));
        if (IsFrameWindow(hWnd)) PostQuitMessage(0);
        return 1;
    }
    return Default();
}

LRESULT WindowMessage::OnNotify() {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr) return 0;
    HWND parent = GetParent(header->hwndFrom);
    if (parent != hWnd && parent != nullptr && (ExStyleOf(parent) & WS_EX_CONTROLPARENT) != 0) {
        return SendMessageA(parent, WM_NOTIFY, wParam, lParam);
    }
    if (v == nullptr) return 0;
    const auto id = static_cast<int32_t>(header->idFrom);
    const auto code = static_cast<int32_t>(header->code);
    if (ControlEntry* entry = ControlEntryOf(header->hwndFrom)) {
        if (RouteControlEvent(*v, *entry, id, code, header)) return 1;
    }
    int32_t position = 0;
    if (FindCommandHandler(*v, id, position)) {
        CallCommandRoutine(*v, v->cmdRoutines(position), static_cast<int32_t>(wParam), code);
        return TakeCommandResult();
    }
    return 0;
}

// Moves a scroll bar control by the request code, as the control itself
// would when it is not handled.
void MoveScrollBarControl(HWND control, int requestCode) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (!GetScrollInfo(control, SB_CTL, &info)) return;  // a slider or spinner
    const int page = static_cast<int>(info.nPage) > 0 ? static_cast<int>(info.nPage) : 1;
    switch (requestCode) {
        case SB_LINEUP: info.nPos -= 1; break;
        case SB_LINEDOWN: info.nPos += 1; break;
        case SB_PAGEUP: info.nPos -= page; break;
        case SB_PAGEDOWN: info.nPos += page; break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: info.nPos = info.nTrackPos; break;
        default: break;
    }
    info.fMask = SIF_POS | SIF_DISABLENOSCROLL;
    SetScrollInfo(control, SB_CTL, &info, TRUE);
}

LRESULT WindowMessage::OnScroll() {
    if (v == nullptr) return Default();
    const int requestCode = LOWORD(wParam);
    if (lParam != 0) {
        HWND control = reinterpret_cast<HWND>(lParam);
        if (ControlEntry* entry = ControlEntryOf(control)) {
            MoveScrollBarControl(control, requestCode);
            const auto id = static_cast<int32_t>(GetWindowLongPtrA(control, GWLP_ID));
            if (RouteControlEvent(*v, *entry, id, static_cast<int32_t>(message))) return 1;
        }
        const MessageHandler* handler = HandlerFor(v, message);
        return handler != nullptr ? CallHandler(*handler) : 0;
    }
    if (HandlerReturnsTrue(v, message, wParam, lParam)) return 0;
    const bool vertical = message == WM_VSCROLL;
    if ((vertical && v->scrollHeight != 0) || (!vertical && v->scrollWidth != 0)) {
        ScrollByBar(*v, vertical ? SB_VERT : SB_HORZ, requestCode);
        return 0;
    }
    return Default();
}

LRESULT WindowMessage::OnDrawItem() {
    if (v == nullptr) return Default();
    auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (item == nullptr) return Default();
    const MessageHandler* handler = HandlerFor(v, message);
    if (ControlEntry* entry = ControlEntryOf(item->hwndItem)) {
        const auto id = static_cast<int32_t>(wParam);
        if (RouteControlEvent(*v, *entry, id, static_cast<int32_t>(message), nullptr, item)) {
            return Default();
        }
        return handler != nullptr ? CallHandler(*handler) : 0;
    }
    if (handler != nullptr) {
        CallHandler(*handler);
        return 1;
    }
    return Default();
}

LRESULT WindowMessage::OnHelp() {
    if (v == nullptr) return Default();
    const auto* help = reinterpret_cast<const HELPINFO*>(lParam);
    ControlEntry* own = ControlEntryOf(hWnd);
    if (own != nullptr && help != nullptr &&
        RouteDialogEvent(*v, *own, help->iCtrlId, DialogEvent::Help, static_cast<int32_t>(help->dwContextId))) {
        return 0;
    }
    const MessageHandler* handler = HandlerFor(v, message);
    return handler != nullptr ? CallHandler(*handler) : Default();
}

LRESULT WindowMessage::OnSize() {
    if (v == nullptr) return Default();
    if (ControlEntry* own = ControlEntryOf(hWnd)) {
        if (RouteDialogEvent(*v, *own, static_cast<int32_t>(wParam), DialogEvent::Size)) return 0;
    }
    if (HandlerReturnsTrue(v, message, wParam, lParam)) return 0;
    if (v->scrollWidth == 0 && v->scrollHeight == 0) return Default();
    ResizeScrollPages(*v, LOWORD(lParam), HIWORD(lParam));
    return 0;
}

LRESULT WindowMessage::OnDestroy() {
    if (v == nullptr) return Default();
    if (ControlEntry* own = ControlEntryOf(hWnd)) {
        RouteDialogEvent(*v, *own, static_cast<int32_t>(wParam), DialogEvent::Destroy);
    }
    LRESULT result = 0;
    if (!HandlerReturnsTrue(v, message, wParam, lParam)) {
        if (IsFrameWindow(hWnd)) {
            PostQuitMessage(0);
        } else {
            result = Default();
        }
    }
    // A record that names another window (bound again meanwhile) keeps the
    // control table of that window.
    if (v->hWnd == hWnd) ReleaseControlTable(*v, false);
    return result;
}

LRESULT WindowMessage::OnNcDestroy() {
    if (const MessageHandler* handler = HandlerFor(v, message)) CallHandler(*handler);
    if (v == nullptr || BoundRecord(hWnd) == nullptr) return 0;
    if (v->hWnd != hWnd) {
        // The record lives on with another window: only this window's
        // properties go.
        RemovePropA(hWnd, kRecordProperty);
        RemovePropA(hWnd, kControlProperty);
        return 0;
    }
    const intptr_t classProcedure = v->defProc;
    WindowUnbind(*v);
    // A subclassed control frees what it owns on WM_NCDESTROY.
    if (IsSubclassProcedure(classProcedure)) {
        CallWindowProcA(reinterpret_cast<WNDPROC>(classProcedure), hWnd, message, wParam, lParam);
    }
    return 0;
}

LRESULT WindowMessage::OnControlColor() {
    const ControlEntry* entry = ControlEntryOf(reinterpret_cast<HWND>(lParam));
    const bool hasBrush = entry != nullptr && entry->hBrush != NoBrush();
    const bool hasText = entry != nullptr && entry->textColor != -1;
    if (!hasBrush && !hasText) return Default();
    LRESULT result = DefWindowProcA(hWnd, message, wParam, lParam);
    HDC dc = reinterpret_cast<HDC>(wParam);
    if (hasBrush) {
        LOGBRUSH brush{};
        GetObjectA(entry->hBrush, sizeof brush, &brush);
        SetBkColor(dc, brush.lbColor);
        result = reinterpret_cast<LRESULT>(entry->hBrush);
    }
    if (hasText) SetTextColor(dc, static_cast<COLORREF>(entry->textColor));
    return result;
}

LRESULT WindowMessage::OnSetCursor() {
    if (v == nullptr) return Default();
    if (HandlerReturnsTrue(v, message, wParam, lParam)) return 0;
    if (v->hCursor == NoCursor()) {
        Default();
        return 0;
    }
    if (LOWORD(lParam) == HTCLIENT) {
        SetCursor(v->hCursor);
        return 1;
    }
    Default();
    return 0;
}

LRESULT WindowMessage::OnLButtonDown() {
    if (v == nullptr) return Default();
    if (HandlerReturnsTrue(v, message, wParam, lParam)) return 0;
    if ((StyleOf(hWnd) & WS_CHILD) != 0 && v->defProc == DEFPROC_FRAMEWORK) {
        SetFocus(hWnd);
        return 0;
    }
    return Default();
}

LRESULT WindowMessage::OnMouseWheel() {
    if (v == nullptr) return Default();
    if (HandlerReturnsTrue(v, message, wParam, lParam)) return 0;
    if ((StyleOf(hWnd) & WS_VSCROLL) != 0 && v->defProc == DEFPROC_FRAMEWORK) {
        ScrollByWheel(*v, wParam);
        return 0;
    }
    return Default();
}

// The window whose descendants are being told of a colour change; each of
// them gets the message once from there, so none passes it on again.
HWND colorChangeRoot = nullptr;

BOOL CALLBACK SendSysColorChange(HWND child, LPARAM) {
    SendMessageA(child, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

LRESULT WindowMessage::OnSysColorChange() {
    const MessageHandler* handler = HandlerFor(v, message);
    const LRESULT result = handler != nullptr ? CallHandler(*handler) : 0;
    const bool reached =
        colorChangeRoot != nullptr && (colorChangeRoot == hWnd || IsChild(colorChangeRoot, hWnd));
    if (!reached) {
        const HWND outer = std::exchange(colorChangeRoot, hWnd);
        EnumChildWindows(hWnd, SendSysColorChange, 0);
        colorChangeRoot = outer;
    }
    return result;
}

// The window class of a control kind; null for kinds that make no window.
const char* ControlClassOfKind(int32_t kind) {
    switch (kind) {
        case KIND_STATIC: return "Static";
        case KIND_GROUPBOX:
        case KIND_PUSHBUTTON:
        case KIND_CHECKBOX:
        case KIND_RADIOBUTTON:
        case KIND_MANUALRADIO:
            return "Button";
        case KIND_EDIT: return "Edit";
        case KIND_LISTBOX: return "Listbox";
        case KIND_DROPDOWNLIST:
        case KIND_COMBOBOX:
            return "Combobox";
        case KIND_TAB: return "SysTabControl32";
        case KIND_SCROLLBAR: return "Scrollbar";
        case KIND_SPINNER: return "msctls_updown32";
        case KIND_SLIDER: return "msctls_trackbar32";
        case KIND_PROGRESS: return "msctls_progress32";
        case KIND_STATUSBAR: return "msctls_statusbar32";
        case KIND_LISTVIEW: return "syslistview32";
        case KIND_DIALOG: return kFrameworkClassName;
        default: return nullptr;
    }
}

LRESULT WindowMessage::OnCreateControl() {
    HWND created = nullptr;
    if (const auto* block = reinterpret_cast<const ControlCreationBlock*>(wParam)) {
        if (const char* className = ControlClassOfKind(block->kind)) {
            created = CreateWindowExA(
                static_cast<DWORD>(block->exStyle), className, "",
                static_cast<DWORD>(block->style), block->x, block->y, block->width,
                block->height, hWnd, reinterpret_cast<HMENU>(lParam), GetModuleHandleA(nullptr),
                nullptr);
        }
    }
    if (v != nullptr && v->defProc == DEFPROC_DIALOG) {
        SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, reinterpret_cast<LONG_PTR>(created));
        return 1;
    }
    return reinterpret_cast<LRESULT>(created);
}

LRESULT WindowMessage::OnOtherMessage() {
    const MessageHandler* handler = HandlerFor(v, message);
    if (handler == nullptr) return Default();
    const LRESULT result = CallHandler(*handler);
    // Messages whose handler result is the answer; the six with their own
    // default processing have had it inside CallMessageHandler.
    if (AppliesOwnDefaultProcessing(message)) return result;
    switch (message) {
        case WM_NCHITTEST:
        case WM_NCACTIVATE:
        case WM_GETDLGCODE:
        case WM_QUERYENDSESSION:
            return result;
        case WM_DROPFILES:
            // The handler's call has finished the drop: its handle is freed
            // and must not be passed on.
            return result;
        default:
            return result != 0 ? result : Default();
    }
}

}  // namespace

void SetCommandResult(int32_t result) { commandResult = result; }

void CallCommandRoutine(V_WINDOW& window, CommandRoutine routine, int32_t id, int32_t code) {
    // The routine receives references to copies of its own.
    if (routine != nullptr) routine(window, id, code);
}

LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    V_WINDOW* record = BoundRecord(hWnd);
    if (record != nullptr && record->hWnd != hWnd) {
        RaiseException(EXC_RECORD_MISMATCH, 0, 0, nullptr);
    }
    return WindowMessage(record, hWnd, message, wParam, lParam).Dispatch();
}

}  // namespace velmora
