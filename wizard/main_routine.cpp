// The wizard's main routine: builds the window from templates 101 and 102,
// loads the settings, fills and wires every control, and runs the window
// modally until the user closes it.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "dialogs/dialogs.h"
#include "framework/framework.h"
#include "wizard/panel.h"

namespace genhand::wizard {

using namespace velmora;

namespace {

// Catalogue names are loaded through a buffer of this size.
constexpr int kNameBufferSize = 40;

DIALOG gPanel;
Settings gSettings;

HICON LoadButtonIcon(int32_t resourceId) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId), IMAGE_ICON,
                                         16, 16, LR_DEFAULTCOLOR));
}

void FillComboBox(DIALOG& panel, int32_t id, std::initializer_list<const char*> items, int32_t selected) {
    for (const char* item : items) DlgSetString(panel, id, item, 0);
    DlgSetInteger(panel, id, selected, ATTR_SELECTION);
}

// One item per catalogue name, from string id 1 up to the first id that
// has no string; each item carries its template id.
void FillMessageList(DIALOG& panel) {
    const HINSTANCE module = GetModuleHandleA(nullptr);
    for (UINT entryId = 1;; ++entryId) {
        char name[kNameBufferSize] = {};
        if (LoadStringA(module, entryId, name, kNameBufferSize) == 0) break;
        const LRESULT position = DlgSendMessage(panel, IDC_MESSAGE_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        DlgSendMessage(panel, IDC_MESSAGE_LIST, LB_SETITEMDATA, static_cast<WPARAM>(position),
                       static_cast<LPARAM>(500 + entryId));
    }
}

// The icon buttons show no text; their window texts name them for screen
// readers, and a tooltip shows the same name under the mouse. The tooltip
// window is owned by the frame and goes with it.
void AddTooltips(DIALOG& panel) {
    HWND tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, panel.hWnd,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
    if (tooltip == nullptr) return;
    for (int32_t id : kIconButtons) {
        HWND button = GetDlgItem(panel.hWnd, id);
        char name[64] = {};
        GetWindowTextA(button, name, sizeof name);
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = panel.hWnd;
        tool.uId = reinterpret_cast<UINT_PTR>(button);
        tool.lpszText = name;  // the tooltip keeps a copy
        SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// Escape in a multi-line box reaches the panel as WM_CLOSE, which the
// dialog manager turns into IDCANCEL on the panel: close the wizard as
// Escape does everywhere else.
void CancelOnPanel(V_WINDOW&, const int32_t&, const int32_t&) { CloseCommand(VW_FRAME, IDC_CLOSE, EVT_DEFAULT); }

constexpr int32_t kWiredControls[] = {IDC_MESSAGE_LIST, IDC_SEPARATOR, IDC_KEYWORDS, IDC_INDENT, IDC_WINDOW_NAME,
                                      IDC_ID,       IDC_USE_VELMORA,       IDC_IMPLICIT_NONE, IDC_COMMENTS};

}  // namespace

DIALOG& Panel() { return gPanel; }
Settings& CurrentSettings() { return gSettings; }

ButtonIcons::ButtonIcons() : copy(LoadButtonIcon(IDI_COPY)), file(LoadButtonIcon(IDI_SEPARATOR)) {}

ButtonIcons::~ButtonIcons() {
    for (HICON icon : {copy, file}) {
        if (icon != nullptr) DestroyIcon(icon);
    }
}

void BuildWizard(const ButtonIcons& icons) {
    DlgCreateFrame(IDD_FRAME, nullptr, IDI_WIZARD);
    DlgCreate(IDD_PANEL, gPanel, &VW_FRAME);
    DlgShow(gPanel);
    gSettings = Settings{};
    LoadSettings(gSettings);

    FillComboBox(gPanel, IDC_SEPARATOR, {"=", "-", "*", "From file"}, gSettings.separator);
    FillComboBox(gPanel, IDC_KEYWORDS, {"Uppercase", "Lowercase"}, gSettings.keywords);
    DlgSetSub(gPanel, IDC_SEPARATOR_FILE, ChooseSeparatorFile);

    DlgSetInteger(gPanel, IDC_INDENT_SPIN, 0, ATTR_MINIMUM);
    DlgSetInteger(gPanel, IDC_INDENT_SPIN, 6, ATTR_MAXIMUM);
    DlgSetInteger(gPanel, IDC_INDENT_SPIN, gSettings.indent, ATTR_VALUE);

    DlgSetLogical(gPanel, IDC_USE_VELMORA, gSettings.useVelmora, ATTR_VALUE);
    DlgSetLogical(gPanel, IDC_IMPLICIT_NONE, gSettings.implicitNone, ATTR_VALUE);
    DlgSetLogical(gPanel, IDC_COMMENTS, gSettings.comments, ATTR_VALUE);

    // White, fixed-pitch result boxes rather than the read-only grey.
    for (int32_t box : {IDC_STATEMENT, IDC_ROUTINE}) {
        DlgSetString(gPanel, box, "t'Courier New'h12", ATTR_FONT);
        DlgSetInteger(gPanel, box, 0xFFFFFF, ATTR_BACKCOLOR);
    }

    DlgSetInteger(gPanel, IDC_WINDOW_NAME, 32, ATTR_MAXIMUM);
    DlgSetString(gPanel, IDC_WINDOW_NAME, gSettings.vWindow);

    const auto copy = reinterpret_cast<LONG_PTR>(icons.copy);
    DlgSetInteger(gPanel, IDC_COPY_STATEMENT, copy, ATTR_ICON);
    DlgSetSub(gPanel, IDC_COPY_STATEMENT, CopyCommand);
    DlgSetInteger(gPanel, IDC_COPY_ROUTINE, copy, ATTR_ICON);
    DlgSetSub(gPanel, IDC_COPY_ROUTINE, CopyCommand);
    DlgSetInteger(gPanel, IDC_SEPARATOR_FILE, reinterpret_cast<LONG_PTR>(icons.file), ATTR_ICON);
    DlgSetLogical(gPanel, IDC_SEPARATOR_FILE, gSettings.separator == kSeparatorFromFile, ATTR_ENABLED);
    AddTooltips(gPanel);

    DlgSetSub(VW_FRAME, IDC_CLOSE, CloseCommand);
    DlgSetSub(VW_FRAME, IDC_HELP_BUTTON, HelpCommand);
    VSetCommand(gPanel, IDCANCEL, CancelOnPanel);

    FillMessageList(gPanel);
    DlgSetInteger(gPanel, IDC_MESSAGE_LIST, 1, 1);

    // Registered last, so that nothing above runs the generator.
    for (int32_t id : kWiredControls) DlgSetSub(gPanel, id, Generate);

    // The dialog manager gives the focus to the frame's first button when
    // the frame is activated; once the run has started, it goes to the
    // message list instead, so that typing picks a handler at once.
    PostMessageA(VW_FRAME.hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(gPanel.hWnd, IDC_MESSAGE_LIST)),
                 TRUE);
}

bool RunWizard() {
    {
        const ButtonIcons icons;
        BuildWizard(icons);
        DlgRunModal(VW_FRAME);
    }  // the icons are freed here
    DlgDestroy(VW_FRAME);
    return false;
}

}  // namespace genhand::wizard
