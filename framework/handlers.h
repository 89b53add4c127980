// Message handlers: how the window procedure calls a program's handler with
// the arguments decoded from a message.
//
// Every decoding (framework/message_decoding.cpp) builds one
// HandlerArguments block: the record, then each further argument as an
// address, with a kind that says what the address points at. Routines are
// called from that block in one of two ways:
// - a C++ routine registered with its own type (VSetHandler(window, message,
//   routine)) gets each argument converted to its declared parameter type;
//   a routine whose parameter list does not match the message's decoding is
//   not called: the call raises EXC_ROUTINE_INTERFACE and counts as 0;
// - a routine without a type (a Fortran function, registered through the
//   library's Fortran interface) gets every argument by reference, as the
//   generated handler declarations expect, and returns a 4-byte LOGICAL or
//   INTEGER.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "framework/window_record.h"

namespace velmora {

struct V_DC;

// The dropped-file names of WM_DROPFILES: each exactly kDropNameLength
// characters, blank-padded.
constexpr size_t kDropNameLength = 260;
using DroppedFiles = std::vector<std::string>;

// What an argument's address points at.
enum class ArgKind : uint8_t {
    Int,      // int32_t, a copy
    Logical,  // int32_t 1 or 0, a copy
    Window,   // V_WINDOW, another window's record
    IntRef,   // int32_t in the message's own structure (written back)
    Point,    // V_POINT in the message's own structure (written back)
    DC,       // V_DC made for the call
    Menu,     // V_MENU made for the call
    Files,    // kDropNameLength-character names, `fileCount` of them
    WParam,   // int32_t copy; the full value is in `wide`
    LParam,   // int32_t copy; the full value is in `wide`
};

// How a handler's result is read.
enum class ResultKind : uint8_t {
    Logical,  // true (not 0) or false
    Integer,  // an int32 code (WM_MOUSEACTIVATE, WM_NCHITTEST)
    Wide,     // an LRESULT (C++ routines of the generic form)
};

constexpr int kMaxHandlerArguments = 5;

// The decoded arguments of one call. It holds addresses into itself, so it
// is built in place and never copied.
struct HandlerArguments {
    HandlerArguments() = default;
    HandlerArguments(const HandlerArguments&) = delete;
    HandlerArguments& operator=(const HandlerArguments&) = delete;

    V_WINDOW* record = nullptr;  // the first argument (vWnd)
    ResultKind result = ResultKind::Logical;
    int32_t count = 0;
    std::array<ArgKind, kMaxHandlerArguments> kinds{};
    std::array<void*, kMaxHandlerArguments> addresses{};
    std::array<int32_t, kMaxHandlerArguments> values{};
    std::array<intptr_t, kMaxHandlerArguments> wide{};
    const char* files = nullptr;
    int32_t fileCount = 0;

    void AddInt(int32_t value) { AddValue(ArgKind::Int, value); }
    void AddLogical(bool value) { AddValue(ArgKind::Logical, value ? 1 : 0); }
    // The 32-bit copy is what by-reference callers receive; on 64-bit
    // Windows the high half of wParam and lParam is cut off there.
    void AddWide(ArgKind kind, intptr_t value) {
        wide[count] = value;
        AddValue(kind, static_cast<int32_t>(value));
    }
    void AddIntRef(int32_t& place) { AddAddress(ArgKind::IntRef, &place); }
    void AddWindow(V_WINDOW& window) { AddAddress(ArgKind::Window, &window); }
    void AddPoint(V_POINT& point) { AddAddress(ArgKind::Point, &point); }
    void AddDc(V_DC& dc) { AddAddress(ArgKind::DC, &dc); }
    void AddMenu(V_MENU& menu) { AddAddress(ArgKind::Menu, &menu); }
    void AddFiles(const char* names, int32_t n) {
        files = names;
        fileCount = n;
        AddAddress(ArgKind::Files, const_cast<char*>(names));
    }

private:
    void AddValue(ArgKind kind, int32_t value) {
        values[count] = value;
        AddAddress(kind, &values[count]);
    }
    void AddAddress(ArgKind kind, void* address) {
        kinds[count] = kind;
        addresses[count] = address;
        ++count;
    }
};

// Calls a registered routine with decoded arguments.
using HandlerInvoker = LRESULT (*)(GenericRoutine routine, const void* context,
                                   HandlerArguments& args);

// A registered message handler: the routine, how to call it, and what that
// caller needs besides (the Fortran drop-files trampoline).
struct MessageHandler {
    HandlerInvoker invoker = nullptr;
    GenericRoutine routine = nullptr;
    const void* context = nullptr;
};

// Reports a routine whose form does not match the message and gives 0.
LRESULT RaiseRoutineInterface();

// C++ routine types, by argument list. Several decodings share one list.
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

DroppedFiles FileList(const HandlerArguments& args);

// The argument kind a C++ parameter type stands for, and its value.
template <class T>
struct Parameter {
    static constexpr bool known = false;
};
template <class T, ArgKind K>
struct ReferenceParameter {
    static constexpr bool known = true;
    static constexpr ArgKind kind = K;
    static T& Get(HandlerArguments& a, int i) { return *static_cast<T*>(a.addresses[i]); }
};
template <>
struct Parameter<int32_t> {
    static constexpr bool known = true;
    static constexpr ArgKind kind = ArgKind::Int;
    static int32_t Get(HandlerArguments& a, int i) { return a.values[i]; }
};
template <>
struct Parameter<bool> {
    static constexpr bool known = true;
    static constexpr ArgKind kind = ArgKind::Logical;
    static bool Get(HandlerArguments& a, int i) { return a.values[i] != 0; }
};
template <>
struct Parameter<WPARAM> {
    static constexpr bool known = true;
    static constexpr ArgKind kind = ArgKind::WParam;
    static WPARAM Get(HandlerArguments& a, int i) { return static_cast<WPARAM>(a.wide[i]); }
};
template <>
struct Parameter<LPARAM> {
    static constexpr bool known = true;
    static constexpr ArgKind kind = ArgKind::LParam;
    static LPARAM Get(HandlerArguments& a, int i) { return static_cast<LPARAM>(a.wide[i]); }
};
template <>
struct Parameter<V_WINDOW&> : ReferenceParameter<V_WINDOW, ArgKind::Window> {};
template <>
struct Parameter<int32_t&> : ReferenceParameter<int32_t, ArgKind::IntRef> {};
template <>
struct Parameter<V_POINT&> : ReferenceParameter<V_POINT, ArgKind::Point> {};
template <>
struct Parameter<V_DC&> : ReferenceParameter<V_DC, ArgKind::DC> {};
template <>
struct Parameter<const V_DC&> : ReferenceParameter<const V_DC, ArgKind::DC> {};
template <>
struct Parameter<const V_MENU&> : ReferenceParameter<const V_MENU, ArgKind::Menu> {};
template <>
struct Parameter<const DroppedFiles&> {
    static constexpr bool known = true;
    static constexpr ArgKind kind = ArgKind::Files;
    static DroppedFiles Get(HandlerArguments& a, int) { return FileList(a); }
};

template <class R>
struct Result {
    static constexpr bool known = false;
};
template <>
struct Result<bool> {
    static constexpr bool known = true;
    static constexpr ResultKind kind = ResultKind::Logical;
    static LRESULT From(bool value) { return value ? 1 : 0; }
};
template <>
struct Result<int32_t> {
    static constexpr bool known = true;
    static constexpr ResultKind kind = ResultKind::Integer;
    static LRESULT From(int32_t value) { return value; }
};
template <>
struct Result<LRESULT> {
    static constexpr bool known = true;
    static constexpr ResultKind kind = ResultKind::Wide;
    static LRESULT From(LRESULT value) { return value; }
};

template <class R, class... A, size_t... I>
LRESULT CallTyped(R (*routine)(V_WINDOW&, A...), HandlerArguments& args,
                  std::index_sequence<I...>) {
    return Result<R>::From(routine(*args.record, Parameter<A>::Get(args, static_cast<int>(I))...));
}

// Calls a C++ routine of type R(V_WINDOW&, A...) when its parameter list is
// the one the message was decoded into.
template <class R, class... A>
LRESULT InvokeTyped(GenericRoutine routine, const void*, HandlerArguments& args) {
    if constexpr (Result<R>::known && (Parameter<A>::known && ...)) {
        constexpr std::array<ArgKind, sizeof...(A)> kinds{Parameter<A>::kind...};
        bool fits = args.result == Result<R>::kind && args.count == static_cast<int32_t>(kinds.size());
        for (size_t i = 0; fits && i < kinds.size(); ++i) fits = args.kinds[i] == kinds[i];
        if (!fits) return RaiseRoutineInterface();
        return CallTyped(reinterpret_cast<R (*)(V_WINDOW&, A...)>(routine), args,
                         std::index_sequence_for<A...>{});
    } else {
        return RaiseRoutineInterface();
    }
}

}  // namespace detail

// Wraps a C++ routine: it is called with the arguments its type declares.
template <class R, class... A>
MessageHandler MakeHandler(R (*routine)(V_WINDOW&, A...)) {
    return MessageHandler{&detail::InvokeTyped<R, A...>,
                          reinterpret_cast<GenericRoutine>(routine), nullptr};
}

// Calls a routine without a type (a Fortran function): every argument by
// reference, the result a 4-byte LOGICAL (or INTEGER for the integer
// decodings). A WM_DROPFILES handler goes through `context`, a
// FortranDropCaller, since only Fortran can build its array argument.
LRESULT InvokeByReference(GenericRoutine routine, const void* context, HandlerArguments& args);

// The Fortran side of a drop: calls `routine`(record, names(1:count)) with
// the names as CHARACTER(kDropNameLength) elements; returns its LOGICAL.
using FortranDropCaller = int32_t (*)(GenericRoutine routine, V_WINDOW* record,
                                      const char* names, int32_t count);

// Enters or replaces the handler of one message (false for a record that is
// not bound to a framework window, or when the table cannot grow).
bool VSetHandler(V_WINDOW& window, UINT message, MessageHandler handler);

template <class R, class... A>
bool VSetHandler(V_WINDOW& window, UINT message, R (*routine)(V_WINDOW&, A...)) {
    return VSetHandler(window, message, MakeHandler(routine));
}

// The six messages whose handlers get default processing inside
// CallMessageHandler when they return 0.
bool AppliesOwnDefaultProcessing(UINT message);

// Calls one handler with the arguments decoded for `message` and returns
// its result (after default processing for WM_ACTIVATE, WM_CLOSE,
// WM_ERASEBKGND, WM_CONTEXTMENU, WM_CHAR and WM_DEADCHAR when it returns 0).
LRESULT CallMessageHandler(const MessageHandler& handler, V_WINDOW& vWnd, UINT message,
                           WPARAM wParam, LPARAM lParam);

// A registered handler ready to be called with arguments a decoding builds.
class HandlerCall {
public:
    explicit HandlerCall(const MessageHandler& handler) : handler_(handler) {}
    LRESULT operator()(HandlerArguments& args) const {
        return handler_.invoker(handler_.routine, handler_.context, args);
    }

private:
    const MessageHandler& handler_;
};

}  // namespace velmora
