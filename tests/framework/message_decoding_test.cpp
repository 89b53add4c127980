// CallMessageHandler: for each decoding, a real message with crafted wParam
// and lParam reaches a registered handler with the arguments its form
// declares, and WindowProc returns what the handler's result calls for.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/text.h"
#include "framework/framework.h"
#include "tests/framework/test_support.h"

namespace velmora {
namespace {

using test::ScopedWindow;

// What the last handler call received.
struct Received {
    int calls = 0;
    std::vector<int64_t> values;
    V_WINDOW* window = nullptr;
    V_WINDOW* first = nullptr;
    V_WINDOW* second = nullptr;
    HWND firstHandle = nullptr;
    HWND secondHandle = nullptr;
    V_MENU menu{};
    std::vector<std::string> files;
    bool dropReleased = false;
    HDROP drop = nullptr;
};
Received received;
int32_t nextResult = 1;  // what the handlers return

void Note(V_WINDOW& vWnd, std::vector<int64_t> values) {
    ++received.calls;
    received.window = &vWnd;
    received.values = std::move(values);
}

bool NoArguments(V_WINDOW& w) { Note(w, {}); return nextResult != 0; }
bool TwoInts(V_WINDOW& w, int32_t a, int32_t b) { Note(w, {a, b}); return nextResult != 0; }
bool ThreeInts(V_WINDOW& w, int32_t a, int32_t b, int32_t c) {
    Note(w, {a, b, c});
    return nextResult != 0;
}
bool FourInts(V_WINDOW& w, int32_t a, int32_t b, int32_t c, int32_t d) {
    Note(w, {a, b, c, d});
    return nextResult != 0;
}
bool OneInt(V_WINDOW& w, int32_t a) { Note(w, {a}); return nextResult != 0; }
bool OneLogical(V_WINDOW& w, bool a) { Note(w, {a ? 1 : 0}); return nextResult != 0; }
bool CharArgs(V_WINDOW& w, int32_t code, bool pressed, bool alt) {
    Note(w, {code, pressed ? 1 : 0, alt ? 1 : 0});
    return nextResult != 0;
}
int32_t MouseActivate(V_WINDOW& w, int32_t hitTest) { Note(w, {hitTest}); return nextResult; }
int32_t HitTest(V_WINDOW& w, int32_t x, int32_t y, int32_t where) {
    Note(w, {x, y, where});
    return nextResult;
}
LRESULT Generic(V_WINDOW& w, int32_t msg, WPARAM wParam, LPARAM lParam) {
    Note(w, {msg, static_cast<int64_t>(wParam), static_cast<int64_t>(lParam)});
    return nextResult;
}
bool OtherWindow(V_WINDOW& w, V_WINDOW& other) {
    Note(w, {});
    received.first = &w;
    received.second = &other;
    received.firstHandle = w.hWnd;
    received.secondHandle = other.hWnd;
    return nextResult != 0;
}
bool Activate(V_WINDOW& w, int32_t activate, bool minimized, V_WINDOW& previous) {
    Note(w, {activate, minimized ? 1 : 0});
    received.second = &previous;
    received.secondHandle = previous.hWnd;
    return nextResult != 0;
}
bool InitMenu(V_WINDOW& w, const V_MENU& menu) {
    Note(w, {});
    received.menu = menu;
    return nextResult != 0;
}
bool InitMenuPopup(V_WINDOW& w, const V_MENU& menu, bool systemMenu) {
    Note(w, {systemMenu ? 1 : 0});
    received.menu = menu;
    return nextResult != 0;
}
bool MinMax(V_WINDOW& w, V_POINT& sizeMax, V_POINT& maxPos, V_POINT& minSize, V_POINT& maxSize) {
    Note(w, {sizeMax.x, sizeMax.y, maxPos.x, maxPos.y, minSize.x, minSize.y, maxSize.x,
             maxSize.y});
    minSize = V_POINT{333, 222};
    return nextResult != 0;
}
bool WindowPos(V_WINDOW& w, int32_t& x, int32_t& y, int32_t& width, int32_t& height,
               int32_t& flags) {
    Note(w, {x, y, width, height, flags});
    width = 123;
    return false;
}
bool Help(V_WINDOW& w, bool menu, int32_t& id) {
    Note(w, {menu ? 1 : 0, id});
    id = 66;
    return nextResult != 0;
}
bool DropFiles(V_WINDOW& w, const DroppedFiles& files) {
    Note(w, {static_cast<int64_t>(files.size())});
    received.files = files;
    received.dropReleased = GlobalSize(received.drop) == 0;
    return nextResult != 0;
}
void CommandSubroutine(V_WINDOW& w, const int32_t&, const int32_t&) { Note(w, {}); }

class DecodingTest : public ::testing::Test {
protected:
    void SetUp() override {
        received = Received{};
        nextResult = 1;
        window_ = std::make_unique<ScopedWindow>(record_);
        ASSERT_TRUE(window_->created());
    }
    void TearDown() override { window_.reset(); }

    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) {
        return SendMessageA(record_.hWnd, message, wParam, lParam);
    }

    V_WINDOW record_;
    std::unique_ptr<ScopedWindow> window_;
};

LPARAM Words(int low, int high) {
    return static_cast<LPARAM>(static_cast<uint32_t>(MAKELONG(low, high)));
}

// Rows whose arguments are plain numbers.
struct NumberRow {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    MessageHandler handler;
    std::vector<int64_t> expected;
    LRESULT result;  // WindowProc's result when the handler returns 1
};

std::vector<NumberRow> NumberRows() {
    const LPARAM key = 3 | (0x3F << 16) | (1 << 24) | (1 << 30);
    const LPARAM released = static_cast<LPARAM>(0xC13F0001u);
    const LPARAM charFlags = static_cast<LPARAM>(0xA0000001u);  // bits 31 and 29
    std::vector<NumberRow> rows = {
        {"WM_MOVE", WM_MOVE, 0, Words(-5, 300), MakeHandler(TwoInts), {-5, 300}, 1},
        {"WM_SIZE", WM_SIZE, SIZE_MAXIMIZED, Words(640, -1), MakeHandler(ThreeInts),
         {640, -1, SIZE_MAXIMIZED}, 0},
        {"WM_ENABLE", WM_ENABLE, 5, 0, MakeHandler(OneLogical), {1}, 1},
        {"WM_ENABLE off", WM_ENABLE, 0, 0, MakeHandler(OneLogical), {0}, 1},
        {"WM_QUERYENDSESSION logoff", WM_QUERYENDSESSION, 0, static_cast<LPARAM>(0x80000000u),
         MakeHandler(OneLogical), {1}, 1},
        {"WM_QUERYENDSESSION shutdown", WM_QUERYENDSESSION, 0, 0,
         MakeHandler(OneLogical), {0}, 1},
        {"WM_ENDSESSION", WM_ENDSESSION, 1, 0, MakeHandler(OneLogical), {1}, 1},
        {"WM_ACTIVATEAPP", WM_ACTIVATEAPP, 0, 0, MakeHandler(OneLogical), {0},
         1},
        {"WM_SETCURSOR", WM_SETCURSOR, 0, Words(HTERROR, WM_LBUTTONDOWN),
         MakeHandler(TwoInts), {-2, WM_LBUTTONDOWN}, 0},
        {"WM_MOUSEACTIVATE", WM_MOUSEACTIVATE, 0, Words(-2, WM_LBUTTONDOWN),
         MakeHandler(MouseActivate), {65534}, 1},
        {"WM_CONTEXTMENU keyboard", WM_CONTEXTMENU, 0, -1, MakeHandler(TwoInts),
         {65535, 65535}, 1},
        {"WM_DISPLAYCHANGE", WM_DISPLAYCHANGE, 32, Words(1920, 40000),
         MakeHandler(ThreeInts), {32, 1920, 40000}, 1},
        {"WM_NCACTIVATE", WM_NCACTIVATE, 1, 0, MakeHandler(OneLogical), {1}, 1},
        {"WM_KEYDOWN", WM_KEYDOWN, VK_F5, key, MakeHandler(ThreeInts),
         {VK_F5, 3, 0x13F}, 1},
        {"WM_KEYUP", WM_KEYUP, 'Q', released, MakeHandler(ThreeInts), {'Q', 1, 0x13F},
         1},
        {"WM_CHAR", WM_CHAR, 'a', charFlags, MakeHandler(CharArgs), {'a', 1, 1}, 1},
        {"WM_DEADCHAR", WM_DEADCHAR, '^', 1, MakeHandler(CharArgs), {'^', 0, 0}, 1},
        {"WM_SYSCOMMAND", WM_SYSCOMMAND, SC_KEYMENU | 0xF, 0,
         MakeHandler(OneInt), {SC_KEYMENU}, 1},
        {"WM_TIMER", WM_TIMER, 42, 0, MakeHandler(OneInt), {42}, 1},
        {"WM_HOTKEY", WM_HOTKEY, 7, 0, MakeHandler(OneInt), {7}, 1},
        {"WM_ENTERMENULOOP", WM_ENTERMENULOOP, 1, 0, MakeHandler(OneLogical),
         {1}, 1},
        {"WM_EXITMENULOOP", WM_EXITMENULOOP, 0, 0, MakeHandler(OneLogical),
         {0}, 1},
        {"WM_MOUSEWHEEL", WM_MOUSEWHEEL, static_cast<WPARAM>(static_cast<uint32_t>(
                                             MAKELONG(MK_CONTROL, -120))),
         Words(100, -20), MakeHandler(FourInts), {-120, 100, -20, MK_CONTROL}, 0},
        {"WM_TIMECHANGE", WM_TIMECHANGE, 0, 0, MakeHandler(NoArguments), {}, 1},
        {"WM_CHILDACTIVATE", WM_CHILDACTIVATE, 0, 0, MakeHandler(NoArguments),
         {}, 1},
        {"WM_CLOSE", WM_CLOSE, 0, 0, MakeHandler(NoArguments), {}, 1},
        {"generic", WM_USER + 5, 11, -22, MakeHandler(Generic),
         {WM_USER + 5, 11, -22}, 1},
    };
    for (UINT message : {WM_NCMOUSEMOVE, WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK,
                         WM_NCRBUTTONDOWN, WM_NCRBUTTONUP, WM_NCRBUTTONDBLCLK}) {
        rows.push_back({"non-client mouse", message, HTCAPTION, Words(-10, 20),
                        MakeHandler(ThreeInts), {-10, 20, HTCAPTION}, 1});
    }
    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                         WM_RBUTTONDOWN, WM_RBUTTONUP}) {
        rows.push_back({"mouse", message, MK_LBUTTON | MK_SHIFT, Words(-3, 7),
                        MakeHandler(FourInts),
                        {-3, 7, message, MK_LBUTTON | MK_SHIFT},
                        message == WM_LBUTTONDOWN ? 0 : 1});
    }
    return rows;
}

TEST_F(DecodingTest, EveryNumericDecodingDeliversItsArguments) {
    for (const NumberRow& row : NumberRows()) {
        SCOPED_TRACE(row.name + std::string(" 0x") + std::to_string(row.message));
        received = Received{};
        ASSERT_TRUE(VSetHandler(record_, row.message, row.handler));
        const LRESULT result = Send(row.message, row.wParam, row.lParam);
        ASSERT_EQ(received.calls, 1);
        EXPECT_EQ(received.window, &record_);
        EXPECT_EQ(received.values, row.expected);
        EXPECT_EQ(result, row.result);
    }
    EXPECT_TRUE(IsWindow(record_.hWnd));  // WM_CLOSE handled: not destroyed
}

TEST_F(DecodingTest, ScrollMessagesReadThePositionOfTheWindowsOwnBar) {
    ASSERT_TRUE(VSetHandler(record_, WM_HSCROLL, ThreeInts));
    ASSERT_TRUE(VSetHandler(record_, WM_VSCROLL, ThreeInts));
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS | SIF_PAGE, 0, 100, 10, 30, 0};
    SetScrollInfo(record_.hWnd, SB_HORZ, &info, FALSE);
    info.nPos = 45;
    SetScrollInfo(record_.hWnd, SB_VERT, &info, FALSE);
    EXPECT_EQ(Send(WM_HSCROLL, SB_LINEDOWN, 0), 0);
    EXPECT_EQ(received.values, (std::vector<int64_t>{SB_HORZ, SB_LINEDOWN, 30}));
    EXPECT_EQ(Send(WM_VSCROLL, SB_PAGEUP, 0), 0);
    EXPECT_EQ(received.values, (std::vector<int64_t>{SB_VERT, SB_PAGEUP, 45}));
}

TEST_F(DecodingTest, ScrollBarControlIsNamedByItsHandle) {
    ASSERT_TRUE(VSetHandler(record_, WM_HSCROLL, ThreeInts));
    HWND bar = CreateWindowExA(0, "Scrollbar", "", WS_CHILD | SBS_HORZ, 0, 0, 100, 16,
                               record_.hWnd, reinterpret_cast<HMENU>(9), nullptr, nullptr);
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS, 0, 50, 0, 12, 0};
    SetScrollInfo(bar, SB_CTL, &info, FALSE);
    nextResult = 1;
    // No control entry: the handler's result is returned, no default processing.
    EXPECT_EQ(Send(WM_HSCROLL, SB_ENDSCROLL, reinterpret_cast<LPARAM>(bar)), 1);
    EXPECT_EQ(received.values,
              (std::vector<int64_t>{static_cast<int32_t>(reinterpret_cast<intptr_t>(bar)),
                                    SB_ENDSCROLL, 12}));
}

TEST_F(DecodingTest, WindowArgumentsAreRecordsOfTheirWindows) {
    V_WINDOW otherRecord;
    ScopedWindow other(otherRecord);
    HWND unknown = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr,
                                   nullptr, nullptr);
    ASSERT_TRUE(VSetHandler(record_, WM_SETFOCUS, OtherWindow));
    ASSERT_TRUE(VSetHandler(record_, WM_KILLFOCUS, OtherWindow));
    ASSERT_TRUE(VSetHandler(record_, WM_CAPTURECHANGED, OtherWindow));
    ASSERT_TRUE(VSetHandler(record_, WM_MDIDESTROY, OtherWindow));

    Send(WM_SETFOCUS, reinterpret_cast<WPARAM>(other.get()), 0);
    EXPECT_EQ(received.second, &otherRecord);
    Send(WM_SETFOCUS, 0, 0);  // no window lost the focus: the desktop
    EXPECT_EQ(received.secondHandle, GetDesktopWindow());
    Send(WM_KILLFOCUS, reinterpret_cast<WPARAM>(unknown), 0);
    EXPECT_EQ(received.second, WindowForHandle(unknown));
    EXPECT_EQ(received.secondHandle, unknown);
    Send(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(other.get()));
    EXPECT_EQ(received.second, &otherRecord);
    Send(WM_MDIDESTROY, reinterpret_cast<WPARAM>(other.get()), 0);
    EXPECT_EQ(received.second, &otherRecord);
    EXPECT_EQ(received.first, &record_);
    DestroyWindow(unknown);
}

TEST_F(DecodingTest, ActivateDecodesStateMinimizedAndPreviousWindow) {
    V_WINDOW otherRecord;
    ScopedWindow other(otherRecord);
    ASSERT_TRUE(VSetHandler(record_, WM_ACTIVATE, Activate));
    EXPECT_EQ(Send(WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 1),
                   reinterpret_cast<LPARAM>(other.get())),
              1);
    EXPECT_EQ(received.values, (std::vector<int64_t>{WA_CLICKACTIVE, 1}));
    EXPECT_EQ(received.second, &otherRecord);
}

TEST_F(DecodingTest, WindowArgumentThatIsNotAWindowIsAnEmptyRecord) {
    // The handler receives a record naming no window instead of a null
    // reference.
    ASSERT_TRUE(VSetHandler(record_, WM_ACTIVATE, Activate));
    Send(WM_ACTIVATE, WA_ACTIVE, 0x5678);
    ASSERT_EQ(received.calls, 1);
    ASSERT_NE(received.second, nullptr);
    EXPECT_EQ(received.secondHandle, nullptr);
    EXPECT_EQ(received.second->defProc, DEFPROC_NONE);
}

TEST_F(DecodingTest, MdiActivateOfTwoUnknownWindowsGivesTheScratchRecordTwice) {
    HWND a = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr,
                             nullptr);
    HWND b = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr,
                             nullptr);
    ASSERT_TRUE(VSetHandler(record_, WM_MDIACTIVATE, OtherWindow));
    // This window is not the MDI client: wParam is deactivated, lParam activated.
    Send(WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a), reinterpret_cast<LPARAM>(b));
    ASSERT_EQ(received.calls, 1);
    EXPECT_EQ(received.first, received.second);
    EXPECT_EQ(received.first->hWnd, a);
    EXPECT_EQ(received.firstHandle, a);
    DestroyWindow(a);
    DestroyWindow(b);
}

TEST_F(DecodingTest, InPlaceArgumentsReachTheMessagesStructure) {
    ASSERT_TRUE(VSetHandler(record_, WM_GETMINMAXINFO, MinMax));
    MINMAXINFO info{};
    info.ptMaxSize = {1, 2};
    info.ptMaxPosition = {3, 4};
    info.ptMinTrackSize = {5, 6};
    info.ptMaxTrackSize = {7, 8};
    Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(received.values, (std::vector<int64_t>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(info.ptMinTrackSize.x, 333);
    EXPECT_EQ(info.ptMinTrackSize.y, 222);

    ASSERT_TRUE(VSetHandler(record_, WM_HELP, Help));
    HELPINFO help{};
    help.cbSize = sizeof help;
    help.iContextType = HELPINFO_MENUITEM;
    help.iCtrlId = 55;
    Send(WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
    EXPECT_EQ(received.values, (std::vector<int64_t>{1, 55}));
    EXPECT_EQ(help.iCtrlId, 66);
}

TEST_F(DecodingTest, WindowPosChangingHandlerChangesTheNewSize) {
    ASSERT_TRUE(VSetHandler(record_, WM_WINDOWPOSCHANGING, WindowPos));
    SetWindowPos(record_.hWnd, nullptr, 20, 30, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_GE(received.calls, 1);
    EXPECT_EQ(received.values[0], 20);
    EXPECT_EQ(received.values[1], 30);
    EXPECT_EQ(received.values[2], 300);
    EXPECT_EQ(received.values[3], 200);
    RECT rect{};
    GetWindowRect(record_.hWnd, &rect);
    EXPECT_EQ(rect.right - rect.left, 123);
    EXPECT_EQ(rect.bottom - rect.top, 200);
}

TEST_F(DecodingTest, InitMenuGivesTheMenuAndItsOwner) {
    HMENU menu = CreatePopupMenu();
    ASSERT_TRUE(VSetHandler(record_, WM_INITMENU, InitMenu));
    ASSERT_TRUE(VSetHandler(record_, WM_INITMENUPOPUP, InitMenuPopup));
    Send(WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    EXPECT_EQ(received.menu.hMenu, menu);
    EXPECT_EQ(received.menu.owner, record_.hWnd);
    Send(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(2, 1));
    EXPECT_EQ(received.values, (std::vector<int64_t>{1}));
    Send(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(2, 0));
    EXPECT_EQ(received.values, (std::vector<int64_t>{0}));
    DestroyMenu(menu);
}

TEST_F(DecodingTest, NcHitTestGetsTheDefaultCodeAndItsResultIsReturnedAsIs) {
    ASSERT_TRUE(VSetHandler(record_, WM_NCHITTEST, HitTest));
    RECT client{};
    GetClientRect(record_.hWnd, &client);
    POINT centre{client.right / 2, client.bottom / 2};
    ClientToScreen(record_.hWnd, &centre);
    nextResult = 0;
    EXPECT_EQ(Send(WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)), HTNOWHERE);
    EXPECT_EQ(received.values, (std::vector<int64_t>{centre.x, centre.y, HTCLIENT}));
    nextResult = HTCAPTION;
    EXPECT_EQ(Send(WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)), HTCAPTION);
}

TEST_F(DecodingTest, QueryEndSessionResultGoesBackUnchanged) {
    ASSERT_TRUE(VSetHandler(record_, WM_QUERYENDSESSION, OneLogical));
    nextResult = 0;
    EXPECT_EQ(Send(WM_QUERYENDSESSION, 0, 0), 0);
    nextResult = 1;
    EXPECT_NE(Send(WM_QUERYENDSESSION, 0, 0), 0);
}

TEST_F(DecodingTest, DroppedFilesArriveBlankPaddedAfterTheDropIsReleased) {
    ASSERT_TRUE(VSetHandler(record_, WM_DROPFILES, DropFiles));
    const std::vector<std::string> names = {"C:\\a.txt", "C:\\dir\\second file.f90",
                                            std::string(200, 'x')};
    received.drop = test::MakeDrop(names);
    Send(WM_DROPFILES, reinterpret_cast<WPARAM>(received.drop), 0);
    ASSERT_EQ(received.calls, 1);
    ASSERT_EQ(received.files.size(), 3u);
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(received.files[i].size(), kDropNameLength);
        EXPECT_EQ(common::TrimTrailingBlanks(received.files[i]), names[i]);
    }
    EXPECT_TRUE(received.dropReleased);
}

int dropsPassedOn = 0;
LRESULT CALLBACK CountDropsPassedOn(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DROPFILES) ++dropsPassedOn;
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

// The handler's call has released the drop: a handler returning false must
// not hand the freed drop to the window's own procedure.
TEST_F(DecodingTest, AReleasedDropIsNotPassedOn) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = CountDropsPassedOn;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "GenhandDropTarget";
    RegisterClassA(&windowClass);
    V_WINDOW target;
    WindowCreateOptions options;
    options.className = windowClass.lpszClassName;
    ScopedWindow window(target, WS_POPUP, options);
    ASSERT_TRUE(VSetHandler(target, WM_DROPFILES, DropFiles));
    nextResult = 0;
    received.drop = test::MakeDrop({"C:\\a.txt"});
    SendMessageA(target.hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(received.drop), 0);
    EXPECT_EQ(received.calls, 1);
    EXPECT_EQ(dropsPassedOn, 0);
}

TEST_F(DecodingTest, DropOfNoFilesCallsTheHandlerWithAnEmptyList) {
    ASSERT_TRUE(VSetHandler(record_, WM_DROPFILES, DropFiles));
    received.drop = test::MakeDrop({});
    Send(WM_DROPFILES, reinterpret_cast<WPARAM>(received.drop), 0);
    ASSERT_EQ(received.calls, 1);
    EXPECT_TRUE(received.dropReleased);
    if (test::RunningUnderWine()) {
        // Wine's DragQueryFileA counts an empty name list as one file (it
        // skips the first name before it looks for the terminating empty
        // name); Windows counts 0.
        GTEST_SKIP() << "Wine counts an empty drop as one file";
    }
    EXPECT_EQ(received.values, (std::vector<int64_t>{0}));
    EXPECT_TRUE(received.files.empty());
}

TEST_F(DecodingTest, InitDialogDecodingServesDirectCalls) {
    record_.idDlg = 102;
    const MessageHandler handler = MakeHandler(TwoInts);
    EXPECT_EQ(CallMessageHandler(handler, record_, WM_INITDIALOG, 0, 0), 1);
    EXPECT_EQ(received.values, (std::vector<int64_t>{102, 0}));
}

TEST_F(DecodingTest, RoutineOfAnotherFormIsReportedAndNotCalled) {
    test::ExceptionCounter mismatches(EXC_ROUTINE_INTERFACE);
    // A (vWnd, iX, iY) routine registered for WM_SIZE, which has three
    // arguments; a command subroutine registered for WM_TIMER.
    ASSERT_TRUE(VSetHandler(record_, WM_SIZE, TwoInts));
    ASSERT_TRUE(VSetHandler(record_, WM_TIMER, CommandSubroutine));
    ASSERT_TRUE(VSetHandler(record_, WM_CLOSE, OneLogical));
    EXPECT_EQ(Send(WM_SIZE, 0, Words(10, 10)), 0);
    EXPECT_EQ(Send(WM_TIMER, 3, 0), 0);
    EXPECT_EQ(received.calls, 0);
    EXPECT_EQ(mismatches.count(), 2);
    // Treated as returning false: WM_CLOSE gets its default processing.
    Send(WM_CLOSE, 0, 0);
    EXPECT_EQ(mismatches.count(), 3);
    EXPECT_EQ(received.calls, 0);
    EXPECT_FALSE(IsWindow(record_.hWnd));
}

TEST_F(DecodingTest, RoutineWithTheSameArgumentListServesAnotherMessage) {
    test::ExceptionCounter mismatches(EXC_ROUTINE_INTERFACE);
    const MessageHandler moveHandler = MakeHandler(TwoInts);
    EXPECT_EQ(CallMessageHandler(moveHandler, record_, WM_CONTEXTMENU, 0, -1), 1);
    EXPECT_EQ(received.values, (std::vector<int64_t>{65535, 65535}));
    EXPECT_EQ(mismatches.count(), 0);
}

int destroyCount = 0;
bool CountDestroy(V_WINDOW&) {
    ++destroyCount;
    return false;
}

TEST_F(DecodingTest, CloseHandlerReturningFalseDestroysTheWindowOnce) {
    destroyCount = 0;
    nextResult = 0;
    ASSERT_TRUE(VSetHandler(record_, WM_CLOSE, NoArguments));
    ASSERT_TRUE(VSetHandler(record_, WM_DESTROY, CountDestroy));
    EXPECT_EQ(Send(WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(received.calls, 1);
    EXPECT_EQ(destroyCount, 1);
    EXPECT_FALSE(IsWindow(window_->get()));
}

TEST(SubclassedDecodingTest, CharHandlerReturningFalseInsertsTheCharacterOnce) {
    test::StartFramework();
    received = Received{};
    nextResult = 0;
    HWND edit = CreateWindowExA(0, "Edit", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                nullptr, nullptr);
    V_WINDOW* record = nullptr;
    ASSERT_TRUE(WindowAttach(edit, record));
    ASSERT_TRUE(VSetHandler(*record, WM_CHAR, CharArgs));
    SendMessageA(edit, WM_CHAR, 'z', 1);
    EXPECT_EQ(received.calls, 1);
    char text[8] = {};
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "z");
    nextResult = 1;  // eaten
    SendMessageA(edit, WM_CHAR, 'y', 1);
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "z");
    ASSERT_TRUE(WindowDetach(record));
    DestroyWindow(edit);
}

}  // namespace
}  // namespace velmora
