// Message handler forms: the argument lists with which the window procedure
// calls a program's handlers, one form per way of decoding a message.
//
// A program registers a plain function; VSetHandler derives the form from
// the function's type, so a handler is only ever called with the argument
// list it was declared with. A handler registered for a message whose
// decoding has another argument list is not called: the call raises
// EXC_ROUTINE_INTERFACE and counts as returning 0.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "framework/window_record.h"

namespace velmora {

struct V_DC;

// One enumerator per decoding of CallMessageHandler, plus the command
// subroutine form (which never decodes a message).
enum class HandlerForm : int32_t {
    None = 0,
    NoArguments,      // WM_CREATE, WM_DESTROY, WM_CLOSE, WM_SYSCOLORCHANGE, ...
    Move,             // iX, iY
    Size,             // iWidth, iHeight, nFlag
    Activate,         // nActivate, bMinimized, vWndPrevious
    SetFocus,         // vWndLose
    KillFocus,        // vWndFocus
    Enable,           // bEnable
    Paint,            // vDC, iX1, iY1, iX2, iY2
    QueryEndSession,  // bLogOff
    EraseBackground,  // vDC
    EndSession,       // bEnd
    ActivateApp,      // bActivate
    SetCursor,        // nWhere, iMsg
    MouseActivate,    // nHitTest -> hit-test action
    GetMinMaxInfo,    // vSizeMax, vMaxPos, vMinSize, vMaxSize (in place)
    WindowPos,        // iX, iY, iWidth, iHeight, nFlags (in place)
    Help,             // bMenu, ID (in place)
    ContextMenu,      // iX, iY
    DisplayChange,    // nBitsPerPel, iX, iY
    NcHitTest,        // iX, iY, nWhere -> hit-test code
    NcActivate,       // bActivate
    NcMouse,          // iX, iY, nWhere
    Key,              // nCode, iRepeatCount, iScanCode
    Char,             // nCode, bPressed, bAlt
    InitDialog,       // ID, iEvent
    SysCommand,       // nCommand
    Timer,            // idTimer
    Scroll,           // nFlag, nScrollCode, iPos
    InitMenu,         // vMenu
    InitMenuPopup,    // vMenu, bSystemMenu
    Mouse,            // iX, iY, Msg, iKeyState
    MouseWheel,       // nDelta, iX, iY, iKeyState
    MenuLoop,         // bPopup
    CaptureChanged,   // vWndGainCapture
    MdiDestroy,       // vWndDestroy
    MdiActivate,      // (first record), vWndDeact
    DropFiles,        // sFile(:)
    HotKey,           // IDKey
    Generic,          // Msg, wParam, lParam
    Command,          // idCmd, nCode: a command subroutine
};

// The dropped-file names of WM_DROPFILES: each exactly kDropNameLength
// characters, blank-padded.
constexpr size_t kDropNameLength = 260;
using DroppedFiles = std::vector<std::string>;

// Routine types, by argument list. Several decodings share one list.
using HandlerNoArguments = bool (*)(V_WINDOW& vWnd);
using HandlerTwoInts = bool (*)(V_WINDOW& vWnd, int32_t, int32_t);
using HandlerThreeInts = bool (*)(V_WINDOW& vWnd, int32_t, int32_t, int32_t);
using HandlerFourInts = bool (*)(V_WINDOW& vWnd, int32_t, int32_t, int32_t, int32_t);
using HandlerOneInt = bool (*)(V_WINDOW& vWnd, int32_t);
using HandlerOneLogical = bool (*)(V_WINDOW& vWnd, bool);
using HandlerOtherWindow = bool (*)(V_WINDOW& vWnd, V_WINDOW& other);
using HandlerActivate = bool (*)(V_WINDOW& vWnd, int32_t nActivate, bool bMinimized,
                                 V_WINDOW& vWndPrevious);
using HandlerPaint = bool (*)(V_WINDOW& vWnd, V_DC& vDC, int32_t iX1, int32_t iY1, int32_t iX2,
                              int32_t iY2);
using HandlerErase = bool (*)(V_WINDOW& vWnd, const V_DC& vDC);
using HandlerMouseActivate = int32_t (*)(V_WINDOW& vWnd, int32_t nHitTest);
using HandlerMinMax = bool (*)(V_WINDOW& vWnd, V_POINT& vSizeMax, V_POINT& vMaxPos,
                               V_POINT& vMinSize, V_POINT& vMaxSize);
using HandlerWindowPos = bool (*)(V_WINDOW& vWnd, int32_t& iX, int32_t& iY, int32_t& iWidth,
                                  int32_t& iHeight, int32_t& nFlags);
using HandlerHelp = bool (*)(V_WINDOW& vWnd, bool bMenu, int32_t& ID);
using HandlerHitTest = int32_t (*)(V_WINDOW& vWnd, int32_t iX, int32_t iY, int32_t nWhere);
using HandlerChar = bool (*)(V_WINDOW& vWnd, int32_t nCode, bool bPressed, bool bAlt);
using HandlerInitMenu = bool (*)(V_WINDOW& vWnd, const V_MENU& vMenu);
using HandlerInitMenuPopup = bool (*)(V_WINDOW& vWnd, const V_MENU& vMenu, bool bSystemMenu);
using HandlerDropFiles = bool (*)(V_WINDOW& vWnd, const DroppedFiles& sFile);
using HandlerGeneric = LRESULT (*)(V_WINDOW& vWnd, int32_t Msg, WPARAM wParam, LPARAM lParam);

namespace detail {

// The argument lists, independent of the message they decode.
enum class ArgumentList : int32_t {
    Unknown,
    NoArguments,
    TwoInts,
    ThreeInts,
    FourInts,
    OneInt,
    OneLogical,
    OtherWindow,
    Activate,
    Paint,
    Erase,
    MouseActivate,
    MinMax,
    WindowPos,
    Help,
    HitTest,
    Char,
    InitMenu,
    InitMenuPopup,
    DropFiles,
    Generic,
    Command,
};

template <class Routine>
struct ArgumentListOf : std::integral_constant<ArgumentList, ArgumentList::Unknown> {};

#define VELMORA_ARGUMENT_LIST(routineType, list)                                            \
    template <>                                                                           \
    struct ArgumentListOf<routineType> : std::integral_constant<ArgumentList, list> {}
VELMORA_ARGUMENT_LIST(HandlerNoArguments, ArgumentList::NoArguments);
VELMORA_ARGUMENT_LIST(HandlerTwoInts, ArgumentList::TwoInts);
VELMORA_ARGUMENT_LIST(HandlerThreeInts, ArgumentList::ThreeInts);
VELMORA_ARGUMENT_LIST(HandlerFourInts, ArgumentList::FourInts);
VELMORA_ARGUMENT_LIST(HandlerOneInt, ArgumentList::OneInt);
VELMORA_ARGUMENT_LIST(HandlerOneLogical, ArgumentList::OneLogical);
VELMORA_ARGUMENT_LIST(HandlerOtherWindow, ArgumentList::OtherWindow);
VELMORA_ARGUMENT_LIST(HandlerActivate, ArgumentList::Activate);
VELMORA_ARGUMENT_LIST(HandlerPaint, ArgumentList::Paint);
VELMORA_ARGUMENT_LIST(HandlerErase, ArgumentList::Erase);
VELMORA_ARGUMENT_LIST(HandlerMouseActivate, ArgumentList::MouseActivate);
VELMORA_ARGUMENT_LIST(HandlerMinMax, ArgumentList::MinMax);
VELMORA_ARGUMENT_LIST(HandlerWindowPos, ArgumentList::WindowPos);
VELMORA_ARGUMENT_LIST(HandlerHelp, ArgumentList::Help);
VELMORA_ARGUMENT_LIST(HandlerHitTest, ArgumentList::HitTest);
VELMORA_ARGUMENT_LIST(HandlerChar, ArgumentList::Char);
VELMORA_ARGUMENT_LIST(HandlerInitMenu, ArgumentList::InitMenu);
VELMORA_ARGUMENT_LIST(HandlerInitMenuPopup, ArgumentList::InitMenuPopup);
VELMORA_ARGUMENT_LIST(HandlerDropFiles, ArgumentList::DropFiles);
VELMORA_ARGUMENT_LIST(HandlerGeneric, ArgumentList::Generic);
VELMORA_ARGUMENT_LIST(CommandRoutine, ArgumentList::Command);
#undef VELMORA_ARGUMENT_LIST

}  // namespace detail

// The decoding that CallMessageHandler applies to a message.
HandlerForm FormForMessage(UINT message);

// The argument list a form is called with.
detail::ArgumentList ArgumentListOfForm(HandlerForm form);

// True when a routine of form `routineForm` may be called for `message`.
bool FormFitsMessage(HandlerForm routineForm, UINT message);

// The form recorded for a routine with argument list `list` registered
// for `message`: the message's own form when the lists agree, otherwise
// the first form with that list (which then never fits the message).
HandlerForm FormForRegistration(UINT message, detail::ArgumentList list);

// Wraps a typed routine for the message it is meant for.
template <class Routine>
MessageHandler MakeHandler(UINT message, Routine routine) {
    constexpr detail::ArgumentList list = detail::ArgumentListOf<Routine>::value;
    static_assert(list != detail::ArgumentList::Unknown,
                  "the routine's argument list is not one of the handler forms");
    return MessageHandler{FormForRegistration(message, list),
                          reinterpret_cast<GenericRoutine>(routine)};
}

// Enters or replaces the handler of one message (false for a record that is
// not bound to a framework window).
bool VSetHandler(V_WINDOW& window, UINT message, MessageHandler handler);

template <class R, class... A>
bool VSetHandler(V_WINDOW& window, UINT message, R (*routine)(A...)) {
    return VSetHandler(window, message, MakeHandler(message, routine));
}

// The six messages whose handlers get default processing inside
// CallMessageHandler when they return 0.
bool AppliesOwnDefaultProcessing(UINT message);

// Calls one handler with the arguments decoded for `message` and returns
// its result (after default processing for WM_ACTIVATE, WM_CLOSE,
// WM_ERASEBKGND, WM_CONTEXTMENU, WM_CHAR and WM_DEADCHAR when it returns 0).
LRESULT CallMessageHandler(const MessageHandler& handler, V_WINDOW& vWnd, UINT message,
                           WPARAM wParam, LPARAM lParam);

}  // namespace velmora
