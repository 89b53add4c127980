#include "dialog_support.h"

namespace velmora::testing {

bool RunningUnderWine() {
    HMODULE ntdll = GetModuleHandleA("ntdll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void ClickAt(HWND hWnd, POINT point) {
    const LPARAM where = MAKELPARAM(point.x, point.y);
    SendMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, where);
    SendMessageA(hWnd, WM_LBUTTONUP, 0, where);
    PumpMessages();
}

void ClickIn(HWND hWnd, const RECT& area) {
    ClickAt(hWnd, POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2});
}

void MouseClickAt(POINT screenPoint) {
    // Absolute positions run from 0 to 65535 across the primary screen.
    const auto normal = [](LONG pixel, int metric) {
        const LONG size = GetSystemMetrics(metric);
        return static_cast<LONG>((pixel * 65536 + size - 1) / size);
    };
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) input.type = INPUT_MOUSE;
    inputs[0].mi.dx = normal(screenPoint.x, SM_CXSCREEN);
    inputs[0].mi.dy = normal(screenPoint.y, SM_CYSCREEN);
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, inputs, sizeof(INPUT));
}

void FocusControl(const DIALOG& dialog, int32_t id) {
    ShowWindow(dialog.hWnd, SW_SHOW);
    SetForegroundWindow(dialog.hWnd);
    SetActiveWindow(dialog.hWnd);
    SetFocus(GetDlgItem(dialog.hWnd, id));
    PumpMessages();
}

void TypeText(const std::string& text) {
    for (char c : text) {
        SendMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
        PumpMessages();
    }
}

bool IsGdiObject(HGDIOBJ handle) { return handle != nullptr && GetObjectType(handle) != 0; }

std::vector<CallRecord>& Calls() {
    static std::vector<CallRecord> calls;
    return calls;
}

void RecordCall(V_WINDOW& /*window*/, const int32_t& id, const int32_t& event) { Calls().push_back({id, event, {}}); }

}  // namespace velmora::testing
