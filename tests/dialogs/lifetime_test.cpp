// Dialog creation, the control table, modal runs and release, on real
// dialogs made from test_dialogs.rc.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "dialog_support.h"
#include "dialogs/dialog_internal.h"
#include "dialogs/dialogs.h"
#include "framework/framework.h"
#include "test_dialogs.h"
#include "tests/framework/test_support.h"

namespace velmora {
namespace {

using testing::Calls;
using testing::PumpMessages;
using testing::RecordCall;

class DialogLifetime : public ::testing::Test {
protected:
    void SetUp() override { Calls().clear(); }
    void TearDown() override {
        DlgDestroy(dialog);
        DlgDestroy(other);
        DlgDestroy(third);
        PumpMessages();
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    ControlEntry* EntryOf(int32_t id) { return ControlEntryOf(GetDlgItem(dialog.hWnd, id)); }

    DIALOG dialog;
    DIALOG other;
    DIALOG third;
};

TEST_F(DialogLifetime, CreateBuildsTheTableWithKindsAndProperties) {
    ASSERT_TRUE(DlgCreate(IDD_ALL, dialog));
    EXPECT_TRUE(IsWindow(dialog.hWnd));
    EXPECT_EQ(dialog.idDlg, IDD_ALL);
    EXPECT_EQ(dialog.defProc, DEFPROC_DIALOG);
    EXPECT_EQ(GetPropA(dialog.hWnd, kRecordProperty), &dialog);
    ASSERT_EQ(dialog.controls.size(), static_cast<std::size_t>(dialog.nControls) + 1);

    const struct {
        int32_t id;
        int32_t kind;
    } expected[] = {
        {IDC_LABEL, KIND_STATIC},        {IDC_GROUP, KIND_GROUPBOX},       {IDC_PUSH, KIND_PUSHBUTTON},
        {IDC_CHECK, KIND_CHECKBOX},      {IDC_AUTORADIO, KIND_RADIOBUTTON}, {IDC_RADIO, KIND_MANUALRADIO},
        {IDC_THREESTATE, KIND_OTHER},    {IDC_EDIT, KIND_EDIT},            {IDC_LIST, KIND_LISTBOX},
        {IDC_DROPLIST, KIND_DROPDOWNLIST}, {IDC_COMBO, KIND_COMBOBOX},     {IDC_TAB, KIND_TAB},
        {IDC_SCROLL, KIND_SCROLLBAR},    {IDC_SPIN, KIND_SPINNER},         {IDC_SLIDER, KIND_SLIDER},
        {IDC_PROGRESS, KIND_PROGRESS},   {IDC_STATUS, KIND_STATUSBAR},     {IDC_LISTVIEW, KIND_LISTVIEW},
        {IDC_DRAWBUTTON, KIND_PUSHBUTTON}, {IDC_INNERDIALOG, KIND_DIALOG}, {IDOK, KIND_PUSHBUTTON},
    };
    for (const auto& e : expected) {
        ControlEntry* entry = EntryOf(e.id);
        ASSERT_NE(entry, nullptr) << e.id;
        EXPECT_EQ(entry->kind, e.kind) << e.id;
        EXPECT_EQ(entry->hWnd, GetDlgItem(dialog.hWnd, e.id));
        EXPECT_EQ(entry->hParent, dialog.hWnd);
        EXPECT_EQ(entry->style, GetWindowLongA(entry->hWnd, GWL_STYLE));
        EXPECT_EQ(entry->hBrush, NoBrush());
        EXPECT_EQ(entry->textColor, -1);
        EXPECT_EQ(entry->hFont, nullptr);
        // Each entry lies inside this dialog's table.
        EXPECT_GE(entry, &dialog.controls[1]);
        EXPECT_LE(entry, &dialog.controls[static_cast<std::size_t>(dialog.nControls)]);
    }
    // Entry 0 is the dialog.
    EXPECT_EQ(ControlEntryOf(dialog.hWnd), &dialog.controls[0]);
    EXPECT_EQ(dialog.controls[0].kind, KIND_DIALOG);
    EXPECT_EQ(dialog.controls[0].hParent, GetDesktopWindow());
    // Labels without an id get no entry; OK and Cancel end the dialog by default.
    EXPECT_EQ(ControlEntryOf(FindWindowExA(dialog.hWnd, nullptr, "Static", "No id")), nullptr);
    EXPECT_EQ(EntryOf(IDOK)->callbacks[0], &DefaultEndCallback);
    EXPECT_EQ(EntryOf(IDCANCEL)->callbacks[0], &DefaultEndCallback);
    EXPECT_EQ(EntryOf(IDC_PUSH)->callbacks[0], nullptr);
    // List views carry their data record.
    EXPECT_NE(ListViewDataOf(GetDlgItem(dialog.hWnd, IDC_LISTVIEW)), nullptr);
}

TEST_F(DialogLifetime, DialogInitFillsListsAndSkipsTheRest) {
    ASSERT_TRUE(DlgCreate(IDD_ALL, dialog));
    char text[16] = {};
    HWND drop = GetDlgItem(dialog.hWnd, IDC_DROPLIST);
    ASSERT_EQ(SendMessageA(drop, CB_GETCOUNT, 0, 0), 2);
    SendMessageA(drop, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Beta");
    // "One", "Two"; the record with another message is skipped.
    ASSERT_EQ(DlgSendMessage(dialog, IDC_LIST, LB_GETCOUNT), 2);
    DlgSendMessage(dialog, IDC_LIST, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Two");
    EXPECT_EQ(DlgSendMessage(dialog, IDC_COMBO, CB_GETCOUNT), 1);
    EXPECT_EQ(DlgSendMessage(dialog, 4242, CB_GETCOUNT), 0);
    EXPECT_EQ(GetWindowTextLengthA(GetDlgItem(dialog.hWnd, IDC_EDIT)), 0);
}

TEST_F(DialogLifetime, MalformedDialogInitStopsInsideTheResource) {
    // A negative length ends the walk: the records after it are not applied.
    ASSERT_TRUE(DlgCreate(IDD_BADINIT, dialog));
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog.hWnd, IDC_BAD_LIST), LB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog.hWnd, IDC_BAD_COMBO), CB_GETCOUNT, 0, 0), 0);
    // Data reaching past the end without a NUL is not read.
    ASSERT_TRUE(DlgCreate(IDD_UNTERMINATED, other));
    EXPECT_EQ(SendMessageA(GetDlgItem(other.hWnd, IDC_BAD_COMBO), CB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageA(GetDlgItem(other.hWnd, IDC_BAD_LIST), LB_GETCOUNT, 0, 0), 0);
}

TEST_F(DialogLifetime, LabelsOnlyGiveEntryZeroAlone) {
    ASSERT_TRUE(DlgCreate(IDD_LABELS, dialog));
    EXPECT_EQ(dialog.nControls, 0);
    EXPECT_EQ(dialog.controls.size(), 1u);
}

TEST_F(DialogLifetime, MissingTemplateFailsAndLeavesNothing) {
    EXPECT_FALSE(DlgCreate(999, dialog));
    EXPECT_EQ(dialog.hWnd, nullptr);
    EXPECT_TRUE(dialog.controls.empty());
    EXPECT_EQ(dialog.idDlg, 999);
    EXPECT_EQ(dialog.defProc, DEFPROC_DIALOG);
}

TEST_F(DialogLifetime, NestedDialogIsFoundUnderItsTemplateId) {
    ASSERT_TRUE(DlgCreate(IDD_SMALL, dialog));
    ASSERT_TRUE(DlgCreate(IDD_CHILD, other, &dialog));
    EXPECT_EQ(GetParent(other.hWnd), dialog.hWnd);
    EXPECT_EQ(GetDlgItem(dialog.hWnd, IDD_CHILD), other.hWnd);
    EXPECT_EQ(other.controls[0].hParent, dialog.hWnd);
    EXPECT_NE(ControlEntryOf(GetDlgItem(other.hWnd, IDC_CHILD_EDIT)), nullptr);
}

TEST_F(DialogLifetime, CreatingAgainLetsTheOldWindowGo) {
    ASSERT_TRUE(DlgCreate(IDD_SMALL, dialog));
    HWND first = dialog.hWnd;
    HWND firstEdit = GetDlgItem(first, IDC_SMALL_EDIT);
    ASSERT_TRUE(DlgCreate(IDD_SMALL, dialog));
    EXPECT_NE(dialog.hWnd, first);
    EXPECT_TRUE(IsWindow(first));
    // The first window's controls no longer point into the freed table, and
    // the first window no longer names the record.
    EXPECT_EQ(ControlEntryOf(firstEdit), nullptr);
    EXPECT_EQ(ControlEntryOf(first), nullptr);
    EXPECT_EQ(GetPropA(first, kRecordProperty), nullptr);

    // Messages to the old window raise nothing, and destroying it leaves the
    // new window's binding and table alone.
    test::ExceptionCounter mismatches(EXC_RECORD_MISMATCH);
    SendMessageA(first, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("old"));
    DestroyWindow(first);
    EXPECT_EQ(mismatches.count(), 0);
    EXPECT_EQ(GetPropA(dialog.hWnd, kRecordProperty), &dialog);
    EXPECT_NE(ControlEntryOf(GetDlgItem(dialog.hWnd, IDC_SMALL_EDIT)), nullptr);
    EXPECT_TRUE(DlgSetSub(dialog, IDC_SMALL_BUTTON, RecordCall));
    EXPECT_TRUE(DlgShow(dialog));
}

TEST_F(DialogLifetime, FrameNeedsTheMainRoutine) {
    App().inMainRoutine = false;
    EXPECT_FALSE(DlgCreateFrame(IDD_SMALL));
    EXPECT_EQ(VW_FRAME.hWnd, nullptr);

    App().frame = &VW_FRAME;
    App().inMainRoutine = true;
    V_MENU menu;
    menu.hMenu = CreateMenu();
    AppendMenuA(menu.hMenu, MF_STRING, 100, "File");
    EXPECT_TRUE(DlgCreateFrame(IDD_SMALL, &menu, IDI_TEST));
    App().inMainRoutine = false;
    EXPECT_TRUE(IsWindow(VW_FRAME.hWnd));
    EXPECT_EQ(GetMenu(VW_FRAME.hWnd), menu.hMenu);
    EXPECT_EQ(menu.owner, VW_FRAME.hWnd);
    EXPECT_NE(SendMessageA(VW_FRAME.hWnd, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_NE(SendMessageA(VW_FRAME.hWnd, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_FALSE(WindowSetIcon(VW_FRAME, 4321));

    // A dialog created later goes under the frame.
    ASSERT_TRUE(DlgCreate(IDD_LABELS, dialog));
    EXPECT_EQ(GetWindow(dialog.hWnd, GW_OWNER), VW_FRAME.hWnd);

    DlgDestroy(dialog);
    DlgDestroy(VW_FRAME);
    PumpMessages();
    App().frame = nullptr;
}

TEST_F(DialogLifetime, ShowCallsTheInitRoutine) {
    DIALOG never;
    EXPECT_FALSE(DlgShow(never));
    ASSERT_TRUE(DlgCreate(IDD_SMALL, dialog));
    ASSERT_TRUE(DlgSetSub(dialog, IDD_SMALL, RecordCall, EVT_INIT));
    EXPECT_TRUE(DlgShow(dialog));
    EXPECT_TRUE(IsWindowVisible(dialog.hWnd));
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].id, IDD_SMALL);
    EXPECT_EQ(Calls()[0].event, EVT_INIT);
}

// A timer that ends a run that would otherwise never end.
void CALLBACK QuitAfterTimeout(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    PostQuitMessage(99);
}

class ModalRun : public DialogLifetime {
protected:
    void SetUp() override {
        DialogLifetime::SetUp();
        ASSERT_TRUE(DlgCreate(IDD_SMALL, dialog));
        safety = SetTimer(nullptr, 0, 10000, QuitAfterTimeout);
    }
    void TearDown() override {
        KillTimer(nullptr, safety);
        DialogLifetime::TearDown();
    }
    UINT_PTR safety = 0;
};

DIALOG* g_ending = nullptr;
DIALOG* g_outer = nullptr;
DIALOG* g_inner = nullptr;
HWND g_owner = nullptr;
BOOL g_ownerEnabledDuringRun = TRUE;
void EndWithSeven(V_WINDOW&, const int32_t&, const int32_t&) {
    g_ownerEnabledDuringRun = IsWindowEnabled(g_owner);
    DlgEnd(*g_ending, 7);
}

TEST_F(ModalRun, EndFromACallbackReturnsItsValueAndRestores) {
    ASSERT_TRUE(DlgCreate(IDD_LABELS, other));
    ShowWindow(other.hWnd, SW_SHOW);
    g_ending = &dialog;
    g_owner = other.hWnd;
    ASSERT_TRUE(DlgSetSub(dialog, IDC_SMALL_BUTTON, EndWithSeven));
    PostMessageA(GetDlgItem(dialog.hWnd, IDC_SMALL_BUTTON), BM_CLICK, 0, 0);

    EXPECT_EQ(DlgRunModal(dialog, other.hWnd), 7);
    EXPECT_FALSE(g_ownerEnabledDuringRun);
    EXPECT_FALSE(IsWindowVisible(dialog.hWnd));
    EXPECT_TRUE(IsWindowEnabled(other.hWnd));
    EXPECT_EQ(GetActiveWindow(), other.hWnd);
    // Owned by the window, not embedded in it.
    EXPECT_EQ(GetWindow(dialog.hWnd, GW_OWNER), other.hWnd);
    EXPECT_EQ(GetAncestor(dialog.hWnd, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(GetWindowLongA(dialog.hWnd, GWL_STYLE) & WS_CHILD, 0);
}

// Clicks the dialog's button with the mouse once the run has begun.
HWND g_pointedAt = nullptr;
void ClickTheButtonWithTheMouse(V_WINDOW& window, const int32_t&, const int32_t&) {
    RECT button{};
    GetWindowRect(GetDlgItem(window.hWnd, IDC_SMALL_BUTTON), &button);
    const POINT middle{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    g_pointedAt = WindowFromPoint(middle);
    testing::MouseClickAt(middle);
}

TEST_F(ModalRun, TheMouseReachesADialogRunOverItsOwner) {
    ASSERT_TRUE(DlgCreate(IDD_LABELS, other));
    // The owner lies under the whole dialog.
    SetWindowPos(other.hWnd, nullptr, 0, 0, 800, 600, SWP_NOZORDER | SWP_SHOWWINDOW);
    SetWindowPos(dialog.hWnd, nullptr, 100, 100, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    POINT cursor{};
    GetCursorPos(&cursor);
    g_ending = &dialog;
    g_owner = other.hWnd;
    ASSERT_TRUE(DlgSetSub(dialog, IDD_SMALL, ClickTheButtonWithTheMouse, EVT_INIT));
    ASSERT_TRUE(DlgSetSub(dialog, IDC_SMALL_BUTTON, EndWithSeven));

    EXPECT_EQ(DlgRunModal(dialog, other.hWnd), 7);  // -1: the click never came
    EXPECT_EQ(g_pointedAt, GetDlgItem(dialog.hWnd, IDC_SMALL_BUTTON));
    SetCursorPos(cursor.x, cursor.y);
}

TEST_F(ModalRun, DisableAllDisablesOtherTopLevelWindows) {
    ASSERT_TRUE(DlgCreate(IDD_LABELS, other));
    static HWND bystander;
    static BOOL enabledDuringRun;
    bystander = other.hWnd;
    g_ending = &dialog;
    ASSERT_TRUE(DlgSetSub(dialog, IDC_SMALL_BUTTON, [](V_WINDOW&, const int32_t&, const int32_t&) {
        enabledDuringRun = IsWindowEnabled(bystander);
        DlgEnd(*g_ending, 4);
    }));
    PostMessageA(GetDlgItem(dialog.hWnd, IDC_SMALL_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(DlgRunModal(dialog, nullptr, true), 4);
    EXPECT_FALSE(enabledDuringRun);
    EXPECT_TRUE(IsWindowEnabled(bystander));
}

// What the disable-all run's initialisation routine saw.
struct DuringRun {
    BOOL bystander = TRUE;
    BOOL ownList = FALSE;
} g_during;
HWND g_bystander = nullptr;

HWND DropDownListOf(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(combo, &info) ? info.hwndList : nullptr;
}

void LookAroundAndEnd(V_WINDOW& window, const int32_t&, const int32_t&) {
    g_during.bystander = IsWindowEnabled(g_bystander);
    g_during.ownList = IsWindowEnabled(DropDownListOf(GetDlgItem(window.hWnd, IDC_DROPLIST)));
    DlgEnd(window, 4);
}

TEST_F(ModalRun, DisableAllEnablesAgainOnlyWhatItDisabled) {
    // `dialog` was disabled before the run; `other` has drop-down lists of its own.
    ShowWindow(dialog.hWnd, SW_SHOW);
    EnableWindow(dialog.hWnd, FALSE);
    ASSERT_TRUE(DlgCreate(IDD_ALL, other));
    ShowWindow(other.hWnd, SW_SHOW);
    ASSERT_TRUE(DlgCreate(IDD_ALL, third));
    g_bystander = other.hWnd;
    ASSERT_TRUE(DlgSetSub(third, IDD_ALL, LookAroundAndEnd, EVT_INIT));

    EXPECT_EQ(DlgRunModal(third, nullptr, true), 4);
    EXPECT_FALSE(g_during.bystander);
    EXPECT_TRUE(g_during.ownList);  // the dialog's own drop-down lists still work
    EXPECT_TRUE(IsWindowEnabled(other.hWnd));
    EXPECT_TRUE(IsWindowEnabled(DropDownListOf(GetDlgItem(other.hWnd, IDC_DROPLIST))));
    EXPECT_TRUE(IsWindowEnabled(DropDownListOf(GetDlgItem(third.hWnd, IDC_DROPLIST))));
    EXPECT_FALSE(IsWindowEnabled(dialog.hWnd));
}

// Runs the inner dialog both ways while the outer run holds its owner
// disabled, noting whether the owner was enabled after each.
std::vector<BOOL> g_ownerEnabledAfterInner;
void RunInnerBothWaysThenEnd(V_WINDOW& window, const int32_t&, const int32_t&) {
    DlgRunModal(*g_inner, g_owner);
    g_ownerEnabledAfterInner.push_back(IsWindowEnabled(g_owner));
    DlgRunModal(*g_inner, nullptr, true);
    g_ownerEnabledAfterInner.push_back(IsWindowEnabled(g_owner));
    DlgEnd(window, 5);
}

TEST_F(ModalRun, NestedRunsLeaveTheOuterRunsOwnerDisabled) {
    ASSERT_TRUE(DlgCreate(IDD_LABELS, other));
    ShowWindow(other.hWnd, SW_SHOW);
    ASSERT_TRUE(DlgCreate(IDD_SMALL, third));
    g_owner = other.hWnd;
    g_inner = &third;
    g_ownerEnabledAfterInner.clear();
    ASSERT_TRUE(DlgSetSub(dialog, IDD_SMALL, RunInnerBothWaysThenEnd, EVT_INIT));
    ASSERT_TRUE(DlgSetSub(third, IDD_SMALL, [](V_WINDOW& window, const int32_t&, const int32_t&) { DlgEnd(window, 3); },
                          EVT_INIT));

    EXPECT_EQ(DlgRunModal(dialog, other.hWnd), 5);
    EXPECT_EQ(g_ownerEnabledAfterInner, (std::vector<BOOL>{FALSE, FALSE}));
    EXPECT_TRUE(IsWindowEnabled(other.hWnd));
}

TEST_F(ModalRun, EscapeEndsWithCancel) {
    testing::FocusControl(dialog, IDC_SMALL_EDIT);
    PostMessageA(GetDlgItem(dialog.hWnd, IDC_SMALL_EDIT), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    EXPECT_EQ(DlgRunModal(dialog), 2);
    MSG quit;
    EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(ModalRun, CancelOnTheFrameAlsoQuits) {
    App().frame = &VW_FRAME;
    App().inMainRoutine = true;
    ASSERT_TRUE(DlgCreateFrame(IDD_SMALL));
    App().inMainRoutine = false;
    PostMessageA(GetDlgItem(VW_FRAME.hWnd, IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_EQ(DlgRunModal(VW_FRAME), 2);
    MSG quit;
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0u);
    DlgDestroy(VW_FRAME);
    App().frame = nullptr;
}

TEST_F(ModalRun, PendingQuitDoesNotEndTheRunAndIsPostedAgain) {
    PostQuitMessage(5);
    PostMessageA(GetDlgItem(dialog.hWnd, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(DlgRunModal(dialog), 1);
    MSG quit;
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 5u);
}

TEST_F(ModalRun, QuitDuringTheRunGivesMinusOneAndIsPassedOn) {
    g_ending = &dialog;
    ASSERT_TRUE(DlgSetSub(dialog, IDC_SMALL_BUTTON, [](V_WINDOW&, const int32_t&, const int32_t&) { PostQuitMessage(3); }));
    PostMessageA(GetDlgItem(dialog.hWnd, IDC_SMALL_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(DlgRunModal(dialog), -1);
    MSG quit;
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 3u);
    EXPECT_FALSE(IsWindowVisible(dialog.hWnd));
}

// Nested runs: while the inner dialog runs, the outer one is ended first.
int32_t g_innerResult = 0;

void EndBothFromInside(V_WINDOW&, const int32_t&, const int32_t&) {
    DlgEnd(*g_outer, 5);
    DlgEnd(*g_inner, 3);
}
void RunInner(V_WINDOW&, const int32_t&, const int32_t&) { g_innerResult = DlgRunModal(*g_inner); }

TEST_F(ModalRun, NestedRunKeepsEndMessagesOfOuterRuns) {
    ASSERT_TRUE(DlgCreate(IDD_SMALL, other));
    g_outer = &dialog;
    g_inner = &other;
    ASSERT_TRUE(DlgSetSub(dialog, IDC_SMALL_BUTTON, RunInner));
    ASSERT_TRUE(DlgSetSub(other, IDD_SMALL, EndBothFromInside, EVT_INIT));
    PostMessageA(GetDlgItem(dialog.hWnd, IDC_SMALL_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(DlgRunModal(dialog), 5);
    EXPECT_EQ(g_innerResult, 3);
}

TEST_F(ModalRun, EndMessagesForDialogsNotRunningAreDropped) {
    ASSERT_TRUE(DlgCreate(IDD_LABELS, other));
    EXPECT_TRUE(DlgEnd(other, 9));  // nobody runs `other`
    PostMessageA(GetDlgItem(dialog.hWnd, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(DlgRunModal(dialog), 1);
    MSG left;
    EXPECT_FALSE(PeekMessageA(&left, nullptr, DLG_END_MESSAGE, DLG_END_MESSAGE, PM_REMOVE));
}

TEST_F(ModalRun, DestroyingTheDialogEndsItsRun) {
    g_ending = &dialog;
    ASSERT_TRUE(DlgSetSub(dialog, IDC_SMALL_BUTTON, [](V_WINDOW&, const int32_t&, const int32_t&) { DlgDestroy(*g_ending); }));
    PostMessageA(GetDlgItem(dialog.hWnd, IDC_SMALL_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(DlgRunModal(dialog), -1);
    EXPECT_EQ(dialog.hWnd, nullptr);
}

TEST_F(ModalRun, RecordsWithoutAWindow) {
    DIALOG none;
    EXPECT_EQ(DlgRunModal(none), -1);
    EXPECT_FALSE(DlgEnd(none, 1));
    DlgDestroy(none);
    EXPECT_EQ(DlgSendMessage(none, 1, WM_GETTEXTLENGTH), 0);
}

TEST_F(DialogLifetime, ReleaseFreesWhatEntriesOwn) {
    ASSERT_TRUE(DlgCreate(IDD_ALL, dialog));
    ASSERT_TRUE(DlgSetInteger(dialog, IDC_EDIT, 0xFFFFFF, ATTR_BACKCOLOR));
    ASSERT_TRUE(DlgSetString(dialog, IDC_EDIT, "t'Courier New'h12", ATTR_FONT));
    ASSERT_TRUE(DlgSetInteger(dialog, IDC_PROGRESS, 0x00FF00, ATTR_BACKCOLOR));
    ASSERT_TRUE(DlgSetInteger(dialog, IDD_ALL, 0x0000FF, ATTR_BACKCOLOR));
    const HBRUSH editBrush = EntryOf(IDC_EDIT)->hBrush;
    const HFONT editFont = EntryOf(IDC_EDIT)->hFont;
    const HBRUSH progressBrush = EntryOf(IDC_PROGRESS)->hBrush;
    const HBRUSH dialogBrush = dialog.controls[0].hBrush;
    HWND header = GetDlgItem(GetDlgItem(dialog.hWnd, IDC_LISTVIEW), 0);
    ASSERT_NE(header, nullptr);
    auto arrows = reinterpret_cast<HIMAGELIST>(SendMessageA(header, HDM_GETIMAGELIST, 0, 0));
    ASSERT_NE(arrows, nullptr);
    ASSERT_TRUE(testing::IsGdiObject(editBrush));
    ASSERT_TRUE(testing::IsGdiObject(editFont));

    HWND edit = GetDlgItem(dialog.hWnd, IDC_EDIT);
    ReleaseControlTable(dialog, false);
    EXPECT_FALSE(testing::IsGdiObject(editBrush));
    EXPECT_FALSE(testing::IsGdiObject(editFont));
    EXPECT_NE(reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)), editFont);  // not painting with it
    EXPECT_FALSE(testing::IsGdiObject(progressBrush));
    EXPECT_FALSE(testing::IsGdiObject(dialogBrush));
    EXPECT_EQ(SendMessageA(header, HDM_GETIMAGELIST, 0, 0), 0);
    EXPECT_EQ(ListViewDataOf(GetDlgItem(dialog.hWnd, IDC_LISTVIEW)), nullptr);
    EXPECT_EQ(ControlEntryOf(edit), nullptr);
    EXPECT_EQ(ControlEntryOf(dialog.hWnd), nullptr);
    EXPECT_TRUE(IsWindow(edit));
    EXPECT_TRUE(dialog.controls.empty());
    EXPECT_EQ(dialog.nControls, 0);

    ReleaseControlTable(dialog, true);  // nothing left to free; the children go
    EXPECT_FALSE(IsWindow(edit));
}

TEST_F(DialogLifetime, DestroyRunsTheDestroyRoutineAndFreesEverything) {
    ASSERT_TRUE(DlgCreate(IDD_SMALL, dialog));
    ASSERT_TRUE(DlgSetSub(dialog, IDD_SMALL, RecordCall, EVT_DESTROY));
    ASSERT_TRUE(DlgSetInteger(dialog, IDC_SMALL_EDIT, 0x123456, ATTR_BACKCOLOR));
    const HBRUSH brush = EntryOf(IDC_SMALL_EDIT)->hBrush;
    HWND hWnd = dialog.hWnd;
    DlgDestroy(dialog);
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(dialog.hWnd, nullptr);
    EXPECT_TRUE(dialog.controls.empty());
    EXPECT_FALSE(testing::IsGdiObject(brush));
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].event, EVT_DESTROY);
}

// Records a destroy call and whether the window's controls still had their
// entries, with the brushes those own, when it came.
void RecordDestroyWithControls(V_WINDOW& window, const int32_t& id, const int32_t& event) {
    bool intact = window.nControls > 0;
    for (int32_t i = 1; i <= window.nControls; ++i) {
        const ControlEntry& entry = window.controls[static_cast<std::size_t>(i)];
        intact = intact && ControlEntryOf(entry.hWnd) == &entry && testing::IsGdiObject(entry.hBrush);
    }
    Calls().push_back({id, event, intact ? "intact" : "stripped"});
}

TEST_F(DialogLifetime, ChildDialogsAndAttachedChildrenKeepTheirEntriesUntilTheirOwnDestroy) {
    ASSERT_TRUE(DlgCreate(IDD_SMALL, dialog));
    ASSERT_TRUE(DlgCreate(IDD_CHILD, other, &dialog));
    ASSERT_TRUE(DlgSetSub(other, IDD_CHILD, RecordDestroyWithControls, EVT_DESTROY));
    ASSERT_TRUE(DlgSetInteger(other, IDC_CHILD_EDIT, 0x00FF00, ATTR_BACKCOLOR));
    const HBRUSH childBrush = ControlEntryOf(GetDlgItem(other.hWnd, IDC_CHILD_EDIT))->hBrush;

    constexpr int32_t kPanelId = 77;
    HWND panel = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 50, dialog.hWnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPanelId)), nullptr, nullptr);
    CreateWindowExA(0, "Button", "Go", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, panel,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(10)), nullptr, nullptr);
    V_WINDOW* attached = nullptr;
    ASSERT_TRUE(WindowAttach(panel, attached));
    ASSERT_TRUE(DlgSetSub(*attached, kPanelId, RecordDestroyWithControls, EVT_DESTROY));
    ASSERT_TRUE(DlgSetInteger(*attached, 10, 0x0000FF, ATTR_BACKCOLOR));
    const HBRUSH panelBrush = attached->controls[1].hBrush;

    DlgDestroy(dialog);
    ASSERT_EQ(Calls().size(), 2u);
    for (const testing::CallRecord& call : Calls()) {
        EXPECT_EQ(call.event, EVT_DESTROY);
        EXPECT_EQ(call.note, "intact");
    }
    // Each table freed what it owned when its own window went.
    EXPECT_TRUE(other.controls.empty());
    EXPECT_FALSE(testing::IsGdiObject(childBrush));
    EXPECT_FALSE(testing::IsGdiObject(panelBrush));
    WindowDetach(attached);
}

// The GDI objects that a table owns: its entries' brushes and fonts, and
// the bitmap behind each list view's sort arrows.
std::vector<HGDIOBJ> OwnedObjects(const V_WINDOW& window) {
    std::vector<HGDIOBJ> objects;
    for (const ControlEntry& entry : window.controls) {
        if (entry.hBrush != NoBrush()) objects.push_back(entry.hBrush);
        if (entry.hFont != nullptr) objects.push_back(entry.hFont);
        if (entry.kind != KIND_LISTVIEW) continue;
        auto arrows = reinterpret_cast<HIMAGELIST>(SendMessageA(GetDlgItem(entry.hWnd, 0), HDM_GETIMAGELIST, 0, 0));
        IMAGEINFO image{};
        if (arrows != nullptr && ImageList_GetImageInfo(arrows, 0, &image)) objects.push_back(image.hbmImage);
    }
    return objects;
}

int CountAlive(const std::vector<HGDIOBJ>& objects) {
    return static_cast<int>(std::count_if(objects.begin(), objects.end(), testing::IsGdiObject));
}

// Gives the dialog and its edit a brush and a font; returns what its table owns.
std::vector<HGDIOBJ> Decorate(DIALOG& dialog) {
    DlgSetInteger(dialog, IDD_REPLACE, 0x336699, ATTR_BACKCOLOR);
    DlgSetInteger(dialog, IDC_REPLACE_EDIT, 0xFFFFFF, ATTR_BACKCOLOR);
    DlgSetString(dialog, IDC_REPLACE_EDIT, "t'Courier New'h12", ATTR_FONT);
    return OwnedObjects(dialog);
}

TEST_F(DialogLifetime, ReplacedTablesFreeWhatTheyOwned) {
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);  // 0 under Wine
    std::vector<HGDIOBJ> owned;
    int alive = 0;
    for (int cycle = 0; cycle < 1000; ++cycle) {
        // A new window for the record replaces the last cycle's table; the
        // last cycle's window, which let go of the record, is destroyed.
        HWND old = dialog.hWnd;
        ASSERT_TRUE(DlgCreate(IDD_REPLACE, dialog));
        alive += CountAlive(owned);
        if (old != nullptr) DestroyWindow(old);
        owned = Decorate(dialog);
        ASSERT_EQ(owned.size(), 4u);

        BuildControlTable(dialog);  // a new table for the same window
        alive += CountAlive(owned);
        owned = Decorate(dialog);
    }
    DlgDestroy(dialog);
    alive += CountAlive(owned);
    EXPECT_EQ(alive, 0);
    if (gdiBefore != 0) {
        EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore + 10);
    }
}

TEST_F(DialogLifetime, AttachedWindowsGetATableForCallbacks) {
    HWND frame = CreateWindowExA(0, "Static", "plain", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                                 nullptr, nullptr);
    HWND button = CreateWindowExA(0, "Button", "Go", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, frame,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(10)), nullptr, nullptr);
    ASSERT_NE(button, nullptr);
    V_WINDOW* record = nullptr;
    ASSERT_TRUE(WindowAttach(frame, record));
    BuildControlTable(*record);
    ASSERT_EQ(record->nControls, 1);
    EXPECT_EQ(ControlEntryOf(frame), &record->controls[0]);
    EXPECT_EQ(ControlEntryOf(button)->kind, KIND_PUSHBUTTON);

    ASSERT_TRUE(DlgSetSub(*record, 10, RecordCall));
    SendMessageA(button, BM_CLICK, 0, 0);
    PumpMessages();
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].id, 10);
    EXPECT_EQ(Calls()[0].event, EVT_CLICKED);

    ReleaseControlTable(*record, false);
    EXPECT_EQ(ControlEntryOf(button), nullptr);
    EXPECT_TRUE(WindowDetach(record));
    DestroyWindow(frame);
}

}  // namespace
}  // namespace velmora
