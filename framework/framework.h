// The window framework: application-wide state, the window procedure, the
// handler tables and the operations on window records.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "framework/handlers.h"
#include "framework/painting.h"
#include "framework/window_record.h"

extern "C" velmora::V_WINDOW velmora_frame_record;

namespace velmora {

// ---------------------------------------------------------------------------
// Constants

// Private messages. DLG_END_MESSAGE ends a modal dialog run (wParam = the
// run's result, lParam = the dialog window); WM_CREATE_CONTROL asks a
// framework window to create a child control (wParam = ControlCreationBlock*,
// lParam = the control id).
constexpr UINT DLG_END_MESSAGE = 0x8001;
constexpr UINT WM_CREATE_CONTROL = 0x8002;

// Continuable structured exceptions without arguments.
constexpr DWORD EXC_RECORD_MISMATCH = 0xE00000E1;    // "VWND" names another window's record
constexpr DWORD EXC_ROUTINE_INTERFACE = 0xE00000E3;  // routine declared with another form

constexpr char kFrameworkClassName[] = "VWndClass";
constexpr char kRecordProperty[] = "VWND";
constexpr char kControlProperty[] = "VCTL";
constexpr char kDataProperty[] = "VDATA";
// On a window whose record WindowAttach allocated: that record.
constexpr char kAttachedProperty[] = "VATT";

// Codes of WindowQuery (any other value is a mask of window styles).
constexpr int32_t QUERY_IS_WINDOW = -5;
constexpr int32_t QUERY_IS_BOUND = -4;
constexpr int32_t QUERY_IS_CHILD_OF = -3;
constexpr int32_t QUERY_IS_ZOOMED = -2;
constexpr int32_t QUERY_IS_ICONIC = -1;

// The creation block of WM_CREATE_CONTROL.
struct ControlCreationBlock {
    int32_t style = 0;
    int32_t kind = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t exStyle = 0;
};

// ---------------------------------------------------------------------------
// Application-wide state (all zero before the entry runs)

struct Application {
    V_WINDOW* frame = nullptr;      // always &VW_FRAME once the entry has run
    HINSTANCE module = nullptr;
    int32_t windowCount = 0;        // windows created or attached by the library
    HACCEL accelerators = nullptr;
    V_WINDOW* mdiClient = nullptr;  // set by MdiFrameCreate
    bool inMainRoutine = false;     // true while the entry calls the main routine
    MSG lastMessage{};              // the loop's message; wParam is the exit code
};

Application& App();

// The application frame: one record under a C name, so that a program in
// another language can declare it as its own (see frame_record.cpp).
inline V_WINDOW& VW_FRAME = ::velmora_frame_record;

// The program's main routine, called once by the entry: the command line as
// a 256-character blank-padded text and the show command. True asks for the
// application message loop.
using MainRoutine = bool (*)(const std::string& commandLine, int showCommand);
constexpr size_t kCommandLineLength = 256;

// Steps of the entry, exposed so that they can be driven without WinMain:
// records the frame and the module, clears the counters and registers
// "VWndClass".
void StartApplication(HINSTANCE module);
// StartApplication, then the main routine, then the loop if it asked for one.
// Returns the exit code (the WM_QUIT code, 0 when the loop never ran).
int RunApplication(HINSTANCE module, const char* commandLine, int showCommand,
                   MainRoutine mainRoutine);
// The application message loop with its filters (MDI keys, accelerators,
// dialog navigation of the active window). Returns the WM_QUIT code.
int RunMessageLoop();

// ---------------------------------------------------------------------------
// The window procedure and the routine callers

LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Calls a command subroutine or control callback as routine(window, id, code).
void CallCommandRoutine(V_WINDOW& window, CommandRoutine routine, int32_t id, int32_t code);

// Chooses what the window procedure returns for the WM_COMMAND or WM_NOTIFY
// whose command subroutine is running (1 unless set).
void SetCommandResult(int32_t result);

// ---------------------------------------------------------------------------
// Handler tables

bool VSetCommand(V_WINDOW& window, int32_t id, CommandRoutine routine);

// Frees both handler tables of a record (the counts are the caller's).
void FreeHandlerTables(V_WINDOW& window);

// Binary search of the ascending keys; the position is 1-based.
bool FindMessageHandler(const V_WINDOW& window, UINT message, int32_t& position);
bool FindCommandHandler(const V_WINDOW& window, int32_t id, int32_t& position);

// ---------------------------------------------------------------------------
// Records and windows

// The record of a window: its own when it is bound, else the one shared
// scratch record (overwritten by the next such call); null for a handle that
// is not a window. No handle (or 0) means the desktop window.
V_WINDOW* WindowForHandle(HWND hWnd = nullptr);

// The record bound to a window through "VWND", or null.
V_WINDOW* BoundRecord(HWND hWnd);

// The control-table entry of a window through "VCTL", or null.
ControlEntry* ControlEntryOf(HWND hWnd);

// Binds a record to a window: hWnd and the "VWND" property.
void BindRecord(V_WINDOW& window, HWND hWnd);

// Attaches a newly allocated record to an existing window, subclassing it
// unless it already uses WindowProc. `record` must be null on entry.
bool WindowAttach(HWND hWnd, V_WINDOW*& record);
// Undoes WindowAttach for a subclassed window and frees the record.
bool WindowDetach(V_WINDOW*& record);

// Empties the tables and removes "VWND" and "VCTL" (WM_NCDESTROY).
void WindowUnbind(V_WINDOW& window);

// Before a record is bound to a new window: if its old window still lives
// and carries the record, the window lets go of it ("VWND" removed, a
// subclassed window gets its own procedure back).
void ReleasePreviousWindow(V_WINDOW& window);

// True for a defProc that is a saved window procedure (a subclassed window).
bool IsSubclassProcedure(intptr_t defProc);

bool WindowQuery(const V_WINDOW& window, int32_t query, const V_WINDOW* other = nullptr);

// User data: one pointer-sized value per property name ("VDATA" by default).
bool WindowSetData(const V_WINDOW& window, intptr_t value, std::string_view name = {});
intptr_t WindowGetData(const V_WINDOW& window, std::string_view name = {});
intptr_t WindowRemoveData(const V_WINDOW& window, std::string_view name = {});

// The cursor over the client area; each returns the previous one.
HCURSOR WindowSetCursor(V_WINDOW& window, HCURSOR cursor = NoCursor());
HCURSOR WindowSetStandardCursor(V_WINDOW& window, int32_t cursorId = 0);

// ---------------------------------------------------------------------------
// Default processing, creation and styles

LRESULT DefaultProcessing(V_WINDOW* window, HWND hWnd, UINT message, WPARAM wParam,
                          LPARAM lParam);

LRESULT WindowSendMessage(const V_WINDOW& window, UINT message, WPARAM wParam, LPARAM lParam);

struct WindowCreateOptions {
    std::optional<std::string> title;
    std::optional<DWORD> exStyle;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    V_MENU* menu = nullptr;
    std::optional<std::string> className;
    std::optional<int32_t> controlId;
    std::optional<void*> createParam;  // default: the record itself
};

bool WindowCreate(V_WINDOW& window, const V_WINDOW& parent, DWORD style,
                  const WindowCreateOptions& options = {});

struct FrameOptions {
    V_MENU* menu = nullptr;
    std::optional<int32_t> iconId;
    std::optional<int> showCommand;
    std::optional<DWORD> style;
    std::optional<DWORD> exStyle;
};

// The application frame VW_FRAME as an ordinary window, and as the frame of
// a multiple-document application. Only while the main routine runs.
bool FrameCreate(const std::string& title, const FrameOptions& options = {});
bool MdiFrameCreate(V_MENU& menu, int32_t windowMenuPosition, const std::string& title,
                    std::optional<int32_t> iconId = std::nullopt,
                    std::optional<int> showCommand = std::nullopt);

// The MDI client record that MdiFrameCreate fills.
V_WINDOW& MdiClientRecord();

// which: 0 window style, 1 extended style (bit 30 = BUFFERED_PAINT),
// 2 class style; mode: 0 add, 1 replace, 2 remove.
constexpr int32_t STYLE_WINDOW = 0;
constexpr int32_t STYLE_EXTENDED = 1;
constexpr int32_t STYLE_CLASS = 2;
constexpr int32_t STYLE_ADD = 0;
constexpr int32_t STYLE_REPLACE = 1;
constexpr int32_t STYLE_REMOVE = 2;
int32_t WindowSetStyle(V_WINDOW& window, int32_t value, int32_t which = STYLE_WINDOW,
                       int32_t mode = STYLE_ADD);
int32_t WindowGetStyle(const V_WINDOW& window, int32_t which = STYLE_WINDOW);

}  // namespace velmora
