// Default processing by kind of window, window and frame creation, and the
// style operations that also carry BUFFERED_PAINT.
#include "common/text.h"
#include "framework/framework.h"

#include <commctrl.h>

#include "dialogs/dialogs.h"

namespace velmora {
namespace {

constexpr DWORD kFrameStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;  // 0x2CF0000
constexpr DWORD kFrameExStyle = WS_EX_APPWINDOW;
constexpr DWORD kMdiClientStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;  // 0x52000000
constexpr DWORD kBufferedPaintBit = static_cast<DWORD>(BUFFERED_PAINT);
constexpr UINT kFirstMdiChildId = 1;
constexpr char kMdiClientClass[] = "MDICLIENT";

bool IsFrameworkClass(const std::string& className) {
    return lstrcmpiA(className.c_str(), kFrameworkClassName) == 0;
}

// The window procedure of a class of the program's module or of the system;
// false when neither knows the class.
bool FindClassProcedure(const std::string& className, WNDPROC& procedure) {
    WNDCLASSA info{};
    if (GetClassInfoA(App().module, className.c_str(), &info) ||
        GetClassInfoA(nullptr, className.c_str(), &info)) {
        procedure = info.lpfnWndProc;
        return true;
    }
    return false;
}

HMENU MenuArgument(DWORD style, const WindowCreateOptions& options) {
    if ((style & WS_CHILD) == 0) {
        return options.menu != nullptr ? options.menu->hMenu : nullptr;
    }
    if (options.controlId) {
        return reinterpret_cast<HMENU>(static_cast<intptr_t>(*options.controlId));
    }
    return nullptr;
}

bool ShowFrame(std::optional<int32_t> iconId, std::optional<int> showCommand) {
    if (iconId) WindowSetIcon(VW_FRAME, *iconId);
    ShowWindow(VW_FRAME.hWnd, showCommand.value_or(SW_SHOW));
    return true;
}

}  // namespace

LRESULT DefaultProcessing(V_WINDOW* window, HWND hWnd, UINT message, WPARAM wParam,
                          LPARAM lParam) {
    if (window == nullptr) {
        // A dialog whose record let go of it still has WindowProc as its
        // dialog procedure; the dialog manager does its default processing.
        if (GetWindowLongPtrA(hWnd, DWLP_DLGPROC) == reinterpret_cast<LONG_PTR>(&WindowProc))
            return 0;
        return DefWindowProcA(hWnd, message, wParam, lParam);
    }
    switch (window->defProc) {
        case DEFPROC_DIALOG:
            return 0;  // the dialog manager does its own default processing
        case DEFPROC_NONE:
            return DefWindowProcA(hWnd, message, wParam, lParam);
        case DEFPROC_FRAMEWORK: {
            if ((GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0) {
                return DefMDIChildProcA(hWnd, message, wParam, lParam);
            }
            const Application& app = App();
            if (app.frame != nullptr && window->hWnd == app.frame->hWnd &&
                app.mdiClient != nullptr) {
                return DefFrameProcA(hWnd, app.mdiClient->hWnd, message, wParam, lParam);
            }
            return DefWindowProcA(hWnd, message, wParam, lParam);
        }
        default:
            return CallWindowProcA(reinterpret_cast<WNDPROC>(window->defProc), hWnd, message,
                                   wParam, lParam);
    }
}

LRESULT WindowSendMessage(const V_WINDOW& window, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(window.hWnd, message, wParam, lParam);
}

bool WindowCreate(V_WINDOW& window, const V_WINDOW& parent, DWORD style,
                  const WindowCreateOptions& options) {
    // The record starts afresh: its old window (if any) lets go of it, and
    // the tables of its earlier life are freed.
    ReleasePreviousWindow(window);
    if (!window.controls.empty()) ReleaseControlTable(window, false);
    FreeHandlerTables(window);
    window = V_WINDOW{};
    const std::string title = options.title ? std::string(common::TrimTrailingBlanks(*options.title)) : std::string();

    DWORD exStyle = options.exStyle.value_or(0);
    if ((exStyle & kBufferedPaintBit) != 0) {
        exStyle &= ~kBufferedPaintBit;
        window.flags |= BUFFERED_PAINT;
    }
    const HMENU menu = MenuArgument(style, options);
    void* createParam = options.createParam.value_or(&window);

    std::string className = kFrameworkClassName;
    bool frameworkClass = true;
    if (options.className) {
        className = std::string(common::TrimTrailingBlanks(*options.className));
        WNDPROC procedure = nullptr;
        if (!FindClassProcedure(className, procedure)) {
            window.hWnd = nullptr;
            return false;
        }
        // A class of the program's whose procedure is WindowProc is a
        // framework class too: its windows need no subclassing.
        frameworkClass = IsFrameworkClass(className) || procedure == &WindowProc;
        window.defProc = frameworkClass ? DEFPROC_FRAMEWORK : reinterpret_cast<intptr_t>(procedure);
    } else {
        window.defProc = DEFPROC_FRAMEWORK;
    }

    HWND created = CreateWindowExA(exStyle, className.c_str(), title.c_str(), style, options.x,
                                   options.y, options.width, options.height, parent.hWnd, menu,
                                   App().module, createParam);
    window.hWnd = created;
    if (created == nullptr) return false;
    ++App().windowCount;

    if (!frameworkClass) {
        // The class procedure never saw the record: subclass and bind here.
        window.defProc = SetWindowLongPtrA(created, GWLP_WNDPROC,
                                           reinterpret_cast<LONG_PTR>(&WindowProc));
        SetPropA(created, kRecordProperty, &window);
    }
    if ((style & WS_CHILD) == 0 && options.menu != nullptr) options.menu->owner = created;
    return true;
}

bool FrameCreate(const std::string& title, const FrameOptions& options) {
    if (!App().inMainRoutine) return false;
    InitCommonControls();
    WindowCreateOptions create;
    create.title = title;
    create.exStyle = options.exStyle.value_or(kFrameExStyle);
    create.menu = options.menu;
    create.className = kFrameworkClassName;
    const bool created =
        WindowCreate(VW_FRAME, *WindowForHandle(), options.style.value_or(kFrameStyle), create);
    if (created) ShowFrame(options.iconId, options.showCommand);
    return created;
}

V_WINDOW& MdiClientRecord() {
    static V_WINDOW client;
    return client;
}

bool MdiFrameCreate(V_MENU& menu, int32_t windowMenuPosition, const std::string& title,
                    std::optional<int32_t> iconId, std::optional<int> showCommand) {
    if (!App().inMainRoutine) return false;
    InitCommonControls();
    WindowCreateOptions frame;
    frame.title = title;
    frame.exStyle = kFrameExStyle;
    frame.menu = &menu;
    frame.className = kFrameworkClassName;
    if (!WindowCreate(VW_FRAME, *WindowForHandle(), kFrameStyle, frame)) return false;

    V_WINDOW& client = MdiClientRecord();
    App().mdiClient = &client;
    CLIENTCREATESTRUCT clientCreate{};
    clientCreate.hWindowMenu = GetSubMenu(menu.hMenu, windowMenuPosition - 1);
    clientCreate.idFirstChild = kFirstMdiChildId;
    WindowCreateOptions clientOptions;
    clientOptions.className = kMdiClientClass;
    clientOptions.createParam = &clientCreate;
    const bool created = WindowCreate(client, VW_FRAME, kMdiClientStyle, clientOptions);

    RECT area{};
    GetClientRect(VW_FRAME.hWnd, &area);
    SendMessageA(VW_FRAME.hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(area.right, area.bottom));
    ShowFrame(iconId, showCommand);
    return created;
}

int32_t WindowSetStyle(V_WINDOW& window, int32_t value, int32_t which, int32_t mode) {
    if (!IsWindow(window.hWnd)) return 0;
    LONG current = 0;
    switch (which) {
        case STYLE_WINDOW:
            current = GetWindowLongA(window.hWnd, GWL_STYLE);
            break;
        case STYLE_EXTENDED:
            current = GetWindowLongA(window.hWnd, GWL_EXSTYLE);
            if ((window.flags & BUFFERED_PAINT) != 0) current |= BUFFERED_PAINT;
            break;
        case STYLE_CLASS:
            current = static_cast<LONG>(GetClassLongPtrA(window.hWnd, GCL_STYLE));
            break;
        default:
            return 0;
    }
    LONG next = current;
    switch (mode) {
        case STYLE_ADD: next = current | value; break;
        case STYLE_REPLACE: next = value; break;
        case STYLE_REMOVE: next = current & ~value; break;
        default: break;
    }
    switch (which) {
        case STYLE_WINDOW:
            return SetWindowLongA(window.hWnd, GWL_STYLE, next);
        case STYLE_CLASS:
            return static_cast<int32_t>(SetClassLongPtrA(window.hWnd, GCL_STYLE, next));
        default:
            if ((next & BUFFERED_PAINT) != 0) {
                window.flags |= BUFFERED_PAINT;
            } else {
                window.flags &= ~BUFFERED_PAINT;
            }
            return SetWindowLongA(window.hWnd, GWL_EXSTYLE, next & ~BUFFERED_PAINT);
    }
}

int32_t WindowGetStyle(const V_WINDOW& window, int32_t which) {
    if (!IsWindow(window.hWnd)) return 0;
    switch (which) {
        case STYLE_WINDOW: return GetWindowLongA(window.hWnd, GWL_STYLE);
        case STYLE_EXTENDED: return GetWindowLongA(window.hWnd, GWL_EXSTYLE);
        case STYLE_CLASS: return static_cast<int32_t>(GetClassLongPtrA(window.hWnd, GCL_STYLE));
        default: return 0;
    }
}

}  // namespace velmora
