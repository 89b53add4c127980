// Application-wide state, the framework's window class and the application
// message loop.
#include <algorithm>
#include <cstring>

#include "framework/framework.h"

#include <commctrl.h>

namespace velmora {

Application& App() {
    static Application application;
    return application;
}

namespace {

constexpr UINT kFrameworkClassStyle = CS_DBLCLKS | CS_OWNDC;

void RegisterFrameworkClass(HINSTANCE module) {
    WNDCLASSA windowClass{};
    windowClass.style = kFrameworkClassStyle;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = module;
    windowClass.hIcon = nullptr;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(0x7F00));  // IDC_ARROW
    windowClass.hbrBackground = nullptr;
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = kFrameworkClassName;
    RegisterClassA(&windowClass);
}

// The command line as the main routine receives it: 256 characters,
// blank-padded (cut when longer).
std::string PaddedCommandLine(const char* commandLine) {
    std::string text(commandLine != nullptr ? commandLine : "");
    text.resize(kCommandLineLength, ' ');
    return text;
}

bool TakenByMdiKeys(MSG& message) {
    const V_WINDOW* client = App().mdiClient;
    return client != nullptr && TranslateMDISysAccel(client->hWnd, &message) != 0;
}

bool TakenByAccelerators(MSG& message) {
    const Application& app = App();
    if (app.accelerators == nullptr) return false;
    HWND frameWindow = app.frame != nullptr ? app.frame->hWnd : nullptr;
    return TranslateAcceleratorA(frameWindow, app.accelerators, &message) != 0;
}

bool TakenByDialogNavigation(MSG& message) {
    HWND active = GetActiveWindow();
    if (active == nullptr) return false;
    const LONG exStyle = GetWindowLongA(active, GWL_EXSTYLE);
    return (exStyle & WS_EX_CONTROLPARENT) != 0 && IsDialogMessageA(active, &message) != 0;
}

}  // namespace

void StartApplication(HINSTANCE module) {
    Application& app = App();
    app.frame = &VW_FRAME;
    app.module = module;
    app.windowCount = 0;
    app.mdiClient = nullptr;
    RegisterFrameworkClass(module);
}

int RunMessageLoop() {
    MSG& message = App().lastMessage;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TakenByMdiKeys(message)) continue;
        if (TakenByAccelerators(message)) continue;
        if (TakenByDialogNavigation(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

int RunApplication(HINSTANCE module, const char* commandLine, int showCommand,
                   MainRoutine mainRoutine) {
    StartApplication(module);
    Application& app = App();
    app.lastMessage = MSG{};
    app.inMainRoutine = true;
    const bool wantsLoop = mainRoutine != nullptr &&
                           mainRoutine(PaddedCommandLine(commandLine), showCommand);
    app.inMainRoutine = false;
    if (!wantsLoop) return static_cast<int>(app.lastMessage.wParam);
    return RunMessageLoop();
}

}  // namespace velmora
