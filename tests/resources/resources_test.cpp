// The resources linked into this test the way they are linked into
// Genhand.exe: the string table against the generator's own catalogue, the
// dialog templates as stored and as the system builds them, the icons, the
// version information and the manifest.
#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "generator/catalogue.h"
#include "resources/resource.h"

namespace {

HINSTANCE Module() { return GetModuleHandleA(nullptr); }

// ---------------------------------------------------------------- strings

std::string LoadString(UINT id, int bufferSize = 2048) {
    std::vector<char> buffer(static_cast<std::size_t>(bufferSize));
    const int length = LoadStringA(Module(), id, buffer.data(), bufferSize);
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

TEST(StringTable, HoldsEveryCatalogueNameAndTemplateByteForByte) {
    for (int id = 1; id <= genhand::kEntryCount; ++id) {
        const genhand::CatalogueEntry* entry = genhand::EntryById(id);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(LoadString(static_cast<UINT>(id)), entry->name) << "name " << id;
        EXPECT_EQ(LoadString(static_cast<UINT>(500 + id)), entry->templateText) << "template " << id;
        // The message list loads names through a 40-byte buffer.
        EXPECT_EQ(LoadString(static_cast<UINT>(id), 40), entry->name) << "name " << id;
    }
}

TEST(StringTable, EndsAfterTheLastEntry) {
    char buffer[40];
    for (UINT id : {0u, 65u, 500u, 565u}) {
        EXPECT_EQ(LoadStringA(Module(), id, buffer, sizeof buffer), 0) << id;
    }
}

// -------------------------------------------------------- dialog templates

struct Control {
    int id;
    std::string cls;  // lower case
    std::string text;
    short x, y, cx, cy;
    DWORD style;
};

struct Template {
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    bool hasMenu = false;
    std::string caption;
    WORD pointSize = 0;
    std::string face;
    std::vector<Control> controls;
};

class TemplateReader {
public:
    explicit TemplateReader(const BYTE* data) : p_(data) {}

    WORD Word() { WORD v; std::memcpy(&v, p_, 2); p_ += 2; return v; }
    DWORD Dword() { DWORD v; std::memcpy(&v, p_, 4); p_ += 4; return v; }
    short Short() { return static_cast<short>(Word()); }
    BYTE Byte() { return *p_++; }
    void AlignDword() {
        while (reinterpret_cast<std::uintptr_t>(p_) % 4 != 0) ++p_;
    }
    // A NUL-terminated UTF-16 string of ASCII characters.
    std::string Text() {
        std::string s;
        for (WORD c = Word(); c != 0; c = Word()) s += static_cast<char>(c);
        return s;
    }
    // A name or an ordinal: empty for none, "#n" for ordinal n.
    std::string NameOrOrdinal() {
        WORD first;
        std::memcpy(&first, p_, 2);
        if (first == 0x0000) { p_ += 2; return ""; }
        if (first == 0xFFFF) { p_ += 2; return "#" + std::to_string(Word()); }
        return Text();
    }

private:
    const BYTE* p_;
};

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string ClassName(const std::string& stored) {
    static const char* const kPredefined[] = {"button", "edit", "static", "listbox", "scrollbar", "combobox"};
    if (!stored.empty() && stored[0] == '#') {
        const int atom = std::stoi(stored.substr(1));
        if (atom >= 0x80 && atom <= 0x85) return kPredefined[atom - 0x80];
    }
    return Lower(stored);
}

// Reads an extended dialog template (the form the resource script uses).
Template ReadTemplate(int id) {
    Template t;
    HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    if (found == nullptr) { ADD_FAILURE() << "no dialog " << id; return t; }
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(Module(), found)));
    TemplateReader r(data);
    EXPECT_EQ(r.Word(), 1);       // dlgVer
    EXPECT_EQ(r.Word(), 0xFFFF);  // signature of the extended form
    r.Dword();                    // help id
    r.Dword();                    // extended style
    t.style = r.Dword();
    const WORD count = r.Word();
    t.x = r.Short(); t.y = r.Short(); t.cx = r.Short(); t.cy = r.Short();
    t.hasMenu = !r.NameOrOrdinal().empty();
    EXPECT_EQ(r.NameOrOrdinal(), "");  // the system's dialog class
    t.caption = r.Text();
    if (t.style & DS_SETFONT) {
        t.pointSize = r.Word();
        r.Word();  // weight
        r.Byte();  // italic
        r.Byte();  // character set
        t.face = r.Text();
    }
    for (WORD i = 0; i < count; ++i) {
        r.AlignDword();
        Control c;
        r.Dword();  // help id
        r.Dword();  // extended style
        c.style = r.Dword();
        c.x = r.Short(); c.y = r.Short(); c.cx = r.Short(); c.cy = r.Short();
        c.id = static_cast<int>(r.Dword());
        c.cls = ClassName(r.NameOrOrdinal());
        c.text = r.NameOrOrdinal();
        const WORD extra = r.Word();
        for (WORD b = 0; b < extra; ++b) r.Byte();
        t.controls.push_back(c);
    }
    return t;
}

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kChild | SS_LEFT | WS_GROUP;
constexpr DWORD kTextBox = kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kCheckBox = kChild | BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kIconButton = kChild | BS_ICON | WS_TABSTOP;
constexpr DWORD kDropDownList = kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;

const std::vector<Control>& FrameControls() {
    static const std::vector<Control> controls = {
        {2, "button", "&Close", 104, 232, 50, 14, kChild | BS_PUSHBUTTON | BS_CENTER | WS_TABSTOP},
        {3, "button", "&Help", 175, 232, 50, 14, kChild | BS_PUSHBUTTON | BS_CENTER | WS_TABSTOP},
    };
    return controls;
}

const std::vector<Control>& PanelControls() {
    static const std::vector<Control> controls = {
        {-1, "static", "&Velmora Window:", 7, 5, 63, 10, kLabel},
        {1010, "edit", "", 7, 17, 64, 13, kTextBox},
        {1011, "button", "&Description comments", 8, 39, 88, 10, kCheckBox},
        {1013, "button", "&USE Velmora", 8, 50, 84, 10, kCheckBox},
        {1016, "button", "IMPLICIT &NONE", 8, 60, 84, 10, kCheckBox},
        {-1, "static", "&Message to handle (WM_):", 98, 6, 92, 10, kLabel},
        {1004, "listbox", "", 98, 17, 98, 51,
         kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT},
        {1015, "static", "&ID:", 98, 74, 32, 13, kLabel},
        {1014, "edit", "", 132, 72, 64, 13, kTextBox},
        {-1, "static", "&Separator:", 204, 18, 37, 13, kLabel},
        {1005, "combobox", "", 243, 18, 52, 49, kDropDownList},
        {1006, "button", "Choose separator file", 306, 20, 15, 14, kIconButton},
        {-1, "static", "&Keywords:", 204, 40, 39, 13, kLabel},
        {1007, "combobox", "", 243, 40, 52, 49, kDropDownList},
        {-1, "static", "Indent &body:", 204, 62, 39, 13, kLabel},
        {1008, "edit", "", 243, 63, 27, 13, kTextBox | ES_NUMBER | ES_READONLY},
        {1009, "msctls_updown32", "Spin1", 267, 63, 11, 13,
         kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS},
        {-1, "static", "columns", 281, 63, 39, 13, kLabel},
        {-1, "static", "S&et handler:", 7, 77, 45, 9, kLabel},
        {1001, "edit", "", 7, 89, 293, 22, kTextBox | ES_MULTILINE | ES_READONLY},
        {1002, "button", "Copy statement", 306, 88, 15, 14, kIconButton | BS_RIGHT},
        {-1, "static", "Handler &routine:", 7, 117, 57, 9, kLabel},
        {1000, "edit", "", 7, 129, 293, 96, kTextBox | WS_VSCROLL | ES_MULTILINE | ES_READONLY},
        {1003, "button", "Copy routine", 305, 130, 16, 14, kIconButton},
    };
    return controls;
}

void ExpectControls(const std::vector<Control>& actual, const std::vector<Control>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Control& a = actual[i];
        const Control& e = expected[i];
        SCOPED_TRACE("control " + std::to_string(i) + " (" + e.text + " " + std::to_string(e.id) + ")");
        EXPECT_EQ(a.id, e.id);
        EXPECT_EQ(a.cls, e.cls);
        EXPECT_EQ(a.text, e.text);
        EXPECT_EQ(a.x, e.x);
        EXPECT_EQ(a.y, e.y);
        EXPECT_EQ(a.cx, e.cx);
        EXPECT_EQ(a.cy, e.cy);
        EXPECT_EQ(a.style, e.style) << std::hex << a.style << " != " << e.style;
    }
}

TEST(DialogTemplates, FrameIsAsSpecifiedControlForControl) {
    const Template frame = ReadTemplate(IDD_FRAME);
    EXPECT_EQ(frame.style, 0x80C808C0u);
    EXPECT_EQ(frame.style, static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
                                              DS_CENTER | DS_SETFONT));
    EXPECT_EQ(frame.style & WS_VISIBLE, 0u);
    EXPECT_EQ(frame.cx, 332);
    EXPECT_EQ(frame.cy, 253);
    EXPECT_FALSE(frame.hasMenu);
    EXPECT_EQ(frame.caption, "Velmora Wizard");
    EXPECT_EQ(frame.pointSize, 8);
    EXPECT_EQ(frame.face, "MS Sans Serif");
    ExpectControls(frame.controls, FrameControls());
}

TEST(DialogTemplates, PanelHoldsEveryControlInReadingOrder) {
    const Template panel = ReadTemplate(IDD_PANEL);
    EXPECT_EQ(panel.style, 0x40000440u);
    EXPECT_EQ(panel.x, 0);
    EXPECT_EQ(panel.y, 0);
    EXPECT_EQ(panel.cx, 327);
    EXPECT_EQ(panel.cy, 232);
    EXPECT_FALSE(panel.hasMenu);
    EXPECT_EQ(panel.caption, "");
    EXPECT_EQ(panel.pointSize, 8);
    EXPECT_EQ(panel.face, "MS Sans Serif");
    ExpectControls(panel.controls, PanelControls());
}

INT_PTR CALLBACK NoProcessing(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

std::string WindowText(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string WindowClass(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return Lower(name);
}

// Both templates created by the system, hidden: the frame as a top-level
// window and the panel as its child.
class CreatedDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX init = {sizeof init, ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&init);
    }
    void SetUp() override {
        frame_ = CreateDialogParamA(Module(), MAKEINTRESOURCEA(IDD_FRAME), nullptr, NoProcessing, 0);
        ASSERT_NE(frame_, nullptr) << "no display? error " << GetLastError();
        panel_ = CreateDialogParamA(Module(), MAKEINTRESOURCEA(IDD_PANEL), frame_, NoProcessing, 0);
        ASSERT_NE(panel_, nullptr) << GetLastError();
    }
    void TearDown() override {
        if (frame_ != nullptr) DestroyWindow(frame_);
    }
    HWND frame_ = nullptr;
    HWND panel_ = nullptr;
};

// Children in creation (tab) order: id, class, text and the template's
// style bits, which the controls may add to but must keep.
void ExpectChildren(HWND parent, const std::vector<Control>& expected) {
    std::size_t i = 0;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT), ++i) {
        ASSERT_LT(i, expected.size());
        const Control& e = expected[i];
        SCOPED_TRACE("child " + std::to_string(i) + " (" + e.text + " " + std::to_string(e.id) + ")");
        EXPECT_EQ(static_cast<int>(static_cast<short>(GetDlgCtrlID(child))), e.id);
        EXPECT_EQ(WindowClass(child), e.cls);
        if (e.cls != "edit" && e.cls != "listbox" && e.cls != "combobox") {
            EXPECT_EQ(WindowText(child), e.text);
        }
        const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(child, GWL_STYLE));
        const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(child, GWL_EXSTYLE));
        DWORD mustHave = e.style;
        // List and combo boxes show their vertical scroll bar only when needed.
        if (e.cls == "listbox" || e.cls == "combobox") mustHave &= ~WS_VSCROLL;
        // Edit and list boxes turn a border into a sunken client edge.
        if ((e.style & WS_BORDER) && (e.cls == "edit" || e.cls == "listbox")) {
            mustHave &= ~WS_BORDER;
            EXPECT_TRUE((style & WS_BORDER) || (exStyle & WS_EX_CLIENTEDGE));
        }
        EXPECT_EQ(style & mustHave, mustHave) << std::hex << style;
    }
    EXPECT_EQ(i, expected.size());
}

TEST_F(CreatedDialogs, FrameIsAHiddenCaptionedWindowWithItsButtons) {
    EXPECT_FALSE(IsWindowVisible(frame_));
    EXPECT_EQ(WindowText(frame_), "Velmora Wizard");
    EXPECT_EQ(GetMenu(frame_), nullptr);
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(frame_, GWL_STYLE));
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_POPUP), static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_POPUP));
    // The two buttons, then the panel made as the frame's child.
    std::vector<HWND> children;
    for (HWND child = GetWindow(frame_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    ASSERT_EQ(children.size(), 3u);
    EXPECT_EQ(GetDlgCtrlID(children[0]), IDC_CLOSE);
    EXPECT_EQ(GetDlgCtrlID(children[1]), IDC_HELP_BUTTON);
    EXPECT_EQ(children[2], panel_);
    for (int i = 0; i < 2; ++i) {
        const DWORD buttonStyle = static_cast<DWORD>(GetWindowLongPtrA(children[i], GWL_STYLE));
        EXPECT_EQ(buttonStyle & FrameControls()[i].style, FrameControls()[i].style);
        EXPECT_EQ(WindowClass(children[i]), "button");
    }
    EXPECT_EQ(WindowText(GetDlgItem(frame_, IDC_CLOSE)), "&Close");
    EXPECT_EQ(WindowText(GetDlgItem(frame_, IDC_HELP_BUTTON)), "&Help");
}

TEST_F(CreatedDialogs, PanelControlsExistInTabOrderWithTheirClassesTextsAndStyles) {
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(panel_, GWL_STYLE));
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_EQ(GetParent(panel_), frame_);
    ExpectChildren(panel_, PanelControls());
}

TEST_F(CreatedDialogs, SpinnerTakesTheIndentBoxAsItsBuddyAndWritesIntoIt) {
    HWND spinner = GetDlgItem(panel_, IDC_INDENT_SPIN);
    HWND indent = GetDlgItem(panel_, IDC_INDENT);
    ASSERT_NE(spinner, nullptr);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(spinner, UDM_GETBUDDY, 0, 0)), indent);
    SendMessageA(spinner, UDM_SETRANGE32, 0, 6);
    SendMessageA(spinner, UDM_SETPOS32, 0, 4);
    EXPECT_EQ(WindowText(indent), "4");
}

// ------------------------------------------------------------------ icons

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)

std::vector<GroupIconEntry> GroupEntries(int group) {
    std::vector<GroupIconEntry> entries;
    HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(group), MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */);
    if (found == nullptr) return entries;
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(Module(), found)));
    WORD count;
    std::memcpy(&count, data + 4, 2);
    for (WORD i = 0; i < count; ++i) {
        GroupIconEntry entry;
        std::memcpy(&entry, data + 6 + i * sizeof(GroupIconEntry), sizeof entry);
        entries.push_back(entry);
    }
    return entries;
}

SIZE IconSize(HICON icon) {
    ICONINFO info = {};
    SIZE size = {0, 0};
    if (!GetIconInfo(icon, &info)) return size;
    BITMAP bitmap = {};
    GetObjectA(info.hbmMask, sizeof bitmap, &bitmap);
    size.cx = bitmap.bmWidth;
    size.cy = info.hbmColor != nullptr ? bitmap.bmHeight : bitmap.bmHeight / 2;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return size;
}

TEST(Icons, GroupsHoldTheirSizesInSixteenColours) {
    struct Expected { int group; std::vector<int> sizes; };
    for (const Expected& e : {Expected{IDI_WIZARD, {32, 16}}, Expected{IDI_SEPARATOR, {16}},
                              Expected{IDI_COPY, {16}}}) {
        const auto entries = GroupEntries(e.group);
        ASSERT_EQ(entries.size(), e.sizes.size()) << "group " << e.group;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].width, e.sizes[i]) << "group " << e.group;
            EXPECT_EQ(entries[i].height, e.sizes[i]) << "group " << e.group;
            EXPECT_EQ(entries[i].colourCount, 16) << "group " << e.group;
            EXPECT_EQ(entries[i].bitCount, 4) << "group " << e.group;
        }
    }
}

TEST(Icons, LoadAtTheSizesTheWizardAsksFor) {
    struct Load { int group; int size; };
    for (const Load& load : {Load{IDI_WIZARD, 32}, Load{IDI_WIZARD, 16}, Load{IDI_SEPARATOR, 16},
                             Load{IDI_COPY, 16}}) {
        HANDLE icon = LoadImageA(Module(), MAKEINTRESOURCEA(load.group), IMAGE_ICON, load.size,
                                 load.size, LR_DEFAULTCOLOR);
        ASSERT_NE(icon, nullptr) << "group " << load.group;
        const SIZE size = IconSize(static_cast<HICON>(icon));
        EXPECT_EQ(size.cx, load.size) << "group " << load.group;
        EXPECT_EQ(size.cy, load.size) << "group " << load.group;
        DestroyIcon(static_cast<HICON>(icon));
    }
}

// ------------------------------------------------- version and manifest

std::string VersionString(const std::vector<char>& block, const char* name) {
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) return "";
    return std::string(value, length > 0 ? length - 1 : 0);
}

TEST(VersionInfo, NamesTheVelmoraWizardVersionOne) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(VersionString(block, "FileDescription"), "Velmora Wizard");
    EXPECT_EQ(VersionString(block, "ProductName"), "Genhand");
    EXPECT_EQ(VersionString(block, "ProductVersion"), "1.0");
    EXPECT_EQ(VersionString(block, "OriginalFilename"), "Genhand.exe");
}

TEST(Manifest, AsksForCommonControlsSixAndDpiAwareness) {
    HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24) /* RT_MANIFEST */);
    ASSERT_NE(found, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(Module(), found))),
                           SizeofResource(Module(), found));
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("<dpiAware"), std::string::npos);

    // The system honoured it: the common controls come from their version 6
    // side-by-side assembly.
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_STANDARD_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&init));
    HMODULE comctl = nullptr;
    ASSERT_TRUE(GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(reinterpret_cast<void*>(&InitCommonControlsEx)), &comctl));
    char path[MAX_PATH] = "";
    GetModuleFileNameA(comctl, path, MAX_PATH);
    EXPECT_NE(Lower(path).find("microsoft.windows.common-controls"), std::string::npos) << path;

    // Wine's version 6 assembly carries the same comctl32 build as its
    // version 5 and reports 5.81 from DllGetVersion; Windows reports 6.x.
    if (GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr) return;
    using GetVersionFn = HRESULT(CALLBACK*)(DLLVERSIONINFO*);
    auto getVersion = reinterpret_cast<GetVersionFn>(
        reinterpret_cast<void*>(GetProcAddress(comctl, "DllGetVersion")));
    ASSERT_NE(getVersion, nullptr);
    DLLVERSIONINFO version = {sizeof version, 0, 0, 0, 0};
    ASSERT_EQ(getVersion(&version), S_OK);
    EXPECT_EQ(version.dwMajorVersion, 6u);
}

}  // namespace
