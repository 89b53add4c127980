// Window records: binding, the handler tables, the lookup of records for
// window handles, attaching to windows of other classes, user data and the
// window cursor.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <optional>
#include <string>

#include "framework/framework.h"
#include "tests/framework/test_support.h"

// Every pointer the library frees passes through here, so that a test can
// tell whether a record of the program's was freed (it is then not freed
// for real: the record lives in the program's storage).
namespace {
const void* g_watched = nullptr;
bool g_watchedFreed = false;
}  // namespace
void operator delete(void* p) noexcept {
    if (p != nullptr && p == g_watched) {
        g_watchedFreed = true;
        return;
    }
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace velmora {
namespace {

using test::ScopedWindow;

bool OnSizeFirst(V_WINDOW&, int32_t, int32_t, int32_t) { return false; }
bool OnSizeSecond(V_WINDOW&, int32_t, int32_t, int32_t) { return true; }
bool OnCreate(V_WINDOW&) { return false; }
void OnCommand(V_WINDOW&, const int32_t&, const int32_t&) {}
void OnOtherCommand(V_WINDOW&, const int32_t&, const int32_t&) {}

TEST(RecordTest, StaticInitialValueIsUnbound) {
    V_WINDOW record;
    EXPECT_EQ(record.hWnd, nullptr);
    EXPECT_EQ(record.defProc, DEFPROC_NONE);
    EXPECT_EQ(record.hCursor, NoCursor());
    EXPECT_FALSE(record.msgKeys.allocated());
    EXPECT_FALSE(WindowQuery(record, QUERY_IS_BOUND));
}

TEST(RecordTest, CreationBindsThroughTheWindowProperty) {
    V_WINDOW record;
    ScopedWindow window(record);
    ASSERT_TRUE(window.created());
    EXPECT_EQ(record.hWnd, window.get());
    EXPECT_EQ(GetPropA(window.get(), "VWND"), &record);
    EXPECT_EQ(record.defProc, DEFPROC_FRAMEWORK);
    EXPECT_EQ(WindowForHandle(window.get()), &record);
    EXPECT_TRUE(WindowQuery(record, QUERY_IS_BOUND));
    EXPECT_TRUE(WindowQuery(record, QUERY_IS_WINDOW));
}

TEST(HandlerTableTest, KeysStayAscendingAndARepeatedKeyReplaces) {
    V_WINDOW record;
    ScopedWindow window(record);
    ASSERT_TRUE(VSetHandler(record, WM_SIZE, OnSizeFirst));
    ASSERT_TRUE(VSetHandler(record, WM_CREATE, OnCreate));
    ASSERT_TRUE(VSetHandler(record, WM_SIZE, OnSizeSecond));
    ASSERT_EQ(record.nMsgHandlers, 2);
    EXPECT_EQ(record.msgKeys(1), WM_CREATE);
    EXPECT_EQ(record.msgKeys(2), WM_SIZE);
    EXPECT_EQ(record.msgRoutines(2).routine, reinterpret_cast<GenericRoutine>(OnSizeSecond));
    int32_t position = 0;
    EXPECT_TRUE(FindMessageHandler(record, WM_SIZE, position));
    EXPECT_EQ(position, 2);
    EXPECT_FALSE(FindMessageHandler(record, WM_MOVE, position));
}

TEST(HandlerTableTest, CapacityGrowsByTheNewCountPlusTen) {
    V_WINDOW record;
    ScopedWindow window(record);
    // Descending keys: every registration inserts at the front.
    for (int32_t i = 0; i < 22; ++i) {
        ASSERT_TRUE(VSetCommand(record, 1000 - i, OnCommand));
        const int32_t count = i + 1;
        const int32_t expected = count <= 10 ? 10 : count <= 21 ? 21 : 32;
        ASSERT_EQ(record.cmdCapacity, expected) << "after " << count << " keys";
        
    }
    for (int32_t i = 1; i <= 22; ++i) EXPECT_EQ(record.cmdKeys(i), 1000 - 22 + i);
    for (int32_t id = 979; id <= 1000; ++id) {
        int32_t position = 0;
        ASSERT_TRUE(FindCommandHandler(record, id, position));
        EXPECT_EQ(record.cmdKeys(position), id);
    }
}

TEST(HandlerTableTest, BinarySearchFindsEveryKeyOfAMixedTable) {
    V_WINDOW record;
    ScopedWindow window(record);
    const int32_t ids[] = {40, 7, 300, 12, 8, 1, 99, 41, 5000, 2, 65535, 13};
    for (int32_t id : ids) ASSERT_TRUE(VSetCommand(record, id, OnCommand));
    ASSERT_TRUE(VSetCommand(record, 99, OnOtherCommand));
    EXPECT_EQ(record.nCmdHandlers, 12);
    for (int32_t i = 2; i <= record.nCmdHandlers; ++i) {
        EXPECT_LT(record.cmdKeys(i - 1), record.cmdKeys(i));
    }
    for (int32_t id : ids) {
        int32_t position = 0;
        ASSERT_TRUE(FindCommandHandler(record, id, position)) << id;
        EXPECT_EQ(record.cmdRoutines(position), id == 99 ? OnOtherCommand : OnCommand);
    }
    int32_t position = 0;
    EXPECT_FALSE(FindCommandHandler(record, 0, position));
    EXPECT_FALSE(FindCommandHandler(record, 100, position));
    EXPECT_FALSE(FindCommandHandler(record, 70000, position));
}

TEST(HandlerTableTest, UnboundRecordRefusesRegistrations) {
    V_WINDOW record;
    EXPECT_FALSE(VSetHandler(record, WM_SIZE, OnSizeFirst));
    EXPECT_FALSE(VSetCommand(record, 100, OnCommand));
    EXPECT_EQ(record.nMsgHandlers, 0);
    EXPECT_EQ(record.nCmdHandlers, 0);
    EXPECT_FALSE(record.msgKeys.allocated());
    int32_t position = 0;
    EXPECT_FALSE(FindMessageHandler(record, WM_SIZE, position));
}

TEST(HandlerTableTest, DestroyedWindowLeavesAnEmptyUnboundRecord) {
    V_WINDOW record;
    HWND hWnd = nullptr;
    {
        ScopedWindow window(record);
        hWnd = window.get();
        ASSERT_TRUE(VSetHandler(record, WM_SIZE, OnSizeFirst));
        ASSERT_TRUE(VSetCommand(record, 5, OnCommand));
        SetPropA(hWnd, "VCTL", reinterpret_cast<HANDLE>(1));
    }
    EXPECT_EQ(record.hWnd, hWnd);  // keeps the old handle
    EXPECT_EQ(record.nMsgHandlers, 0);
    EXPECT_EQ(record.nCmdHandlers, 0);
    EXPECT_FALSE(record.msgKeys.allocated());
    EXPECT_FALSE(record.cmdRoutines.allocated());
    EXPECT_EQ(record.defProc, DEFPROC_FRAMEWORK);
    // defProc survives, so a registration is accepted; a new creation drops it.
    EXPECT_TRUE(VSetHandler(record, WM_SIZE, OnSizeFirst));
    ScopedWindow again(record);
    ASSERT_TRUE(again.created());
    EXPECT_EQ(record.nMsgHandlers, 0);
}

TEST(WindowForHandleTest, NoHandleGivesTheDesktopWithIdZero) {
    V_WINDOW* desktop = WindowForHandle();
    ASSERT_NE(desktop, nullptr);
    EXPECT_EQ(desktop->hWnd, GetDesktopWindow());
    EXPECT_EQ(desktop->idDlg, 0);
    EXPECT_EQ(desktop->defProc, DEFPROC_NONE);
    EXPECT_EQ(WindowForHandle(nullptr), desktop);
}

TEST(WindowForHandleTest, UnknownWindowsShareOneScratchRecord) {
    HWND first = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
    HWND parent = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    HWND second = CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 10, 10, parent,
                                  reinterpret_cast<HMENU>(77), nullptr, nullptr);
    V_WINDOW* a = WindowForHandle(first);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->hWnd, first);
    EXPECT_EQ(a->defProc, DEFPROC_NONE);
    V_WINDOW* b = WindowForHandle(second);
    EXPECT_EQ(b, a);
    EXPECT_EQ(a->hWnd, second);
    EXPECT_EQ(a->idDlg, 77);
    EXPECT_FALSE(VSetHandler(*a, WM_SIZE, OnSizeFirst));
    DestroyWindow(parent);
    DestroyWindow(first);
}

TEST(WindowForHandleTest, HandlesThatAreNotWindowsGiveNull) {
    HWND gone = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
    DestroyWindow(gone);
    EXPECT_EQ(WindowForHandle(gone), nullptr);
    EXPECT_EQ(WindowForHandle(reinterpret_cast<HWND>(static_cast<intptr_t>(0x1234))), nullptr);
}

TEST(WindowQueryTest, AnswersEachQueryCode) {
    V_WINDOW parent;
    ScopedWindow parentWindow(parent, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
    V_WINDOW child;
    WindowCreateOptions options;
    options.x = 0;
    options.y = 0;
    options.width = 50;
    options.height = 50;
    ASSERT_TRUE(WindowCreate(child, parent, WS_CHILD | WS_VISIBLE | WS_BORDER, options));
    EXPECT_TRUE(WindowQuery(child, QUERY_IS_CHILD_OF, &parent));
    EXPECT_FALSE(WindowQuery(parent, QUERY_IS_CHILD_OF, &child));
    EXPECT_TRUE(WindowQuery(child, WS_CHILD | WS_BORDER));
    EXPECT_FALSE(WindowQuery(child, WS_CHILD | WS_CAPTION));
    EXPECT_FALSE(WindowQuery(parent, QUERY_IS_ICONIC));
    ShowWindow(parent.hWnd, SW_MINIMIZE);
    EXPECT_TRUE(WindowQuery(parent, QUERY_IS_ICONIC));
    ShowWindow(parent.hWnd, SW_MAXIMIZE);
    EXPECT_TRUE(WindowQuery(parent, QUERY_IS_ZOOMED));
    DestroyWindow(parent.hWnd);
    EXPECT_FALSE(WindowQuery(child, QUERY_IS_WINDOW));
    EXPECT_FALSE(WindowQuery(child, QUERY_IS_BOUND));
}

TEST(UserDataTest, NamedAndDefaultPropertiesAreSeparate) {
    V_WINDOW record;
    ScopedWindow window(record);
    EXPECT_TRUE(WindowSetData(record, 1234));
    EXPECT_TRUE(WindowSetData(record, 99, "Mine   "));
    EXPECT_EQ(WindowGetData(record), 1234);
    EXPECT_EQ(reinterpret_cast<intptr_t>(GetPropA(window.get(), "VDATA")), 1234);
    EXPECT_EQ(WindowGetData(record, "Mine"), 99);
    EXPECT_EQ(WindowRemoveData(record, "Mine"), 99);
    EXPECT_EQ(WindowGetData(record, "Mine"), 0);
    EXPECT_EQ(WindowRemoveData(record), 1234);
    EXPECT_EQ(WindowGetData(record), 0);
}

TEST(CursorTest, StandardCursorsAndTheArrowFallback) {
    V_WINDOW record;
    ScopedWindow window(record);
    HCURSOR beam = LoadCursorA(nullptr, MAKEINTRESOURCEA(0x7F01));
    HCURSOR arrow = LoadCursorA(nullptr, MAKEINTRESOURCEA(0x7F00));
    EXPECT_EQ(WindowSetStandardCursor(record, 0x7F01), NoCursor());
    EXPECT_EQ(record.hCursor, beam);
    EXPECT_EQ(WindowSetStandardCursor(record, 12345), beam);
    EXPECT_EQ(record.hCursor, arrow);
    EXPECT_EQ(WindowSetCursor(record), arrow);
    EXPECT_EQ(record.hCursor, NoCursor());
}

TEST(AttachTest, AttachSubclassesAndDetachRestores) {
    test::StartFramework();
    HWND edit = CreateWindowExA(0, "Edit", "", WS_POPUP, 0, 0, 100, 20, nullptr,
                                nullptr, nullptr, nullptr);
    const LONG_PTR original = GetWindowLongPtrA(edit, GWLP_WNDPROC);
    V_WINDOW* record = nullptr;
    ASSERT_TRUE(WindowAttach(edit, record));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->hWnd, edit);
    EXPECT_EQ(record->defProc, original);
    EXPECT_EQ(GetWindowLongPtrA(edit, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&WindowProc));
    EXPECT_EQ(WindowForHandle(edit), record);

    // A second attach finds the same record; a non-null pointer is refused.
    V_WINDOW* again = nullptr;
    ASSERT_TRUE(WindowAttach(edit, again));
    EXPECT_EQ(again, record);
    EXPECT_FALSE(WindowAttach(edit, again));

    // The control keeps its own behaviour through the saved procedure.
    SetWindowTextA(edit, "abc");
    EXPECT_EQ(GetWindowTextLengthA(edit), 3);

    ASSERT_TRUE(WindowDetach(record));
    EXPECT_EQ(record, nullptr);
    EXPECT_EQ(GetWindowLongPtrA(edit, GWLP_WNDPROC), original);
    EXPECT_EQ(GetPropA(edit, "VWND"), nullptr);
    DestroyWindow(edit);
}

TEST(AttachTest, ChildrenOfAnAttachedWindowGetControlEntries) {
    test::StartFramework();
    HWND panel = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                 nullptr, nullptr);
    HWND button = CreateWindowExA(0, "Button", "", WS_CHILD | BS_PUSHBUTTON, 0, 0, 50, 20,
                                  panel, reinterpret_cast<HMENU>(5), nullptr, nullptr);
    V_WINDOW* record = nullptr;
    ASSERT_TRUE(WindowAttach(panel, record));
    EXPECT_EQ(record->nControls, 1);
    ControlEntry* entry = ControlEntryOf(button);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->hWnd, button);
    EXPECT_NE(ControlEntryOf(panel), nullptr);
    ASSERT_TRUE(WindowDetach(record));
    EXPECT_EQ(ControlEntryOf(button), nullptr);
    EXPECT_EQ(ControlEntryOf(panel), nullptr);
    DestroyWindow(panel);
}

TEST(AttachTest, BadInputIsRefused) {
    V_WINDOW* record = nullptr;
    EXPECT_FALSE(WindowAttach(nullptr, record));
    EXPECT_FALSE(WindowAttach(reinterpret_cast<HWND>(static_cast<intptr_t>(0x4321)), record));
    EXPECT_FALSE(WindowDetach(record));
    // A framework window's own record cannot be detached.
    V_WINDOW frameworkRecord;
    ScopedWindow window(frameworkRecord);
    V_WINDOW* bound = &frameworkRecord;
    EXPECT_FALSE(WindowDetach(bound));
    EXPECT_EQ(bound, &frameworkRecord);
}

TEST(AttachTest, WindowOfTheFrameworkClassIsNotSubclassed) {
    test::StartFramework();
    HWND plain = CreateWindowExA(0, "VWndClass", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(plain, nullptr);
    V_WINDOW* record = nullptr;
    ASSERT_TRUE(WindowAttach(plain, record));
    EXPECT_EQ(record->defProc, DEFPROC_FRAMEWORK);
    DestroyWindow(plain);  // unbinds the record; the program owns it
    delete record;
}

TEST(AttachTest, DetachNeverFreesARecordOfTheProgram) {
    test::StartFramework();
    // A control created through its record, and the MDI client's record:
    // WindowAttach hands back the record the window already has.
    static V_WINDOW edit;
    WindowCreateOptions options;
    options.className = "Edit";
    ScopedWindow window(edit, WS_POPUP, options);
    V_MENU menu{CreateMenu(), nullptr};
    AppendMenuA(menu.hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), "&Window");
    App().inMainRoutine = true;
    ASSERT_TRUE(MdiFrameCreate(menu, 1, "MDI"));
    App().inMainRoutine = false;

    for (V_WINDOW* owned : {&edit, &MdiClientRecord()}) {
        const HWND hWnd = owned->hWnd;
        const intptr_t classProcedure = owned->defProc;
        V_WINDOW* handed = nullptr;
        ASSERT_TRUE(WindowAttach(hWnd, handed));
        ASSERT_EQ(handed, owned);
        g_watched = owned;
        g_watchedFreed = false;
        EXPECT_TRUE(WindowDetach(handed));
        g_watched = nullptr;
        EXPECT_FALSE(g_watchedFreed);
        EXPECT_EQ(handed, nullptr);
        EXPECT_EQ(owned->defProc, DEFPROC_NONE);
        EXPECT_EQ(GetWindowLongPtrA(hWnd, GWLP_WNDPROC), classProcedure);
    }
    App().mdiClient = nullptr;
    DestroyWindow(VW_FRAME.hWnd);
    test::PumpMessages();
    test::TakeQuit();
}

// A class of the program's own with WindowProc as its procedure gives
// windows of the framework: bound at creation, not subclassed.
TEST(CreateTest, ProgramClassWithWindowProcIsAFrameworkClass) {
    test::StartFramework();
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "GenhandOwnFrameworkClass";
    RegisterClassA(&windowClass);
    V_WINDOW record;
    WindowCreateOptions options;
    options.className = windowClass.lpszClassName;
    ScopedWindow window(record, WS_POPUP, options);
    ASSERT_TRUE(window.created());
    EXPECT_EQ(record.defProc, DEFPROC_FRAMEWORK);
    EXPECT_EQ(GetPropA(record.hWnd, kRecordProperty), &record);
    EXPECT_EQ(GetWindowLongPtrA(record.hWnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&WindowProc));
    SetWindowTextA(record.hWnd, "ok");
    EXPECT_EQ(GetWindowTextLengthA(record.hWnd), 2);
}

constexpr UINT kAsk = WM_APP + 40;
LRESULT Answer42(V_WINDOW&, int32_t, WPARAM, LPARAM) { return 42; }

// A record created again while its old window lives: the old window lets go
// of it (a subclassed one gets its own procedure back) and its destruction
// leaves the new binding alone.
TEST(CreateTest, CreatingAgainLetsTheOldWindowGo) {
    test::StartFramework();
    for (const std::optional<std::string>& className : {std::optional<std::string>{}, std::optional<std::string>{"Edit"}}) {
        SCOPED_TRACE(className.value_or("VWndClass"));
        V_WINDOW record;
        WindowCreateOptions options;
        options.className = className;
        ScopedWindow first(record, WS_POPUP, options);
        const HWND old = record.hWnd;
        const LONG_PTR oldProcedure = className ? record.defProc : GetWindowLongPtrA(old, GWLP_WNDPROC);
        ScopedWindow second(record, WS_POPUP, options);
        ASSERT_NE(record.hWnd, old);
        ASSERT_TRUE(VSetHandler(record, kAsk, Answer42));

        test::ExceptionCounter mismatches(EXC_RECORD_MISMATCH);
        EXPECT_EQ(GetPropA(old, kRecordProperty), nullptr);
        EXPECT_EQ(GetWindowLongPtrA(old, GWLP_WNDPROC), oldProcedure);
        EXPECT_EQ(SendMessageA(old, kAsk, 0, 0), 0);
        DestroyWindow(old);
        EXPECT_EQ(mismatches.count(), 0);
        EXPECT_EQ(GetPropA(record.hWnd, kRecordProperty), &record);
        EXPECT_EQ(SendMessageA(record.hWnd, kAsk, 0, 0), 42);
    }
}

}  // namespace
}  // namespace velmora
