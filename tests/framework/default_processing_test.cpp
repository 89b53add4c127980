// Default processing by kind of window, window and frame creation, MDI
// frames and children, and the style operations with BUFFERED_PAINT.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/framework.h"
#include "tests/framework/test_support.h"

namespace velmora {
namespace {

using test::ScopedWindow;

class CreationTest : public ::testing::Test {
protected:
    void SetUp() override { test::StartFramework(); }
    void TearDown() override {
        App().inMainRoutine = false;
        App().mdiClient = nullptr;
        if (IsWindow(VW_FRAME.hWnd)) DestroyWindow(VW_FRAME.hWnd);
        test::PumpMessages();
        test::TakeQuit();
    }
};

TEST_F(CreationTest, ExplicitFrameworkClassBehavesLikeTheDefault) {
    V_WINDOW implicit;
    ScopedWindow first(implicit);
    V_WINDOW explicitClass;
    WindowCreateOptions options;
    options.className = "VWndClass   ";
    ScopedWindow second(explicitClass, WS_OVERLAPPEDWINDOW, options);
    ASSERT_TRUE(second.created());
    EXPECT_EQ(implicit.defProc, DEFPROC_FRAMEWORK);
    EXPECT_EQ(explicitClass.defProc, DEFPROC_FRAMEWORK);
    EXPECT_EQ(GetWindowLongPtrA(second.get(), GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(&WindowProc));
    EXPECT_EQ(GetPropA(second.get(), "VWND"), &explicitClass);
}

TEST_F(CreationTest, UnknownClassCreatesNothing) {
    V_WINDOW record;
    const int32_t count = App().windowCount;
    WindowCreateOptions options;
    options.className = "NoSuchClassAnywhere";
    EXPECT_FALSE(WindowCreate(record, *WindowForHandle(), WS_POPUP, options));
    EXPECT_EQ(record.hWnd, nullptr);
    EXPECT_EQ(App().windowCount, count);
}

TEST_F(CreationTest, CreationResetsTheRecordAndCountsTheWindow) {
    V_WINDOW record;
    {
        ScopedWindow first(record);
        ASSERT_TRUE(VSetCommand(record, 1, [](V_WINDOW&, const int32_t&, const int32_t&) {}));
        WindowSetScrollSize(record, 10, 10);
    }
    const int32_t count = App().windowCount;
    ScopedWindow second(record);
    EXPECT_EQ(App().windowCount, count + 1);
    EXPECT_EQ(record.nCmdHandlers, 0);
    EXPECT_EQ(record.scrollWidth, 0);
    EXPECT_EQ(record.flags, 0);
}

TEST_F(CreationTest, SystemClassIsSubclassedAndKeepsItsBehaviour) {
    V_WINDOW parent;
    ScopedWindow parentWindow(parent);
    V_WINDOW edit;
    WindowCreateOptions options;
    options.className = "Edit";
    options.title = "abc   ";
    options.controlId = 31;
    options.x = 0;
    options.y = 0;
    options.width = 100;
    options.height = 20;
    ASSERT_TRUE(WindowCreate(edit, parent, WS_CHILD | WS_VISIBLE, options));
    EXPECT_EQ(GetPropA(edit.hWnd, "VWND"), &edit);
    EXPECT_NE(edit.defProc, DEFPROC_FRAMEWORK);
    EXPECT_NE(edit.defProc, DEFPROC_NONE);
    EXPECT_EQ(GetDlgCtrlID(edit.hWnd), 31);
    char text[16] = {};
    GetWindowTextA(edit.hWnd, text, sizeof text);
    EXPECT_STREQ(text, "abc");
    // An unprocessed WM_CHAR reaches the edit control's own procedure.
    SendMessageA(edit.hWnd, WM_CHAR, 'd', 1);
    EXPECT_EQ(WindowSendMessage(edit, WM_GETTEXTLENGTH, 0, 0), 4);
}

TEST_F(CreationTest, MenuOfATopLevelWindowGetsItsOwner) {
    V_MENU menu{CreateMenu(), nullptr};
    AppendMenuA(menu.hMenu, MF_STRING, 100, "&File");
    V_WINDOW record;
    WindowCreateOptions options;
    options.menu = &menu;
    ScopedWindow window(record, WS_OVERLAPPEDWINDOW, options);
    EXPECT_EQ(GetMenu(window.get()), menu.hMenu);
    EXPECT_EQ(menu.owner, window.get());
}

TEST_F(CreationTest, FrameIsMadeOnlyWhileTheMainRoutineRuns) {
    EXPECT_FALSE(FrameCreate("Frame"));
    EXPECT_EQ(VW_FRAME.hWnd, nullptr);
    App().inMainRoutine = true;
    FrameOptions options;
    options.showCommand = SW_SHOWNORMAL;
    ASSERT_TRUE(FrameCreate("Frame  ", options));
    EXPECT_TRUE(IsWindowVisible(VW_FRAME.hWnd));
    EXPECT_EQ(GetWindowLongA(VW_FRAME.hWnd, GWL_STYLE) & 0x2CF0000, 0x2CF0000);
    EXPECT_NE(GetWindowLongA(VW_FRAME.hWnd, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    EXPECT_EQ(GetParent(VW_FRAME.hWnd), nullptr);
    char title[16] = {};
    GetWindowTextA(VW_FRAME.hWnd, title, sizeof title);
    EXPECT_STREQ(title, "Frame");
    App().frame = &VW_FRAME;
    DestroyWindow(VW_FRAME.hWnd);
    EXPECT_TRUE(test::TakeQuit());
}

TEST_F(CreationTest, MdiFrameSizesItsClientThroughDefaultProcessing) {
    V_MENU menu{CreateMenu(), nullptr};
    HMENU windowMenu = CreatePopupMenu();
    AppendMenuA(menu.hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(windowMenu), "&Window");
    V_MENU ignored{};
    EXPECT_FALSE(MdiFrameCreate(ignored, 1, "MDI"));
    App().inMainRoutine = true;
    ASSERT_TRUE(MdiFrameCreate(menu, 1, "MDI", std::nullopt, SW_SHOWNORMAL));
    V_WINDOW& client = MdiClientRecord();
    ASSERT_EQ(App().mdiClient, &client);
    EXPECT_EQ(GetParent(client.hWnd), VW_FRAME.hWnd);
    char className[16] = {};
    GetClassNameA(client.hWnd, className, sizeof className);
    EXPECT_EQ(lstrcmpiA(className, "MDICLIENT"), 0);
    EXPECT_NE(client.defProc, DEFPROC_FRAMEWORK);

    // An unprocessed WM_SIZE of the frame resizes the client (DefFrameProc).
    SetWindowPos(VW_FRAME.hWnd, nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
    RECT frameClient{};
    RECT clientRect{};
    GetClientRect(VW_FRAME.hWnd, &frameClient);
    GetClientRect(client.hWnd, &clientRect);
    EXPECT_EQ(clientRect.right, frameClient.right);
    EXPECT_EQ(clientRect.bottom, frameClient.bottom);

    // An MDI child of the framework's class is bound through MDICREATESTRUCT.
    V_WINDOW child;
    child.defProc = DEFPROC_FRAMEWORK;
    MDICREATESTRUCTA create{};
    create.szClass = kFrameworkClassName;
    create.szTitle = "Child";
    create.hOwner = GetModuleHandleA(nullptr);
    create.x = create.y = create.cx = create.cy = CW_USEDEFAULT;
    create.lParam = reinterpret_cast<LPARAM>(&child);
    HWND hChild = reinterpret_cast<HWND>(
        SendMessageA(client.hWnd, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    ASSERT_NE(hChild, nullptr);
    EXPECT_EQ(child.hWnd, hChild);
    EXPECT_EQ(SendMessageA(client.hWnd, WM_MDIGETACTIVE, 0, 0),
              reinterpret_cast<LRESULT>(hChild));
    // DefMDIChildProc: maximising the child goes through the client.
    SendMessageA(client.hWnd, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(hChild), 0);
    EXPECT_TRUE(IsZoomed(hChild));
    SendMessageA(client.hWnd, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hChild), 0);
    EXPECT_FALSE(IsWindow(hChild));
}

TEST_F(CreationTest, PlainWindowSizeOnlyReachesDefWindowProc) {
    V_WINDOW parent;
    ScopedWindow window(parent);
    HWND child = CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 10, 10, window.get(),
                                 nullptr, nullptr, nullptr);
    SetWindowPos(window.get(), nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
    RECT rect{};
    GetClientRect(child, &rect);
    EXPECT_EQ(rect.right, 10);
}

TEST_F(CreationTest, DefaultProcessingFollowsTheSelector) {
    V_WINDOW record;
    WindowCreateOptions options;
    options.title = "xyz";
    ScopedWindow window(record, WS_OVERLAPPEDWINDOW, options);
    EXPECT_EQ(DefaultProcessing(nullptr, window.get(), WM_GETTEXTLENGTH, 0, 0), 3);
    EXPECT_EQ(DefaultProcessing(&record, window.get(), WM_GETTEXTLENGTH, 0, 0), 3);
    V_WINDOW dialog;
    dialog.defProc = DEFPROC_DIALOG;
    EXPECT_EQ(DefaultProcessing(&dialog, window.get(), WM_GETTEXTLENGTH, 0, 0), 0);
    V_WINDOW none;
    EXPECT_EQ(DefaultProcessing(&none, window.get(), WM_GETTEXTLENGTH, 0, 0), 3);
}

class StyleTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::StartFramework();
        window_ = std::make_unique<ScopedWindow>(record_, WS_OVERLAPPEDWINDOW);
    }
    V_WINDOW record_;
    std::unique_ptr<ScopedWindow> window_;
};

TEST_F(StyleTest, BitThirtyOfTheExtendedStyleCarriesBufferedPaint) {
    const int32_t before = WindowGetStyle(record_, STYLE_EXTENDED);
    EXPECT_EQ(WindowSetStyle(record_, BUFFERED_PAINT | WS_EX_TOOLWINDOW, STYLE_EXTENDED), before);
    EXPECT_NE(record_.flags & BUFFERED_PAINT, 0);
    EXPECT_EQ(WindowGetStyle(record_, STYLE_EXTENDED) & BUFFERED_PAINT, 0);
    EXPECT_NE(WindowGetStyle(record_, STYLE_EXTENDED) & WS_EX_TOOLWINDOW, 0);
    // Removing bit 30 turns buffered painting off.
    WindowSetStyle(record_, BUFFERED_PAINT, STYLE_EXTENDED, STYLE_REMOVE);
    EXPECT_EQ(record_.flags & BUFFERED_PAINT, 0);
    EXPECT_NE(WindowGetStyle(record_, STYLE_EXTENDED) & WS_EX_TOOLWINDOW, 0);
}

TEST_F(StyleTest, ModesAddReplaceAndRemove) {
    WindowSetStyle(record_, WS_VSCROLL);
    EXPECT_NE(WindowGetStyle(record_) & WS_VSCROLL, 0);
    WindowSetStyle(record_, WS_VSCROLL, STYLE_WINDOW, STYLE_REMOVE);
    EXPECT_EQ(WindowGetStyle(record_) & WS_VSCROLL, 0);
    WindowSetStyle(record_, WS_POPUP | WS_BORDER, STYLE_WINDOW, STYLE_REPLACE);
    EXPECT_EQ(WindowGetStyle(record_) & (WS_POPUP | WS_BORDER | WS_CAPTION),
              WS_POPUP | WS_BORDER);
    const int32_t current = WindowGetStyle(record_);
    EXPECT_EQ(WindowSetStyle(record_, 0, STYLE_WINDOW, 9), current);  // unknown mode keeps it
    EXPECT_EQ(WindowGetStyle(record_), current);
    EXPECT_EQ(WindowGetStyle(record_, STYLE_CLASS) & (CS_DBLCLKS | CS_OWNDC),
              CS_DBLCLKS | CS_OWNDC);
    EXPECT_EQ(WindowGetStyle(record_, 7), 0);
    EXPECT_EQ(WindowSetStyle(record_, 1, 7), 0);
}

TEST_F(StyleTest, WindowThatNoLongerExistsGivesZero) {
    DestroyWindow(record_.hWnd);
    EXPECT_EQ(WindowSetStyle(record_, WS_VSCROLL), 0);
    EXPECT_EQ(WindowGetStyle(record_), 0);
}

}  // namespace
}  // namespace velmora
