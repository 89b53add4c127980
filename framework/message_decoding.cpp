// The decodings of messages into handler arguments, one function per
// decoding and one table that says which messages each decoding serves,
// and CallMessageHandler, which calls a handler through them.
#include "framework/framework.h"

#include <shellapi.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <new>

namespace velmora {
namespace {

int32_t LowSigned(uintptr_t value) { return static_cast<int16_t>(LOWORD(value)); }
int32_t HighSigned(uintptr_t value) { return static_cast<int16_t>(HIWORD(value)); }
int32_t LowUnsigned(uintptr_t value) { return LOWORD(value); }
int32_t HighUnsigned(uintptr_t value) { return HIWORD(value); }
int32_t AsInt32(uintptr_t value) { return static_cast<int32_t>(static_cast<uint32_t>(value)); }
bool Bit(uintptr_t value, int bit) { return ((value >> bit) & 1u) != 0; }

constexpr int kBitLogOff = 31;           // ENDSESSION_LOGOFF in lParam
constexpr int kBitTransition = 31;       // key released (WM_CHAR)
constexpr int kBitContext = 29;          // Alt held (WM_CHAR)
constexpr uintptr_t kScanCodeMask = 0x1FF;
constexpr WPARAM kSysCommandMask = 0xFFF0;
constexpr UINT kQueryFileCount = 0xFFFFFFFF;

// A record for a window argument: the window's record, or the scratch record,
// or (for a handle that is not a window) an unbound record naming no window,
// so that a handler never receives a null reference.
V_WINDOW& RecordArgument(uintptr_t handle) {
    if (V_WINDOW* record = WindowForHandle(reinterpret_cast<HWND>(handle))) return *record;
    static V_WINDOW noWindow;
    noWindow = V_WINDOW{};
    return noWindow;
}

// One message, its decoding and the call.
struct Message {
    const HandlerCall& call;
    V_WINDOW& vWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    uintptr_t lp() const { return static_cast<uintptr_t>(lParam); }
};

// Decodes a message into `args` (whose record is already set) and calls the
// handler; returns the handler's result.
using Decode = LRESULT (*)(const Message& m, HandlerArguments& args);

// The position shown by a scroll bar for a request code: the track position
// while the thumb is dragged, else the position.
int32_t ScrollPositionFor(V_WINDOW& vWnd, LPARAM control, int bar, int requestCode) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    const bool tracking = requestCode == SB_THUMBPOSITION || requestCode == SB_THUMBTRACK;
    info.fMask = tracking ? SIF_TRACKPOS : SIF_POS;
    HWND target = control != 0 ? reinterpret_cast<HWND>(control) : vWnd.hWnd;
    if (!GetScrollInfo(target, control != 0 ? SB_CTL : bar, &info)) return 0;
    return tracking ? info.nTrackPos : info.nPos;
}

// Each decoding: the further arguments of the handler, in order.

LRESULT NoArguments(const Message& m, HandlerArguments& a) { return m.call(a); }

LRESULT SignedWords(const Message& m, HandlerArguments& a) {  // iX, iY; nWhere, iMsg
    a.AddInt(LowSigned(m.lp()));
    a.AddInt(HighSigned(m.lp()));
    return m.call(a);
}

// iWidth, iHeight, nFlag; iX, iY, nWhere
LRESULT SignedWordsAndWParam(const Message& m, HandlerArguments& a) {
    a.AddInt(LowSigned(m.lp()));
    a.AddInt(HighSigned(m.lp()));
    a.AddInt(AsInt32(m.wParam));
    return m.call(a);
}

LRESULT Activate(const Message& m, HandlerArguments& a) {  // nActivate, bMinimized, vWndPrevious
    a.AddInt(LowUnsigned(m.wParam));
    a.AddLogical(HighUnsigned(m.wParam) != 0);
    a.AddWindow(RecordArgument(m.lp()));
    return m.call(a);
}

LRESULT WindowInWParam(const Message& m, HandlerArguments& a) {  // vWndLose, vWndFocus, ...
    a.AddWindow(RecordArgument(m.wParam));
    return m.call(a);
}

LRESULT WindowInLParam(const Message& m, HandlerArguments& a) {  // vWndGainCapture
    a.AddWindow(RecordArgument(m.lp()));
    return m.call(a);
}

LRESULT LogicalWParam(const Message& m, HandlerArguments& a) {  // bEnable, bActivate, ...
    a.AddLogical(m.wParam != 0);
    return m.call(a);
}

LRESULT QueryEndSession(const Message& m, HandlerArguments& a) {  // bLogOff
    a.AddLogical(Bit(m.lp(), kBitLogOff));
    return m.call(a);
}

LRESULT Paint(const Message& m, HandlerArguments& a) {  // vDC, iX1, iY1, iX2, iY2
    return PaintWithHandler(m.vWnd, m.call, a);
}

LRESULT EraseBackground(const Message& m, HandlerArguments& a) {  // vDC
    return EraseWithHandler(m.vWnd, reinterpret_cast<HDC>(m.wParam), m.call, a);
}

LRESULT MouseActivate(const Message& m, HandlerArguments& a) {  // nHitTest -> action
    a.result = ResultKind::Integer;
    a.AddInt(LowUnsigned(m.lp()));
    return m.call(a);
}

LRESULT GetMinMaxInfo(const Message& m, HandlerArguments& a) {  // 4 x V_POINT, in place
    auto* info = reinterpret_cast<MINMAXINFO*>(m.lParam);
    if (info == nullptr) return 0;
    static_assert(sizeof(POINT) == sizeof(V_POINT), "MINMAXINFO's points are V_POINTs");
    for (POINT* point : {&info->ptMaxSize, &info->ptMaxPosition, &info->ptMinTrackSize,
                         &info->ptMaxTrackSize}) {
        a.AddPoint(*reinterpret_cast<V_POINT*>(point));
    }
    return m.call(a);
}

LRESULT WindowPosition(const Message& m, HandlerArguments& a) {  // iX, iY, iWidth, iHeight, nFlags
    auto* position = reinterpret_cast<WINDOWPOS*>(m.lParam);
    if (position == nullptr) return 0;
    a.AddIntRef(position->x);
    a.AddIntRef(position->y);
    a.AddIntRef(position->cx);
    a.AddIntRef(position->cy);
    a.AddIntRef(reinterpret_cast<int32_t&>(position->flags));
    return m.call(a);
}

LRESULT Help(const Message& m, HandlerArguments& a) {  // bMenu, ID (in place)
    auto* help = reinterpret_cast<HELPINFO*>(m.lParam);
    if (help == nullptr) return 0;
    a.AddLogical(help->iContextType == HELPINFO_MENUITEM);
    a.AddIntRef(help->iCtrlId);
    return m.call(a);
}

LRESULT ContextMenu(const Message& m, HandlerArguments& a) {  // iX, iY (keyboard: 65535)
    a.AddInt(LowUnsigned(m.lp()));
    a.AddInt(HighUnsigned(m.lp()));
    return m.call(a);
}

LRESULT DisplayChange(const Message& m, HandlerArguments& a) {  // nBitsPerPel, iX, iY
    a.AddInt(AsInt32(m.wParam));
    a.AddInt(LowUnsigned(m.lp()));
    a.AddInt(HighUnsigned(m.lp()));
    return m.call(a);
}

LRESULT NcHitTest(const Message& m, HandlerArguments& a) {  // iX, iY, nWhere -> code
    a.result = ResultKind::Integer;
    a.AddInt(LowSigned(m.lp()));
    a.AddInt(HighSigned(m.lp()));
    a.AddInt(static_cast<int32_t>(DefWindowProcA(m.vWnd.hWnd, m.message, m.wParam, m.lParam)));
    return m.call(a);
}

LRESULT Key(const Message& m, HandlerArguments& a) {  // nCode, iRepeatCount, iScanCode
    a.AddInt(AsInt32(m.wParam));
    a.AddInt(LowUnsigned(m.lp()));
    a.AddInt(static_cast<int32_t>((m.lp() >> 16) & kScanCodeMask));
    return m.call(a);
}

LRESULT Char(const Message& m, HandlerArguments& a) {  // nCode, bPressed, bAlt
    a.AddInt(AsInt32(m.wParam));
    a.AddLogical(Bit(m.lp(), kBitTransition));
    a.AddLogical(Bit(m.lp(), kBitContext));
    return m.call(a);
}

LRESULT InitDialog(const Message& m, HandlerArguments& a) {  // ID, iEvent
    a.AddInt(m.vWnd.idDlg);
    a.AddInt(0);
    return m.call(a);
}

LRESULT SysCommand(const Message& m, HandlerArguments& a) {  // nCommand
    a.AddInt(AsInt32(m.wParam & kSysCommandMask));
    return m.call(a);
}

LRESULT IntWParam(const Message& m, HandlerArguments& a) {  // idTimer, IDKey
    a.AddInt(AsInt32(m.wParam));
    return m.call(a);
}

LRESULT Scroll(const Message& m, HandlerArguments& a) {  // nFlag, nScrollCode, iPos
    const int bar = m.message == WM_HSCROLL ? SB_HORZ : SB_VERT;
    const int code = LOWORD(m.wParam);
    a.AddInt(m.lParam != 0 ? AsInt32(m.lp()) : bar);
    a.AddInt(code);
    a.AddInt(ScrollPositionFor(m.vWnd, m.lParam, bar, code));
    return m.call(a);
}

LRESULT InitMenu(const Message& m, HandlerArguments& a) {  // vMenu
    V_MENU menu{reinterpret_cast<HMENU>(m.wParam), m.vWnd.hWnd};
    a.AddMenu(menu);
    return m.call(a);
}

LRESULT InitMenuPopup(const Message& m, HandlerArguments& a) {  // vMenu, bSystemMenu
    V_MENU menu{reinterpret_cast<HMENU>(m.wParam), m.vWnd.hWnd};
    a.AddMenu(menu);
    a.AddLogical(HighUnsigned(m.lp()) != 0);
    return m.call(a);
}

LRESULT Mouse(const Message& m, HandlerArguments& a) {  // iX, iY, Msg, iKeyState
    a.AddInt(LowSigned(m.lp()));
    a.AddInt(HighSigned(m.lp()));
    a.AddInt(static_cast<int32_t>(m.message));
    a.AddInt(AsInt32(m.wParam));
    return m.call(a);
}

LRESULT MouseWheel(const Message& m, HandlerArguments& a) {  // nDelta, iX, iY, iKeyState
    a.AddInt(HighSigned(m.wParam));
    a.AddInt(LowSigned(m.lp()));
    a.AddInt(HighSigned(m.lp()));
    a.AddInt(LowSigned(m.wParam));
    return m.call(a);
}

// Two records and nothing else: the first takes the place of vWnd.
LRESULT MdiActivate(const Message& m, HandlerArguments& a) {
    const V_WINDOW* client = App().mdiClient;
    if (client != nullptr && client->hWnd == m.vWnd.hWnd) {
        a.record = &RecordArgument(m.wParam);  // the child to activate
        const auto active = static_cast<uintptr_t>(SendMessageA(client->hWnd, WM_MDIGETACTIVE, 0, 0));
        a.AddWindow(RecordArgument(active));
    } else {
        a.record = &RecordArgument(m.lp());  // the child being activated
        a.AddWindow(RecordArgument(m.wParam));
    }
    return m.call(a);
}

// The names are taken and the drop is finished before the handler runs.
LRESULT DropFiles(const Message& m, HandlerArguments& a) {  // sFile(:)
    auto drop = reinterpret_cast<HDROP>(m.wParam);
    char name[kDropNameLength];
    auto count = static_cast<int32_t>(DragQueryFileA(drop, kQueryFileCount, name, kDropNameLength));
    if (count < 0) count = 0;
    std::unique_ptr<char[]> names(new (std::nothrow) char[static_cast<size_t>(count) * kDropNameLength]);
    if (names == nullptr) count = 0;
    for (int32_t i = 0; i < count; ++i) {
        char* element = names.get() + static_cast<size_t>(i) * kDropNameLength;
        name[0] = '\0';
        DragQueryFileA(drop, static_cast<UINT>(i), name, kDropNameLength);
        const void* end = memchr(name, '\0', kDropNameLength);
        // No terminator: the element stays blank.
        const size_t length = end != nullptr ? static_cast<const char*>(end) - name : 0;
        memcpy(element, name, length);
        memset(element + length, ' ', kDropNameLength - length);
    }
    DragFinish(drop);
    a.AddFiles(names.get(), count);
    return m.call(a);
}

LRESULT Generic(const Message& m, HandlerArguments& a) {  // Msg, wParam, lParam
    a.result = ResultKind::Wide;
    a.AddInt(static_cast<int32_t>(m.message));
    a.AddWide(ArgKind::WParam, static_cast<intptr_t>(m.wParam));
    a.AddWide(ArgKind::LParam, m.lParam);
    return m.call(a);
}

// Which messages each decoding serves. Any other message: Generic.
struct DecodingRow {
    Decode decode;
    std::initializer_list<UINT> messages;
};
const DecodingRow kDecodings[] = {
    {NoArguments, {WM_CREATE, WM_DESTROY, WM_CLOSE, WM_SYSCOLORCHANGE, WM_TIMECHANGE,
                   WM_CHILDACTIVATE, WM_NCDESTROY}},
    {SignedWords, {WM_MOVE, WM_SETCURSOR}},
    {Activate, {WM_ACTIVATE}},
    {WindowInWParam, {WM_SETFOCUS, WM_KILLFOCUS, WM_MDIDESTROY}},
    {WindowInLParam, {WM_CAPTURECHANGED}},
    {LogicalWParam, {WM_ENABLE, WM_ENDSESSION, WM_ACTIVATEAPP, WM_NCACTIVATE, WM_ENTERMENULOOP,
                     WM_EXITMENULOOP}},
    {QueryEndSession, {WM_QUERYENDSESSION}},
    {Paint, {WM_PAINT}},
    {EraseBackground, {WM_ERASEBKGND}},
    {MouseActivate, {WM_MOUSEACTIVATE}},
    {GetMinMaxInfo, {WM_GETMINMAXINFO}},
    {WindowPosition, {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}},
    {Help, {WM_HELP}},
    {ContextMenu, {WM_CONTEXTMENU}},
    {DisplayChange, {WM_DISPLAYCHANGE}},
    {NcHitTest, {WM_NCHITTEST}},
    {SignedWordsAndWParam, {WM_SIZE, WM_NCMOUSEMOVE, WM_NCLBUTTONDOWN, WM_NCLBUTTONUP,
                            WM_NCLBUTTONDBLCLK, WM_NCRBUTTONDOWN, WM_NCRBUTTONUP, WM_NCRBUTTONDBLCLK}},
    {Key, {WM_KEYDOWN, WM_KEYUP}},
    {Char, {WM_CHAR, WM_DEADCHAR}},
    {InitDialog, {WM_INITDIALOG}},
    {SysCommand, {WM_SYSCOMMAND}},
    {IntWParam, {WM_TIMER, WM_HOTKEY}},
    {Scroll, {WM_HSCROLL, WM_VSCROLL}},
    {InitMenu, {WM_INITMENU}},
    {InitMenuPopup, {WM_INITMENUPOPUP}},
    {Mouse, {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN,
             WM_RBUTTONUP}},
    {MouseWheel, {WM_MOUSEWHEEL}},
    {MdiActivate, {WM_MDIACTIVATE}},
    {DropFiles, {WM_DROPFILES}},
};

// Every message with a decoding of its own is below this number.
constexpr UINT kDecodedMessages = 0x400;

// The decoding of each message below kDecodedMessages, looked up directly.
class DecodingIndex {
public:
    DecodingIndex() {
        for (Decode& decode : byMessage_) decode = Generic;
        for (const DecodingRow& row : kDecodings) {
            for (UINT message : row.messages) byMessage_[message] = row.decode;
        }
    }
    Decode operator[](UINT message) const {
        return message < kDecodedMessages ? byMessage_[message] : Generic;
    }

private:
    Decode byMessage_[kDecodedMessages];
};

Decode DecodingFor(UINT message) {
    static const DecodingIndex index;
    return index[message];
}

}  // namespace

namespace detail {

DroppedFiles FileList(const HandlerArguments& args) {
    DroppedFiles files;
    for (int32_t i = 0; i < args.fileCount; ++i) {
        files.emplace_back(args.files + static_cast<size_t>(i) * kDropNameLength, kDropNameLength);
    }
    return files;
}

}  // namespace detail

LRESULT RaiseRoutineInterface() {
    RaiseException(EXC_ROUTINE_INTERFACE, 0, 0, nullptr);
    return 0;
}

LRESULT InvokeByReference(GenericRoutine routine, const void* context, HandlerArguments& args) {
    V_WINDOW* r = args.record;
    void* const* p = args.addresses.data();
    int32_t result = 0;
    if (args.count == 1 && args.kinds[0] == ArgKind::Files) {
        const auto caller = reinterpret_cast<FortranDropCaller>(context);
        if (caller == nullptr) return RaiseRoutineInterface();
        result = caller(routine, r, args.files, args.fileCount);
    } else {
        using F0 = int32_t (*)(V_WINDOW*);
        using F1 = int32_t (*)(V_WINDOW*, void*);
        using F2 = int32_t (*)(V_WINDOW*, void*, void*);
        using F3 = int32_t (*)(V_WINDOW*, void*, void*, void*);
        using F4 = int32_t (*)(V_WINDOW*, void*, void*, void*, void*);
        using F5 = int32_t (*)(V_WINDOW*, void*, void*, void*, void*, void*);
        switch (args.count) {
            case 0: result = reinterpret_cast<F0>(routine)(r); break;
            case 1: result = reinterpret_cast<F1>(routine)(r, p[0]); break;
            case 2: result = reinterpret_cast<F2>(routine)(r, p[0], p[1]); break;
            case 3: result = reinterpret_cast<F3>(routine)(r, p[0], p[1], p[2]); break;
            case 4: result = reinterpret_cast<F4>(routine)(r, p[0], p[1], p[2], p[3]); break;
            default: result = reinterpret_cast<F5>(routine)(r, p[0], p[1], p[2], p[3], p[4]); break;
        }
    }
    // A Fortran LOGICAL counts as true when it is not 0; the generic form's
    // routine is a LOGICAL function too.
    if (args.result == ResultKind::Integer) return result;
    return result != 0 ? 1 : 0;
}

bool AppliesOwnDefaultProcessing(UINT message) {
    switch (message) {
        case WM_ACTIVATE:
        case WM_CLOSE:
        case WM_ERASEBKGND:
        case WM_CONTEXTMENU:
        case WM_CHAR:
        case WM_DEADCHAR:
            return true;
        default:
            return false;
    }
}

LRESULT CallMessageHandler(const MessageHandler& registered, V_WINDOW& vWnd, UINT message,
                           WPARAM wParam, LPARAM lParam) {
    // A copy: the decoding may send messages whose handlers change the table.
    const MessageHandler handler = registered;
    LRESULT result = 0;
    if (handler.invoker != nullptr && handler.routine != nullptr) {
        const HandlerCall call(handler);
        HandlerArguments args;
        args.record = &vWnd;
        result = DecodingFor(message)(Message{call, vWnd, message, wParam, lParam}, args);
    }
    if (result == 0 && AppliesOwnDefaultProcessing(message)) {
        result = DefaultProcessing(&vWnd, vWnd.hWnd, message, wParam, lParam);
    }
    return result;
}

}  // namespace velmora
