// Helpers for driving real dialogs in tests: Wine detection, message
// pumping, user-like input and a log of callback calls.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/dialogs.h"

namespace velmora::testing {

// True under Wine (ntdll exports wine_get_version).
bool RunningUnderWine();

// Dispatches every message waiting in the thread's queue.
void PumpMessages();

// A left click at a point of a window's client area.
void ClickAt(HWND hWnd, POINT point);
// A click in the middle of a rectangle of a window's client area.
void ClickIn(HWND hWnd, const RECT& area);

// A left click with the mouse itself at a point of the screen: the system
// decides which window gets it.
void MouseClickAt(POINT screenPoint);

// Shows a dialog, makes it the active window and gives `control` the focus.
void FocusControl(const DIALOG& dialog, int32_t id);

// Characters typed into the control that has the focus.
void TypeText(const std::string& text);

// Counts the GDI objects of this process that are still alive among `handles`.
bool IsGdiObject(HGDIOBJ handle);

struct CallRecord {
    int32_t id = 0;
    int32_t event = 0;
    std::string note;  // what the callback read when it ran
};

// Callback calls in order; cleared by each test's fixture.
std::vector<CallRecord>& Calls();

// A callback that records (id, event).
void RecordCall(V_WINDOW& window, const int32_t& id, const int32_t& event);

}  // namespace velmora::testing
