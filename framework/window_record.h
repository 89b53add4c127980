// The framework's record of a window (V_WINDOW, also used as DIALOG) and the
// control-table row of the dialog module. Both modules include this header;
// the window framework owns the record, the dialog module fills the control
// table inside it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <new>
#include <type_traits>

namespace velmora {

struct V_WINDOW;
using DIALOG = V_WINDOW;

// A command subroutine or control callback: (record, ID, code or event).
// Like every routine the library calls, it takes its arguments by reference.
using CommandRoutine = void (*)(V_WINDOW& window, const int32_t& id, const int32_t& code);

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

// Any routine address; cast back to its real type before a call.
using GenericRoutine = void (*)();

// A registered message handler (framework/handlers.h).
struct MessageHandler;

// One column of a handler table: a plain pointer to storage that the library
// allocates and frees, elements numbered from 1. The table's capacity is kept
// beside it in the record.
template <class T>
struct TableColumn {
    T* data = nullptr;
    T& operator()(int32_t i) const { return data[i - 1]; }
    bool allocated() const { return data != nullptr; }
};

// The control table: entry 0 describes the window itself, entries 1 to
// nControls its controls. `count` is the number of entries allocated.
struct ControlTable {
    ControlEntry* entries = nullptr;
    int32_t count = 0;
    ControlEntry& operator[](std::size_t i) const { return entries[i]; }
    std::size_t size() const { return static_cast<std::size_t>(count); }
    bool empty() const { return count == 0; }
    ControlEntry* begin() const { return entries; }
    ControlEntry* end() const { return entries + count; }
};

// The record of a window. The program owns it (as a rule in static storage);
// the library never constructs, copies or frees a record, only the tables
// that hang from it. A record with these initial values is not bound:
// defProc DEFPROC_NONE, no cursor, no tables.
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
    int32_t msgCapacity = 0;  // entries allocated in msgKeys and msgRoutines
    int32_t cmdCapacity = 0;  // entries allocated in cmdKeys and cmdRoutines
    TableColumn<int32_t> msgKeys;
    TableColumn<MessageHandler> msgRoutines;
    TableColumn<int32_t> cmdKeys;
    TableColumn<CommandRoutine> cmdRoutines;
    ControlTable controls;
    int32_t scrollWidth = 0;
    int32_t scrollHeight = 0;
};

static_assert(std::is_standard_layout_v<V_WINDOW> && std::is_trivially_copyable_v<V_WINDOW>,
              "a program owns its records as plain data");
static_assert(std::is_standard_layout_v<ControlEntry> && std::is_trivially_copyable_v<ControlEntry>);

// Allocation of the tables that hang from a record. Only the library calls
// these; every table it allocates it frees again. Null when `count` is not
// positive or the memory is not there (no exception leaves the library).
template <class T>
T* AllocateTable(int32_t count) {
    return count > 0 ? new (std::nothrow) T[static_cast<std::size_t>(count)]() : nullptr;
}
template <class T>
void FreeTable(T*& data) {
    delete[] data;
    data = nullptr;
}

inline void FreeControlTable(V_WINDOW& window) {
    FreeTable(window.controls.entries);
    window.controls.count = 0;
}

// Replaces the control table by `count` fresh entries.
inline void AllocateControlTable(V_WINDOW& window, int32_t count) {
    FreeControlTable(window);
    window.controls.entries = AllocateTable<ControlEntry>(count);
    if (window.controls.entries != nullptr) window.controls.count = count;
}

}  // namespace velmora
