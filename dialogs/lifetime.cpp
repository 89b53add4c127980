// Dialogs from templates: creation and the control table, showing, modal
// runs, ending and destruction.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "dialogs/control_kind.h"
#include "dialogs/dialog_init.h"
#include "dialogs/dialog_internal.h"
#include "dialogs/dialogs.h"
#include "framework/framework.h"

namespace velmora {
namespace {

constexpr WORD RT_DIALOG_INIT = 240;
constexpr int32_t kOkId = 1;
constexpr int32_t kCancelId = 2;

// ---------------------------------------------------------------------------
// Enumeration of a window's descendants

BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hWnd);
    return TRUE;
}

std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> windows;
    if (parent == nullptr || !IsWindow(parent)) return windows;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> ThreadWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

LONG_PTR ControlId(HWND hWnd) { return GetWindowLongPtrA(hWnd, GWLP_ID); }

// ---------------------------------------------------------------------------
// The control table

void InitEntry(ControlEntry& entry, HWND hWnd, int32_t kind, HWND parent) {
    entry = ControlEntry{};
    entry.hWnd = hWnd;
    entry.kind = kind;
    entry.style = GetWindowLongA(hWnd, GWL_STYLE);
    entry.hParent = parent;
    entry.hBrush = NoBrush();
    entry.textColor = COLOR_DEFAULT;
}

// False when there is no memory for the table (it then stays empty).
bool FillControlTable(DIALOG& dialog) {
    const std::vector<HWND> windows = Descendants(dialog.hWnd);
    const auto withId = [](HWND w) { return ControlId(w) > 0; };

    dialog.nControls = static_cast<int32_t>(std::count_if(windows.begin(), windows.end(), withId));
    AllocateControlTable(dialog, dialog.nControls + 1);
    if (dialog.controls.empty()) {
        dialog.nControls = 0;
        return false;
    }

    int32_t filled = 0;
    for (HWND control : windows) {
        if (!withId(control) || filled >= dialog.nControls) continue;
        ControlEntry& entry = dialog.controls[static_cast<std::size_t>(++filled)];
        InitEntry(entry, control, ClassifyControl(control), dialog.hWnd);
        SetPropA(control, kControlProperty, &entry);
        if (entry.kind == KIND_LISTVIEW) SetUpListView(control);
        const LONG_PTR id = ControlId(control);
        if (id == kOkId || id == kCancelId) entry.callbacks[0] = DefaultEndCallback;
    }
    dialog.nControls = filled;
    return true;
}

// Fills list and combo boxes from the RT_DLGINIT resource of the template.
void ApplyDialogInit(const DIALOG& dialog, HMODULE module, int32_t templateId) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(RT_DIALOG_INIT));
    if (found == nullptr) return;
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) return;
    for (const DialogInitRecord& record : ReadDialogInit(data, SizeofResource(module, found))) {
        if (record.message != DLGINIT_ADDSTRING) continue;
        HWND control = GetDlgItem(dialog.hWnd, record.controlId);
        const ControlEntry* entry = control != nullptr ? ControlEntryOf(control) : nullptr;
        if (entry == nullptr) continue;
        const auto text = reinterpret_cast<LPARAM>(record.text.c_str());
        if (entry->kind == KIND_DROPDOWNLIST || entry->kind == KIND_COMBOBOX)
            SendMessageA(control, CB_ADDSTRING, 0, text);
        else if (entry->kind == KIND_LISTBOX)
            SendMessageA(control, LB_ADDSTRING, 0, text);
    }
}

HWND ParentWindowFor(const V_WINDOW* parent) {
    if (parent != nullptr) return parent->hWnd;
    const V_WINDOW* frame = App().frame;
    if (frame != nullptr && IsWindow(frame->hWnd)) return frame->hWnd;
    return GetDesktopWindow();
}

DLGPROC FrameworkDialogProcedure() {
    // WindowProc serves as class, subclass and dialog procedure alike.
    return reinterpret_cast<DLGPROC>(reinterpret_cast<GenericRoutine>(&WindowProc));
}

bool IsLiveDialog(const DIALOG& dialog) {
    return dialog.hWnd != nullptr && GetPropA(dialog.hWnd, kRecordProperty) != nullptr;
}

// The EVT_INIT routine of a dialog that has just been shown.
void RouteInitEvent(DIALOG& dialog) {
    ControlEntry* entry = ControlEntryOf(dialog.hWnd);
    if (entry != nullptr) RouteDialogEvent(dialog, *entry, dialog.idDlg, DialogEvent::Init);
}

// ---------------------------------------------------------------------------
// Modal runs

// The dialogs whose modal runs are on the stack, innermost last. An end
// message for one of them that reaches an inner run is kept and posted again
// when the inner run returns.
std::vector<HWND>& RunningDialogs() {
    static std::vector<HWND> running;
    return running;
}

class RunningDialog {
public:
    explicit RunningDialog(HWND hWnd) { RunningDialogs().push_back(hWnd); }
    RunningDialog(const RunningDialog&) = delete;
    RunningDialog& operator=(const RunningDialog&) = delete;
    ~RunningDialog() { RunningDialogs().pop_back(); }
};

bool IsRunning(HWND hWnd) {
    const std::vector<HWND>& running = RunningDialogs();
    return std::find(running.begin(), running.end(), hWnd) != running.end();
}

struct ModalSetup {
    HWND dialog = nullptr;
    HWND owner = nullptr;
    bool disableAll = false;
    std::vector<HWND> disabled;  // what this run disabled, and enables again
};

// The drop-down list of a combo box is a top-level window of its own; it
// follows its combo box, which is disabled with its window or not at all.
bool IsDropDownList(HWND hWnd) { return LowerClassName(hWnd) == "combolbox"; }

// Disables the owner, or every other top-level window of the thread. A
// window that is disabled already (by the program, or by an outer run) is
// left alone, so that only this run's own work is undone after it.
void DisableOthers(ModalSetup& setup) {
    const auto disable = [&](HWND w) {
        if (w == nullptr || w == GetDesktopWindow() || !IsWindowEnabled(w)) return;
        EnableWindow(w, FALSE);
        setup.disabled.push_back(w);
    };
    if (!setup.disableAll) {
        disable(setup.owner);
        return;
    }
    for (HWND w : ThreadWindows())
        if (w != setup.dialog && !IsChild(setup.dialog, w) && !IsDropDownList(w)) disable(w);
}

void EnableOthers(const ModalSetup& setup) {
    for (HWND w : setup.disabled)
        if (IsWindow(w)) EnableWindow(w, TRUE);
}

bool ActiveWindowIsControlParent() {
    HWND active = GetActiveWindow();
    return active != nullptr && (GetWindowLongA(active, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0;
}

// The message loop of a modal run; returns the run's value.
int32_t RunModalLoop(HWND dialog) {
    RunningDialog running(dialog);
    std::vector<MSG> keptEndMessages;
    int32_t result = -1;
    MSG msg{};
    for (;;) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) break;
        if (msg.message == DLG_END_MESSAGE) {
            if (reinterpret_cast<HWND>(msg.lParam) == dialog) {
                result = static_cast<int32_t>(msg.wParam);
                break;
            }
            if (IsRunning(reinterpret_cast<HWND>(msg.lParam))) keptEndMessages.push_back(msg);
            continue;
        }
        if (!ActiveWindowIsControlParent() || !IsDialogMessageA(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        // A dialog destroyed during its run can never be ended.
        if (!IsWindow(dialog)) break;
    }
    for (const MSG& kept : keptEndMessages) PostMessageA(kept.hwnd, kept.message, kept.wParam, kept.lParam);
    return result;
}

}  // namespace

// ---------------------------------------------------------------------------

int32_t ClassifyControl(HWND control) {
    char name[32] = {};
    const int length = GetClassNameA(control, name, sizeof name);
    if (length <= 0) return KIND_OTHER;
    return KindFromClass(std::string_view(name, static_cast<std::size_t>(length)),
                         static_cast<uint32_t>(GetWindowLongA(control, GWL_STYLE)));
}

bool DlgCreate(int32_t templateId, DIALOG& dialog, const V_WINDOW* parent, HMODULE module) {
    // A record created again while its old window lives: that window lets go
    // of it, so that it neither names the new window's record nor releases
    // its tables when it is destroyed.
    ReleasePreviousWindow(dialog);
    ReleaseControlTable(dialog, false);
    dialog.hWnd = nullptr;
    dialog.nMsgHandlers = 0;
    dialog.nControls = 0;
    dialog.nCmdHandlers = 0;
    dialog.reserved = 0;
    dialog.idDlg = templateId;
    dialog.defProc = DEFPROC_DIALOG;

    InitCommonControls();
    if (module == nullptr) module = GetModuleHandleA(nullptr);
    HWND parentWindow = ParentWindowFor(parent);

    HWND hWnd = CreateDialogParamA(module, MAKEINTRESOURCEA(templateId), parentWindow,
                                   FrameworkDialogProcedure(), reinterpret_cast<LPARAM>(&dialog));
    if (hWnd == nullptr) {
        dialog.hWnd = nullptr;
        return false;
    }
    dialog.hWnd = hWnd;

    if (!FillControlTable(dialog)) {
        DestroyWindow(hWnd);
        dialog.hWnd = nullptr;
        return false;
    }
    ApplyDialogInit(dialog, module, templateId);

    ControlEntry& self = dialog.controls[0];
    SetPropA(hWnd, kControlProperty, &self);
    InitEntry(self, hWnd, KIND_DIALOG, parentWindow);

    if ((GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) != 0) SetWindowLongPtrA(hWnd, GWLP_ID, templateId);
    return true;
}

void BuildControlTable(V_WINDOW& window) {
    ReleaseControlTable(window, false);
    if (window.hWnd == nullptr || !IsWindow(window.hWnd)) return;
    if (!FillControlTable(window)) return;
    ControlEntry& self = window.controls[0];
    SetPropA(window.hWnd, kControlProperty, &self);
    InitEntry(self, window.hWnd, KIND_DIALOG, GetParent(window.hWnd));
}

bool DlgCreateFrame(int32_t templateId, V_MENU* menu, std::optional<int32_t> iconId) {
    if (!App().inMainRoutine) return false;
    const bool created = DlgCreate(templateId, VW_FRAME);
    if (!created) return false;
    if (menu != nullptr) WindowSetMenu(VW_FRAME, *menu);
    if (iconId) WindowSetIcon(VW_FRAME, *iconId);
    return true;
}

bool WindowSetIcon(V_WINDOW& window, int32_t iconId, HMODULE module) {
    if (window.hWnd == nullptr || !IsWindow(window.hWnd)) return false;
    if (module == nullptr) module = GetModuleHandleA(nullptr);
    const auto load = [&](int size, UINT flags) {
        return static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(iconId), IMAGE_ICON, size, size, flags));
    };
    HICON small = load(16, LR_DEFAULTCOLOR);
    if (small != nullptr) SendMessageA(window.hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    HICON big = load(0, LR_DEFAULTSIZE);
    if (big != nullptr) {
        SendMessageA(window.hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
        if (small == nullptr) SendMessageA(window.hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(big));
    }
    return small != nullptr || big != nullptr;
}

bool WindowSetMenu(V_WINDOW& window, V_MENU& menu) {
    const BOOL set = SetMenu(window.hWnd, menu.hMenu);
    menu.owner = window.hWnd;
    DrawMenuBar(window.hWnd);
    return set != FALSE;
}

bool DlgShow(DIALOG& dialog, int showCommand) {
    if (!IsLiveDialog(dialog)) return false;
    ShowWindow(dialog.hWnd, showCommand);
    RouteInitEvent(dialog);
    return true;
}

int32_t DlgRunModal(DIALOG& dialog, HWND owner, bool disableAll) {
    if (!IsLiveDialog(dialog)) return -1;
    HWND hWnd = dialog.hWnd;
    ShowWindow(hWnd, SW_SHOW);

    ModalSetup setup;
    setup.dialog = hWnd;
    setup.disableAll = disableAll;
    setup.owner = GetParent(hWnd);
    if (owner != nullptr && IsWindow(owner)) {
        setup.owner = owner;
        // The window becomes the dialog's owner, not its parent: the dialog
        // stays a top-level window above it, where the mouse reaches it.
        if ((GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) == 0)
            SetWindowLongPtrA(hWnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    }
    DisableOthers(setup);

    ShowWindow(hWnd, SW_SHOW);
    SetActiveWindow(hWnd);
    RouteInitEvent(dialog);

    MSG pendingQuit{};
    const bool hadQuit = PeekMessageA(&pendingQuit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;

    const int32_t result = RunModalLoop(hWnd);

    if (hadQuit) PostQuitMessage(static_cast<int>(pendingQuit.wParam));
    EnableOthers(setup);
    ShowWindow(hWnd, SW_HIDE);
    SetActiveWindow(setup.owner);
    return result;
}

bool DlgEnd(DIALOG& dialog, int32_t value) {
    if (dialog.hWnd == nullptr || !IsWindow(dialog.hWnd)) return false;
    return PostMessageA(dialog.hWnd, DLG_END_MESSAGE, static_cast<WPARAM>(static_cast<LONG_PTR>(value)),
                        reinterpret_cast<LPARAM>(dialog.hWnd)) != FALSE;
}

void DefaultEndCallback(DIALOG& dialog, const int32_t& id, const int32_t& /*event*/) {
    PostMessageA(dialog.hWnd, DLG_END_MESSAGE, static_cast<WPARAM>(static_cast<LONG_PTR>(id)),
                 reinterpret_cast<LPARAM>(dialog.hWnd));
    const V_WINDOW* frame = App().frame;
    if (frame != nullptr && dialog.hWnd == frame->hWnd) PostQuitMessage(0);
}

void DlgDestroy(DIALOG& dialog) {
    // Destroying the window releases the table on WM_DESTROY, after the
    // dialog's EVT_DESTROY routine has run with its entry still in place;
    // the release below covers a window that is gone or was never bound.
    if (dialog.hWnd != nullptr && IsWindow(dialog.hWnd)) DestroyWindow(dialog.hWnd);
    ReleaseControlTable(dialog, false);
    dialog.hWnd = nullptr;
}

void ReleaseControlTable(V_WINDOW& dialog, bool destroyChildren) {
    // Only this table's own entries: a nested dialog or attached child window
    // among the descendants keeps its table, and its controls their "VCTL",
    // until its own window is destroyed.
    for (ControlEntry& entry : dialog.controls) {
        if (entry.hWnd != nullptr && GetPropA(entry.hWnd, kControlProperty) == &entry) {
            if (entry.kind == KIND_LISTVIEW) ReleaseListView(entry.hWnd);
            RemovePropA(entry.hWnd, kControlProperty);
        }
        ReleaseEntryObjects(entry);
    }
    if (destroyChildren) {
        for (HWND w : Descendants(dialog.hWnd))
            if (IsWindow(w)) DestroyWindow(w);
    }
    FreeControlTable(dialog);
    dialog.nControls = 0;
}

LRESULT DlgSendMessage(DIALOG& dialog, int32_t id, UINT message, WPARAM wParam, LPARAM lParam) {
    if (dialog.hWnd == nullptr) return 0;
    HWND control = GetDlgItem(dialog.hWnd, id);
    if (control == nullptr) return 0;
    return SendMessageA(control, message, wParam, lParam);
}

}  // namespace velmora
