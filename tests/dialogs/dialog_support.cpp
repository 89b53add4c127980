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
