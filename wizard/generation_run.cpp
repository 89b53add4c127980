// The generation run: every change of an input control rewrites the two
// result boxes from the panel's current state.
#include <windows.h>
#include <commdlg.h>

#include <string>
#include <string_view>

#include "dialogs/dialogs.h"
#include "generator/catalogue.h"
#include "generator/expansion.h"
#include "generator/separator.h"
#include "generator/statement.h"
#include "generator/text.h"
#include "wizard/panel.h"

namespace genhand::wizard {

using namespace velmora;

namespace {

int32_t ReadInteger(DIALOG& panel, int32_t id, int32_t attribute) {
    int32_t value = 0;
    if (!DlgGetInteger(panel, id, value, attribute)) return 0;
    return value;
}

bool ReadLogical(DIALOG& panel, int32_t id) {
    bool value = false;
    DlgGetLogical(panel, id, value, ATTR_VALUE);
    return value;
}

// A text control read into a field of `length` characters, without the
// blanks that pad it.
std::string ReadField(DIALOG& panel, int32_t id, std::size_t length,
                      AttrIndex index = std::nullopt) {
    std::string field(length, ' ');
    DlgGetString(panel, id, field.data(), field.size(), index);
    return std::string(TrimTrailingBlanks(field));
}

KeywordCase KeywordCaseOf(int32_t selection) {
    switch (selection) {
        case kKeywordsUppercase: return KeywordCase::Upper;
        case kKeywordsLowercase: return KeywordCase::Lower;
        default: return KeywordCase::None;
    }
}

}  // namespace

void Generate(DIALOG& panel, const int32_t&, const int32_t&) {
    const int32_t selection = ReadInteger(panel, IDC_MESSAGE_LIST, ATTR_SELECTION);
    const int32_t keywords = ReadInteger(panel, IDC_KEYWORDS, ATTR_SELECTION);
    const int32_t style = ReadInteger(panel, IDC_SEPARATOR, ATTR_SELECTION);
    DlgSetLogical(panel, IDC_SEPARATOR_FILE, style == kSeparatorFromFile, ATTR_ENABLED);
    ExpansionOptions options;
    options.keywordCase = KeywordCaseOf(keywords);
    options.indent = ReadInteger(panel, IDC_INDENT_SPIN, ATTR_VALUE);
    options.useLine = ReadLogical(panel, IDC_USE_VELMORA);
    options.implicitNone = ReadLogical(panel, IDC_IMPLICIT_NONE);
    options.comments = ReadLogical(panel, IDC_COMMENTS);
    if (selection == 0) return;

    // The list is sorted: the item data, never the position, names the entry.
    options.templateId = static_cast<int>(
        DlgSendMessage(panel, IDC_MESSAGE_LIST, LB_GETITEMDATA, static_cast<WPARAM>(selection - 1), 0));
    const CatalogueEntry* entry = EntryByTemplateId(options.templateId);
    if (entry == nullptr) return;

    const std::string window = ReadField(panel, IDC_WINDOW_NAME, kWindowNameLength);
    options.windowName = window;

    std::string idText;
    const bool takesId = TakesId(options.templateId);
    if (takesId) {
        idText = ReadField(panel, IDC_ID, kIdTextLength);
        options.idText = idText;
        DlgSetString(panel, IDC_ID_LABEL, options.templateId == kOtherTemplateId ? "Messa&ge:" : "&ID:");
    }
    DlgSetLogical(panel, IDC_ID_LABEL, takesId, ATTR_VISIBLE);
    DlgSetLogical(panel, IDC_ID, takesId, ATTR_VISIBLE);

    // The routine box: the separator (the box shows a text up to its first
    // NUL, a separator file's too) immediately followed by the routine.
    const Settings& settings = CurrentSettings();
    std::string box = BuildSeparator(style, settings.separatorDir, settings.separatorFile);
    if (const std::size_t nul = box.find('\0'); nul != std::string::npos) box.resize(nul);
    const std::size_t routineStart = box.size();
    ExpandTemplateInto(options, box);
    const std::string_view routine = std::string_view(box).substr(routineStart);

    // One write of the whole text, then the caret to the end and the box
    // showing the page above the one that holds the caret. The box is hidden
    // meanwhile: an edit control that is shown does costly work for each
    // line of a new text under Wine, and moves the picture on the screen for
    // each scroll. Nothing is drawn until it is shown again. A box with the
    // focus stays shown, since hiding it would move the focus.
    HWND routineBox = GetDlgItem(panel.hWnd, IDC_ROUTINE);
    const bool hide = IsWindowVisible(routineBox) && GetFocus() != routineBox;
    if (hide) ShowWindow(routineBox, SW_HIDE);
    DlgSendMessage(panel, IDC_ROUTINE, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(box.c_str()));
    DlgSendMessage(panel, IDC_ROUTINE, EM_SETSEL, box.size(), static_cast<LPARAM>(box.size()));
    DlgSendMessage(panel, IDC_ROUTINE, EM_SCROLLCARET, 0, 0);
    DlgSendMessage(panel, IDC_ROUTINE, EM_SCROLL, SB_PAGEUP, 0);
    if (hide) ShowWindow(routineBox, SW_SHOWNA);

    std::string entryName;
    if (!takesId) entryName = ReadField(panel, IDC_MESSAGE_LIST, 40, ATTR_VALUE);
    const std::string statement =
        BuildSetHandlerStatement(options.templateId, window, idText, entryName, routine);
    DlgSetString(panel, IDC_STATEMENT, statement);
}

void TakeOverSeparatorPath(const std::string& path, std::string& directory, std::string& file) {
    const std::size_t slash = path.rfind('\\');
    const std::string dir = slash == std::string::npos ? std::string() : path.substr(0, slash);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (dir.size() >= 2) directory = dir.substr(0, kSeparatorPartLength);
    if (name.size() >= 2) file = name.substr(0, kSeparatorPartLength);
}

namespace {

// Centres the open-file dialog over its owner when it first shows.
UINT_PTR CALLBACK CentreOverOwner(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return 0;
    // The hook procedure serves a child of the explorer-style dialog.
    const HWND dialog = GetParent(hook);
    const auto* ofn = reinterpret_cast<const OPENFILENAMEA*>(lParam);
    HWND owner = ofn != nullptr ? ofn->hwndOwner : nullptr;
    if (owner == nullptr || !IsWindow(owner)) owner = GetDesktopWindow();
    RECT o{}, d{};
    GetWindowRect(owner, &o);
    GetWindowRect(dialog, &d);
    const int left = (o.left + o.right + d.left - d.right) / 2;
    const int top = (o.top + o.bottom + d.top - d.bottom) / 2;
    SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetForegroundWindow(dialog);
    return 0;
}

}  // namespace

void ChooseSeparatorFile(DIALOG& panel, const int32_t& id, const int32_t& event) {
    Settings& settings = CurrentSettings();
    char fileName[1024] = {};
    // Big enough for any name: the system may refuse a title that does not fit.
    char fileTitle[MAX_PATH] = {};
    const std::string initialName(TrimTrailingBlanks(settings.separatorFile));
    if (initialName.size() >= 2) initialName.copy(fileName, sizeof fileName - 1);
    std::string initialDir(TrimTrailingBlanks(settings.separatorDir));
    if (initialDir.empty()) {
        char current[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, current);
        initialDir = current;
    }

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = panel.hWnd;
    ofn.lpstrFilter = "All files (*.*)\0*.*\0";
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = fileName;
    ofn.nMaxFile = sizeof fileName;
    ofn.lpstrFileTitle = fileTitle;
    ofn.nMaxFileTitle = sizeof fileTitle;
    ofn.lpstrInitialDir = initialDir.c_str();
    ofn.lpstrTitle = "Open";
    // No read-only box (it would mean nothing here), a resizable dialog, and
    // the process's current directory left as it was.
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_ENABLEHOOK | OFN_HIDEREADONLY |
                OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    ofn.lpfnHook = CentreOverOwner;
    if (!GetOpenFileNameA(&ofn)) return;

    TakeOverSeparatorPath(fileName, settings.separatorDir, settings.separatorFile);
    Generate(panel, id, event);
}

}  // namespace genhand::wizard
