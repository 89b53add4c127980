// WindowProc: binding, commands and notifications, the built-in behaviours
// (Cancel, quitting with the frame, control colours, cursor, focus, system
// colours, control creation, centring) and the record-mismatch check.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "dialogs/constants.h"
#include "framework/framework.h"
#include "tests/framework/test_support.h"

namespace velmora {
namespace {

using test::ScopedWindow;

struct CommandCall {
    V_WINDOW* window;
    int32_t id;
    int32_t code;
};
std::vector<CommandCall> commandCalls;
int32_t resultToSet = 0;

void RecordCommand(V_WINDOW& window, const int32_t& id, const int32_t& code) {
    commandCalls.push_back({&window, id, code});
    if (resultToSet != 0) SetCommandResult(resultToSet);
}

int handlerCalls = 0;
bool handlerResult = false;
bool CountingHandler(V_WINDOW&) {
    ++handlerCalls;
    return handlerResult;
}

class WindowProcTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::StartFramework();
        commandCalls.clear();
        resultToSet = 0;
        handlerCalls = 0;
        handlerResult = false;
        test::PumpMessages();
        test::TakeQuit();
    }
    void TearDown() override {
        App().frame = &VW_FRAME;
        test::PumpMessages();
        test::TakeQuit();
    }
};

V_WINDOW* ChildWindow(V_WINDOW& record, const V_WINDOW& parent, int32_t id,
                      DWORD exStyle = 0) {
    WindowCreateOptions options;
    options.x = 0;
    options.y = 0;
    options.width = 100;
    options.height = 80;
    options.controlId = id;
    options.exStyle = exStyle;
    return WindowCreate(record, parent, WS_CHILD | WS_VISIBLE, options) ? &record : nullptr;
}

TEST_F(WindowProcTest, MenuCommandAndAcceleratorBothArriveWithCodeZero) {
    V_WINDOW record;
    ScopedWindow window(record);
    ASSERT_TRUE(VSetCommand(record, 100, RecordCommand));
    EXPECT_EQ(SendMessageA(window.get(), WM_COMMAND, MAKEWPARAM(100, 0), 0), 1);

    ACCEL key{FVIRTKEY | FCONTROL, 'K', 100};
    HACCEL table = CreateAcceleratorTableA(&key, 1);
    MSG message{window.get(), WM_KEYDOWN, 'K', 1, 0, {}};
    // TranslateAccelerator checks the key state of Ctrl.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    const bool translated = TranslateAcceleratorA(window.get(), table, &message) != 0;
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    DestroyAcceleratorTable(table);
    ASSERT_TRUE(translated);

    ASSERT_EQ(commandCalls.size(), 2u);
    for (const CommandCall& call : commandCalls) {
        EXPECT_EQ(call.window, &record);
        EXPECT_EQ(call.id, 100);
        EXPECT_EQ(call.code, 0);
    }
}

TEST_F(WindowProcTest, CommandResultIsChosenByTheSubroutineAndThenReset) {
    V_WINDOW record;
    ScopedWindow window(record);
    ASSERT_TRUE(VSetCommand(record, 7, RecordCommand));
    resultToSet = 42;
    EXPECT_EQ(SendMessageA(window.get(), WM_COMMAND, MAKEWPARAM(7, 0), 0), 42);
    resultToSet = 0;
    EXPECT_EQ(SendMessageA(window.get(), WM_COMMAND, MAKEWPARAM(7, 0), 0), 1);
    // A notification code of a control other than 1 stays as it is.
    HWND edit = CreateWindowExA(0, "Edit", "", WS_CHILD, 0, 0, 50, 20, window.get(),
                                reinterpret_cast<HMENU>(7), nullptr, nullptr);
    SendMessageA(window.get(), WM_COMMAND, MAKEWPARAM(7, 1), reinterpret_cast<LPARAM>(edit));
    EXPECT_EQ(commandCalls.back().code, 1);
}

TEST_F(WindowProcTest, EmptyRegistrationsAreNeverCalled) {
    V_WINDOW record;
    ScopedWindow window(record);
    ASSERT_TRUE(VSetCommand(record, 12, nullptr));
    ASSERT_TRUE(VSetHandler(record, WM_USER + 9, MessageHandler{}));
    EXPECT_EQ(SendMessageA(window.get(), WM_COMMAND, MAKEWPARAM(12, 0), 0), 1);
    EXPECT_EQ(SendMessageA(window.get(), WM_USER + 9, 0, 0), 0);
}

TEST_F(WindowProcTest, ControlCommandGoesToTheFrameworkWindowThatOwnsTheControl) {
    V_WINDOW outer;
    ScopedWindow window(outer);
    V_WINDOW panel;
    ASSERT_NE(ChildWindow(panel, outer, 50), nullptr);
    HWND button = CreateWindowExA(0, "Button", "", WS_CHILD, 0, 0, 30, 20, panel.hWnd,
                                  reinterpret_cast<HMENU>(8), nullptr, nullptr);
    ASSERT_TRUE(VSetCommand(outer, 8, RecordCommand));
    ASSERT_TRUE(VSetCommand(panel, 8, RecordCommand));
    SendMessageA(outer.hWnd, WM_COMMAND, MAKEWPARAM(8, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    ASSERT_EQ(commandCalls.size(), 1u);
    EXPECT_EQ(commandCalls[0].window, &panel);
}

TEST_F(WindowProcTest, ControlCallbackRunsInsteadOfTheCommandSubroutine) {
    V_WINDOW record;
    ScopedWindow window(record);
    HWND button = CreateWindowExA(0, "Button", "", WS_CHILD | BS_PUSHBUTTON, 0, 0, 30, 20,
                                  window.get(), reinterpret_cast<HMENU>(9), nullptr, nullptr);
    ControlEntry entry;
    entry.hWnd = button;
    entry.kind = KIND_PUSHBUTTON;
    entry.style = GetWindowLongA(button, GWL_STYLE);
    entry.hParent = window.get();
    entry.callbacks[0] = RecordCommand;
    SetPropA(button, "VCTL", &entry);
    ASSERT_TRUE(VSetCommand(record, 9, RecordCommand));
    EXPECT_EQ(SendMessageA(window.get(), WM_COMMAND, MAKEWPARAM(9, BN_CLICKED),
                           reinterpret_cast<LPARAM>(button)),
              0);
    ASSERT_EQ(commandCalls.size(), 1u);
    EXPECT_EQ(commandCalls[0].code, EVT_CLICKED);
    RemovePropA(button, "VCTL");
}

// An in-memory dialog template: one push button, id 2.
struct DialogTemplate {
    DLGTEMPLATE dialog;
    WORD menu, windowClass, title;
    DLGITEMTEMPLATE item;  // DWORD-aligned: the dialog part is 24 bytes
    WORD itemClass[2];
    WORD itemTitle, itemData;
};

HWND CreateFrameworkDialog(V_WINDOW& record, HWND owner, DWORD extraStyle = 0,
                           short width = 100, short height = 60) {
    alignas(4) static DialogTemplate templ;
    templ = DialogTemplate{};
    templ.dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | extraStyle;
    templ.dialog.cdit = 1;
    templ.dialog.cx = width;
    templ.dialog.cy = height;
    templ.item.style = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
    templ.item.x = 5;
    templ.item.y = 5;
    templ.item.cx = 40;
    templ.item.cy = 14;
    templ.item.id = IDCANCEL;
    templ.itemClass[0] = 0xFFFF;
    templ.itemClass[1] = 0x0080;  // button
    record = V_WINDOW{};
    record.defProc = DEFPROC_DIALOG;
    return CreateDialogIndirectParamA(
        GetModuleHandleA(nullptr), &templ.dialog, owner,
        reinterpret_cast<DLGPROC>(reinterpret_cast<GenericRoutine>(&WindowProc)),
        reinterpret_cast<LPARAM>(&record));
}

// Destroys the dialog before its record goes out of scope.
class ScopedDialog {
public:
    ScopedDialog(V_WINDOW& record, HWND owner = nullptr, DWORD extraStyle = 0)
        : hWnd_(CreateFrameworkDialog(record, owner, extraStyle)) {}
    ScopedDialog(const ScopedDialog&) = delete;
    ScopedDialog& operator=(const ScopedDialog&) = delete;
    ~ScopedDialog() {
        if (IsWindow(hWnd_)) DestroyWindow(hWnd_);
    }
    HWND get() const { return hWnd_; }

private:
    HWND hWnd_;
};

// Dispatches the command that the dialog manager posted for the dialog.
void DispatchPostedCommand(HWND dialog) {
    MSG message;
    while (PeekMessageA(&message, dialog, WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Wine hands out a pending WM_QUIT whatever the filter: keep it.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        DispatchMessageA(&message);
    }
}

bool TakeEndMessage(HWND dialog, WPARAM* value) {
    MSG message;
    if (!PeekMessageA(&message, dialog, DLG_END_MESSAGE, DLG_END_MESSAGE, PM_REMOVE)) {
        return false;
    }
    *value = message.wParam;
    return message.lParam == reinterpret_cast<LPARAM>(dialog);
}

TEST_F(WindowProcTest, EscapeInADialogEndsItWithCancelAndQuitsWhenItIsTheFrame) {
    V_WINDOW dialog;
    ScopedDialog scoped(dialog);
    HWND hDlg = scoped.get();
    ASSERT_NE(hDlg, nullptr);
    EXPECT_EQ(dialog.hWnd, hDlg);

    MSG escape{hDlg, WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {}};
    ASSERT_TRUE(IsDialogMessageA(hDlg, &escape));
    WPARAM value = 0;
    ASSERT_TRUE(TakeEndMessage(hDlg, &value));
    EXPECT_EQ(value, static_cast<WPARAM>(IDCANCEL));
    EXPECT_FALSE(test::TakeQuit());

    App().frame = &dialog;
    // The caption's close box: the dialog manager turns WM_CLOSE into Cancel.
    EXPECT_EQ(SendMessageA(hDlg, WM_CLOSE, 0, 0), 0);
    DispatchPostedCommand(hDlg);
    ASSERT_TRUE(TakeEndMessage(hDlg, &value));
    EXPECT_EQ(value, static_cast<WPARAM>(IDCANCEL));
    int code = -1;
    EXPECT_TRUE(test::TakeQuit(&code));
    EXPECT_EQ(code, 0);
    App().frame = &VW_FRAME;
}

TEST_F(WindowProcTest, CancelTakenByACommandSubroutineDoesNotEndTheDialog) {
    V_WINDOW dialog;
    ScopedDialog scoped(dialog);
    HWND hDlg = scoped.get();
    ASSERT_TRUE(VSetCommand(dialog, IDCANCEL, RecordCommand));
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
    EXPECT_EQ(commandCalls.size(), 1u);
    WPARAM value = 0;
    EXPECT_FALSE(TakeEndMessage(hDlg, &value));
}

TEST_F(WindowProcTest, DialogWithDsCenterIsCentredOnItsOwnerAndStaysHidden) {
    V_WINDOW owner;
    WindowCreateOptions options;
    options.x = 100;
    options.y = 50;
    options.width = 500;
    options.height = 400;
    ScopedWindow ownerWindow(owner, WS_OVERLAPPEDWINDOW | WS_VISIBLE, options);
    V_WINDOW dialog;
    ScopedDialog scoped(dialog, ownerWindow.get(), DS_CENTER);
    HWND hDlg = scoped.get();
    ASSERT_NE(hDlg, nullptr);
    RECT o{};
    RECT d{};
    GetWindowRect(ownerWindow.get(), &o);
    GetWindowRect(hDlg, &d);
    const int width = d.right - d.left;
    const int height = d.bottom - d.top;
    EXPECT_EQ(d.left, (o.left + o.right - width) / 2);
    EXPECT_EQ(d.top, (o.top + o.bottom - height) / 2);
    EXPECT_FALSE(IsWindowVisible(hDlg));
}

TEST_F(WindowProcTest, NotifyFromANestedPanelGoesToThePanel) {
    V_WINDOW outer;
    ScopedWindow window(outer);
    V_WINDOW panel;
    ASSERT_NE(ChildWindow(panel, outer, 60, WS_EX_CONTROLPARENT), nullptr);
    HWND control = CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 10, 10, panel.hWnd,
                                   reinterpret_cast<HMENU>(5), nullptr, nullptr);
    ASSERT_TRUE(VSetCommand(outer, 5, RecordCommand));
    ASSERT_TRUE(VSetCommand(panel, 5, RecordCommand));
    NMHDR header{control, 5, static_cast<UINT>(-12345)};
    resultToSet = 3;
    EXPECT_EQ(SendMessageA(outer.hWnd, WM_NOTIFY, 77, reinterpret_cast<LPARAM>(&header)), 3);
    ASSERT_EQ(commandCalls.size(), 1u);
    EXPECT_EQ(commandCalls[0].window, &panel);
    EXPECT_EQ(commandCalls[0].id, 77);  // the command subroutine gets wParam
    EXPECT_EQ(commandCalls[0].code, -12345);

    // Without a command subroutine: 0, and never default processing.
    NMHDR other{control, 6, 1};
    EXPECT_EQ(SendMessageA(panel.hWnd, WM_NOTIFY, 6, reinterpret_cast<LPARAM>(&other)), 0);
    // A missing notification block is not read.
    EXPECT_EQ(SendMessageA(panel.hWnd, WM_NOTIFY, 6, 0), 0);
}

// A record bound to a second window behind the library's back (the window
// made directly with the record as its creation parameter): the first
// window reports the mismatch, and its destruction leaves the record, its
// tables and the second window's binding alone.
TEST_F(WindowProcTest, RecordBoundToASecondWindowIsReportedByTheFirst) {
    test::ExceptionCounter mismatches(EXC_RECORD_MISMATCH);
    V_WINDOW record;
    ScopedWindow first(record);
    HWND second = CreateWindowExA(0, kFrameworkClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), &record);
    ASSERT_EQ(record.hWnd, second);
    ASSERT_TRUE(VSetHandler(record, WM_USER, CountingHandler));
    EXPECT_EQ(mismatches.count(), 0);
    SendMessageA(first.get(), WM_USER + 1, 0, 0);
    EXPECT_EQ(mismatches.count(), 1);
    SendMessageA(second, WM_USER + 1, 0, 0);
    EXPECT_EQ(mismatches.count(), 1);
    DestroyWindow(first.get());
    EXPECT_EQ(GetPropA(second, kRecordProperty), &record);
    EXPECT_EQ(record.nMsgHandlers, 1);
    DestroyWindow(second);
}

TEST_F(WindowProcTest, DestroyingTheFrameQuitsUnlessItsHandlerReturnsTrue) {
    {
        ScopedWindow frame(VW_FRAME);
        ASSERT_TRUE(VSetHandler(VW_FRAME, WM_DESTROY, CountingHandler));
        handlerResult = true;
        DestroyWindow(frame.get());
        EXPECT_EQ(handlerCalls, 1);
        EXPECT_FALSE(test::TakeQuit());
    }
    {
        ScopedWindow frame(VW_FRAME);
        ASSERT_TRUE(VSetHandler(VW_FRAME, WM_DESTROY, CountingHandler));
        handlerResult = false;
        DestroyWindow(frame.get());
        int code = -1;
        EXPECT_TRUE(test::TakeQuit(&code));
        EXPECT_EQ(code, 0);
    }
    {
        V_WINDOW other;
        ScopedWindow window(other);
        DestroyWindow(window.get());
        EXPECT_FALSE(test::TakeQuit());
    }
}

bool BoundDuringNcDestroy = false;
bool NoteBinding(V_WINDOW& window) {
    BoundDuringNcDestroy = WindowQuery(window, QUERY_IS_BOUND);
    return true;
}

TEST_F(WindowProcTest, NcDestroyCallsTheHandlerAndThenUnbinds) {
    V_WINDOW record;
    ScopedWindow window(record);
    ASSERT_TRUE(VSetHandler(record, WM_NCDESTROY, NoteBinding));
    DestroyWindow(window.get());
    EXPECT_TRUE(BoundDuringNcDestroy);
    EXPECT_FALSE(WindowQuery(record, QUERY_IS_BOUND));
    EXPECT_EQ(record.nMsgHandlers, 0);
}

bool createCalled = false;
bool NoteCreate(V_WINDOW&) {
    createCalled = true;
    return true;
}

TEST_F(WindowProcTest, CreationMessagesNeverReachHandlers) {
    V_WINDOW record;
    {
        ScopedWindow window(record);
    }
    // Unbound but still a framework record: registrations are accepted.
    ASSERT_TRUE(VSetHandler(record, WM_CREATE, NoteCreate));
    ASSERT_TRUE(VSetHandler(record, WM_NCCREATE, NoteCreate));
    HWND hWnd = CreateWindowExA(0, kFrameworkClassName, "", WS_POPUP, 0, 0, 50, 50, nullptr,
                                nullptr, GetModuleHandleA(nullptr), &record);
    ASSERT_NE(hWnd, nullptr);
    EXPECT_EQ(record.hWnd, hWnd);
    EXPECT_FALSE(createCalled);
    DestroyWindow(hWnd);
}

TEST_F(WindowProcTest, WindowWithoutARecordGetsDefaultProcessing) {
    HWND hWnd = CreateWindowExA(0, kFrameworkClassName, "abc", WS_POPUP, 0, 0, 50, 50, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hWnd, nullptr);
    EXPECT_EQ(GetPropA(hWnd, "VWND"), nullptr);
    EXPECT_EQ(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0), 3);
    NMHDR header{hWnd, 1, 1};
    EXPECT_EQ(SendMessageA(hWnd, WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&header)), 0);
    EXPECT_EQ(SendMessageA(hWnd, WM_COMMAND, 1, 0), 0);
    DestroyWindow(hWnd);
}

LRESULT LengthHandler(V_WINDOW&, int32_t, WPARAM, LPARAM) { return 0; }

TEST_F(WindowProcTest, HandlerReturningZeroLeavesTheMessageToDefaultProcessing) {
    V_WINDOW record;
    WindowCreateOptions options;
    options.title = "hello   ";
    ScopedWindow window(record, WS_OVERLAPPEDWINDOW, options);
    ASSERT_TRUE(VSetHandler(record, WM_GETTEXTLENGTH, LengthHandler));
    EXPECT_EQ(SendMessageA(window.get(), WM_GETTEXTLENGTH, 0, 0), 5);
}

TEST_F(WindowProcTest, ControlColoursComeFromTheControlsEntry) {
    V_WINDOW record;
    ScopedWindow window(record);
    HWND label = CreateWindowExA(0, "Static", "x", WS_CHILD, 0, 0, 30, 20, window.get(),
                                 reinterpret_cast<HMENU>(4), nullptr, nullptr);
    ControlEntry entry;
    entry.hWnd = label;
    entry.hBrush = CreateSolidBrush(RGB(10, 20, 30));
    entry.textColor = RGB(200, 100, 50);
    SetPropA(label, "VCTL", &entry);
    HDC dc = GetDC(label);
    const LRESULT result = SendMessageA(window.get(), WM_CTLCOLORSTATIC,
                                        reinterpret_cast<WPARAM>(dc),
                                        reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(result, reinterpret_cast<LRESULT>(entry.hBrush));
    EXPECT_EQ(GetBkColor(dc), RGB(10, 20, 30));
    EXPECT_EQ(GetTextColor(dc), RGB(200, 100, 50));

    // Text colour only: the default brush, the entry's text colour.
    DeleteObject(entry.hBrush);
    entry.hBrush = NoBrush();
    const LRESULT systemBrush = DefWindowProcA(window.get(), WM_CTLCOLORSTATIC,
                                              reinterpret_cast<WPARAM>(dc),
                                              reinterpret_cast<LPARAM>(label));
    SetTextColor(dc, RGB(0, 0, 0));
    EXPECT_EQ(SendMessageA(window.get(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(label)),
              systemBrush);
    EXPECT_EQ(GetTextColor(dc), RGB(200, 100, 50));
    ReleaseDC(label, dc);
    RemovePropA(label, "VCTL");
}

TEST_F(WindowProcTest, WindowCursorIsShownOverTheClientArea) {
    V_WINDOW record;
    ScopedWindow window(record);
    EXPECT_EQ(SendMessageA(window.get(), WM_SETCURSOR, reinterpret_cast<WPARAM>(window.get()),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              0);
    HCURSOR cross = LoadCursorA(nullptr, MAKEINTRESOURCEA(0x7F03));
    WindowSetCursor(record, cross);
    SetCursor(nullptr);
    EXPECT_EQ(SendMessageA(window.get(), WM_SETCURSOR, reinterpret_cast<WPARAM>(window.get()),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              1);
    EXPECT_EQ(GetCursor(), cross);
    EXPECT_EQ(SendMessageA(window.get(), WM_SETCURSOR, reinterpret_cast<WPARAM>(window.get()),
                           MAKELPARAM(HTCAPTION, WM_MOUSEMOVE)),
              0);
}

TEST_F(WindowProcTest, ClickOnAFrameworkChildGivesItTheFocus) {
    V_WINDOW parent;
    ScopedWindow window(parent, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    V_WINDOW child;
    ASSERT_NE(ChildWindow(child, parent, 70), nullptr);
    SetForegroundWindow(window.get());
    SetFocus(window.get());
    ASSERT_EQ(GetFocus(), window.get());
    EXPECT_EQ(SendMessageA(child.hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)), 0);
    EXPECT_EQ(GetFocus(), child.hWnd);
}

int childColourCalls = 0;
int grandchildColourCalls = 0;
bool CountChildColour(V_WINDOW&) {
    ++childColourCalls;
    return false;
}
bool CountGrandchildColour(V_WINDOW&) {
    ++grandchildColourCalls;
    return false;
}

// Every descendant gets the message exactly once, however deep.
TEST_F(WindowProcTest, SystemColourChangeReachesTheDescendants) {
    V_WINDOW parent;
    ScopedWindow window(parent);
    V_WINDOW child;
    ASSERT_NE(ChildWindow(child, parent, 71), nullptr);
    V_WINDOW grandchild;
    ASSERT_NE(ChildWindow(grandchild, child, 72), nullptr);
    ASSERT_TRUE(VSetHandler(child, WM_SYSCOLORCHANGE, CountChildColour));
    ASSERT_TRUE(VSetHandler(grandchild, WM_SYSCOLORCHANGE, CountGrandchildColour));
    EXPECT_EQ(SendMessageA(window.get(), WM_SYSCOLORCHANGE, 0, 0), 0);
    EXPECT_EQ(childColourCalls, 1);
    EXPECT_EQ(grandchildColourCalls, 1);
    handlerResult = true;
    ASSERT_TRUE(VSetHandler(parent, WM_SYSCOLORCHANGE, CountingHandler));
    EXPECT_EQ(SendMessageA(window.get(), WM_SYSCOLORCHANGE, 0, 0), 1);
    EXPECT_EQ(childColourCalls, 2);
}

TEST_F(WindowProcTest, CreateControlMakesAChildOfTheKindsClass) {
    V_WINDOW record;
    ScopedWindow window(record);
    ControlCreationBlock block{WS_CHILD | WS_VISIBLE, KIND_EDIT, 1, 2, 80, 20, 0};
    const auto created = reinterpret_cast<HWND>(SendMessageA(
        window.get(), WM_CREATE_CONTROL, reinterpret_cast<WPARAM>(&block), 1234));
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(GetParent(created), window.get());
    EXPECT_EQ(GetDlgCtrlID(created), 1234);
    char className[32] = {};
    GetClassNameA(created, className, sizeof className);
    EXPECT_STREQ(className, "Edit");
    EXPECT_EQ(SendMessageA(window.get(), WM_CREATE_CONTROL, 0, 5), 0);
    block.kind = 18;  // names no class
    EXPECT_EQ(SendMessageA(window.get(), WM_CREATE_CONTROL, reinterpret_cast<WPARAM>(&block), 6),
              0);
}

TEST_F(WindowProcTest, CreateControlInADialogAnswersThroughTheMessageResult) {
    V_WINDOW dialog;
    ScopedDialog scoped(dialog);
    HWND hDlg = scoped.get();
    ControlCreationBlock block{WS_CHILD, KIND_LISTBOX, 1, 30, 80, 40, 0};
    const LRESULT sent = SendMessageA(hDlg, WM_CREATE_CONTROL, reinterpret_cast<WPARAM>(&block),
                                      77);
    HWND created = GetDlgItem(hDlg, 77);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(GetWindowLongPtrA(hDlg, DWLP_MSGRESULT), reinterpret_cast<LONG_PTR>(created));
    EXPECT_EQ(sent, reinterpret_cast<LRESULT>(created));
}

bool drawHandled = false;
LRESULT DrawHandler(V_WINDOW&, int32_t, WPARAM, LPARAM) {
    drawHandled = true;
    return 0;
}

TEST_F(WindowProcTest, OwnerDrawItemWithoutAnEntryGoesToTheHandler) {
    V_WINDOW record;
    ScopedWindow window(record);
    HWND button = CreateWindowExA(0, "Button", "", WS_CHILD | BS_OWNERDRAW, 0, 0, 30, 20,
                                  window.get(), reinterpret_cast<HMENU>(3), nullptr, nullptr);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = 3;
    item.hwndItem = button;
    ASSERT_TRUE(VSetHandler(record, WM_DRAWITEM, DrawHandler));
    EXPECT_EQ(SendMessageA(window.get(), WM_DRAWITEM, 3, reinterpret_cast<LPARAM>(&item)), 1);
    EXPECT_TRUE(drawHandled);
}

}  // namespace
}  // namespace velmora
