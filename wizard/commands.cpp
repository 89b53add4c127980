// The wizard's commands: Close, Help and the two Copy buttons.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "dialogs/dialogs.h"
#include "framework/framework.h"
#include "generator/text.h"
#include "wizard/panel.h"

namespace genhand::wizard {

using namespace velmora;

namespace {

std::optional<int32_t> Selection(DIALOG& panel, int32_t id) {
    int32_t value = 0;
    if (!DlgGetInteger(panel, id, value, ATTR_SELECTION) || value < 1) return std::nullopt;
    return value;
}

// HtmlHelpA, loaded on first use from the HTML Help control's registered
// server (or "hhctrl.ocx" by name). A failure is remembered.
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
constexpr char kHtmlHelpServerKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr WORD kHtmlHelpOrdinal = 14;
constexpr UINT HH_HELP_CONTEXT_COMMAND = 0x000F;

HtmlHelpFunction LoadHtmlHelp() {
    static bool tried = false;
    static HtmlHelpFunction function = nullptr;
    if (tried) return function;
    tried = true;
    HMODULE library = nullptr;
    char server[260] = {};
    LONG size = sizeof server;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, kHtmlHelpServerKey, server, &size) == ERROR_SUCCESS) {
        library = LoadLibraryA(server);
    }
    if (library == nullptr) library = LoadLibraryA("hhctrl.ocx");
    if (library == nullptr) return nullptr;
    function = reinterpret_cast<HtmlHelpFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(kHtmlHelpOrdinal))));
    return function;
}

}  // namespace

void CloseCommand(DIALOG& frame, const int32_t&, const int32_t&) {
    DIALOG& panel = Panel();
    Settings& s = CurrentSettings();
    s.keywords = ComboSettingToSave(Selection(panel, IDC_KEYWORDS), s.keywords);
    s.separator = ComboSettingToSave(Selection(panel, IDC_SEPARATOR), s.separator);
    int32_t indent = s.indent;
    if (DlgGetInteger(panel, IDC_INDENT_SPIN, indent, ATTR_VALUE)) s.indent = indent;
    std::string window(kVWindowLength, ' ');
    DlgGetString(panel, IDC_WINDOW_NAME, window.data(), window.size());
    s.vWindow = std::string(TrimTrailingBlanks(window));
    DlgGetLogical(panel, IDC_USE_VELMORA, s.useVelmora, ATTR_VALUE);
    DlgGetLogical(panel, IDC_IMPLICIT_NONE, s.implicitNone, ATTR_VALUE);
    DlgGetLogical(panel, IDC_COMMENTS, s.comments, ATTR_VALUE);
    SaveSettings(s);
    DlgEnd(frame, IDC_CLOSE);
}

std::optional<std::string> HelpFileFor(const char* modulePath, DWORD length, DWORD bufferSize) {
    // GetModuleFileNameA fills the whole buffer when the path does not fit.
    if (length == 0 || length >= bufferSize) return std::nullopt;
    const std::string_view path(modulePath, length);
    const std::size_t slash = path.rfind('\\');
    const std::string_view directory = slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
    return std::string(directory) + "Velmora.chm";
}

void HelpCommand(DIALOG& frame, const int32_t&, const int32_t&) {
    char module[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, module, sizeof module);
    const std::optional<std::string> helpFile = HelpFileFor(module, length, sizeof module);
    // Without its file the viewer would show an error of its own on Windows:
    // a missing help file passes silently.
    if (!helpFile) return;
    const DWORD attributes = GetFileAttributesA(helpFile->c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return;
    if (HtmlHelpFunction htmlHelp = LoadHtmlHelp()) {
        htmlHelp(frame.hWnd, helpFile->c_str(), HH_HELP_CONTEXT_COMMAND, IDH_WIZARD);
    }
}

void CopyCommand(DIALOG& panel, const int32_t& id, const int32_t&) {
    const int32_t box = id == IDC_COPY_STATEMENT ? IDC_STATEMENT : IDC_ROUTINE;
    // The select-all below is not to be seen.
    LockWindowUpdate(GetDlgItem(panel.hWnd, box));
    DlgSendMessage(panel, box, EM_SETSEL, 0, -1);
    DlgSendMessage(panel, box, WM_COPY, 0, 0);
    DlgSendMessage(panel, box, EM_SETSEL, 0, 0);
    LockWindowUpdate(nullptr);
}

}  // namespace genhand::wizard
