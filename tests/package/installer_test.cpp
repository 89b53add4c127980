// The Windows installer as a user meets it: a silent install into a folder
// of the test's own, the installed wizard started and its help opened, then
// a silent uninstall that removes what was installed and leaves the user's
// settings alone. GENHAND_INSTALLER names the installer
// (build/<tree>/packages/Genhand-<version>-<arch>.exe, made by CPack).
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/desktop_driver.h"

namespace {

using desktop::TextOf;
using desktop::WaitFor;

constexpr char kSettingsKey[] = "Software\\Velmora\\Genhand\\1.0";
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Genhand 1.0";
constexpr char kShortcut[] = "\\Genhand 1.0\\Velmora Wizard.lnk";
// What the installer puts into the folder, the uninstaller included.
const std::vector<std::string> kInstalledFiles = {"Genhand.exe", "Velmora.chm", "cli\\genhand.exe", "Uninstall.exe"};

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Runs a command line to its end; its exit code, or -1.
long RunToEnd(std::string commandLine) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(pi.hProcess, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return static_cast<long>(code);
}

// The Add/Remove Programs entry, per machine (an administrator's install)
// or per user.
HKEY UninstallRoot() {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(root, kUninstallKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
            RegCloseKey(key);
            return root;
        }
    }
    return nullptr;
}

std::string RegistryText(HKEY root, const char* key, const char* name) {
    char value[MAX_PATH] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(root, key, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) return "";
    return value;
}

std::string VersionString(const std::string& file, const char* name) {
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeA(file.c_str(), &ignored));
    if (block.empty() || !GetFileVersionInfoA(file.c_str(), 0, static_cast<DWORD>(block.size()), block.data()))
        return "";
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || length == 0)
        return "";
    return std::string(value, length - 1);
}

std::string ProgramsFolder(int which) {
    char path[MAX_PATH] = {};
    return SUCCEEDED(SHGetFolderPathA(nullptr, which, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : "";
}

bool ShortcutExists() {
    return Exists(ProgramsFolder(CSIDL_COMMON_PROGRAMS) + kShortcut) || Exists(ProgramsFolder(CSIDL_PROGRAMS) + kShortcut);
}

TEST(Installer, InstallsRunsAndUninstallsLeavingTheSettings) {
    const char* installer = std::getenv("GENHAND_INSTALLER");
    ASSERT_NE(installer, nullptr) << "GENHAND_INSTALLER names the installer";
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "Genhand installer test";  // a name with blanks
    // An earlier, interrupted run may have left an install behind.
    if (Exists(folder + "\\Uninstall.exe")) RunToEnd("\"" + folder + "\\Uninstall.exe\" /S _?=" + folder);

    // The user's settings, which an uninstall must keep.
    HKEY settings = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &settings,
                              nullptr),
              ERROR_SUCCESS);
    const char window[] = "VW_KEPT";
    RegSetValueExA(settings, "VWindow", 0, REG_SZ, reinterpret_cast<const BYTE*>(window), sizeof window);
    RegCloseKey(settings);

    // /D comes last and unquoted, blanks and all.
    ASSERT_EQ(RunToEnd("\"" + desktop::WindowsPath(installer) + "\" /S /D=" + folder), 0);
    for (const std::string& file : kInstalledFiles) EXPECT_TRUE(Exists(folder + "\\" + file)) << file;
    EXPECT_TRUE(ShortcutExists());
    const HKEY root = UninstallRoot();
    ASSERT_NE(root, nullptr) << "no Add/Remove Programs entry";
    const std::string program = folder + "\\Genhand.exe";
    EXPECT_EQ(RegistryText(root, kUninstallKey, "DisplayName"), VersionString(program, "ProductName"));
    EXPECT_EQ(RegistryText(root, kUninstallKey, "DisplayVersion"), VersionString(program, "ProductVersion"));
    EXPECT_NE(RegistryText(root, kUninstallKey, "UninstallString").find(folder + "\\Uninstall.exe"), std::string::npos);

    // The installed wizard starts, and Help finds the installed help file.
    {
        desktop::Process wizard;
        ASSERT_TRUE(wizard.Start(program));
        HWND frame = nullptr;
        EXPECT_TRUE(WaitFor([&] {
            frame = wizard.Window(nullptr, "Velmora Wizard");
            return frame != nullptr && FindWindowExA(frame, nullptr, "#32770", nullptr) != nullptr;
        }));
        HWND help = nullptr;
        if (frame != nullptr) {
            PostMessageA(GetDlgItem(frame, 3), BM_CLICK, 0, 0);
            EXPECT_TRUE(WaitFor([&] { return (help = wizard.Window("HH Parent", nullptr)) != nullptr; }));
            if (help != nullptr) {
                EXPECT_NE(TextOf(help).find("Velmora"), std::string::npos);
            }
            PostMessageA(GetDlgItem(frame, 2), BM_CLICK, 0, 0);
        }
        EXPECT_TRUE(wizard.WaitForExit());
    }

    // The uninstaller hands over to a copy of itself and returns at once:
    // wait for what it does.
    ASSERT_EQ(RunToEnd("\"" + folder + "\\Uninstall.exe\" /S"), 0);
    EXPECT_TRUE(WaitFor([&] { return !Exists(folder) && UninstallRoot() == nullptr && !ShortcutExists(); }, 60000));
    for (const std::string& file : kInstalledFiles) EXPECT_FALSE(Exists(folder + "\\" + file)) << file;
    EXPECT_EQ(UninstallRoot(), nullptr);
    EXPECT_FALSE(ShortcutExists());
    // The wizard saved it again on Close, blank-padded to its field.
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, kSettingsKey, "VWindow").substr(0, sizeof window - 1), window);
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
}

}  // namespace
