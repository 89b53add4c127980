// The wizard's own window, built in this process by the main routine's
// set-up (all of it but the modal run): what its controls show a person,
// and what one generation run leaves in the routine box.
#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "dialogs/dialogs.h"
#include "framework/framework.h"
#include "generator/catalogue.h"
#include "generator/expansion.h"
#include "generator/separator.h"
#include "wizard/panel.h"

namespace genhand::wizard {
namespace {

using velmora::VW_FRAME;

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return CharLowerA(name);
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

HWND Control(int id) { return GetDlgItem(Panel().hWnd, id); }

// The wizard's window, shown but not run, for the whole suite; it starts
// from no stored settings and leaves none behind.
class WizardWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsSubKey);
        icons_ = new ButtonIcons;
        // The frame can only be made inside the main routine.
        velmora::RunApplication(GetModuleHandleA(nullptr), "", SW_SHOW, [](const std::string&, int) {
            BuildWizard(*icons_);
            return false;
        });
        ShowWindow(VW_FRAME.hWnd, SW_SHOW);
    }
    static void TearDownTestSuite() {
        velmora::DlgDestroy(VW_FRAME);
        delete icons_;
        SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsSubKey);
    }
    void SetUp() override { ASSERT_NE(Panel().hWnd, nullptr) << "no display?"; }
    static ButtonIcons* icons_;
};
ButtonIcons* WizardWindow::icons_ = nullptr;

// Width and height of `text` on one line in the control's own font.
SIZE TextExtent(HWND control, const std::string& text) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// Every label and check box of both templates, and every choice of the two
// drop-down lists, shows whole on one line in the dialog font the system
// gives it.
TEST_F(WizardWindow, LabelsAndChoicesShowWholeOnOneLine) {
    const auto expectFits = [](HWND control, const std::string& text, LONG reserved) {
        RECT client{};
        GetClientRect(control, &client);
        const SIZE extent = TextExtent(control, text);
        EXPECT_LE(extent.cx + reserved, client.right) << text;
        EXPECT_LE(extent.cy, client.bottom) << text;
    };
    int labels = 0;
    for (HWND parent : {VW_FRAME.hWnd, Panel().hWnd}) {
        for (HWND child : Children(parent)) {
            const bool checkBox = (GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX;
            if (ClassOf(child) == "static" && !TextOf(child).empty()) {
                ++labels;
                expectFits(child, TextOf(child), 0);
            } else if (ClassOf(child) == "button" && checkBox) {
                ++labels;
                expectFits(child, TextOf(child), GetSystemMetrics(SM_CXMENUCHECK) + 2);
            }
        }
    }
    EXPECT_EQ(labels, 12);
    expectFits(Control(IDC_ID_LABEL), "Messa&ge:", 0);  // its other text

    for (int id : {IDC_SEPARATOR, IDC_KEYWORDS}) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(Control(id), &info));
        const LRESULT count = SendMessageA(Control(id), CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char item[64] = {};
            SendMessageA(Control(id), CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
            EXPECT_LE(TextExtent(Control(id), item).cx, info.rcItem.right - info.rcItem.left) << item;
        }
    }
}

// Generated code lines up in columns only in a fixed-pitch face.
TEST_F(WizardWindow, ResultBoxesShowAFixedPitchFont) {
    for (int id : {IDC_STATEMENT, IDC_ROUTINE}) {
        HWND box = Control(id);
        HDC dc = GetDC(box);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(box, WM_GETFONT, 0, 0)));
        TEXTMETRICA metrics{};
        ASSERT_TRUE(GetTextMetricsA(dc, &metrics));
        char face[LF_FACESIZE] = {};
        GetTextFaceA(dc, sizeof face, face);
        // The flag's name is the wrong way round: set means variable pitch.
        EXPECT_EQ(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH, 0) << id << " shows " << face;
        SIZE narrow{}, wide{};
        GetTextExtentPoint32A(dc, "iiii", 4, &narrow);
        GetTextExtentPoint32A(dc, "MMMM", 4, &wide);
        EXPECT_EQ(narrow.cx, wide.cx) << id << " shows " << face;
        SelectObject(dc, old);
        ReleaseDC(box, dc);
    }
}

BOOL CALLBACK FindFrameTooltip(HWND window, LPARAM found) {
    if (ClassOf(window) != "tooltips_class32" || GetWindow(window, GW_OWNER) != VW_FRAME.hWnd) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The icon buttons keep their icons and are named, for screen readers by
// their window texts and for the mouse by tooltips.
TEST_F(WizardWindow, IconButtonsHaveNamesAndTooltips) {
    HWND tooltip = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindFrameTooltip, reinterpret_cast<LPARAM>(&tooltip));
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 3);

    struct Named {
        int id;
        const char* name;
    };
    for (const Named& button : {Named{IDC_SEPARATOR_FILE, "Choose separator file"},
                                Named{IDC_COPY_STATEMENT, "Copy statement"}, Named{IDC_COPY_ROUTINE, "Copy routine"}}) {
        EXPECT_EQ(TextOf(Control(button.id)), button.name);
        EXPECT_NE(SendMessageA(Control(button.id), BM_GETIMAGE, IMAGE_ICON, 0), 0) << button.name;
        char tip[80] = {};
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = Panel().hWnd;
        tool.uId = reinterpret_cast<UINT_PTR>(Control(button.id));
        tool.lpszText = tip;
        SendMessageA(tooltip, TTM_GETTEXTA, sizeof tip, reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(tip, button.name);
    }
}

// What the routine box shows a person: its text, the selection, and where
// its first character is drawn (which tells both scroll positions).
struct BoxState {
    std::string text;
    DWORD selection;
    LRESULT firstLine;
    LRESULT origin;
    bool operator==(const BoxState& o) const {
        return text == o.text && selection == o.selection && firstLine == o.firstLine && origin == o.origin;
    }
};

BoxState StateOf(HWND box) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(box)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(box, text.data(), static_cast<int>(text.size()))));
    return BoxState{text, static_cast<DWORD>(SendMessageA(box, EM_GETSEL, 0, 0)),
                    SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0), SendMessageA(box, EM_POSFROMCHAR, 0, 0)};
}

int gTextWrites = 0;
WNDPROC gEditProcedure = nullptr;

LRESULT CALLBACK CountTextWrites(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT || message == EM_REPLACESEL) ++gTextWrites;
    return CallWindowProcA(gEditProcedure, window, message, wParam, lParam);
}

// The box lays out all of its text on every write, which is most of what a
// run costs: one run writes it once, and leaves it as the separator
// written first and the routine inserted after it would have left it.
TEST_F(WizardWindow, GenerationRunWritesTheRoutineBoxOnce) {
    // A separator file of many short lines makes the box scroll.
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string directory = temp;
    directory.pop_back();  // the trailing backslash
    const std::string file = "genhand_panel_sep.txt";
    std::string lines;
    for (int i = 0; i < 60; ++i) lines += "!\r\n";
    std::ofstream(directory + "\\" + file, std::ios::binary) << lines;
    CurrentSettings().separatorDir = directory;
    CurrentSettings().separatorFile = file;

    struct Case {
        int templateId;
        int separator;
        bool options;  // comments, USE and IMPLICIT NONE
    };
    HWND box = Control(IDC_ROUTINE);
    for (const Case& c : {Case{kLastTemplateId, 1, false}, Case{kOtherTemplateId, 3, true},
                          Case{kLastTemplateId, kSeparatorFromFile, true}}) {
        SCOPED_TRACE(c.separator);
        for (int id : {IDC_COMMENTS, IDC_USE_VELMORA, IDC_IMPLICIT_NONE})
            velmora::DlgSetLogical(Panel(), id, c.options, velmora::ATTR_VALUE);
        velmora::DlgSetInteger(Panel(), IDC_SEPARATOR, c.separator, velmora::ATTR_SELECTION);
        HWND list = Control(IDC_MESSAGE_LIST);
        for (LRESULT i = 0, n = SendMessageA(list, LB_GETCOUNT, 0, 0); i < n; ++i) {
            if (SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0) == c.templateId)
                SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
        }

        gTextWrites = 0;
        gEditProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountTextWrites)));
        Generate(Panel(), IDC_MESSAGE_LIST, velmora::EVT_DEFAULT);
        SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gEditProcedure));
        EXPECT_EQ(gTextWrites, 1);
        const BoxState once = StateOf(box);

        const std::string separator = BuildSeparator(c.separator, directory, file);
        ASSERT_EQ(once.text.compare(0, separator.size(), separator), 0);
        const std::string routine = once.text.substr(separator.size());
        SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(separator.c_str()));
        SendMessageA(box, EM_SETSEL, separator.size() + 1, static_cast<LPARAM>(separator.size() + 1));
        SendMessageA(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(routine.c_str()));
        SendMessageA(box, EM_SCROLL, SB_PAGEUP, 0);
        EXPECT_EQ(StateOf(box), once);
        if (c.separator == kSeparatorFromFile) {
            EXPECT_GT(once.firstLine, 0);  // the case that scrolls
        }
    }
    DeleteFileA((directory + "\\" + file).c_str());
}

// The help file is looked for beside the program only when its whole path
// came back from the system.
TEST(HelpFile, BesideTheProgramOnlyForAWholePath) {
    const std::string program = "C:\\Program Files\\Genhand\\Genhand.exe";
    const DWORD length = static_cast<DWORD>(program.size());
    EXPECT_EQ(HelpFileFor(program.c_str(), length, MAX_PATH), "C:\\Program Files\\Genhand\\Velmora.chm");
    EXPECT_EQ(HelpFileFor("Genhand.exe", 11, MAX_PATH), "Velmora.chm");
    EXPECT_EQ(HelpFileFor(program.c_str(), length, length), std::nullopt);  // cut short: filled the buffer
    EXPECT_EQ(HelpFileFor("", 0, MAX_PATH), std::nullopt);
}

}  // namespace
}  // namespace genhand::wizard
