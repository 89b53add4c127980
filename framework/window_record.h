// The framework's record of a window (V_WINDOW, also used as DIALOG) and the
// control-table row of the dialog module. Both modules include this header;
// the window framework owns the record, the dialog module fills the control
// table inside it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace velmora {

struct V_WINDOW;
using DIALOG = V_WINDOW;

// A command subroutine or control callback: (record, ID, code or event).
using CommandRoutine = void (*)(V_WINDOW& window, int32_t id, int32_t code);

// Values of V_WINDOW::defProc other than a saved window procedure.
constexpr intptr_t DEFPROC_FRAMEWORK = 0;   // a window of class "VWndClass"
constexpr intptr_t DEFPROC_DIALOG = -1;     // the system's dialog manager
constexpr intptr_t DEFPROC_NONE = -2;       // not a framework window

// V_WINDOW::flags: paint through an off-screen bitmap.
constexpr int32_t BUFFERED_PAINT = 0x40000000;

// Handles stored as -1 mean "none" in these fields.
inline HCURSOR NoCursor() { return reinterpret_cast<HCURSOR>(static_cast<intptr_t>(-1)); }
inline HBRUSH NoBrush() { return reinterpret_cast<HBRUSH>(static_cast<intptr_t>(-1)); }

constexpr int kCallbackSlots = 6;

// One row of a dialog's control table. Entry 0 describes the dialog itself.
struct ControlEntry {
    HWND hWnd = nullptr;
    int32_t kind = 0;
    LONG style = 0;
    HWND hParent = nullptr;
    CommandRoutine callbacks[kCallbackSlots] = {};
    HBRUSH hBrush = NoBrush();  // owned by the entry; NoBrush() = none
    int32_t textColor = -1;     // RGB 0..0xFFFFFF; -1 = system default
    HFONT hFont = nullptr;      // owned by the entry
};

// A menu handle and the window that owns it.
struct V_MENU {
    HMENU hMenu = nullptr;
    HWND owner = nullptr;
};

// A point as handlers receive it (in place in MINMAXINFO, for example).
struct V_POINT {
    int32_t x = 0;
    int32_t y = 0;
};

// Handler forms: one per argument decoding of the window procedure. The
// framework defines the enumerators (framework/handlers.h).
enum class HandlerForm : int32_t;

// Any routine address; cast back to its real type before a call.
using GenericRoutine = void (*)();

// A registered message handler carries its form so that the window procedure
// calls it only with the argument list it was declared with.
struct MessageHandler {
    HandlerForm form{};
    GenericRoutine routine = nullptr;
};

// A dynamic array with lower bound 1 and an explicit capacity (the handler
// tables grow by a fixed rule, so the capacity is observable).
template <class T>
class HandlerArray {
public:
    int32_t capacity() const { return capacity_; }
    bool allocated() const { return data_ != nullptr; }
    T& operator()(int32_t i) { return data_[i - 1]; }
    const T& operator()(int32_t i) const { return data_[i - 1]; }
    // Reallocates to exactly newCapacity entries, keeping the first `keep`.
    void reallocate(int32_t newCapacity, int32_t keep) {
        std::unique_ptr<T[]> fresh(new T[newCapacity]());
        for (int32_t i = 0; i < keep && i < newCapacity; ++i) fresh[i] = data_[i];
        data_ = std::move(fresh);
        capacity_ = newCapacity;
    }
    void release() {
        data_.reset();
        capacity_ = 0;
    }

private:
    std::unique_ptr<T[]> data_;
    int32_t capacity_ = 0;
};

// The record of a window. A default-constructed record is the static
// initial value: not bound, defProc DEFPROC_NONE, no cursor.
struct V_WINDOW {
    HWND hWnd = nullptr;
    int32_t nMsgHandlers = 0;
    int32_t nControls = 0;   // entries 1..nControls of `controls` are in use
    int32_t nCmdHandlers = 0;
    int32_t reserved = 0;
    int32_t idDlg = 0;
    intptr_t defProc = DEFPROC_NONE;  // or a saved WNDPROC
    HCURSOR hCursor = NoCursor();
    int32_t flags = 0;
    HandlerArray<int32_t> msgKeys;
    HandlerArray<MessageHandler> msgRoutines;
    HandlerArray<int32_t> cmdKeys;
    HandlerArray<CommandRoutine> cmdRoutines;
    std::vector<ControlEntry> controls;  // lower bound 0; entry 0 = the dialog
    int32_t scrollWidth = 0;
    int32_t scrollHeight = 0;
};

}  // namespace velmora
