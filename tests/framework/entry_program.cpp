// A program on the framework's entry: its main routine plays the scenario
// named by the first word of the command line, and the exit code tells the
// entry test what happened.
#include <windows.h>

#include <string>

#include "framework/app_entry.h"
#include "framework/framework.h"

namespace {

using namespace velmora;

constexpr UINT kTryFrameAgain = WM_USER + 1;
constexpr UINT kCheckFocus = WM_USER + 2;
constexpr int kFirstButton = 101;
constexpr int kSecondButton = 102;

LRESULT TryFrameAgain(V_WINDOW&, int32_t, WPARAM, LPARAM) {
    PostQuitMessage(FrameCreate("Late") ? 31 : 30);
    return 1;
}

LRESULT CheckFocus(V_WINDOW& window, int32_t, WPARAM, LPARAM) {
    const bool moved = GetFocus() == GetDlgItem(window.hWnd, kSecondButton);
    PostQuitMessage(moved ? 41 : 40);
    return 1;
}

bool StartFrame() {
    FrameOptions options;
    options.showCommand = SW_SHOWNORMAL;
    return FrameCreate("Entry test", options);
}

// A frame with two buttons; Tab is pressed on the first one.
bool TabScenario(bool controlParent) {
    FrameOptions options;
    options.showCommand = SW_SHOWNORMAL;
    if (controlParent) options.exStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
    if (!FrameCreate("Tabs", options)) return false;
    HWND first = CreateWindowExA(0, "Button", "1", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 5, 5, 60,
                                 20, VW_FRAME.hWnd, reinterpret_cast<HMENU>(kFirstButton),
                                 nullptr, nullptr);
    CreateWindowExA(0, "Button", "2", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 5, 30, 60, 20,
                    VW_FRAME.hWnd, reinterpret_cast<HMENU>(kSecondButton), nullptr, nullptr);
    SetForegroundWindow(VW_FRAME.hWnd);
    SetActiveWindow(VW_FRAME.hWnd);
    SetFocus(first);
    VSetHandler(VW_FRAME, kCheckFocus, CheckFocus);
    PostMessageA(first, WM_KEYDOWN, VK_TAB, 0x000F0001);
    PostMessageA(first, WM_KEYUP, VK_TAB, static_cast<LPARAM>(0xC00F0001u));
    PostMessageA(VW_FRAME.hWnd, kCheckFocus, 0, 0);
    return true;
}

}  // namespace

bool VelmoraMain(const std::string& commandLine, int /*showCommand*/) {
    const std::string scenario = commandLine.substr(0, commandLine.find(' '));
    if (scenario == "false") {
        StartFrame();
        return false;  // exit code 0 although the frame still exists
    }
    if (scenario == "quit") {
        StartFrame();
        PostQuitMessage(7);
        return true;
    }
    if (scenario == "padding") {
        const bool padded = commandLine.size() == kCommandLineLength &&
                            commandLine.compare(0, 12, "padding abc ") == 0 &&
                            commandLine.find_first_not_of(' ', 11) == std::string::npos;
        PostQuitMessage(padded ? 11 : 12);
        return true;
    }
    if (scenario == "lateframe") {
        if (!StartFrame()) return false;
        VSetHandler(VW_FRAME, kTryFrameAgain, TryFrameAgain);
        PostMessageA(VW_FRAME.hWnd, kTryFrameAgain, 0, 0);
        return true;
    }
    if (scenario == "closeframe") {
        if (!StartFrame()) return false;
        PostMessageA(VW_FRAME.hWnd, WM_CLOSE, 0, 0);  // destroying the frame quits with 0
        return true;
    }
    if (scenario == "tab") return TabScenario(true);
    if (scenario == "notab") return TabScenario(false);
    return false;
}
