// Setting and reading control state through attribute indexes, asserted on
// what the controls themselves report.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "dialog_support.h"
#include "dialogs/dialog_internal.h"
#include "dialogs/dialogs.h"
#include "framework/framework.h"
#include "test_dialogs.h"

namespace velmora {
namespace {

using testing::PumpMessages;

class ControlState : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(DlgCreate(IDD_ALL, dialog));
        ShowWindow(dialog.hWnd, SW_SHOW);
        PumpMessages();
    }
    void TearDown() override {
        DlgDestroy(dialog);
        PumpMessages();
    }
    HWND Item(int32_t id) const { return GetDlgItem(dialog.hWnd, id); }
    ControlEntry* EntryOf(int32_t id) const { return ControlEntryOf(Item(id)); }
    LRESULT Send(int32_t id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(Item(id), message, wParam, lParam);
    }
    std::string WindowText(int32_t id) const {
        char text[256] = {};
        GetWindowTextA(Item(id), text, sizeof text);
        return text;
    }
    // A field of `length` characters read with DlgGetString.
    std::string ReadString(int32_t id, std::size_t length, AttrIndex index, bool* ok = nullptr) {
        std::string field(length, '#');
        const bool read = DlgGetString(dialog, id, field, index);
        if (ok != nullptr) *ok = read;
        return field;
    }
    void FillList(int32_t id, UINT add, std::initializer_list<const char*> items) {
        for (const char* item : items) Send(id, add, 0, reinterpret_cast<LPARAM>(item));
    }

    DIALOG dialog;
};

// ---------------------------------------------------------------------------
// Texts

TEST_F(ControlState, EditTextsAreBlankPaddedFields) {
    EXPECT_TRUE(DlgSetString(dialog, IDC_EDIT, "VW_FRAME      "));
    EXPECT_EQ(WindowText(IDC_EDIT), "VW_FRAME");
    EXPECT_EQ(ReadString(IDC_EDIT, 12, std::nullopt), "VW_FRAME    ");
    EXPECT_EQ(ReadString(IDC_EDIT, 4, ATTR_VALUE), "VW_F");

    EXPECT_TRUE(DlgSetString(dialog, IDC_EDIT, "    "));
    EXPECT_EQ(WindowText(IDC_EDIT), " ");

    SetWindowTextA(Item(IDC_EDIT), "");
    bool ok = false;
    EXPECT_EQ(ReadString(IDC_EDIT, 6, ATTR_VALUE, &ok), "      ");
    EXPECT_TRUE(ok);
}

TEST_F(ControlState, CaptionsAndTheDialogsOwnId) {
    EXPECT_TRUE(DlgSetString(dialog, IDC_LABEL, "Handler &routine:"));
    EXPECT_EQ(WindowText(IDC_LABEL), "Handler &routine:");
    EXPECT_EQ(ReadString(IDC_LABEL, 8, std::nullopt), "Handler ");
    EXPECT_TRUE(DlgSetString(dialog, IDC_PUSH, "Go", ATTR_TEXT));
    EXPECT_EQ(WindowText(IDC_PUSH), "Go");

    EXPECT_TRUE(DlgSetString(dialog, IDD_ALL, "New caption"));
    char caption[32] = {};
    GetWindowTextA(dialog.hWnd, caption, sizeof caption);
    EXPECT_STREQ(caption, "New caption");
    bool ok = true;
    EXPECT_EQ(ReadString(IDD_ALL, 5, ATTR_TEXT, &ok), "     ");
    EXPECT_FALSE(ok);
    // An edit control has no caption attribute.
    EXPECT_FALSE(DlgSetString(dialog, IDC_EDIT, "x", ATTR_TEXT));
}

TEST_F(ControlState, MultiLineEditLines) {
    const int32_t id = IDC_MULTILINE;
    SetWindowTextA(Item(id), "one\r\ntwo\r\n\r\nfour");
    EXPECT_TRUE(DlgSetString(dialog, id, "!", 0));
    EXPECT_EQ(WindowText(id), "one\r\ntwo\r\n\r\nfour!");
    EXPECT_TRUE(DlgSetString(dialog, id, ">", 2));
    EXPECT_EQ(WindowText(id), "one\r\n>two\r\n\r\nfour!");
    EXPECT_FALSE(DlgSetString(dialog, id, "?", 9));
    EXPECT_EQ(WindowText(id), "one\r\n>two\r\n\r\nfour!");

    bool ok = false;
    EXPECT_EQ(ReadString(id, 6, 2, &ok), ">two  ");
    EXPECT_TRUE(ok);
    EXPECT_EQ(ReadString(id, 6, 3, &ok), "      ");
    EXPECT_FALSE(ok);
    EXPECT_EQ(ReadString(id, 2, 1, &ok), "on");
    EXPECT_TRUE(ok);
    // A single-line edit has no lines to read.
    SetWindowTextA(Item(IDC_EDIT), "abc");
    ReadString(IDC_EDIT, 6, 2, &ok);
    EXPECT_FALSE(ok);
}

TEST_F(ControlState, LinesPastTheLastAreNotThere) {
    SetWindowTextA(Item(IDC_MULTILINE), "one\r\ntwo");
    SetWindowTextA(Item(IDC_EDIT), "abc");
    const struct {
        int32_t id;
        int32_t line;
        bool inserted;
        const char* text;
    } cases[] = {
        {IDC_EDIT, 1, true, ">abc"},  {IDC_EDIT, 2, false, ">abc"},
        {IDC_MULTILINE, 2, true, "one\r\n>two"}, {IDC_MULTILINE, 3, false, "one\r\n>two"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DlgSetString(dialog, c.id, ">", c.line), c.inserted) << c.id << " line " << c.line;
        EXPECT_EQ(WindowText(c.id), c.text) << c.id << " line " << c.line;
    }
}

TEST_F(ControlState, EditNumbersLimitAndCaret) {
    int32_t v = -1;
    SetWindowTextA(Item(IDC_EDIT), " 42");
    EXPECT_TRUE(DlgGetInteger(dialog, IDC_EDIT, v));
    EXPECT_EQ(v, 42);
    SetWindowTextA(Item(IDC_EDIT), "");
    EXPECT_FALSE(DlgGetInteger(dialog, IDC_EDIT, v));

    EXPECT_TRUE(DlgSetInteger(dialog, IDC_EDIT, -17));
    EXPECT_EQ(WindowText(IDC_EDIT), "-17");
    EXPECT_TRUE(DlgSetInteger(dialog, IDC_EDIT, 32, ATTR_MAXIMUM));
    EXPECT_EQ(Send(IDC_EDIT, EM_GETLIMITTEXT), 32);

    EXPECT_TRUE(DlgSetInteger(dialog, IDC_EDIT, 2, ATTR_SELECTION));
    DWORD start = 9, end = 9;
    Send(IDC_EDIT, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 2u);
    EXPECT_EQ(end, 2u);
    EXPECT_TRUE(DlgGetInteger(dialog, IDC_EDIT, v, ATTR_SELECTION));
    EXPECT_EQ(v, 2);
}

TEST_F(ControlState, EditTextWithTrailingLettersIsNotANumber) {
    // Wine's GetDlgItemInt reads "12a" as 12 and reports success; Windows
    // reports that the text was not translated.
    if (testing::RunningUnderWine()) GTEST_SKIP() << "Wine's GetDlgItemInt accepts trailing letters";
    int32_t v = -1;
    SetWindowTextA(Item(IDC_EDIT), "12a");
    EXPECT_FALSE(DlgGetInteger(dialog, IDC_EDIT, v));
}

// ---------------------------------------------------------------------------
// Lists

TEST_F(ControlState, ComboItemsAppendReplaceAndStopPastTheEnd) {
    const int32_t id = IDC_DROPLIST;  // "Alpha", "Beta" from the dialog-init resource
    EXPECT_TRUE(DlgSetString(dialog, id, "From file", 0));
    EXPECT_EQ(Send(id, CB_GETCOUNT), 3);
    EXPECT_TRUE(DlgSetString(dialog, id, "Third", 3));
    EXPECT_EQ(Send(id, CB_GETCOUNT), 3);
    EXPECT_EQ(ReadString(id, 8, 3), "Third   ");
    EXPECT_TRUE(DlgSetString(dialog, id, "Fourth", 4));
    EXPECT_EQ(Send(id, CB_GETCOUNT), 4);
    EXPECT_FALSE(DlgSetString(dialog, id, "Sixth", 6));
    EXPECT_EQ(Send(id, CB_GETCOUNT), 4);
    // The default index appends too.
    EXPECT_TRUE(DlgSetString(dialog, id, "Last"));
    EXPECT_EQ(Send(id, CB_GETCOUNT), 5);
}

TEST_F(ControlState, DropDownListSelectionCountsFromOne) {
    const int32_t id = IDC_DROPLIST;
    bool ok = true;
    EXPECT_EQ(ReadString(id, 5, std::nullopt, &ok), "     ");
    EXPECT_FALSE(ok);
    int32_t v = 77;
    EXPECT_FALSE(DlgGetInteger(dialog, id, v, ATTR_SELECTION));
    EXPECT_EQ(v, 77);

    EXPECT_TRUE(DlgSetInteger(dialog, id, 2, ATTR_SELECTION));
    EXPECT_EQ(Send(id, CB_GETCURSEL), 1);
    EXPECT_TRUE(DlgGetInteger(dialog, id, v, ATTR_SELECTION));
    EXPECT_EQ(v, 2);
    EXPECT_EQ(ReadString(id, 6, std::nullopt), "Beta  ");
    EXPECT_FALSE(DlgSetInteger(dialog, id, 9, ATTR_SELECTION));
    EXPECT_TRUE(DlgSetString(dialog, id, "Al", ATTR_SELECTION));
    EXPECT_EQ(Send(id, CB_GETCURSEL), 0);
    EXPECT_TRUE(DlgGetInteger(dialog, id, v, ATTR_ITEMCOUNT));
    EXPECT_EQ(v, 2);
}

TEST_F(ControlState, EditableComboReadsItsEditField) {
    const int32_t id = IDC_COMBO;  // "Gamma"
    EXPECT_TRUE(DlgSetString(dialog, id, "typed text"));
    bool ok = false;
    EXPECT_EQ(ReadString(id, 12, std::nullopt, &ok), "typed text  ");
    EXPECT_TRUE(ok);
    EXPECT_EQ(ReadString(id, 12, ATTR_SELECTION, &ok), "typed text  ");
    EXPECT_TRUE(ok);
    int32_t v = 5;
    EXPECT_FALSE(DlgGetInteger(dialog, id, v));  // no value reading for an editable combo box
    EXPECT_EQ(v, 5);
}

TEST_F(ControlState, EditableCombosOfBothStylesSetAndReadTheirEditField) {
    for (int32_t id : {IDC_COMBO, IDC_SIMPLECOMBO}) {
        EXPECT_TRUE(DlgSetString(dialog, id, "typed text")) << id;
        EXPECT_EQ(WindowText(id), "typed text") << id;  // the combo box answers with its edit field
        EXPECT_EQ(ReadString(id, 12, ATTR_VALUE), "typed text  ") << id;
        SetWindowTextA(Item(id), "by the system");
        bool ok = false;
        EXPECT_EQ(ReadString(id, 13, ATTR_SELECTION, &ok), "by the system") << id;
        EXPECT_TRUE(ok) << id;
    }
}

TEST_F(ControlState, ItemCountKeepsWhatWasTypedIntoAnEditableCombo) {
    for (int32_t id : {IDC_COMBO, IDC_SIMPLECOMBO}) {
        testing::FocusControl(dialog, id);
        testing::TypeText("typed");
        for (int32_t count : {3, 0}) {
            EXPECT_TRUE(DlgSetInteger(dialog, id, count)) << id;
            EXPECT_EQ(Send(id, CB_GETCOUNT), count) << id;
            EXPECT_EQ(WindowText(id), "typed") << id << " count " << count;
        }
    }
}

TEST_F(ControlState, ListTextsLongerThanTheFieldAreCut) {
    const std::string longText(300, 'x');
    Send(IDC_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(longText.c_str()));
    bool ok = false;
    EXPECT_EQ(ReadString(IDC_LIST, 4, 3, &ok), "xxxx");
    EXPECT_TRUE(ok);
    Send(IDC_LIST, LB_SETCURSEL, 2);
    EXPECT_EQ(ReadString(IDC_LIST, 3, std::nullopt, &ok), "xxx");
    EXPECT_TRUE(ok);
    ReadString(IDC_LIST, 3, 9, &ok);
    EXPECT_FALSE(ok);
}

TEST_F(ControlState, ListBoxCountKeepsTheSurvivingSelection) {
    const int32_t id = IDC_LIST;  // "One", "Two"
    Send(id, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Three"));
    Send(id, LB_SETCURSEL, 0);
    EXPECT_TRUE(DlgSetInteger(dialog, id, 5));
    EXPECT_EQ(Send(id, LB_GETCOUNT), 5);
    EXPECT_EQ(Send(id, LB_GETTEXTLEN, 4), 0);
    EXPECT_EQ(Send(id, LB_GETCURSEL), 0);
    EXPECT_TRUE(DlgSetInteger(dialog, id, 1, ATTR_ITEMCOUNT));
    EXPECT_EQ(Send(id, LB_GETCOUNT), 1);
    EXPECT_EQ(ReadString(id, 5, std::nullopt), "One  ");
    EXPECT_TRUE(DlgSetInteger(dialog, id, 0));
    EXPECT_EQ(Send(id, LB_GETCOUNT), 0);
}

TEST_F(ControlState, ListBoxSelections) {
    FillList(IDC_MULTILIST, LB_ADDSTRING, {"a", "b", "c", "d"});
    // Selection zero: cleared and false on a single list, all items on a multiple one.
    Send(IDC_LIST, LB_SETCURSEL, 1);
    EXPECT_FALSE(DlgSetInteger(dialog, IDC_LIST, 0, ATTR_SELECTION));
    EXPECT_EQ(Send(IDC_LIST, LB_GETCURSEL), LB_ERR);
    EXPECT_TRUE(DlgSetInteger(dialog, IDC_MULTILIST, 0, ATTR_SELECTION));
    EXPECT_EQ(Send(IDC_MULTILIST, LB_GETSELCOUNT), 4);
    // Item 1 starts a new selection, later items add to it.
    EXPECT_TRUE(DlgSetInteger(dialog, IDC_MULTILIST, 3, 1));
    EXPECT_TRUE(DlgSetInteger(dialog, IDC_MULTILIST, 4, 2));
    EXPECT_EQ(Send(IDC_MULTILIST, LB_GETSELCOUNT), 2);
    EXPECT_GT(Send(IDC_MULTILIST, LB_GETSEL, 2), 0);
    EXPECT_FALSE(DlgSetInteger(dialog, IDC_MULTILIST, 0, 2));
    // A text selection does not apply to a multiple-selection list.
    EXPECT_FALSE(DlgSetString(dialog, IDC_MULTILIST, "a", ATTR_SELECTION));
    EXPECT_EQ(Send(IDC_MULTILIST, LB_GETSEL, 0), 0);
    int32_t v = 0;
    EXPECT_FALSE(DlgGetInteger(dialog, IDC_MULTILIST, v, ATTR_SELECTION));
}

TEST_F(ControlState, NthSelectedItemOfAnExtendedList) {
    const int32_t id = IDC_EXTLIST;
    FillList(id, LB_ADDSTRING, {"1", "2", "3", "4", "5", "6", "7"});
    for (int item : {1, 4, 6}) Send(id, LB_SETSEL, TRUE, item - 1);
    int32_t v = -1;
    EXPECT_TRUE(DlgGetInteger(dialog, id, v, 2));
    EXPECT_EQ(v, 4);
    EXPECT_TRUE(DlgGetInteger(dialog, id, v, 3));
    EXPECT_EQ(v, 6);
    v = -1;
    EXPECT_FALSE(DlgGetInteger(dialog, id, v, 4));
    EXPECT_EQ(v, 0);
    v = -1;
    EXPECT_FALSE(DlgGetInteger(dialog, id, v, 0));
    EXPECT_EQ(v, -1);
}

// ---------------------------------------------------------------------------
// Buttons

TEST_F(ControlState, CheckBoxesAndRadioButtons) {
    EXPECT_TRUE(DlgSetLogical(dialog, IDC_CHECK, true));
    EXPECT_EQ(Send(IDC_CHECK, BM_GETCHECK), BST_CHECKED);
    bool b = false;
    EXPECT_TRUE(DlgGetLogical(dialog, IDC_CHECK, b));
    EXPECT_TRUE(b);
    EXPECT_TRUE(DlgSetLogical(dialog, IDC_CHECK, false, ATTR_VALUE));
    EXPECT_TRUE(DlgGetLogical(dialog, IDC_CHECK, b));
    EXPECT_FALSE(b);

    EXPECT_TRUE(DlgSetLogical(dialog, IDC_RADIO, true));
    EXPECT_EQ(Send(IDC_RADIO, BM_GETCHECK), BST_CHECKED);
    EXPECT_TRUE(DlgSetLogical(dialog, IDC_AUTORADIO, true));
    EXPECT_EQ(Send(IDC_RADIO, BM_GETCHECK), BST_CHECKED);  // the caller clears the others

    EXPECT_FALSE(DlgSetLogical(dialog, IDC_PUSH, true));
    Send(IDC_THREESTATE, BM_SETCHECK, BST_INDETERMINATE);
    b = true;
    EXPECT_FALSE(DlgGetLogical(dialog, IDC_PUSH, b));
    EXPECT_FALSE(DlgGetLogical(dialog, IDC_THREESTATE, b));
    EXPECT_TRUE(b);
}

TEST_F(ControlState, EnabledAndVisible) {
    EXPECT_TRUE(DlgSetLogical(dialog, IDC_PUSH, false, ATTR_ENABLED));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_PUSH)));
    bool b = true;
    EXPECT_TRUE(DlgGetLogical(dialog, IDC_PUSH, b, ATTR_ENABLED));
    EXPECT_FALSE(b);
    EXPECT_TRUE(DlgSetLogical(dialog, IDC_EDIT, false, ATTR_VISIBLE));
    EXPECT_FALSE(IsWindowVisible(Item(IDC_EDIT)));
    EXPECT_TRUE(DlgSetLogical(dialog, IDC_EDIT, true, ATTR_VISIBLE));
    // Visibility is the control's own bit, also inside a hidden dialog.
    ShowWindow(dialog.hWnd, SW_HIDE);
    EXPECT_TRUE(DlgGetLogical(dialog, IDC_EDIT, b, ATTR_VISIBLE));
    EXPECT_TRUE(b);
}

TEST_F(ControlState, ImagesOnButtonsStaticsAndTheDialog) {
    auto icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TEST), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    ASSERT_NE(icon, nullptr);
    const auto value = reinterpret_cast<LONG_PTR>(icon);
    EXPECT_TRUE(DlgSetInteger(dialog, IDC_ICONBUTTON, value, ATTR_ICON));
    EXPECT_EQ(Send(IDC_ICONBUTTON, BM_GETIMAGE, IMAGE_ICON), value);
    LONG_PTR read = 0;
    EXPECT_TRUE(DlgGetInteger(dialog, IDC_ICONBUTTON, read, ATTR_ICON));
    EXPECT_EQ(read, value);
    EXPECT_TRUE(DlgSetInteger(dialog, IDC_ICONSTATIC, value, ATTR_ICON));
    EXPECT_TRUE(DlgGetInteger(dialog, IDC_ICONSTATIC, read, ATTR_ICON));
    EXPECT_EQ(read, value);
    EXPECT_FALSE(DlgSetInteger(dialog, IDC_PUSH, value, ATTR_ICON));
    EXPECT_FALSE(DlgSetInteger(dialog, IDC_LABEL, value, ATTR_ICON));
    EXPECT_TRUE(DlgSetInteger(dialog, IDD_ALL, value, ATTR_ICON));
    EXPECT_EQ(SendMessageA(dialog.hWnd, WM_GETICON, ICON_SMALL, 0), value);
    EXPECT_TRUE(DlgGetInteger(dialog, IDD_ALL, read, ATTR_BITMAP));
    EXPECT_EQ(read, value);
    DestroyIcon(icon);
}

// ---------------------------------------------------------------------------
// Ranges and positions

TEST_F(ControlState, SpinnerRangeWhateverTheOrder) {
    int32_t minimum = 99, maximum = 99;
    EXPECT_TRUE(DlgSetInteger(dialog, IDC_SPIN, 0, ATTR_MINIMUM));
    EXPECT_TRUE(DlgSetInteger(dialog, IDC_SPIN, 6, ATTR_MAXIMUM));
    EXPECT_TRUE(DlgGetInteger(dialog, IDC_SPIN, minimum, ATTR_MINIMUM));
    EXPECT_TRUE(DlgGetInteger(dialog, IDC_SPIN, maximum, ATTR_MAXIMUM));
    EXPECT_EQ(minimum, 0);
    EXPECT_EQ(maximum, 6);

    EXPECT_TRUE(DlgSetInteger(dialog, IDC_SPIN, 6, ATTR_MAXIMUM));
    EXPECT_TRUE(DlgSetInteger(dialog, IDC_SPIN, 0, ATTR_MINIMUM));
    EXPECT_TRUE(DlgGetInteger(dialog, IDC_SPIN, minimum, ATTR_MINIMUM));
    EXPECT_TRUE(DlgGetInteger(dialog, IDC_SPIN, maximum, ATTR_MAXIMUM));
    EXPECT_EQ(minimum, 0);
    EXPECT_EQ(maximum, 6);
    EXPECT_TRUE(DlgSetInteger(dialog, IDC_SPIN, 4));
    int32_t v = 0;
    EXPECT_TRUE(DlgGetInteger(dialog, IDC_SPIN, v));
    EXPECT_EQ(v, 4);
    EXPECT_EQ(WindowText(IDC_BUDDY), "4");  // the buddy shows the position

    EXPECT_TRUE(DlgSetInteger(dialog, IDC_SPIN, -5, ATTR_MINIMUM));
    EXPECT_TRUE(DlgSetInteger(dialog, IDC_SPIN, -1, ATTR_MAXIMUM));
    EXPECT_TRUE(DlgGetInteger(dialog, IDC_SPIN, minimum, ATTR_MINIMUM));
    EXPECT_TRUE(DlgGetInteger(dialog, IDC_SPIN, maximum, ATTR_MAXIMUM));
    EXPECT_EQ(minimum, -5);
    EXPECT_EQ(maximum, -1);
    EXPECT_TRUE(DlgSetInteger(dialog, IDC_SPIN, -3));
    EXPECT_TRUE(DlgGetInteger(dialog, IDC_SPIN, v));
    EXPECT_EQ(v, -3);
    // Values from 65535 up become 65535, which reads as -1.
    EXPECT_TRUE(DlgSetInteger(dialog, IDC_SPIN, 70000, ATTR_MAXIMUM));
    EXPECT_TRUE(DlgGetInteger(dialog, IDC_SPIN, maximum, ATTR_MAXIMUM));
    EXPECT_EQ(maximum, -1);
}

TEST_F(ControlState, ScrollBarPositionIsClampedToTheTop) {
    const int32_t id = IDC_SCROLL;
    EXPECT_TRUE(DlgSetInteger(dialog, id, 0, ATTR_MINIMUM));
    EXPECT_TRUE(DlgSetInteger(dialog, id, 10, ATTR_MAXIMUM));
    EXPECT_TRUE(DlgSetInteger(dialog, id, 5, ATTR_STEP));
    EXPECT_TRUE(DlgSetInteger(dialog, id, 7));
    EXPECT_EQ(GetScrollPos(Item(id), SB_CTL), 5);
    EXPECT_TRUE(DlgSetInteger(dialog, id, -3));
    EXPECT_EQ(GetScrollPos(Item(id), SB_CTL), 0);
    EXPECT_TRUE(DlgSetInteger(dialog, id, 2, ATTR_VALUE));
    int32_t v = 0;
    EXPECT_TRUE(DlgGetInteger(dialog, id, v));
    EXPECT_EQ(v, 2);
    EXPECT_TRUE(DlgGetInteger(dialog, id, v, ATTR_STEP));
    EXPECT_EQ(v, 5);
    EXPECT_TRUE(DlgGetInteger(dialog, id, v, ATTR_MAXIMUM));
    EXPECT_EQ(v, 10);
}

TEST_F(ControlState, ProgressBarMaximumStartsTheRangeAtZero) {
    EXPECT_TRUE(DlgSetInteger(dialog, IDC_PROGRESS, 200, ATTR_MAXIMUM));
    EXPECT_EQ(Send(IDC_PROGRESS, PBM_GETRANGE, FALSE), 200);
    EXPECT_EQ(Send(IDC_PROGRESS, PBM_GETRANGE, TRUE), 0);
    EXPECT_TRUE(DlgSetInteger(dialog, IDC_PROGRESS, 120));
    EXPECT_EQ(Send(IDC_PROGRESS, PBM_GETPOS), 120);
    int32_t v = 0;
    EXPECT_FALSE(DlgGetInteger(dialog, IDC_PROGRESS, v));
    EXPECT_FALSE(DlgSetInteger(dialog, IDC_PROGRESS, 1, ATTR_MINIMUM));
}

// ---------------------------------------------------------------------------
// Colours and fonts

TEST_F(ControlState, BackgroundColourReachesTheColourMessages) {
    EXPECT_TRUE(DlgSetInteger(dialog, IDC_EDIT, 0xFFFFFF, ATTR_BACKCOLOR));
    int32_t v = 0;
    EXPECT_TRUE(DlgGetInteger(dialog, IDC_EDIT, v, ATTR_BACKCOLOR));
    EXPECT_EQ(v, 0xFFFFFF);
    const HBRUSH brush = EntryOf(IDC_EDIT)->hBrush;

    HDC dc = GetDC(Item(IDC_EDIT));
    const LRESULT answer =
        SendMessageA(dialog.hWnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Item(IDC_EDIT)));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(answer), brush);
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
    ReleaseDC(Item(IDC_EDIT), dc);

    // Out of range: false and nothing changes.
    EXPECT_FALSE(DlgSetInteger(dialog, IDC_EDIT, 0x1000000, ATTR_BACKCOLOR));
    EXPECT_FALSE(DlgSetInteger(dialog, IDC_EDIT, -2, ATTR_BACKCOLOR));
    EXPECT_EQ(EntryOf(IDC_EDIT)->hBrush, brush);
    EXPECT_TRUE(testing::IsGdiObject(brush));

    // A second colour replaces the first brush.
    EXPECT_TRUE(DlgSetInteger(dialog, IDC_EDIT, 0x00FF00, ATTR_BACKCOLOR));
    EXPECT_FALSE(testing::IsGdiObject(brush));
    const HBRUSH green = EntryOf(IDC_EDIT)->hBrush;

    // Back to the default colours: false, and the brush is gone.
    EXPECT_FALSE(DlgSetInteger(dialog, IDC_EDIT, -1, ATTR_BACKCOLOR));
    EXPECT_EQ(EntryOf(IDC_EDIT)->hBrush, NoBrush());
    EXPECT_FALSE(testing::IsGdiObject(green));
    EXPECT_FALSE(DlgGetInteger(dialog, IDC_EDIT, v, ATTR_BACKCOLOR));
}

TEST_F(ControlState, TextColourNeedsAnEntry) {
    int32_t v = 0;
    EXPECT_TRUE(DlgGetInteger(dialog, IDC_LABEL, v, ATTR_TEXTCOLOR));
    EXPECT_EQ(v, -1);
    EXPECT_TRUE(DlgSetInteger(dialog, IDC_LABEL, 0x0000FF, ATTR_TEXTCOLOR));
    EXPECT_TRUE(DlgGetInteger(dialog, IDC_LABEL, v, ATTR_TEXTCOLOR));
    EXPECT_EQ(v, 0x0000FF);
    EXPECT_TRUE(DlgSetInteger(dialog, IDC_PROGRESS, 0x00FF00, ATTR_TEXTCOLOR));

    // A control made after the dialog has no entry.
    HWND late = CreateWindowExA(0, "Static", "late", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, dialog.hWnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(1500)), nullptr, nullptr);
    ASSERT_NE(late, nullptr);
    EXPECT_FALSE(DlgSetInteger(dialog, 1500, 0x0000FF, ATTR_TEXTCOLOR));
    EXPECT_FALSE(DlgGetInteger(dialog, 1500, v, ATTR_TEXTCOLOR));
    EXPECT_FALSE(DlgSetString(dialog, 1500, "h12", ATTR_FONT));
    // It is still a static by its class.
    EXPECT_TRUE(DlgSetString(dialog, 1500, "text"));
    char text[8] = {};
    GetWindowTextA(late, text, sizeof text);
    EXPECT_STREQ(text, "text");
}

TEST_F(ControlState, FontFromADescription) {
    EXPECT_TRUE(DlgSetString(dialog, IDC_EDIT, "t'Courier New'h12", ATTR_FONT));
    const HFONT first = EntryOf(IDC_EDIT)->hFont;
    EXPECT_EQ(reinterpret_cast<HFONT>(Send(IDC_EDIT, WM_GETFONT)), first);
    LOGFONTA font{};
    ASSERT_NE(GetObjectA(first, sizeof font, &font), 0);
    EXPECT_EQ(font.lfHeight, -12);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_FALSE(font.lfItalic);
    EXPECT_STREQ(font.lfFaceName, "courier new");

    EXPECT_TRUE(DlgSetString(dialog, IDC_EDIT, "T'Arial'H08EI", ATTR_FONT));
    EXPECT_FALSE(testing::IsGdiObject(first));
    ASSERT_NE(GetObjectA(EntryOf(IDC_EDIT)->hFont, sizeof font, &font), 0);
    EXPECT_EQ(font.lfHeight, -8);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_TRUE(font.lfItalic);
}

// ---------------------------------------------------------------------------
// Tabs and status bar

TEST_F(ControlState, TabPagesFollowTheSelection) {
    const int32_t id = IDC_TAB;
    EXPECT_TRUE(DlgSetInteger(dialog, id, 2));
    EXPECT_EQ(Send(id, TCM_GETITEMCOUNT), 2);
    EXPECT_NE(GetWindowLongA(Item(id), GWL_EXSTYLE) & WS_EX_CONTROLPARENT, 0);
    EXPECT_TRUE(DlgSetString(dialog, id, "First", 1));
    EXPECT_TRUE(DlgSetString(dialog, id, "Second", 2));
    EXPECT_FALSE(DlgSetString(dialog, id, "Third", 3));
    EXPECT_TRUE(DlgSetInteger(dialog, id, IDC_PAGE1, 1));
    EXPECT_TRUE(DlgSetInteger(dialog, id, IDC_PAGE2, 2));
    EXPECT_EQ(ReadString(id, 6, 2), "Second");
    int32_t v = 0;
    EXPECT_TRUE(DlgGetInteger(dialog, id, v, 2));
    EXPECT_EQ(v, IDC_PAGE2);

    EXPECT_TRUE(DlgSetInteger(dialog, id, 1, ATTR_SELECTION));
    EXPECT_TRUE(IsWindowVisible(Item(IDC_PAGE1)));
    EXPECT_FALSE(IsWindowVisible(Item(IDC_PAGE2)));
    EXPECT_FALSE(DlgSetInteger(dialog, id, 3, ATTR_SELECTION));
    EXPECT_EQ(Send(id, TCM_GETCURSEL), 0);
    EXPECT_TRUE(DlgSetInteger(dialog, id, 2, ATTR_VALUE));
    EXPECT_EQ(Send(id, TCM_GETCURSEL), 1);
    EXPECT_FALSE(IsWindowVisible(Item(IDC_PAGE1)));
    EXPECT_TRUE(IsWindowVisible(Item(IDC_PAGE2)));
    EXPECT_TRUE(DlgGetInteger(dialog, id, v));
    EXPECT_EQ(v, 2);

    // The shown page fills the tab's display area.
    RECT area{}, page{};
    GetClientRect(Item(id), &area);
    Send(id, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(Item(id), dialog.hWnd, reinterpret_cast<POINT*>(&area), 2);
    GetWindowRect(Item(IDC_PAGE2), &page);
    MapWindowPoints(nullptr, dialog.hWnd, reinterpret_cast<POINT*>(&page), 2);
    EXPECT_EQ(page.left, area.left);
    EXPECT_EQ(page.top, area.top);
    EXPECT_EQ(page.right, area.right);
}

TEST_F(ControlState, StatusBarParts) {
    const int32_t id = IDC_STATUS;
    const int widths[] = {100, -1};
    Send(id, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(widths));
    EXPECT_TRUE(DlgSetString(dialog, id, "Ready", 2));
    char text[16] = {};
    Send(id, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Ready");
    bool ok = false;
    EXPECT_EQ(ReadString(id, 7, 2, &ok), "Ready  ");
    EXPECT_TRUE(ok);
    ReadString(id, 7, 1, &ok);  // an empty part
    EXPECT_FALSE(ok);

    auto icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TEST), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    EXPECT_TRUE(DlgSetInteger(dialog, id, reinterpret_cast<LONG_PTR>(icon), 2));
    LONG_PTR read = 0;
    EXPECT_TRUE(DlgGetInteger(dialog, id, read, 2));
    EXPECT_EQ(read, reinterpret_cast<LONG_PTR>(icon));
    Send(id, SB_SETICON, 1, 0);
    DestroyIcon(icon);
}

// ---------------------------------------------------------------------------
// List views

class ListViewState : public ControlState {
protected:
    void InsertItems(int count) {
        for (int k = 1; k <= count; ++k) {
            std::string text = std::to_string(k);
            LVITEMA item{};
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.iItem = k - 1;
            item.pszText = &text[0];
            item.lParam = k - 1;
            Send(IDC_LISTVIEW, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        }
    }
};

TEST_F(ListViewState, ColumnTypesRebuildTheColumns) {
    const int32_t id = IDC_LISTVIEW;
    EXPECT_TRUE(DlgSetString(dialog, id, "(A10, I4, x2, F8.2, +)", ATTR_COLUMNTYPES));
    HWND header = GetDlgItem(Item(id), 0);
    ASSERT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 3);
    HDITEMA item{};
    item.mask = HDI_LPARAM | HDI_FORMAT;
    SendMessageA(header, HDM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.lParam, static_cast<LPARAM>(static_cast<int32_t>((0xFFFDu << 16) | 10u)));
    EXPECT_NE(item.fmt & HDF_RIGHT, 0);
    SendMessageA(header, HDM_GETITEMA, 2, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.lParam, static_cast<LPARAM>(static_cast<int32_t>((0xFFFBu << 16) | 16u)));

    EXPECT_TRUE(DlgSetString(dialog, id, "Name", 1));
    EXPECT_EQ(ReadString(id, 6, 1), "Name  ");
    EXPECT_TRUE(DlgSetInteger(dialog, id, 60, ATTR_WIDTHS));
    EXPECT_EQ(Send(id, LVM_GETCOLUMNWIDTH, 2), 60);

    // A list that does not begin with "(" leaves the list view empty.
    InsertItems(2);
    EXPECT_TRUE(DlgSetString(dialog, id, "a10", ATTR_COLUMNTYPES));
    EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(Send(id, LVM_GETITEMCOUNT), 0);
}

TEST_F(ListViewState, SelectionCursorWalksTheSelectedItems) {
    const int32_t id = IDC_LISTVIEW;
    DlgSetString(dialog, id, "(a4)", ATTR_COLUMNTYPES);
    InsertItems(6);
    EXPECT_TRUE(DlgSetLogical(dialog, id, true, 2));
    EXPECT_TRUE(DlgSetInteger(dialog, id, 5, ATTR_SELECTION));
    bool selected = false;
    EXPECT_TRUE(DlgGetLogical(dialog, id, selected, 5));
    EXPECT_TRUE(selected);
    EXPECT_TRUE(DlgGetLogical(dialog, id, selected, 4));
    EXPECT_FALSE(selected);

    int32_t cursor = 0, v = -1;
    EXPECT_TRUE(DlgGetInteger(dialog, id, v, ATTR_SELECTION, &cursor));
    EXPECT_EQ(v, 2);
    EXPECT_EQ(cursor, 2);
    EXPECT_TRUE(DlgGetInteger(dialog, id, v, ATTR_SELECTION, &cursor));
    EXPECT_EQ(v, 5);
    EXPECT_EQ(cursor, 5);
    EXPECT_FALSE(DlgGetInteger(dialog, id, v, ATTR_SELECTION, &cursor));
    EXPECT_EQ(v, 0);
    EXPECT_EQ(cursor, 5);
    // Without a cursor every call gives the first selected item.
    EXPECT_TRUE(DlgGetInteger(dialog, id, v, ATTR_SELECTION));
    EXPECT_EQ(v, 2);

    // An item that does not exist selects nothing.
    EXPECT_FALSE(DlgSetLogical(dialog, id, true, 9));
    EXPECT_FALSE(DlgSetLogical(dialog, id, false, 0));
    EXPECT_EQ(Send(id, LVM_GETSELECTEDCOUNT), 2);
    EXPECT_FALSE(DlgGetLogical(dialog, id, selected, 9));
    EXPECT_TRUE(DlgGetInteger(dialog, id, v, ATTR_ITEMCOUNT));
    EXPECT_EQ(v, 6);
    EXPECT_FALSE(DlgSetInteger(dialog, id, 3, ATTR_ITEMCOUNT));  // not a virtual list view
}

TEST_F(ListViewState, VirtualRowOrderAndRowSize) {
    const int32_t id = IDC_VLISTVIEW;
    EXPECT_TRUE(DlgSetInteger(dialog, id, 8, ATTR_ROWSIZE));
    int32_t v = 0;
    EXPECT_TRUE(DlgGetInteger(dialog, id, v, ATTR_ROWSIZE));
    EXPECT_EQ(v, 8);
    EXPECT_TRUE(DlgSetInteger(dialog, id, 4, ATTR_ITEMCOUNT));
    EXPECT_EQ(Send(id, LVM_GETITEMCOUNT), 4);
    for (int32_t row = 0; row < 4; ++row) {
        EXPECT_EQ(ListRowToItem(Item(id), row), row + 1);
        EXPECT_EQ(ListItemToRow(Item(id), row + 1), row);
    }
    EXPECT_EQ(ListRowToItem(Item(id), 4), 0);
    EXPECT_EQ(ListItemToRow(Item(id), 5), -1);
    EXPECT_FALSE(DlgSetInteger(dialog, id, -1, ATTR_ITEMCOUNT));
    EXPECT_EQ(Send(id, LVM_GETITEMCOUNT), 4);
    EXPECT_FALSE(DlgSetInteger(dialog, IDC_EDIT, 8, ATTR_ROWSIZE));
}

TEST_F(ListViewState, VirtualCountBeyondMemoryGivesFalseAndChangesNothing) {
    // 600,000,000 row numbers do not fit a 32-bit process; a 64-bit one has
    // room for them, and nothing there fails.
    if (sizeof(void*) > 4) GTEST_SKIP() << "a 64-bit process can hold this row order";
    const int32_t id = IDC_VLISTVIEW;
    const int32_t rows[4] = {1, 2, 3, 4};
    ASSERT_TRUE(DlgSetString(dialog, id, "(i)", ATTR_COLUMNTYPES));
    ASSERT_TRUE(DlgSetInteger(dialog, id, sizeof rows[0], ATTR_ROWSIZE));
    ASSERT_TRUE(BindListViewRows(Item(id), rows));
    ASSERT_TRUE(DlgSetInteger(dialog, id, 4, ATTR_ITEMCOUNT));

    EXPECT_FALSE(DlgSetInteger(dialog, id, 600000000, ATTR_ITEMCOUNT));
    EXPECT_EQ(Send(id, LVM_GETITEMCOUNT), 4);
    EXPECT_EQ(ListRowToItem(Item(id), 3), 4);

    // Sorting a list view told of that many rows sorts nothing.
    Send(id, LVM_SETITEMCOUNT, 600000000, 0);
    ASSERT_EQ(Send(id, LVM_GETITEMCOUNT), 600000000);
    SortListViewByColumn(dialog, id, 1);  // the first click sorts descending
    EXPECT_EQ(ListRowToItem(Item(id), 0), 1);
    Send(id, LVM_SETITEMCOUNT, 4, 0);
    BindListViewRows(Item(id), nullptr);
}

TEST_F(ListViewState, SmallImageListKeepsTheSortArrows) {
    const int32_t id = IDC_LISTVIEW;
    HWND header = GetDlgItem(Item(id), 0);
    const LRESULT arrows = SendMessageA(header, HDM_GETIMAGELIST, 0, 0);
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    EXPECT_TRUE(DlgSetInteger(dialog, id, reinterpret_cast<LONG_PTR>(images), ATTR_ICON));
    EXPECT_EQ(Send(id, LVM_GETIMAGELIST, LVSIL_SMALL), reinterpret_cast<LRESULT>(images));
    EXPECT_EQ(SendMessageA(header, HDM_GETIMAGELIST, 0, 0), arrows);
    LONG_PTR read = 0;
    EXPECT_TRUE(DlgGetInteger(dialog, id, read, ATTR_ICON));
    EXPECT_EQ(read, reinterpret_cast<LONG_PTR>(images));
}

// ---------------------------------------------------------------------------
// Bad input

TEST_F(ControlState, UnknownIdsAndAttributesThatDoNotApply) {
    int32_t v = 31;
    bool b = true;
    bool ok = true;
    EXPECT_FALSE(DlgSetString(dialog, 4242, "x"));
    EXPECT_FALSE(DlgSetInteger(dialog, 4242, 1));
    EXPECT_FALSE(DlgSetLogical(dialog, 4242, true));
    EXPECT_EQ(ReadString(4242, 3, std::nullopt, &ok), "   ");
    EXPECT_FALSE(ok);
    EXPECT_FALSE(DlgGetInteger(dialog, 4242, v));
    EXPECT_FALSE(DlgGetLogical(dialog, 4242, b));
    EXPECT_EQ(v, 31);
    EXPECT_TRUE(b);

    EXPECT_FALSE(DlgSetInteger(dialog, IDC_EDIT, 3, ATTR_STEP));
    EXPECT_FALSE(DlgSetInteger(dialog, IDC_LABEL, 3, ATTR_ITEMCOUNT));
    EXPECT_FALSE(DlgSetString(dialog, IDC_LIST, "x", ATTR_FONT - 1));
    EXPECT_FALSE(DlgSetInteger(dialog, IDC_EDIT, 3, EVT_CHANGE));
    EXPECT_FALSE(DlgGetInteger(dialog, IDC_CHECK, v, ATTR_ITEMCOUNT));
    EXPECT_FALSE(DlgSetLogical(dialog, IDC_EDIT, true, ATTR_SELECTION));
    EXPECT_EQ(v, 31);

    DIALOG none;
    EXPECT_FALSE(DlgSetString(none, IDC_EDIT, "x"));
    EXPECT_FALSE(DlgGetInteger(none, 0, v));
    EXPECT_FALSE(DlgSetSub(none, 0, testing::RecordCall));
}

TEST_F(ControlState, DialogResizeRoutineSharesTheSizeSlot) {
    CommandRoutine routine = testing::RecordCall;
    EXPECT_TRUE(DlgSetInteger(dialog, IDD_ALL, reinterpret_cast<LONG_PTR>(routine), ATTR_RESIZEROUTINE));
    EXPECT_EQ(dialog.controls[0].callbacks[3], routine);
    LONG_PTR read = 0;
    EXPECT_TRUE(DlgGetInteger(dialog, IDD_ALL, read, ATTR_RESIZEROUTINE));
    EXPECT_EQ(read, reinterpret_cast<LONG_PTR>(routine));
    EXPECT_FALSE(DlgSetInteger(dialog, IDC_EDIT, 0, ATTR_RESIZEROUTINE));
    EXPECT_TRUE(DlgSetInteger(dialog, IDD_ALL, 0, ATTR_RESIZEROUTINE));
    EXPECT_EQ(dialog.controls[0].callbacks[3], nullptr);
}

}  // namespace
}  // namespace velmora
