// CallMessageHandler: the decoding of a message's wParam and lParam into the
// arguments of its handler form.
#include "framework/framework.h"

#include <shellapi.h>

#include <cstring>

namespace velmora {
namespace {

using detail::ArgumentList;

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

template <class Routine>
Routine As(const MessageHandler& handler) {
    return reinterpret_cast<Routine>(handler.routine);
}

DroppedFiles TakeDroppedFiles(HDROP drop) {
    char name[kDropNameLength];
    UINT count = DragQueryFileA(drop, kQueryFileCount, name, kDropNameLength);
    if (static_cast<int32_t>(count) < 0) count = 0;
    DroppedFiles files(count, std::string(kDropNameLength, ' '));
    for (UINT i = 0; i < count; ++i) {
        name[0] = '\0';
        DragQueryFileA(drop, i, name, kDropNameLength);
        const void* end = memchr(name, '\0', kDropNameLength);
        if (end == nullptr) continue;  // no terminator: the element stays blank
        const size_t length = static_cast<const char*>(end) - name;
        files[i].replace(0, length, name, length);
    }
    DragFinish(drop);
    return files;
}

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

LRESULT Logical(bool value) { return value ? 1 : 0; }

// Calls the routine with the decoded arguments. The form has been checked.
LRESULT Decode(const MessageHandler& handler, V_WINDOW& vWnd, UINT message, WPARAM wParam,
               LPARAM lParam) {
    const auto lp = static_cast<uintptr_t>(lParam);
    switch (FormForMessage(message)) {
        case HandlerForm::NoArguments:
            return Logical(As<HandlerNoArguments>(handler)(vWnd));
        case HandlerForm::Move:
            return Logical(As<HandlerTwoInts>(handler)(vWnd, LowSigned(lp), HighSigned(lp)));
        case HandlerForm::Size:
            return Logical(As<HandlerThreeInts>(handler)(vWnd, LowSigned(lp), HighSigned(lp),
                                                         AsInt32(wParam)));
        case HandlerForm::Activate: {
            V_WINDOW& previous = RecordArgument(lp);
            return Logical(As<HandlerActivate>(handler)(vWnd, LowUnsigned(wParam),
                                                        HighUnsigned(wParam) != 0, previous));
        }
        case HandlerForm::SetFocus:
        case HandlerForm::KillFocus:
        case HandlerForm::MdiDestroy:
            return Logical(As<HandlerOtherWindow>(handler)(vWnd, RecordArgument(wParam)));
        case HandlerForm::CaptureChanged:
            return Logical(As<HandlerOtherWindow>(handler)(vWnd, RecordArgument(lp)));
        case HandlerForm::Enable:
        case HandlerForm::EndSession:
        case HandlerForm::ActivateApp:
        case HandlerForm::NcActivate:
        case HandlerForm::MenuLoop:
            return Logical(As<HandlerOneLogical>(handler)(vWnd, wParam != 0));
        case HandlerForm::QueryEndSession:
            return Logical(As<HandlerOneLogical>(handler)(vWnd, Bit(lp, kBitLogOff)));
        case HandlerForm::Paint:
            return PaintWithHandler(vWnd, As<HandlerPaint>(handler));
        case HandlerForm::EraseBackground:
            return EraseWithHandler(vWnd, reinterpret_cast<HDC>(wParam),
                                    As<HandlerErase>(handler));
        case HandlerForm::SetCursor:
            return Logical(As<HandlerTwoInts>(handler)(vWnd, LowSigned(lp), HighSigned(lp)));
        case HandlerForm::MouseActivate:
            return As<HandlerMouseActivate>(handler)(vWnd, LowUnsigned(lp));
        case HandlerForm::GetMinMaxInfo: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            if (info == nullptr) return 0;
            POINT* places[] = {&info->ptMaxSize, &info->ptMaxPosition, &info->ptMinTrackSize,
                               &info->ptMaxTrackSize};
            V_POINT points[4];
            for (int i = 0; i < 4; ++i) points[i] = V_POINT{places[i]->x, places[i]->y};
            const bool result =
                As<HandlerMinMax>(handler)(vWnd, points[0], points[1], points[2], points[3]);
            for (int i = 0; i < 4; ++i) *places[i] = POINT{points[i].x, points[i].y};
            return Logical(result);
        }
        case HandlerForm::WindowPos: {
            auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
            if (position == nullptr) return 0;
            return Logical(As<HandlerWindowPos>(handler)(
                vWnd, position->x, position->y, position->cx, position->cy,
                reinterpret_cast<int32_t&>(position->flags)));
        }
        case HandlerForm::Help: {
            auto* help = reinterpret_cast<HELPINFO*>(lParam);
            if (help == nullptr) return 0;
            return Logical(As<HandlerHelp>(handler)(vWnd, help->iContextType == HELPINFO_MENUITEM,
                                                    help->iCtrlId));
        }
        case HandlerForm::ContextMenu:
            return Logical(
                As<HandlerTwoInts>(handler)(vWnd, LowUnsigned(lp), HighUnsigned(lp)));
        case HandlerForm::DisplayChange:
            return Logical(As<HandlerThreeInts>(handler)(vWnd, AsInt32(wParam), LowUnsigned(lp),
                                                         HighUnsigned(lp)));
        case HandlerForm::NcHitTest: {
            const auto where = static_cast<int32_t>(
                DefWindowProcA(vWnd.hWnd, message, wParam, lParam));
            return As<HandlerHitTest>(handler)(vWnd, LowSigned(lp), HighSigned(lp), where);
        }
        case HandlerForm::NcMouse:
            return Logical(As<HandlerThreeInts>(handler)(vWnd, LowSigned(lp), HighSigned(lp),
                                                         AsInt32(wParam)));
        case HandlerForm::Key:
            return Logical(As<HandlerThreeInts>(handler)(
                vWnd, AsInt32(wParam), LowUnsigned(lp),
                static_cast<int32_t>((lp >> 16) & kScanCodeMask)));
        case HandlerForm::Char:
            return Logical(As<HandlerChar>(handler)(vWnd, AsInt32(wParam),
                                                    Bit(lp, kBitTransition),
                                                    Bit(lp, kBitContext)));
        case HandlerForm::InitDialog:
            return Logical(As<HandlerTwoInts>(handler)(vWnd, vWnd.idDlg, 0));
        case HandlerForm::SysCommand:
            return Logical(As<HandlerOneInt>(handler)(vWnd, AsInt32(wParam & kSysCommandMask)));
        case HandlerForm::Timer:
        case HandlerForm::HotKey:
            return Logical(As<HandlerOneInt>(handler)(vWnd, AsInt32(wParam)));
        case HandlerForm::Scroll: {
            const int bar = message == WM_HSCROLL ? SB_HORZ : SB_VERT;
            const int32_t flag = lParam != 0 ? AsInt32(lp) : bar;
            const int code = LOWORD(wParam);
            const int32_t position = ScrollPositionFor(vWnd, lParam, bar, code);
            return Logical(As<HandlerThreeInts>(handler)(vWnd, flag, code, position));
        }
        case HandlerForm::InitMenu: {
            const V_MENU menu{reinterpret_cast<HMENU>(wParam), vWnd.hWnd};
            return Logical(As<HandlerInitMenu>(handler)(vWnd, menu));
        }
        case HandlerForm::InitMenuPopup: {
            const V_MENU menu{reinterpret_cast<HMENU>(wParam), vWnd.hWnd};
            return Logical(As<HandlerInitMenuPopup>(handler)(vWnd, menu, HighUnsigned(lp) != 0));
        }
        case HandlerForm::Mouse:
            return Logical(As<HandlerFourInts>(handler)(vWnd, LowSigned(lp), HighSigned(lp),
                                                        static_cast<int32_t>(message),
                                                        AsInt32(wParam)));
        case HandlerForm::MouseWheel:
            return Logical(As<HandlerFourInts>(handler)(vWnd, HighSigned(wParam), LowSigned(lp),
                                                        HighSigned(lp), LowSigned(wParam)));
        case HandlerForm::MdiActivate: {
            const V_WINDOW* client = App().mdiClient;
            if (client != nullptr && client->hWnd == vWnd.hWnd) {
                V_WINDOW& activating = RecordArgument(wParam);
                const auto active = static_cast<uintptr_t>(
                    SendMessageA(client->hWnd, WM_MDIGETACTIVE, 0, 0));
                return Logical(As<HandlerOtherWindow>(handler)(activating, RecordArgument(active)));
            }
            V_WINDOW& activating = RecordArgument(lp);
            return Logical(As<HandlerOtherWindow>(handler)(activating, RecordArgument(wParam)));
        }
        case HandlerForm::DropFiles: {
            const DroppedFiles files = TakeDroppedFiles(reinterpret_cast<HDROP>(wParam));
            return Logical(As<HandlerDropFiles>(handler)(vWnd, files));
        }
        case HandlerForm::Generic:
            return As<HandlerGeneric>(handler)(vWnd, static_cast<int32_t>(message), wParam,
                                               lParam);
        case HandlerForm::None:
        case HandlerForm::Command:
            break;
    }
    return 0;
}

}  // namespace

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
    if (handler.routine != nullptr) {
        if (FormFitsMessage(handler.form, message)) {
            result = Decode(handler, vWnd, message, wParam, lParam);
        } else {
            // Calling the routine with an argument list it was not declared
            // with is unsafe: report it and treat the call as returning 0.
            RaiseException(EXC_ROUTINE_INTERFACE, 0, 0, nullptr);
        }
    }
    if (result == 0 && AppliesOwnDefaultProcessing(message)) {
        result = DefaultProcessing(&vWnd, vWnd.hWnd, message, wParam, lParam);
    }
    return result;
}

}  // namespace velmora
