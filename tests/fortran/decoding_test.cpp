// The handlers genhand writes, compiled as Fortran and registered with the
// statements genhand writes (decoding_handlers.f90), receive every message
// through the real window procedure with exactly the arguments their
// declarations promise; their .TRUE. and .FALSE. decide default processing;
// in-place arguments are the message's own and what the handler writes
// reaches the sender.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "framework/framework.h"
#include "tests/framework/test_support.h"

extern "C" {
extern velmora::V_WINDOW fortran_test_window;  // the Fortran program's record
int32_t register_fortran_handlers();
void recorder_reset(int32_t nextLogical, int32_t nextInteger);
int32_t recorder_calls();
int32_t recorder_values(intptr_t* out, int32_t capacity);
void recorder_file(int32_t n, char* out);
int32_t fortran_record_layout(size_t* out, int32_t capacity);
}

namespace velmora {
namespace {

V_WINDOW& W = fortran_test_window;
constexpr int kHandlers = 61;  // the 60 window messages and <Other>

// The window's own class procedure: it stands for default processing, and
// counts each message that reaches it while a test message is being sent.
bool sending = false;
std::map<UINT, int> reachedDefault;
LRESULT CALLBACK CountDefault(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (sending) {
        ++reachedDefault[message];
        return 0;
    }
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

std::vector<intptr_t> Recorded() {
    std::vector<intptr_t> values(64);
    values.resize(static_cast<size_t>(recorder_values(values.data(), 64)));
    return values;
}

LPARAM Words(int low, int high) { return static_cast<LPARAM>(static_cast<uint32_t>(MAKELONG(low, high))); }
intptr_t Handle(HWND hWnd) { return reinterpret_cast<intptr_t>(hWnd); }

class FortranDecoding : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        StartApplication(GetModuleHandleA(nullptr));
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = CountDefault;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "FortranDecodingTarget";
        RegisterClassA(&windowClass);
    }
    void SetUp() override {
        WindowCreateOptions options;
        options.className = "FortranDecodingTarget";
        options.x = options.y = 20;
        options.width = 300;
        options.height = 200;
        ASSERT_TRUE(WindowCreate(W, *WindowForHandle(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, options));
        ASSERT_EQ(register_fortran_handlers(), kHandlers);
        other_ = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        other2_ = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        UpdateWindow(W.hWnd);
        reachedDefault.clear();
    }
    void TearDown() override {
        if (IsWindow(W.hWnd)) DestroyWindow(W.hWnd);
        DestroyWindow(other_);
        DestroyWindow(other2_);
    }

    // Sends a message with the handlers set to answer `logical` (or
    // `integer` for the integer handlers); returns what the window procedure
    // returned and notes whether default processing was reached.
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam, bool logical, int32_t integer,
                 bool* reached = nullptr) {
        recorder_reset(logical ? 1 : 0, integer);
        const int before = reachedDefault[message];
        sending = true;
        const LRESULT result = SendMessageA(W.hWnd, message, wParam, lParam);
        sending = false;
        if (reached != nullptr) *reached = reachedDefault[message] != before;
        return result;
    }

    HWND other_ = nullptr;
    HWND other2_ = nullptr;
};

// What a handler's .TRUE. and .FALSE. do to the window procedure's answer.
enum class Then {
    Ordinary,      // true: the result, nothing else; false: default processing
    ZeroWhenTrue,  // true: 0, nothing else; false: default processing
    Unchanged,     // the handler's result is the answer; never default processing
};

struct Row {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::vector<intptr_t> arguments;  // after vWnd
    Then then = Then::Ordinary;
    int32_t integerResult = 0;  // what an INTEGER handler answers for "true"
};

std::vector<Row> Rows(HWND other, HWND other2) {
    const LPARAM key = 3 | (0x3F << 16) | (1 << 24) | (1 << 30);
    const LPARAM charFlags = static_cast<LPARAM>(0xA0000001u);  // bits 31 and 29
    const intptr_t o = Handle(other), o2 = Handle(other2);
    std::vector<Row> rows = {
        {"ACTIVATE", WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 1), reinterpret_cast<LPARAM>(other), {WA_CLICKACTIVE, 1, o}},
        {"ACTIVATEAPP", WM_ACTIVATEAPP, 1, 0, {1}},
        {"CAPTURECHANGED", WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(other), {o}},
        {"CHAR", WM_CHAR, 'a', charFlags, {'a', 1, 1}},
        {"CHILDACTIVATE", WM_CHILDACTIVATE, 0, 0, {}},
        {"CLOSE", WM_CLOSE, 0, 0, {}},
        {"CONTEXTMENU keyboard", WM_CONTEXTMENU, 0, -1, {65535, 65535}},
        {"DEADCHAR", WM_DEADCHAR, '^', 1, {'^', 0, 0}},
        {"DESTROY", WM_DESTROY, 0, 0, {}, Then::ZeroWhenTrue},
        {"DISPLAYCHANGE", WM_DISPLAYCHANGE, 32, Words(1920, 40000), {32, 1920, 40000}},
        {"ENABLE", WM_ENABLE, 5, 0, {1}},
        {"ENDSESSION", WM_ENDSESSION, 0, 0, {0}},
        {"ENTERMENULOOP", WM_ENTERMENULOOP, 1, 0, {1}},
        {"EXITMENULOOP", WM_EXITMENULOOP, 0, 0, {0}},
        {"HOTKEY", WM_HOTKEY, 7, 0, {7}},
        {"HSCROLL own bar", WM_HSCROLL, SB_LINEDOWN, 0, {SB_HORZ, SB_LINEDOWN, 0}, Then::ZeroWhenTrue},
        {"KEYDOWN", WM_KEYDOWN, VK_F5, key, {VK_F5, 3, 0x13F}},
        {"KEYUP", WM_KEYUP, 'Q', static_cast<LPARAM>(0xC13F0001u), {'Q', 1, 0x13F}},
        {"KILLFOCUS", WM_KILLFOCUS, reinterpret_cast<WPARAM>(other), 0, {o}},
        {"LBUTTONDBLCLK", WM_LBUTTONDBLCLK, MK_LBUTTON, Words(-3, 7), {-3, 7, WM_LBUTTONDBLCLK, MK_LBUTTON}},
        {"LBUTTONDOWN", WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, Words(-3, 7), {-3, 7, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT}, Then::ZeroWhenTrue},
        {"LBUTTONUP", WM_LBUTTONUP, 0, Words(40, -2), {40, -2, WM_LBUTTONUP, 0}},
        {"MDIDESTROY", WM_MDIDESTROY, reinterpret_cast<WPARAM>(other), 0, {o}},
        {"MOUSEACTIVATE", WM_MOUSEACTIVATE, 0, Words(HTCAPTION, WM_LBUTTONDOWN), {HTCAPTION}, Then::Ordinary, MA_NOACTIVATE},
        {"MOUSEMOVE", WM_MOUSEMOVE, MK_RBUTTON, Words(5, -6), {5, -6, WM_MOUSEMOVE, MK_RBUTTON}},
        {"MOUSEWHEEL", WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, static_cast<WORD>(-120)), Words(100, -20), {-120, 100, -20, MK_CONTROL}, Then::ZeroWhenTrue},
        {"MOVE", WM_MOVE, 0, Words(-5, 300), {-5, 300}},
        {"NCACTIVATE", WM_NCACTIVATE, 1, 0, {1}, Then::Unchanged},
        {"NCHITTEST", WM_NCHITTEST, 0, Words(-1, -1), {-1, -1, HTNOWHERE}, Then::Unchanged, HTCAPTION},
        {"QUERYENDSESSION logoff", WM_QUERYENDSESSION, 0, static_cast<LPARAM>(0x80000000u), {1}, Then::Unchanged},
        {"RBUTTONDOWN", WM_RBUTTONDOWN, MK_RBUTTON, Words(1, 2), {1, 2, WM_RBUTTONDOWN, MK_RBUTTON}},
        {"RBUTTONUP", WM_RBUTTONUP, 0, Words(-1, -2), {-1, -2, WM_RBUTTONUP, 0}},
        {"SETCURSOR", WM_SETCURSOR, reinterpret_cast<WPARAM>(other), Words(-2, WM_LBUTTONDOWN), {-2, WM_LBUTTONDOWN}, Then::ZeroWhenTrue},
        {"SETFOCUS", WM_SETFOCUS, reinterpret_cast<WPARAM>(other2), 0, {o2}},
        {"SIZE", WM_SIZE, SIZE_MAXIMIZED, Words(640, -1), {640, -1, SIZE_MAXIMIZED}, Then::ZeroWhenTrue},
        {"SYSCOLORCHANGE", WM_SYSCOLORCHANGE, 0, 0, {}, Then::Unchanged},
        {"SYSCOMMAND", WM_SYSCOMMAND, SC_KEYMENU | 3, 0, {SC_KEYMENU}},
        {"TIMECHANGE", WM_TIMECHANGE, 0, 0, {}},
        {"TIMER", WM_TIMER, 42, 0, {42}},
        {"VSCROLL own bar", WM_VSCROLL, SB_PAGEUP, 0, {SB_VERT, SB_PAGEUP, 0}, Then::ZeroWhenTrue},
        {"<Other>", WM_APP, 11, -22, {WM_APP, 11, -22}},
    };
    for (UINT message : {WM_NCMOUSEMOVE, WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK, WM_NCRBUTTONDOWN,
                         WM_NCRBUTTONUP, WM_NCRBUTTONDBLCLK}) {
        rows.push_back({"non-client mouse", message, HTCAPTION, Words(-10, 20), {-10, 20, HTCAPTION}});
    }
    return rows;
}

// Every message whose arguments are numbers and records: the handler sees
// them decoded, and its answer decides the rest.
TEST_F(FortranDecoding, ArgumentsArriveAndTheAnswerDecidesDefaultProcessing) {
    for (const Row& row : Rows(other_, other2_)) {
        SCOPED_TRACE(row.name);
        const bool integerHandler = row.integerResult != 0;
        bool reached = true;
        const LRESULT answer = Send(row.message, row.wParam, row.lParam, true, row.integerResult, &reached);
        ASSERT_EQ(recorder_calls(), 1);
        std::vector<intptr_t> expected = {static_cast<intptr_t>(row.message), Handle(W.hWnd)};
        expected.insert(expected.end(), row.arguments.begin(), row.arguments.end());
        EXPECT_EQ(Recorded(), expected);
        EXPECT_FALSE(reached);
        const LRESULT trueAnswer = integerHandler ? row.integerResult : 1;
        EXPECT_EQ(answer, row.then == Then::ZeroWhenTrue ? 0 : trueAnswer);

        const LRESULT falseAnswer = Send(row.message, row.wParam, row.lParam, false, 0, &reached);
        EXPECT_EQ(recorder_calls(), 1);
        EXPECT_EQ(reached, row.then != Then::Unchanged);
        if (row.then == Then::Unchanged) {
            EXPECT_EQ(falseAnswer, 0);
        }
    }
}

// On 64-bit Windows the <Other> handler's INTEGER wParam and lParam are the
// low 32 bits of the message's.
TEST_F(FortranDecoding, OtherMessagesGetThirtyTwoBitParameters) {
    const auto wide = static_cast<LPARAM>(static_cast<intptr_t>(sizeof(LPARAM) == 8 ? 0x500000000LL : 0) - 22);
    Send(WM_APP, 11, wide, true, 0);
    EXPECT_EQ(Recorded(), (std::vector<intptr_t>{WM_APP, Handle(W.hWnd), WM_APP, 11, -22}));
}

TEST_F(FortranDecoding, MenusAreHandedAsRecordsOfTheWindow) {
    HMENU menu = CreatePopupMenu();
    const intptr_t m = reinterpret_cast<intptr_t>(menu), w = Handle(W.hWnd);
    Send(WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0, true, 0);
    EXPECT_EQ(Recorded(), (std::vector<intptr_t>{WM_INITMENU, w, m, w}));
    Send(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), Words(2, 1), true, 0);
    EXPECT_EQ(Recorded(), (std::vector<intptr_t>{WM_INITMENUPOPUP, w, m, w, 1}));
    DestroyMenu(menu);
}

// The activated child takes vWnd's place. Windows the library does not know
// are handed as its one shared scratch record, here holding the second.
TEST_F(FortranDecoding, MdiActivationPutsTheActivatedWindowFirst) {
    V_WINDOW activated;
    activated.defProc = DEFPROC_FRAMEWORK;
    BindRecord(activated, other_);
    Send(WM_MDIACTIVATE, reinterpret_cast<WPARAM>(other2_), reinterpret_cast<LPARAM>(other_), true, 0);
    EXPECT_EQ(Recorded(), (std::vector<intptr_t>{WM_MDIACTIVATE, Handle(other_), Handle(other2_)}));
    RemovePropA(other_, kRecordProperty);
    Send(WM_MDIACTIVATE, reinterpret_cast<WPARAM>(other2_), reinterpret_cast<LPARAM>(other_), true, 0);
    EXPECT_EQ(Recorded(), (std::vector<intptr_t>{WM_MDIACTIVATE, Handle(other2_), Handle(other2_)}));
}

TEST_F(FortranDecoding, InPlaceArgumentsAreTheMessagesOwn) {
    MINMAXINFO limits{};
    limits.ptMaxSize = {800, 600};
    limits.ptMaxPosition = {-4, -5};
    limits.ptMinTrackSize = {100, 50};
    limits.ptMaxTrackSize = {1024, 768};
    Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits), true, 0);
    EXPECT_EQ(Recorded(), (std::vector<intptr_t>{WM_GETMINMAXINFO, Handle(W.hWnd), 800, 600, -4, -5, 100, 50, 1024, 768}));
    // What the handler wrote (x + 1000, y + 2000) is in the sender's structure.
    EXPECT_EQ(limits.ptMaxSize.x, 1800);
    EXPECT_EQ(limits.ptMinTrackSize.y, 2050);
    EXPECT_EQ(limits.ptMaxTrackSize.x, 2024);

    for (UINT message : {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}) {
        WINDOWPOS position{W.hWnd, nullptr, -5, 6, 70, 80, SWP_NOZORDER};
        auto at = [](auto& field) { return reinterpret_cast<intptr_t>(&field); };
        Send(message, 0, reinterpret_cast<LPARAM>(&position), true, 0);
        EXPECT_EQ(Recorded(), (std::vector<intptr_t>{static_cast<intptr_t>(message), Handle(W.hWnd), -5, at(position.x), 6, at(position.y),
                                                     70, at(position.cx), 80, at(position.cy), SWP_NOZORDER,
                                                     at(position.flags)}));
    }

    HELPINFO help{};
    help.cbSize = sizeof help;
    help.iContextType = HELPINFO_MENUITEM;
    help.iCtrlId = 77;
    bool reached = true;
    Send(WM_HELP, 0, reinterpret_cast<LPARAM>(&help), false, 0, &reached);
    EXPECT_EQ(Recorded(), (std::vector<intptr_t>{WM_HELP, Handle(W.hWnd), 1, 77,
                                                 reinterpret_cast<intptr_t>(&help.iCtrlId)}));
    EXPECT_FALSE(reached);  // a help handler's answer is final
}

TEST_F(FortranDecoding, PaintAndEraseGetAReadyDrawingContext) {
    RECT client{};
    GetClientRect(W.hWnd, &client);
    const RECT area{10, 20, 30, 40};
    InvalidateRect(W.hWnd, &area, FALSE);
    bool reached = true;
    EXPECT_EQ(Send(WM_PAINT, 0, 0, true, 0, &reached), 1);
    EXPECT_EQ(Recorded(), (std::vector<intptr_t>{WM_PAINT, Handle(W.hWnd), 1, 0, 0, client.right, client.bottom,
                                                 client.right, client.bottom, 10, 20, 30, 40}));
    EXPECT_FALSE(reached);
    // Without an update region the handler is not called.
    Send(WM_PAINT, 0, 0, true, 0);
    EXPECT_EQ(recorder_calls(), 0);

    HDC dc = GetDC(W.hWnd);
    EXPECT_EQ(Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0, false, 0, &reached), 0);
    EXPECT_TRUE(reached);
    EXPECT_EQ(Recorded(), (std::vector<intptr_t>{WM_ERASEBKGND, Handle(W.hWnd), 1, 0, 0, client.right, client.bottom,
                                                 client.right, client.bottom}));
    ReleaseDC(W.hWnd, dc);
}

TEST_F(FortranDecoding, DroppedFilesArriveAsAnArrayOfBlankPaddedNames) {
    const std::vector<std::string> names = {"C:\\a.txt", "C:\\dir\\second file.f90", std::string(200, 'x')};
    bool reached = true;
    EXPECT_EQ(Send(WM_DROPFILES, reinterpret_cast<WPARAM>(test::MakeDrop(names)), 0, false, 0, &reached), 0);
    EXPECT_FALSE(reached);  // the drop is finished: nothing is passed on
    EXPECT_EQ(Recorded(), (std::vector<intptr_t>{WM_DROPFILES, Handle(W.hWnd), 3, kDropNameLength}));
    for (size_t i = 0; i < names.size(); ++i) {
        char name[kDropNameLength];
        recorder_file(static_cast<int32_t>(i + 1), name);
        std::string padded = names[i];
        padded.resize(kDropNameLength, ' ');
        EXPECT_EQ(std::string(name, kDropNameLength), padded);
    }
}

const MessageHandler& RegisteredHandler(UINT message) {
    int32_t position = 0;
    EXPECT_TRUE(FindMessageHandler(W, message, position));
    return W.msgRoutines(position);
}

// The window procedure never calls the creation handlers (they are
// registered after creation); their decodings serve direct calls.
TEST_F(FortranDecoding, CreationHandlersServeDirectCalls) {
    recorder_reset(1, 0);
    W.idDlg = 102;
    EXPECT_EQ(CallMessageHandler(RegisteredHandler(WM_INITDIALOG), W, WM_INITDIALOG, 0, 0), 1);
    EXPECT_EQ(Recorded(), (std::vector<intptr_t>{WM_INITDIALOG, Handle(W.hWnd), 102, 0}));
    recorder_reset(1, 0);
    EXPECT_EQ(CallMessageHandler(RegisteredHandler(WM_CREATE), W, WM_CREATE, 0, 0), 1);
    EXPECT_EQ(Recorded(), (std::vector<intptr_t>{WM_CREATE, Handle(W.hWnd)}));
    bool reached = false;
    Send(WM_CREATE, 0, 0, true, 0, &reached);
    EXPECT_EQ(recorder_calls(), 0);
    EXPECT_TRUE(reached);
}

TEST_F(FortranDecoding, TheLastMessageReachesItsHandlerAndUnbindsTheRecord) {
    recorder_reset(1, 0);
    const HWND window = W.hWnd;
    DestroyWindow(window);
    const std::vector<intptr_t> values = Recorded();
    ASSERT_GE(values.size(), 2u);
    EXPECT_EQ(values[values.size() - 2], WM_NCDESTROY);
    EXPECT_EQ(values.back(), Handle(window));
    EXPECT_EQ(W.nMsgHandlers, 0);
}

// The Fortran mirrors of the records have the library's layout.
TEST(FortranRecords, HaveTheLibrarysLayout) {
    std::vector<size_t> layout(16);
    layout.resize(static_cast<size_t>(fortran_record_layout(layout.data(), 16)));
    EXPECT_EQ(layout, (std::vector<size_t>{
                          sizeof(V_WINDOW), offsetof(V_WINDOW, defProc), offsetof(V_WINDOW, hCursor),
                          offsetof(V_WINDOW, msgKeys), offsetof(V_WINDOW, controls),
                          offsetof(V_WINDOW, scrollHeight), sizeof(DIALOG), offsetof(DIALOG, defProc),
                          offsetof(DIALOG, scrollHeight), sizeof(V_DC), offsetof(V_DC, winX),
                          offsetof(V_DC, drawingState), sizeof(V_MENU), offsetof(V_MENU, owner),
                          sizeof(V_POINT), offsetof(V_POINT, y)}));
}

}  // namespace
}  // namespace velmora
