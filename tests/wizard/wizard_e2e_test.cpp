// End-to-end tests of the running wizard: Genhand.exe runs as a separate
// process, and this driver works its controls only through the messages a
// user's actions produce (keys, characters, clicks), then reads what the
// boxes show and compares it byte for byte with the generator's own output.
#include <windows.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>

#include "generator/catalogue.h"
#include "generator/generation.h"
#include "generator/separator.h"
#include "tests/support/desktop_driver.h"

namespace {

using desktop::TextOf;
using desktop::WaitFor;
using desktop::WindowsPath;

std::string gProgram;  // path of Genhand.exe, from the command line

constexpr char kKey[] = "Software\\Velmora\\Genhand\\1.0";

// Writes what the screen shows of `window` as a 24-bit BMP.
bool SaveScreenshot(HWND window, const std::string& path) {
    RECT r{};
    return GetWindowRect(window, &r) && desktop::SaveScreenshot(r, path);
}

// The edit box of the open-file dialog's "File name:" field, wherever the
// dialog nests it (a ComboBoxEx with a combo box inside, or a plain edit).
BOOL CALLBACK FindFileNameBox(HWND child, LPARAM found) {
    char cls[16] = {};
    GetClassNameA(child, cls, sizeof cls);
    const int id = GetDlgCtrlID(child);
    if (lstrcmpiA(cls, "Edit") == 0 && (id == 0x47C || id == 0x480)) {
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
    }
    return TRUE;
}

HWND FileNameBox(HWND dialog) {
    HWND found = nullptr;
    EnumChildWindows(dialog, FindFileNameBox, reinterpret_cast<LPARAM>(&found));
    return found;
}

void DeleteSettings() { RegDeleteKeyA(HKEY_CURRENT_USER, kKey); }

void StoreDword(const char* name, DWORD value) {
    RegSetKeyValueA(HKEY_CURRENT_USER, kKey, name, REG_DWORD, &value, sizeof value);
}

DWORD ReadDword(const char* name) {
    DWORD value = 0xDEADBEEF, size = sizeof value, type = 0;
    RegGetValueA(HKEY_CURRENT_USER, kKey, name, RRF_RT_ANY, &type, &value, &size);
    return value;
}

DWORD ValueSize(const char* name) {
    DWORD size = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, kKey, name, RRF_RT_ANY | RRF_NOEXPAND, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return 0;
    return size;
}

// The clipboard's text, or "" when it holds none.
std::string ClipboardText() {
    if (!WaitFor([] { return OpenClipboard(nullptr) != FALSE; })) return "";
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) text = bytes;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void EmptyTheClipboard() {
    if (!WaitFor([] { return OpenClipboard(nullptr) != FALSE; })) return;
    EmptyClipboard();
    CloseClipboard();
}

// The wizard runs in another process and handles posted input later, in its
// own time. Every action below therefore waits (bounded) for the effect it
// causes before the next one starts, so that no action overtakes another
// and no assertion reads a state from before the action.
class Wizard {
public:
    // Starts the wizard and waits until its frame shows with the panel in
    // it (the frame can show before the panel exists).
    bool Start(const char* currentDirectory = nullptr) {
        if (!process_.Start(gProgram, "", currentDirectory)) return false;
        return WaitFor([&] {
            frame_ = process_.Window(nullptr, "Velmora Wizard");
            panel_ = frame_ != nullptr ? FindWindowExA(frame_, nullptr, "#32770", nullptr) : nullptr;
            return panel_ != nullptr;
        });
    }
    bool WaitForExit(DWORD* code = nullptr) { return process_.WaitForExit(code); }
    bool Exited() const { return process_.Exited(); }
    // A visible top-level window of this wizard's process.
    HWND OwnWindow(const char* cls, const char* caption) const { return process_.Window(cls, caption); }

    HWND Control(int id) const { return GetDlgItem(id <= 3 ? frame_ : panel_, id); }
    std::string Text(int id) const { return TextOf(Control(id)); }
    LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(Control(id), message, wParam, lParam);
    }

    // What a user does, as the messages it produces. Focus moves as when
    // the user tabs to a control (the wizard reacts to typing and choosing
    // only in the control that has the focus). SetFocus across the attached
    // threads returns once the wizard has handled the focus change.
    void Focus(int id) {
        const DWORD wizardThread = GetWindowThreadProcessId(frame_, nullptr);
        const DWORD ownThread = GetCurrentThreadId();
        AttachThreadInput(ownThread, wizardThread, TRUE);
        SetFocus(Control(id));
        AttachThreadInput(ownThread, wizardThread, FALSE);
    }
    // Presses a key in a control and waits until `done` holds.
    template <class Predicate>
    bool KeyUntil(int id, WPARAM key, Predicate done) {
        Focus(id);
        PostMessageA(Control(id), WM_KEYDOWN, key, 1);
        PostMessageA(Control(id), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
        return WaitFor(done, 5000);
    }
    // Moves the selection of a list or drop-down list by one key and waits
    // until the control shows the item at `index`.
    bool SelectByKey(int id, WPARAM key, int index) {
        const bool list = id == 1004;
        return KeyUntil(id, key, [&] { return Send(id, list ? LB_GETCURSEL : CB_GETCURSEL) == index; });
    }
    void Type(int id, const std::string& text) {
        Focus(id);
        const std::size_t before = Text(id).size();
        for (char c : text) PostMessageA(Control(id), WM_CHAR, static_cast<unsigned char>(c), 1);
        WaitFor([&] { return Text(id).size() >= before + text.size(); }, 5000);
    }
    // Clicks a button and waits until `done` holds.
    template <class Predicate>
    bool ClickUntil(int id, Predicate done) {
        PostMessageA(Control(id), BM_CLICK, 0, 0);
        return WaitFor(done, 5000);
    }
    // Clicks a check box and waits until its state has flipped.
    bool Toggle(int id) {
        const LRESULT before = Send(id, BM_GETCHECK);
        return ClickUntil(id, [&] { return Send(id, BM_GETCHECK) != before; });
    }
    // Clicks a copy button and returns what it put on the clipboard.
    std::string Copy(int id) {
        const DWORD before = GetClipboardSequenceNumber();
        if (!ClickUntil(id, [&] { return GetClipboardSequenceNumber() != before; })) return "<no copy>";
        return ClipboardText();
    }
    // Real key input, as the keyboard produces it: the wizard's window in
    // front, then the key (with Shift held when asked), which reaches the
    // control that has the focus.
    bool Press(WORD key, bool shift = false) {
        if (GetForegroundWindow() != frame_) SetForegroundWindow(frame_);
        if (!WaitFor([&] { return GetForegroundWindow() == frame_; }, 5000)) return false;
        std::vector<INPUT> inputs;
        const auto add = [&](WORD virtualKey, DWORD flags) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = virtualKey;
            input.ki.dwFlags = flags;
            inputs.push_back(input);
        };
        if (shift) add(VK_SHIFT, 0);
        add(key, 0);
        add(key, KEYEVENTF_KEYUP);
        if (shift) add(VK_SHIFT, KEYEVENTF_KEYUP);
        return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
    }
    // Presses a key and waits until `done` holds.
    template <class Predicate>
    bool PressUntil(WORD key, Predicate done, bool shift = false) {
        return Press(key, shift) && WaitFor(done, 5000);
    }
    // The id of the control that has the keyboard focus, 0 for none.
    int FocusedId() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(frame_, nullptr), &info) || info.hwndFocus == nullptr) return 0;
        return GetDlgCtrlID(info.hwndFocus);
    }
    // Whether the wizard's process has loaded a module of this name.
    bool HasModule(const char* name) const {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process_.Id());
        if (snapshot == INVALID_HANDLE_VALUE) return false;
        MODULEENTRY32 module{};
        module.dwSize = sizeof module;
        bool found = false;
        for (BOOL more = Module32First(snapshot, &module); more && !found; more = Module32Next(snapshot, &module))
            found = lstrcmpiA(module.szModule, name) == 0;
        CloseHandle(snapshot);
        return found;
    }
    // The wizard's current directory, read from its process parameters.
    std::string CurrentDirectory() const {
        using QueryProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
        const auto query = reinterpret_cast<QueryProcess>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
        PROCESS_BASIC_INFORMATION basic{};
        PEB peb{};
        RTL_USER_PROCESS_PARAMETERS parameters{};
        if (query == nullptr ||
            query(process_.Handle(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0 ||
            !ReadProcessMemory(process_.Handle(), basic.PebBaseAddress, &peb, sizeof peb, nullptr) ||
            !ReadProcessMemory(process_.Handle(), peb.ProcessParameters, &parameters, sizeof parameters, nullptr))
            return "";
        // The current directory's path follows the console and standard
        // handles; the public header names none of these members.
        UNICODE_STRING path{};
        std::memcpy(&path, &parameters.Reserved2[5], sizeof path);
        std::wstring wide(path.Length / sizeof(wchar_t), L'\0');
        if (!ReadProcessMemory(process_.Handle(), path.Buffer, wide.data(), path.Length, nullptr)) return "";
        return std::string(wide.begin(), wide.end());
    }
    // Clicks a button that ends the wizard and waits for the process to end.
    bool CloseWith(int id, DWORD* code = nullptr) {
        PostMessageA(Control(id), BM_CLICK, 0, 0);
        return WaitForExit(code);
    }

    HWND frame_ = nullptr;
    HWND panel_ = nullptr;
    desktop::Process process_;
};

// Every test starts from no settings and an empty clipboard, whatever an
// earlier test or process left behind.
class WizardTest : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteSettings();
        EmptyTheClipboard();
    }
};

// The text of a control once the wizard has caught up with what was posted
// to it: `want` as soon as it shows it, else what it shows after a while.
std::string Eventually(const Wizard& w, int id, const std::string& want) {
    WaitFor([&] { return w.Text(id) == want; }, 3000);
    return w.Text(id);
}

int SelectedTemplate(const Wizard& w);

// The texts the generator gives for what the panel shows now.
genhand::GenerationResult Expected(const Wizard& w, int templateId, int separatorStyle, int keywords, int indent,
                                   bool use, bool implicitNone, bool comments, const std::string& id = "",
                                   const std::string& separatorText = "") {
    const std::string window = w.Text(1010);
    const std::string separator =
        separatorStyle == 4 ? separatorText : genhand::BuildSeparator(separatorStyle, "", "");
    genhand::GenerationInputs in;
    in.expansion.templateId = templateId;
    in.expansion.windowName = window;
    in.expansion.idText = id;
    in.expansion.keywordCase = static_cast<genhand::KeywordCase>(keywords);
    in.expansion.indent = indent;
    in.expansion.useLine = use;
    in.expansion.implicitNone = implicitNone;
    in.expansion.comments = comments;
    in.separator = separator;
    genhand::GenerationResult out;
    genhand::GenerateTexts(in, out);
    return out;
}

int SelectedTemplate(const Wizard& w) {
    const HWND list = w.Control(1004);
    const LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    return static_cast<int>(SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

TEST_F(WizardTest, FirstRunShowsDefaultsAndRegeneratesOnEveryChange) {
    Wizard w;
    ASSERT_TRUE(w.Start());

    // Nothing has run yet: both boxes empty, the ID field visible.
    EXPECT_EQ(w.Text(1000), "");
    EXPECT_EQ(w.Text(1001), "");
    EXPECT_TRUE(IsWindowVisible(w.Control(1014)));
    EXPECT_EQ(w.Send(1004, LB_GETCOUNT), 64);
    EXPECT_EQ(w.Send(1004, LB_GETCURSEL), 0);
    EXPECT_EQ(w.Text(1010), "VW_FRAME");
    EXPECT_EQ(w.Text(1008), "0");
    EXPECT_FALSE(IsWindowEnabled(w.Control(1006)));
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    if (key) RegCloseKey(key);

    // The first item is a pseudo-entry; moving down the list picks others.
    ASSERT_TRUE(w.SelectByKey(1004, VK_DOWN, 1));
    int templateId = SelectedTemplate(w);
    auto expected = Expected(w, templateId, 1, 1, 0, false, false, false);
    EXPECT_EQ(Eventually(w, 1000, expected.routineBox), expected.routineBox);
    EXPECT_EQ(Eventually(w, 1001, expected.statement), expected.statement);

    ASSERT_TRUE(w.SelectByKey(1004, VK_END, 63));  // WINDOWPOSCHANGING, a window message
    templateId = SelectedTemplate(w);
    EXPECT_EQ(templateId, 564);
    expected = Expected(w, 564, 1, 1, 0, false, false, false);
    EXPECT_EQ(Eventually(w, 1001, expected.statement), expected.statement);
    EXPECT_FALSE(IsWindowVisible(w.Control(1014)));
    EXPECT_FALSE(IsWindowVisible(w.Control(1015)));

    ASSERT_TRUE(w.Toggle(1011));  // description comments
    ASSERT_TRUE(w.Toggle(1013));  // USE Velmora
    ASSERT_TRUE(w.Toggle(1016));  // IMPLICIT NONE
    ASSERT_TRUE(w.SelectByKey(1007, VK_DOWN, 1));  // Lowercase
    ASSERT_TRUE(w.SelectByKey(1005, VK_DOWN, 1));  // "-"
    // The arrow keys in the spinner's box: indent 1, then 2.
    ASSERT_TRUE(w.KeyUntil(1008, VK_UP, [&] { return w.Text(1008) == "1"; }));
    ASSERT_TRUE(w.KeyUntil(1008, VK_UP, [&] { return w.Text(1008) == "2"; }));
    w.Type(1010, "X");  // the window name grows at the caret
    expected = Expected(w, 564, 2, 2, 2, true, true, true);
    EXPECT_EQ(Eventually(w, 1000, expected.routineBox), expected.routineBox);
    EXPECT_EQ(Eventually(w, 1001, expected.statement), expected.statement);

    // Back to the top: the list sorts the pseudo-entries first.
    ASSERT_TRUE(w.SelectByKey(1004, VK_HOME, 0));
    templateId = SelectedTemplate(w);
    ASSERT_TRUE(genhand::TakesId(templateId));
    const std::string label = templateId == 501 ? "Messa&ge:" : "&ID:";
    EXPECT_EQ(Eventually(w, 1015, label), label);
    EXPECT_TRUE(IsWindowVisible(w.Control(1014)));
    w.Type(1014, "IDM_FILE_OPEN");
    expected = Expected(w, templateId, 2, 2, 2, true, true, true, "IDM_FILE_OPEN");
    EXPECT_EQ(Eventually(w, 1000, expected.routineBox), expected.routineBox);
    EXPECT_EQ(Eventually(w, 1001, expected.statement), expected.statement);

    // A picture of the wizard at work, for the documentation.
    RedrawWindow(w.frame_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(SaveScreenshot(w.frame_, "wizard.bmp"));

    // Copy puts exactly the box's text on the clipboard.
    EXPECT_EQ(w.Copy(1002), expected.statement);

    // Close saves all nine values.
    const std::string window = w.Text(1010);
    DWORD exitCode = 1;
    ASSERT_TRUE(w.CloseWith(2, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(ReadDword("Separator"), 2u);
    EXPECT_EQ(ReadDword("Keywords"), 2u);
    EXPECT_EQ(ReadDword("Indent"), 2u);
    EXPECT_EQ(ReadDword("UseVelmora"), 1u);
    EXPECT_EQ(ReadDword("ImplicitNone"), 1u);
    EXPECT_EQ(ReadDword("Comments"), 1u);
    EXPECT_EQ(ValueSize("SeparatorDir"), 257u);
    EXPECT_EQ(ValueSize("SeparatorFile"), 65u);
    EXPECT_EQ(ValueSize("VWindow"), 41u);
    EXPECT_EQ(window.substr(0, 1), "X");

    // A second start shows the saved options.
    Wizard again;
    ASSERT_TRUE(again.Start());
    EXPECT_EQ(again.Text(1010), window);
    EXPECT_EQ(again.Text(1008), "2");
    EXPECT_EQ(again.Send(1005, CB_GETCURSEL), 1);
    EXPECT_EQ(again.Send(1007, CB_GETCURSEL), 1);
    EXPECT_EQ(again.Send(1011, BM_GETCHECK), BST_CHECKED);
    // The caption's close box closes and saves too.
    ASSERT_TRUE(again.Toggle(1011));
    PostMessageA(again.frame_, WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD code = 1;
    ASSERT_TRUE(again.WaitForExit(&code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(ReadDword("Comments"), 0u);
    EXPECT_EQ(ReadDword("Indent"), 2u);
}

// Every control that Tab reaches, in the order a person reads the window:
// down the left column, the middle and the right (the separator-file
// button right after its list), then each result box with its copy
// button, then the frame's buttons.
constexpr int kReadingOrder[] = {1010, 1011, 1013, 1016, 1004, 1014, 1005, 1006,
                                 1007, 1008, 1001, 1002, 1000, 1003, 2,    3};

bool IsPushButton(int id) { return id == 1002 || id == 1003 || id == 1006 || id == 2 || id == 3; }

// The focus starts in the message list, so that typing and arrows pick a
// handler at once.
TEST_F(WizardTest, FocusStartsInTheMessageList) {
    Wizard w;
    ASSERT_TRUE(w.Start());
    ASSERT_TRUE(WaitFor([&] { return w.FocusedId() == 1004; }, 5000)) << w.FocusedId();
    ASSERT_TRUE(w.PressUntil(VK_DOWN, [&] { return w.Send(1004, LB_GETCURSEL) == 1 && !w.Text(1000).empty(); }));
    // A letter goes to the list (the first name that starts with it), not
    // to the mnemonic of Close.
    ASSERT_TRUE(w.PressUntil('S', [&] {
        char item[64] = {};
        w.Send(1004, LB_GETTEXT, static_cast<WPARAM>(w.Send(1004, LB_GETCURSEL)), reinterpret_cast<LPARAM>(item));
        return item[0] == 'S';
    }));
    EXPECT_FALSE(w.Exited());
    EXPECT_TRUE(w.CloseWith(2));
}

TEST_F(WizardTest, TabVisitsTheControlsInReadingOrder) {
    StoreDword("Separator", 4);  // the separator-file button enabled
    Wizard w;
    ASSERT_TRUE(w.Start());
    ASSERT_TRUE(WaitFor([&] { return w.FocusedId() == 1004; }, 5000));
    const std::size_t count = std::size(kReadingOrder);
    const std::size_t start = static_cast<std::size_t>(std::find(kReadingOrder, kReadingOrder + count, 1004) - kReadingOrder);
    for (std::size_t step = 1; step <= count; ++step) {
        const int next = kReadingOrder[(start + step) % count];
        ASSERT_TRUE(w.PressUntil(VK_TAB, [&] { return w.FocusedId() == next; })) << "expected " << next << ", focus on " << w.FocusedId();
    }
    ASSERT_TRUE(w.PressUntil(VK_TAB, [&] { return w.FocusedId() == 1016; }, true)) << "Shift+Tab: " << w.FocusedId();
    EXPECT_TRUE(w.CloseWith(2));
}

// Enter in any control but a button neither closes the wizard nor presses
// a button, even after Tab has passed over the buttons (each of which is
// the default button while it has the focus).
TEST_F(WizardTest, EnterNeverCloses) {
    Wizard w;
    ASSERT_TRUE(w.Start());
    ASSERT_TRUE(WaitFor([&] { return w.FocusedId() == 1004; }, 5000));
    for (int step = 0; step < 12; ++step) {  // over 1006 (disabled), the copy buttons, Close and Help
        const int before = w.FocusedId();
        ASSERT_TRUE(w.PressUntil(VK_TAB, [&] { return w.FocusedId() != before; }));
    }
    for (int id : kReadingOrder) {
        if (IsPushButton(id) || id == 1006) continue;
        w.Focus(id);
        ASSERT_TRUE(w.Press(VK_RETURN));
        // Input is handled in order: once the Tab after it has moved the
        // focus, the Enter has been handled too.
        ASSERT_TRUE(w.PressUntil(VK_TAB, [&] { return w.FocusedId() != id; })) << id;
        ASSERT_FALSE(w.Exited()) << id;
        EXPECT_EQ(w.OwnWindow("HH Parent", nullptr), nullptr) << id;
    }
    EXPECT_TRUE(w.CloseWith(2));
}

// Escape closes and saves wherever the focus is, the result boxes (whose
// multi-line edit controls take the key themselves) included.
TEST_F(WizardTest, EscapeClosesAndSavesFromEveryControl) {
    for (int id : kReadingOrder) {
        SCOPED_TRACE(id);
        DeleteSettings();
        StoreDword("Separator", 4);  // the separator-file button enabled
        Wizard w;
        ASSERT_TRUE(w.Start());
        ASSERT_TRUE(WaitFor([&] { return w.FocusedId() == 1004; }, 5000));
        w.Focus(id);
        ASSERT_EQ(w.FocusedId(), id);
        DWORD code = 1;
        ASSERT_TRUE(w.Press(VK_ESCAPE));
        ASSERT_TRUE(w.WaitForExit(&code));
        EXPECT_EQ(code, 0u);
        EXPECT_EQ(ValueSize("VWindow"), 41u);  // saved
    }
}

// Picks `path` in the open-file dialog behind button 1006, as a user types
// it into "File name:" and presses Open, and waits until the wizard shows a
// routine box that starts with `expectedStart`. `inspect` sees the dialog
// first.
void ChooseFile(Wizard& w, const std::string& path, const std::string& expectedStart,
                const std::function<void(HWND)>& inspect = nullptr) {
    PostMessageA(w.Control(1006), BM_CLICK, 0, 0);
    HWND open = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        open = w.OwnWindow("#32770", "Open");
        return open != nullptr && FileNameBox(open) != nullptr;
    }));
    if (inspect) inspect(open);
    SendMessageA(FileNameBox(open), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(GetDlgItem(open, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(open); }));
    EXPECT_TRUE(WaitFor([&] { return w.Text(1000).rfind(expectedStart, 0) == 0; }, 5000)) << w.Text(1000);
}

std::string ReadText(const char* name) {
    char value[300] = {};
    DWORD size = sizeof value;
    RegGetValueA(HKEY_CURRENT_USER, kKey, name, RRF_RT_REG_SZ, nullptr, value, &size);
    return value;
}

TEST_F(WizardTest, SeparatorFileChosenThroughTheOpenDialog) {
    // Separator files in the root of the drive and in a folder of it.
    char windowsDir[MAX_PATH] = {};
    GetWindowsDirectoryA(windowsDir, MAX_PATH);
    const std::string drive = std::string(windowsDir).substr(0, 2);
    const std::string rootFile = drive + "\\genhand_e2e_sep.txt";
    const std::string folder = drive + "\\genhand_e2e";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::ofstream(rootFile, std::ios::binary) << "!--from the root--\r\n";
    std::ofstream(folder + "\\genhand_e2e_sep.txt", std::ios::binary) << "!--from the folder--\r\n";
    std::ofstream(folder + "\\s", std::ios::binary) << "!--one letter--\r\n";

    Wizard w;
    ASSERT_TRUE(w.Start());
    for (int i = 1; i <= 3; ++i) ASSERT_TRUE(w.SelectByKey(1005, VK_DOWN, i));  // "From file"
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(w.Control(1006)) != FALSE; }, 3000));
    ASSERT_TRUE(w.SelectByKey(1004, VK_END, 63));

    ChooseFile(w, rootFile, "!--from the root--\r\nLOGICAL FUNCTION ");
    // A one-character name takes over the folder but not the name.
    ChooseFile(w, folder + "\\s", "!--from the folder--\r\nLOGICAL ");

    // Another style disables the button and drops the file's text.
    ASSERT_TRUE(w.SelectByKey(1005, VK_UP, 2));
    EXPECT_TRUE(WaitFor([&] { return !IsWindowEnabled(w.Control(1006)); }, 3000));
    const std::string stars = "!" + std::string(71, '*') + "\r\nLOGICAL ";
    EXPECT_TRUE(WaitFor([&] { return w.Text(1000).rfind(stars, 0) == 0; }, 3000)) << w.Text(1000);

    ASSERT_TRUE(w.CloseWith(2));
    EXPECT_EQ(ReadText("SeparatorDir"), folder + std::string(256 - folder.size(), ' '));
    EXPECT_EQ(ReadText("SeparatorFile"), "genhand_e2e_sep.txt" + std::string(64 - 19, ' '));
    DeleteFileA(rootFile.c_str());
    DeleteFileA((folder + "\\genhand_e2e_sep.txt").c_str());
    DeleteFileA((folder + "\\s").c_str());
    RemoveDirectoryA(folder.c_str());
}

// The open-file dialog offers no read-only box, can be resized, and leaves
// the wizard's current directory where it was.
TEST_F(WizardTest, OpenDialogWithoutReadOnlyBoxResizableKeepingTheCurrentDirectory) {
    char windowsDir[MAX_PATH] = {};
    GetWindowsDirectoryA(windowsDir, MAX_PATH);
    const std::string drive = std::string(windowsDir).substr(0, 2);
    const std::string startFolder = drive + "\\genhand_e2e_cwd";
    const std::string folder = drive + "\\genhand_e2e_open";
    CreateDirectoryA(startFolder.c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string file = folder + "\\sep.txt";
    std::ofstream(file, std::ios::binary) << "!--opened--\r\n";
    // The dialog opens in the folder of the last separator file.
    StoreDword("Separator", 4);
    RegSetKeyValueA(HKEY_CURRENT_USER, kKey, "SeparatorDir", REG_SZ, folder.c_str(),
                    static_cast<DWORD>(folder.size() + 1));

    Wizard w;
    ASSERT_TRUE(w.Start(startFolder.c_str()));
    const std::string before = w.CurrentDirectory();
    EXPECT_EQ(before.substr(0, startFolder.size()), startFolder);
    ASSERT_TRUE(w.SelectByKey(1004, VK_END, 63));
    ChooseFile(w, file, "!--opened--\r\n", [](HWND open) {
        const HWND readOnly = GetDlgItem(open, 0x410);  // chx1, "Open as read-only"
        EXPECT_TRUE(readOnly == nullptr || !IsWindowVisible(readOnly));
        EXPECT_NE(GetWindowLongA(open, GWL_STYLE) & WS_THICKFRAME, 0);
    });
    EXPECT_EQ(w.CurrentDirectory(), before);
    ASSERT_TRUE(w.CloseWith(2));
    DeleteFileA(file.c_str());
    RemoveDirectoryA(folder.c_str());
    RemoveDirectoryA(startFolder.c_str());
}

// A separator file whose name is longer than the 64 characters that
// earlier versions keep is used, saved and used again, whole.
TEST_F(WizardTest, LongSeparatorFileNameIsKept) {
    char windowsDir[MAX_PATH] = {};
    GetWindowsDirectoryA(windowsDir, MAX_PATH);
    const std::string folder = std::string(windowsDir).substr(0, 2) + "\\genhand_e2e_long";
    const std::string name = std::string(70, 'n') + ".txt";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::ofstream(folder + "\\" + name, std::ios::binary) << "!--long name--\r\n";
    StoreDword("Separator", 4);
    const std::string expectedStart = "!--long name--\r\nLOGICAL ";
    {
        Wizard w;
        ASSERT_TRUE(w.Start());
        ASSERT_TRUE(w.SelectByKey(1004, VK_END, 63));
        ChooseFile(w, folder + "\\" + name, expectedStart);
        ASSERT_TRUE(w.CloseWith(2));
    }
    EXPECT_EQ(ReadText("SeparatorFile"), name);
    EXPECT_EQ(ValueSize("SeparatorFile"), name.size() + 1);
    {
        Wizard again;
        ASSERT_TRUE(again.Start());
        ASSERT_TRUE(again.SelectByKey(1004, VK_END, 63));
        EXPECT_TRUE(WaitFor([&] { return again.Text(1000).rfind(expectedStart, 0) == 0; }, 5000)) << again.Text(1000);
        ASSERT_TRUE(again.CloseWith(2));
    }
    DeleteFileA((folder + "\\" + name).c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST_F(WizardTest, HelpOpensTheHelpFile) {
    Wizard w;
    ASSERT_TRUE(w.Start());
    HWND help = nullptr;
    EXPECT_TRUE(w.ClickUntil(3, [&] { return (help = w.OwnWindow("HH Parent", nullptr)) != nullptr; }));
    if (help != nullptr) {
        EXPECT_NE(TextOf(help).find("Velmora"), std::string::npos);
    }
    EXPECT_TRUE(w.HasModule("hhctrl.ocx"));
    EXPECT_TRUE(w.CloseWith(2));
}

// A copy of the program in a folder without its help file: Help passes
// silently and the wizard works on.
TEST_F(WizardTest, MissingHelpFileIsSilent) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "genhand_nohelp";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string copy = folder + "\\Genhand.exe";
    ASSERT_TRUE(CopyFileA(WindowsPath(gProgram).c_str(), copy.c_str(), FALSE));
    const std::string saved = gProgram;
    gProgram = copy;
    {
        Wizard w;
        ASSERT_TRUE(w.Start());
        PostMessageA(w.Control(3), BM_CLICK, 0, 0);
        // Posted after the click, so handled after it: the wizard works on.
        ASSERT_TRUE(w.SelectByKey(1004, VK_DOWN, 1));
        EXPECT_TRUE(WaitFor([&] { return !w.Text(1001).empty(); }, 3000));
        EXPECT_EQ(w.OwnWindow("HH Parent", nullptr), nullptr);
        // Not even the viewer was asked: on Windows it would report the
        // missing file itself.
        EXPECT_FALSE(w.HasModule("hhctrl.ocx"));
        DWORD code = 1;
        EXPECT_TRUE(w.CloseWith(2, &code));
        EXPECT_EQ(code, 0u);
    }
    gProgram = saved;
    DeleteFileA(copy.c_str());
    RemoveDirectoryA(folder.c_str());
}

// Stored values the wizard does not expect: it starts, works on, and keeps
// what the user did not change.
TEST_F(WizardTest, OddStoredValues) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    auto putDword = [&](const char* name, DWORD value) {
        RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    };
    putDword("Separator", 7);
    putDword("Keywords", 0);
    putDword("Comments", 0xFFFFFFFF);
    const char dir[] = "C:\\some\\folder";
    RegSetValueExA(key, "SeparatorDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(dir), sizeof dir);
    const std::string tooLong(50, 'L');  // longer than the 40-character setting
    RegSetValueExA(key, "VWindow", 0, REG_SZ, reinterpret_cast<const BYTE*>(tooLong.c_str()),
                   static_cast<DWORD>(tooLong.size() + 1));
    RegCloseKey(key);

    Wizard w;
    ASSERT_TRUE(w.Start());
    EXPECT_EQ(w.Send(1005, CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(w.Send(1007, CB_GETCURSEL), CB_ERR);
    EXPECT_FALSE(IsWindowEnabled(w.Control(1006)));
    EXPECT_EQ(w.Send(1011, BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(w.Text(1010), "VW_FRAME");  // the stored name did not fit: default
    // With no separator style and no keyword case selected the generator
    // still runs: a single blank ahead of the routine.
    ASSERT_TRUE(w.SelectByKey(1004, VK_END, 63));
    const auto expected = Expected(w, 564, 0, 0, 0, false, false, true);
    EXPECT_EQ(Eventually(w, 1000, expected.routineBox), expected.routineBox);
    EXPECT_FALSE(IsWindowEnabled(w.Control(1006)));
    ASSERT_TRUE(w.CloseWith(2));
    EXPECT_EQ(ReadDword("Separator"), 7u);
    EXPECT_EQ(ReadDword("Keywords"), 0u);
    EXPECT_EQ(ReadDword("Comments"), 1u);
    EXPECT_EQ(ReadText("SeparatorDir").substr(0, sizeof dir - 1), dir);
}

// Copy on the routine's button puts the whole routine on the clipboard and
// leaves nothing selected.
TEST_F(WizardTest, CopyRoutine) {
    Wizard w;
    ASSERT_TRUE(w.Start());
    ASSERT_TRUE(w.SelectByKey(1004, VK_DOWN, 1));
    ASSERT_TRUE(WaitFor([&] { return !w.Text(1000).empty(); }, 3000));
    EXPECT_EQ(w.Copy(1003), w.Text(1000));
    // The copy ends by putting the caret at the start, nothing selected.
    EXPECT_TRUE(WaitFor([&] { return w.Send(1000, EM_GETSEL) == 0; }, 3000));
    EXPECT_TRUE(w.CloseWith(2));
}

// Not a timed assertion: prints the median time of a generation run inside
// the running wizard (a list change sent to the list box, which notifies
// the panel and returns once both boxes are rewritten) and of a start-up
// (process start to the window shown).
TEST_F(WizardTest, Timings) {
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    auto now = [&] {
        LARGE_INTEGER t{};
        QueryPerformanceCounter(&t);
        return static_cast<double>(t.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
    };
    std::vector<double> startups, runs, roundTrips;
    for (int i = 0; i < 5; ++i) {
        Wizard w;
        const double t0 = now();
        ASSERT_TRUE(w.Start());
        startups.push_back(now() - t0);
        const HWND list = w.Control(1004);
        for (int k = 0; k < 40; ++k) {
            const double t1 = now();
            SendMessageA(list, WM_KEYDOWN, k % 2 == 0 ? VK_DOWN : VK_UP, 1);
            runs.push_back(now() - t1);
            const double t2 = now();
            SendMessageA(list, WM_NULL, 0, 0);
            roundTrips.push_back(now() - t2);
        }
        ASSERT_TRUE(w.CloseWith(2));
    }
    std::printf("start-up to window shown: median %.1f ms (5 runs)\n", median(startups) / 1000);
    std::printf("generation run from a list change: median %.1f us (%zu runs; a bare cross-process "
                "message takes %.1f us)\n",
                median(runs), runs.size(), median(roundTrips));
    RecordProperty("startup_ms", static_cast<int>(median(startups) / 1000));
    RecordProperty("generation_us", static_cast<int>(median(runs)));
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // The program under test: the first argument, or GENHAND_EXE.
    const char* program = argc >= 2 ? argv[1] : std::getenv("GENHAND_EXE");
    if (program == nullptr) {
        std::fprintf(stderr, "usage: wizard_e2e_tests PATH-TO-Genhand.exe\n");
        return 2;
    }
    gProgram = program;
    return RUN_ALL_TESTS();
}
