// The wizard's own window, built in this process by the main routine's
// set-up (all of it but the modal run): what its controls show a person.
#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/dialogs.h"
#include "framework/framework.h"
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

// The icon buttons keep their icons and are named, for screen readers by
// their window texts and for the mouse by tooltips.
TEST_F(WizardWindow, IconButtonsHaveNamesAndTooltips) {
    HWND tooltip = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            if (ClassOf(window) != "tooltips_class32" || GetWindow(window, GW_OWNER) != VW_FRAME.hWnd) return TRUE;
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&tooltip));
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

}  // namespace
}  // namespace genhand::wizard
