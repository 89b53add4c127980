// Callback registration and the routing of real notifications: focus,
// typing, clicks and keys reach the controls as a user's would.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialog_support.h"
#include "dialogs/dialog_internal.h"
#include "dialogs/dialogs.h"
#include "framework/framework.h"
#include "test_dialogs.h"

namespace velmora {
namespace {

using testing::CallRecord;
using testing::Calls;
using testing::ClickIn;
using testing::FocusControl;
using testing::PumpMessages;
using testing::RecordCall;
using testing::TypeText;

DIALOG* g_dialog = nullptr;

// Records the call with the text of the control as the callback sees it.
void RecordWithText(V_WINDOW& window, const int32_t& id, const int32_t& event) {
    std::string text(20, ' ');
    DlgGetString(window, id, text);
    Calls().push_back({id, event, text.substr(0, text.find_last_not_of(' ') + 1)});
}

// Records the call with whether the second tab page is visible.
void RecordPageVisible(V_WINDOW& window, const int32_t& id, const int32_t& event) {
    const bool shown = IsWindowVisible(GetDlgItem(window.hWnd, IDC_PAGE2)) != FALSE;
    Calls().push_back({id, event, shown ? "page 2 shown" : "page 2 hidden"});
}

void RecordPosition(V_WINDOW& window, const int32_t& id, const int32_t& event) {
    int32_t position = 0;
    DlgGetInteger(window, id, position);
    Calls().push_back({id, event, std::to_string(position)});
}

void RecordDraw(V_WINDOW&, const int32_t& id, V_DC& dc) {
    Calls().push_back({id, EVT_DRAW,
                       std::to_string(dc.viewWidth) + "x" + std::to_string(dc.viewHeight) +
                           (dc.hDC != nullptr ? " dc" : " none")});
}

void FillDisplay(V_WINDOW&, const int32_t& id, LVITEMA* const& address) {
    LVITEMA& item = *address;
    if ((item.mask & LVIF_TEXT) != 0 && item.cchTextMax > 4) std::strcpy(item.pszText, "own");
    Calls().push_back({id, EVT_DRAW, std::to_string(item.iItem)});
}

class Routing : public ::testing::Test {
protected:
    void SetUp() override {
        Calls().clear();
        ASSERT_TRUE(DlgCreate(IDD_ALL, dialog));
        g_dialog = &dialog;
        ShowWindow(dialog.hWnd, SW_SHOW);
        SetForegroundWindow(dialog.hWnd);
        PumpMessages();
    }
    void TearDown() override {
        DlgDestroy(dialog);
        PumpMessages();
    }
    HWND Item(int32_t id) const { return GetDlgItem(dialog.hWnd, id); }
    LRESULT Send(int32_t id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(Item(id), message, wParam, lParam);
    }
    const ControlEntry& EntryOf(int32_t id) const { return *ControlEntryOf(Item(id)); }
    std::vector<int32_t> Events() const {
        std::vector<int32_t> events;
        for (const CallRecord& call : Calls()) events.push_back(call.event);
        return events;
    }

    DIALOG dialog;
};

// ---------------------------------------------------------------------------
// Registration

TEST_F(Routing, EventsAcceptedPerKind) {
    struct Case {
        int32_t id;
        int32_t event;
        bool accepted;
    } cases[] = {
        {IDC_EDIT, EVT_UPDATE, true},        {IDC_EDIT, EVT_LOSEFOCUS, true},    {IDC_EDIT, EVT_SELCHANGE, false},
        {IDC_COMBO, EVT_CHANGE, true},       {IDC_COMBO, EVT_LOSEFOCUS, true},   {IDC_DROPLIST, EVT_CHANGE, false},
        {IDC_LIST, EVT_DBLCLICK, true},      {IDC_TAB, EVT_TABCHANGING, true},   {IDC_SPIN, EVT_CLICKED, false},
        {IDC_LISTVIEW, EVT_COLUMNCLICK, true}, {IDD_ALL, EVT_SIZE, true},        {IDD_ALL, EVT_CLICKED, false},
        {IDC_GROUP, EVT_DEFAULT, false},     {IDC_PROGRESS, EVT_DEFAULT, false}, {IDC_LABEL, EVT_DEFAULT, false},
        {IDC_THREESTATE, EVT_DEFAULT, false}, {4242, EVT_DEFAULT, false},
    };
    for (const Case& c : cases) EXPECT_EQ(DlgSetSub(dialog, c.id, RecordCall, c.event), c.accepted) << c.id << " " << c.event;

    // OK's default end routine can be replaced.
    EXPECT_TRUE(DlgSetSub(dialog, IDOK, RecordCall));
    EXPECT_EQ(EntryOf(IDOK).callbacks[0], &RecordCall);
}

TEST_F(Routing, DrawingNeedsOwnerDrawAndTheDrawingForm) {
    EXPECT_FALSE(DlgSetSub(dialog, IDC_PUSH, RecordDraw));
    EXPECT_TRUE(DlgSetSub(dialog, IDC_DRAWBUTTON, RecordDraw));
    EXPECT_TRUE(DlgSetSub(dialog, IDC_DRAWSTATIC, RecordDraw, EVT_DEFAULT));
    // A command routine cannot take a drawing slot.
    EXPECT_FALSE(DlgSetSub(dialog, IDC_DRAWSTATIC, RecordCall, EVT_DEFAULT));
    EXPECT_FALSE(DlgSetSub(dialog, IDC_DRAWBUTTON, RecordCall, EVT_DRAW));
    // Display data only for virtual list views.
    EXPECT_FALSE(DlgSetSub(dialog, IDC_LISTVIEW, FillDisplay));
    EXPECT_TRUE(DlgSetSub(dialog, IDC_VLISTVIEW, FillDisplay));
}

// ---------------------------------------------------------------------------
// Edits and combo boxes

TEST_F(Routing, EditChangesCallOnlyWhileTheEditHasTheFocus) {
    ASSERT_TRUE(DlgSetSub(dialog, IDC_EDIT, RecordWithText, EVT_CHANGE));
    FocusControl(dialog, IDC_PUSH);
    EXPECT_TRUE(DlgSetString(dialog, IDC_EDIT, "set by program"));
    PumpMessages();
    EXPECT_TRUE(Calls().empty());

    FocusControl(dialog, IDC_EDIT);
    Send(IDC_EDIT, EM_SETSEL, 0, -1);
    TypeText("ab");
    ASSERT_EQ(Calls().size(), 2u);
    EXPECT_EQ(Calls()[0].event, EVT_CHANGE);
    EXPECT_EQ(Calls()[0].id, IDC_EDIT);
    EXPECT_EQ(Calls()[1].note, "ab");
}

TEST_F(Routing, EditFocusEvents) {
    ASSERT_TRUE(DlgSetSub(dialog, IDC_EDIT, RecordCall, EVT_GAINFOCUS));
    ASSERT_TRUE(DlgSetSub(dialog, IDC_EDIT, RecordCall, EVT_LOSEFOCUS));
    FocusControl(dialog, IDC_EDIT);
    FocusControl(dialog, IDC_PUSH);
    EXPECT_EQ(Events(), (std::vector<int32_t>{EVT_GAINFOCUS, EVT_LOSEFOCUS}));
}

TEST_F(Routing, TypingInAnEditableComboCallsUpdateThenChange) {
    ASSERT_TRUE(DlgSetSub(dialog, IDC_COMBO, RecordCall, EVT_CHANGE));
    ASSERT_TRUE(DlgSetSub(dialog, IDC_COMBO, RecordCall, EVT_UPDATE));
    FocusControl(dialog, IDC_COMBO);
    Calls().clear();
    TypeText("x");
    EXPECT_EQ(Events(), (std::vector<int32_t>{EVT_UPDATE, EVT_CHANGE}));
    for (const CallRecord& call : Calls()) EXPECT_EQ(call.id, IDC_COMBO);

    // Programmatic changes while the focus is elsewhere call nothing.
    FocusControl(dialog, IDC_PUSH);
    Calls().clear();
    DlgSetString(dialog, IDC_COMBO, "quiet");
    PumpMessages();
    EXPECT_TRUE(Calls().empty());
}

TEST_F(Routing, ChoosingAComboItemShowsItBeforeTheCallback) {
    ASSERT_TRUE(DlgSetSub(dialog, IDC_COMBO, RecordWithText, EVT_SELCHANGE));
    DlgSetString(dialog, IDC_COMBO, "Delta", 0);  // "Gamma", "Delta"
    DlgSetString(dialog, IDC_COMBO, "typed");
    FocusControl(dialog, IDC_COMBO);

    // A selection change alone calls nothing.
    SendMessageA(dialog.hWnd, WM_COMMAND, MAKEWPARAM(IDC_COMBO, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(IDC_COMBO)));
    EXPECT_TRUE(Calls().empty());

    // Open the list and click the second item.
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(Item(IDC_COMBO), &info));
    Send(IDC_COMBO, CB_SHOWDROPDOWN, TRUE);
    PumpMessages();
    RECT itemRect{};
    SendMessageA(info.hwndList, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&itemRect));
    ClickIn(info.hwndList, itemRect);
    if (Send(IDC_COMBO, CB_GETDROPPEDSTATE)) Send(IDC_COMBO, CB_SHOWDROPDOWN, FALSE);
    PumpMessages();

    ASSERT_FALSE(Calls().empty());
    EXPECT_EQ(Calls()[0].event, EVT_SELCHANGE);
    EXPECT_EQ(Calls()[0].note, "Delta");
}

TEST_F(Routing, DropDownListCallsForTheUsersChoiceOnly) {
    ASSERT_TRUE(DlgSetSub(dialog, IDC_DROPLIST, RecordWithText));
    FocusControl(dialog, IDC_PUSH);
    SendMessageA(dialog.hWnd, WM_COMMAND, MAKEWPARAM(IDC_DROPLIST, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Item(IDC_DROPLIST)));
    EXPECT_TRUE(Calls().empty());

    FocusControl(dialog, IDC_DROPLIST);
    Send(IDC_DROPLIST, WM_KEYDOWN, VK_DOWN, 0);
    PumpMessages();
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].event, EVT_SELCHANGE);
    EXPECT_EQ(Calls()[0].note, "Alpha");
}

// ---------------------------------------------------------------------------
// Buttons, lists, tabs, bars

TEST_F(Routing, ClickingACheckBox) {
    ASSERT_TRUE(DlgSetSub(dialog, IDC_CHECK, RecordCall));
    RECT area{};
    GetClientRect(Item(IDC_CHECK), &area);
    ClickIn(Item(IDC_CHECK), area);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].id, IDC_CHECK);
    EXPECT_EQ(Calls()[0].event, EVT_CLICKED);
    bool checked = false;
    EXPECT_TRUE(DlgGetLogical(dialog, IDC_CHECK, checked));
    EXPECT_TRUE(checked);
}

TEST_F(Routing, ListBoxSelectionAndDoubleClick) {
    ASSERT_TRUE(DlgSetSub(dialog, IDC_LIST, RecordWithText));
    ASSERT_TRUE(DlgSetSub(dialog, IDC_LIST, RecordCall, EVT_DBLCLICK));
    RECT itemRect{};
    Send(IDC_LIST, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&itemRect));
    ClickIn(Item(IDC_LIST), itemRect);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].event, EVT_SELCHANGE);
    EXPECT_EQ(Calls()[0].note, "Two");
    const LPARAM where = MAKELPARAM((itemRect.left + itemRect.right) / 2, (itemRect.top + itemRect.bottom) / 2);
    Send(IDC_LIST, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
    Send(IDC_LIST, WM_LBUTTONUP, 0, where);
    PumpMessages();
    ASSERT_EQ(Calls().size(), 2u);
    EXPECT_EQ(Calls()[1].event, EVT_DBLCLICK);
}

TEST_F(Routing, TabClickShowsThePageBeforeTheCallback) {
    DlgSetInteger(dialog, IDC_TAB, 2);
    DlgSetString(dialog, IDC_TAB, "One", 1);
    DlgSetString(dialog, IDC_TAB, "Two", 2);
    DlgSetInteger(dialog, IDC_TAB, IDC_PAGE1, 1);
    DlgSetInteger(dialog, IDC_TAB, IDC_PAGE2, 2);
    DlgSetInteger(dialog, IDC_TAB, 1, ATTR_SELECTION);
    ASSERT_TRUE(DlgSetSub(dialog, IDC_TAB, RecordPageVisible));
    ASSERT_TRUE(DlgSetSub(dialog, IDC_TAB, RecordPageVisible, EVT_TABCHANGING));

    RECT tabRect{};
    Send(IDC_TAB, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tabRect));
    ClickIn(Item(IDC_TAB), tabRect);
    ASSERT_EQ(Calls().size(), 2u);
    EXPECT_EQ(Calls()[0].event, EVT_TABCHANGING);
    EXPECT_EQ(Calls()[0].note, "page 2 hidden");
    EXPECT_EQ(Calls()[1].event, EVT_SELCHANGE);
    EXPECT_EQ(Calls()[1].note, "page 2 shown");
    EXPECT_FALSE(IsWindowVisible(Item(IDC_PAGE1)));
}

TEST_F(Routing, ScrollBarSliderAndSpinnerReportChanges) {
    DlgSetInteger(dialog, IDC_SCROLL, 0, ATTR_MINIMUM);
    DlgSetInteger(dialog, IDC_SCROLL, 10, ATTR_MAXIMUM);
    ASSERT_TRUE(DlgSetSub(dialog, IDC_SCROLL, RecordPosition));
    Send(IDC_SCROLL, WM_KEYDOWN, VK_RIGHT, 0);
    PumpMessages();
    ASSERT_FALSE(Calls().empty());
    EXPECT_EQ(Calls()[0].event, EVT_CHANGE);
    EXPECT_EQ(Calls()[0].note, "1");  // moved before the callback reads it

    Calls().clear();
    DlgSetInteger(dialog, IDC_SLIDER, 0, ATTR_MINIMUM);
    DlgSetInteger(dialog, IDC_SLIDER, 10, ATTR_MAXIMUM);
    ASSERT_TRUE(DlgSetSub(dialog, IDC_SLIDER, RecordPosition));
    Send(IDC_SLIDER, WM_KEYDOWN, VK_RIGHT, 0);
    PumpMessages();
    ASSERT_FALSE(Calls().empty());
    EXPECT_EQ(Calls()[0].event, EVT_CHANGE);
    EXPECT_EQ(Calls()[0].note, "1");

    Calls().clear();
    DlgSetInteger(dialog, IDC_SPIN, 0, ATTR_MINIMUM);
    DlgSetInteger(dialog, IDC_SPIN, 6, ATTR_MAXIMUM);
    DlgSetInteger(dialog, IDC_SPIN, 2);
    ASSERT_TRUE(DlgSetSub(dialog, IDC_SPIN, RecordCall));
    FocusControl(dialog, IDC_BUDDY);
    Send(IDC_BUDDY, WM_KEYDOWN, VK_UP, 0);
    PumpMessages();
    ASSERT_FALSE(Calls().empty());
    EXPECT_EQ(Calls()[0].event, EVT_CHANGE);
    int32_t position = 0;
    EXPECT_TRUE(DlgGetInteger(dialog, IDC_SPIN, position));
    EXPECT_EQ(position, 3);
}

// ---------------------------------------------------------------------------
// The dialog's own events

TEST_F(Routing, DialogSizeAndHelp) {
    ASSERT_TRUE(DlgSetSub(dialog, IDD_ALL, RecordCall, EVT_SIZE));
    ASSERT_TRUE(DlgSetSub(dialog, IDD_ALL, RecordCall, EVT_HELP));
    SetWindowPos(dialog.hWnd, nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
    ASSERT_FALSE(Calls().empty());
    EXPECT_EQ(Calls().back().event, EVT_SIZE);
    EXPECT_EQ(Calls().back().id, SIZE_RESTORED);

    Calls().clear();
    HELPINFO help{};
    help.cbSize = sizeof help;
    help.iContextType = HELPINFO_WINDOW;
    help.iCtrlId = IDC_EDIT;
    help.dwContextId = 1234;
    EXPECT_EQ(SendMessageA(dialog.hWnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&help)), 0);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].id, IDC_EDIT);
    EXPECT_EQ(Calls()[0].event, 1234);
}

TEST_F(Routing, HelpContextsReachOnlyTheHelpRoutine) {
    for (int32_t event : {EVT_INIT, EVT_HELP, EVT_DESTROY, EVT_SIZE})
        ASSERT_TRUE(DlgSetSub(dialog, IDD_ALL, RecordCall, event));
    // Context ids that are also the numbers of WM_DESTROY, WM_SIZE and WM_INITDIALOG.
    for (DWORD context : {DWORD{WM_DESTROY}, DWORD{WM_SIZE}, DWORD{WM_INITDIALOG}}) {
        Calls().clear();
        HELPINFO help{};
        help.cbSize = sizeof help;
        help.iContextType = HELPINFO_WINDOW;
        help.iCtrlId = IDC_EDIT;
        help.dwContextId = context;
        EXPECT_EQ(SendMessageA(dialog.hWnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&help)), 0);
        ASSERT_EQ(Calls().size(), 1u) << context;
        EXPECT_EQ(Calls()[0].id, IDC_EDIT);
        EXPECT_EQ(Calls()[0].event, static_cast<int32_t>(context));
    }
}

TEST_F(Routing, OwnerDrawingGetsAContextForTheItem) {
    ASSERT_TRUE(DlgSetSub(dialog, IDC_DRAWBUTTON, RecordDraw));
    ASSERT_TRUE(DlgSetSub(dialog, IDC_DRAWSTATIC, RecordDraw));
    RedrawWindow(Item(IDC_DRAWBUTTON), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RedrawWindow(Item(IDC_DRAWSTATIC), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    PumpMessages();
    RECT button{}, label{};
    GetClientRect(Item(IDC_DRAWBUTTON), &button);
    GetClientRect(Item(IDC_DRAWSTATIC), &label);
    bool sawButton = false, sawStatic = false;
    for (const CallRecord& call : Calls()) {
        if (call.id == IDC_DRAWBUTTON) {
            sawButton = true;
            EXPECT_EQ(call.note, std::to_string(button.right) + "x" + std::to_string(button.bottom) + " dc");
        }
        if (call.id == IDC_DRAWSTATIC) {
            sawStatic = true;
            EXPECT_EQ(call.note, std::to_string(label.right) + "x" + std::to_string(label.bottom) + " dc");
        }
    }
    EXPECT_TRUE(sawButton);
    EXPECT_TRUE(sawStatic);
}

// ---------------------------------------------------------------------------
// List views

class ListViewRouting : public Routing {
protected:
    // An ordinary list view of texts "10", "9", "8" in a text column and an
    // integer column.
    void FillOrdinary() {
        ASSERT_TRUE(DlgSetString(dialog, IDC_LISTVIEW, "(a2,i4)", ATTR_COLUMNTYPES));
        const char* texts[] = {"10", "9", "8"};
        for (int k = 1; k <= 3; ++k) {
            LVITEMA item{};
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.iItem = k - 1;
            item.pszText = const_cast<char*>(texts[k - 1]);
            item.lParam = k - 1;
            const auto row = Send(IDC_LISTVIEW, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(row);
            item.iSubItem = 1;
            Send(IDC_LISTVIEW, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        }
    }
    void ClickColumn(int32_t id, int column) {
        HWND header = GetDlgItem(Item(id), 0);
        RECT area{};
        SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(column - 1), reinterpret_cast<LPARAM>(&area));
        ClickIn(header, area);
    }
    std::vector<std::string> Column(int32_t id, int subItem) {
        std::vector<std::string> texts;
        const auto count = Send(id, LVM_GETITEMCOUNT);
        for (LRESULT row = 0; row < count; ++row) {
            char text[64] = {};
            LVITEMA item{};
            item.iSubItem = subItem;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            Send(id, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
            texts.push_back(text);
        }
        return texts;
    }
    HDITEMA HeaderItem(int32_t id, int column) {
        HDITEMA item{};
        item.mask = HDI_FORMAT | HDI_IMAGE;
        SendMessageA(GetDlgItem(Item(id), 0), HDM_GETITEMA, static_cast<WPARAM>(column - 1), reinterpret_cast<LPARAM>(&item));
        return item;
    }
    using Strings = std::vector<std::string>;
};

TEST_F(ListViewRouting, ColumnClicksSortOneWayThenTheOther) {
    FillOrdinary();
    ClickColumn(IDC_LISTVIEW, 1);
    EXPECT_EQ(Column(IDC_LISTVIEW, 0), (Strings{"9", "8", "10"}));
    EXPECT_EQ(HeaderItem(IDC_LISTVIEW, 1).iImage, 1);
    EXPECT_NE(HeaderItem(IDC_LISTVIEW, 1).fmt & HDF_IMAGE, 0);
    ClickColumn(IDC_LISTVIEW, 1);
    EXPECT_EQ(Column(IDC_LISTVIEW, 0), (Strings{"10", "8", "9"}));  // "10" before "9" as text
    EXPECT_EQ(HeaderItem(IDC_LISTVIEW, 1).iImage, 0);

    ClickColumn(IDC_LISTVIEW, 2);
    EXPECT_EQ(Column(IDC_LISTVIEW, 1), (Strings{"10", "9", "8"}));
    ClickColumn(IDC_LISTVIEW, 2);
    EXPECT_EQ(Column(IDC_LISTVIEW, 1), (Strings{"8", "9", "10"}));  // after it as a number
    EXPECT_EQ(HeaderItem(IDC_LISTVIEW, 1).fmt & (HDF_IMAGE | HDF_BITMAP_ON_RIGHT), 0);
    EXPECT_NE(HeaderItem(IDC_LISTVIEW, 2).fmt & HDF_BITMAP_ON_RIGHT, 0);
    // Items keep their numbers through the sort.
    EXPECT_EQ(ListRowToItem(Item(IDC_LISTVIEW), 0), 3);
    EXPECT_EQ(ListItemToRow(Item(IDC_LISTVIEW), 1), 2);
}

TEST_F(ListViewRouting, ItemsWithoutUniqueItemDataSortRightAndKeepTheirData) {
    ASSERT_TRUE(DlgSetString(dialog, IDC_LISTVIEW, "(i4)", ATTR_COLUMNTYPES));
    const char* texts[] = {"10", "9", "8", "11"};
    const LPARAM data[] = {7, 7, 0, 7};
    for (int k = 0; k < 4; ++k) {
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = k;
        item.pszText = const_cast<char*>(texts[k]);
        item.lParam = data[k];
        Send(IDC_LISTVIEW, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    ASSERT_TRUE(DlgSetSub(dialog, IDC_LISTVIEW, RecordCall));  // selection changes only
    ClickColumn(IDC_LISTVIEW, 1);
    EXPECT_EQ(Column(IDC_LISTVIEW, 0), (Strings{"11", "10", "9", "8"}));
    ClickColumn(IDC_LISTVIEW, 1);
    EXPECT_EQ(Column(IDC_LISTVIEW, 0), (Strings{"8", "9", "10", "11"}));
    // Each item still carries its own data; nothing was selected.
    for (int row = 0; row < 4; ++row) {
        LVITEMA item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        Send(IDC_LISTVIEW, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(item.lParam, row == 0 ? 0 : 7) << row;
    }
    EXPECT_TRUE(Calls().empty());
}

TEST_F(ListViewRouting, ColumnClickRoutineReplacesTheSort) {
    FillOrdinary();
    ASSERT_TRUE(DlgSetSub(dialog, IDC_LISTVIEW, RecordCall, EVT_COLUMNCLICK));
    ClickColumn(IDC_LISTVIEW, 2);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].event, 2);  // the column number
    EXPECT_EQ(Column(IDC_LISTVIEW, 0), (Strings{"10", "9", "8"}));
    EXPECT_EQ(HeaderItem(IDC_LISTVIEW, 2).fmt & HDF_IMAGE, 0);
}

TEST_F(ListViewRouting, SelectionChangesAndActivation) {
    FillOrdinary();
    ASSERT_TRUE(DlgSetSub(dialog, IDC_LISTVIEW, RecordCall));
    ASSERT_TRUE(DlgSetSub(dialog, IDC_LISTVIEW, RecordCall, EVT_DBLCLICK));
    DlgSetLogical(dialog, IDC_LISTVIEW, true, 2);
    ASSERT_FALSE(Calls().empty());
    EXPECT_EQ(Calls()[0].event, EVT_SELCHANGE);
    Calls().clear();
    FocusControl(dialog, IDC_LISTVIEW);
    RECT row{};
    row.left = LVIR_LABEL;
    Send(IDC_LISTVIEW, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    const LPARAM where = MAKELPARAM((row.left + row.right) / 2, (row.top + row.bottom) / 2);
    ClickIn(Item(IDC_LISTVIEW), row);
    Send(IDC_LISTVIEW, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
    Send(IDC_LISTVIEW, WM_LBUTTONUP, 0, where);
    PumpMessages();
    bool activated = false;
    for (const CallRecord& call : Calls()) activated = activated || call.event == EVT_DBLCLICK;
    EXPECT_TRUE(activated);
}

struct Row {
    char name[4];
    int32_t value;
};

class VirtualListView : public ListViewRouting {
protected:
    void SetUp() override {
        ListViewRouting::SetUp();
        const Row rows[] = {{{'d', 'd', ' ', ' '}, 40}, {{'b', ' ', ' ', ' '}, -7}, {{'c', 'c', 'c', ' '}, 900},
                            {{'a', 'a', ' ', ' '}, 12}, {{'e', ' ', ' ', ' '}, 3}};
        std::memcpy(rows_, rows, sizeof rows);
        HWND lv = Item(IDC_VLISTVIEW);
        ASSERT_TRUE(DlgSetString(dialog, IDC_VLISTVIEW, "(a4,i)", ATTR_COLUMNTYPES));
        ASSERT_TRUE(DlgSetInteger(dialog, IDC_VLISTVIEW, sizeof(Row), ATTR_ROWSIZE));
        ASSERT_TRUE(BindListViewRows(lv, rows_));
        ASSERT_TRUE(DlgSetInteger(dialog, IDC_VLISTVIEW, 5, ATTR_ITEMCOUNT));
    }
    std::vector<int32_t> Order() {
        std::vector<int32_t> items;
        for (int32_t row = 0; row < 5; ++row) items.push_back(ListRowToItem(Item(IDC_VLISTVIEW), row));
        return items;
    }
    Row rows_[5];
};

TEST_F(VirtualListView, ShowsTheBoundRows) {
    EXPECT_EQ(Column(IDC_VLISTVIEW, 0), (Strings{"dd", "b", "ccc", "aa", "e"}));
    EXPECT_EQ(Column(IDC_VLISTVIEW, 1), (Strings{"40", "-7", "900", "12", "3"}));
}

TEST_F(VirtualListView, SortsTheRowOrderAndKeepsSelections) {
    DlgSetLogical(dialog, IDC_VLISTVIEW, true, 3);  // "ccc", 900
    ClickColumn(IDC_VLISTVIEW, 2);                  // first click: descending
    EXPECT_EQ(Order(), (std::vector<int32_t>{3, 1, 4, 5, 2}));
    EXPECT_EQ(Column(IDC_VLISTVIEW, 1), (Strings{"900", "40", "12", "3", "-7"}));
    EXPECT_EQ(ListItemToRow(Item(IDC_VLISTVIEW), 3), 0);
    EXPECT_NE(Send(IDC_VLISTVIEW, LVM_GETITEMSTATE, 0, LVIS_SELECTED), 0);
    EXPECT_EQ(Send(IDC_VLISTVIEW, LVM_GETITEMSTATE, 2, LVIS_SELECTED), 0);
    ClickColumn(IDC_VLISTVIEW, 2);
    EXPECT_EQ(Order(), (std::vector<int32_t>{2, 5, 4, 1, 3}));
    EXPECT_NE(Send(IDC_VLISTVIEW, LVM_GETITEMSTATE, 4, LVIS_SELECTED), 0);

    ClickColumn(IDC_VLISTVIEW, 1);  // text column, descending
    EXPECT_EQ(Column(IDC_VLISTVIEW, 0), (Strings{"e", "dd", "ccc", "b", "aa"}));
    int32_t cursor = 0, item = 0;
    EXPECT_TRUE(DlgGetInteger(dialog, IDC_VLISTVIEW, item, ATTR_SELECTION, &cursor));
    EXPECT_EQ(item, 3);
    EXPECT_EQ(cursor, 3);
}

TEST_F(Routing, DatesAndImageNumbersOfBoundRows) {
    struct Dated {
        SYSTEMTIME when;
        int32_t image;
    } rows[2] = {};
    rows[0].when.wYear = 2026;
    rows[0].when.wMonth = 12;
    rows[0].when.wDay = 7;
    rows[0].image = 3;
    rows[1].when.wHour = 13;
    rows[1].when.wMinute = 5;
    HWND lv = Item(IDC_VLISTVIEW);
    ASSERT_TRUE(DlgSetString(dialog, IDC_VLISTVIEW, "(t,+)", ATTR_COLUMNTYPES));
    ASSERT_TRUE(DlgSetInteger(dialog, IDC_VLISTVIEW, sizeof(Dated), ATTR_ROWSIZE));
    ASSERT_TRUE(BindListViewRows(lv, rows));
    ASSERT_TRUE(DlgSetInteger(dialog, IDC_VLISTVIEW, 2, ATTR_ITEMCOUNT));

    char date[64] = {}, clock[64] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &rows[0].when, nullptr, date, sizeof date);
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &rows[1].when, nullptr, clock, sizeof clock);
    ASSERT_NE(date[0], '\0');
    ASSERT_NE(clock[0], '\0');
    char text[64] = {};
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ASSERT_TRUE(SendMessageA(lv, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(text, date);  // a date without a time
    EXPECT_EQ(item.iImage, 2);
    item.iItem = 1;
    ASSERT_TRUE(SendMessageA(lv, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(text, clock);  // a time without a date
    EXPECT_EQ(item.iImage, -1);
}

TEST_F(VirtualListView, DisplayRoutineTakesOverTheDisplay) {
    ASSERT_TRUE(DlgSetSub(dialog, IDC_VLISTVIEW, FillDisplay));
    EXPECT_EQ(Column(IDC_VLISTVIEW, 0), (Strings{"own", "own", "own", "own", "own"}));
    ASSERT_FALSE(Calls().empty());
    EXPECT_EQ(Calls()[0].id, IDC_VLISTVIEW);
}

}  // namespace
}  // namespace velmora
