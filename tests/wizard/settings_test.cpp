// The wizard's settings in the real registry key they live in. Each test
// starts from a machine without the key and removes it again.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "wizard/registry.h"
#include "wizard/settings.h"

namespace genhand {
namespace {

struct StoredValue {
    DWORD type = REG_NONE;
    std::string bytes;
};

// Every value in the settings key, by name.
std::map<std::string, StoredValue> StoredValues() {
    std::map<std::string, StoredValue> values;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsSubKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return values;
    }
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameSize = sizeof name;
        std::vector<char> data(1024);
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = REG_NONE;
        if (RegEnumValueA(key, index, name, &nameSize, nullptr, &type,
                          reinterpret_cast<BYTE*>(data.data()), &dataSize) != ERROR_SUCCESS) {
            break;
        }
        values[name] = StoredValue{type, std::string(data.data(), dataSize)};
    }
    RegCloseKey(key);
    return values;
}

std::string Dword(DWORD value) { return std::string(reinterpret_cast<const char*>(&value), 4); }

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsSubKey); }
    void TearDown() override { SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsSubKey); }

    // Stores values directly, the way another program or a user might.
    void Store(const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsSubKey, 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    void StoreDword(const char* name, DWORD value) { Store(name, REG_DWORD, &value, 4); }
};

void ExpectDefaults(const Settings& s) {
    EXPECT_EQ(s.separator, 1);
    EXPECT_EQ(s.keywords, 1);
    EXPECT_EQ(s.indent, 0);
    EXPECT_FALSE(s.useVelmora);
    EXPECT_FALSE(s.implicitNone);
    EXPECT_FALSE(s.comments);
    EXPECT_EQ(s.separatorDir, "");
    EXPECT_EQ(s.separatorFile, "");
    EXPECT_EQ(s.vWindow, "VW_FRAME");
}

TEST_F(SettingsTest, FirstRunCreatesTheEmptyKeyAndKeepsTheDefaults) {
    Settings settings;
    LoadSettings(settings);
    ExpectDefaults(settings);

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Velmora\\Genhand\\1.0", 0, KEY_READ,
                            &key),
              ERROR_SUCCESS);
    DWORD values = 99, subKeys = 99;
    EXPECT_EQ(RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values,
                               nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(values, 0u);
    EXPECT_EQ(subKeys, 0u);
    RegCloseKey(key);
}

TEST_F(SettingsTest, SaveWritesAllNineValuesWithTheirTypesAndFullSizes) {
    Settings settings;
    settings.separator = 4;
    settings.keywords = 2;
    settings.indent = 3;
    settings.useVelmora = true;
    settings.implicitNone = false;
    settings.comments = true;
    settings.separatorDir = "C:\\work\\";
    settings.separatorFile = "sep.txt";
    settings.vWindow = "VW_MAIN";
    SaveSettings(settings);

    const auto stored = StoredValues();
    ASSERT_EQ(stored.size(), 9u);
    const std::map<std::string, DWORD> dwords = {{"Separator", 4},  {"Keywords", 2},
                                                  {"Indent", 3},     {"UseVelmora", 1},
                                                  {"ImplicitNone", 0}, {"Comments", 1}};
    for (const auto& [name, value] : dwords) {
        ASSERT_EQ(stored.count(name), 1u) << name;
        EXPECT_EQ(stored.at(name).type, static_cast<DWORD>(REG_DWORD)) << name;
        EXPECT_EQ(stored.at(name).bytes, Dword(value)) << name;
    }
    const std::map<std::string, std::string> texts = {
        {"SeparatorDir", "C:\\work\\" + std::string(256 - 8, ' ') + '\0'},
        {"SeparatorFile", "sep.txt" + std::string(64 - 7, ' ') + '\0'},
        {"VWindow", "VW_MAIN" + std::string(40 - 7, ' ') + '\0'}};
    for (const auto& [name, bytes] : texts) {
        ASSERT_EQ(stored.count(name), 1u) << name;
        EXPECT_EQ(stored.at(name).type, static_cast<DWORD>(REG_SZ)) << name;
        EXPECT_EQ(stored.at(name).bytes, bytes) << name;
    }
    EXPECT_EQ(stored.at("SeparatorDir").bytes.size(), 257u);
    EXPECT_EQ(stored.at("SeparatorFile").bytes.size(), 65u);
    EXPECT_EQ(stored.at("VWindow").bytes.size(), 41u);

    Settings loaded;
    LoadSettings(loaded);
    EXPECT_EQ(loaded.separator, 4);
    EXPECT_EQ(loaded.keywords, 2);
    EXPECT_EQ(loaded.indent, 3);
    EXPECT_TRUE(loaded.useVelmora);
    EXPECT_FALSE(loaded.implicitNone);
    EXPECT_TRUE(loaded.comments);
    EXPECT_EQ(loaded.separatorDir, "C:\\work\\");
    EXPECT_EQ(loaded.separatorFile, "sep.txt");
    EXPECT_EQ(loaded.vWindow, "VW_MAIN");
}

// The window name is cut to its field. A separator folder or name longer
// than the field earlier versions keep it in is stored whole (up to
// MAX_PATH), at its own length, and read back whole; one that fits is
// stored in that field as before.
TEST_F(SettingsTest, LongTextsAreCutOnlyWhereTheyMustBe) {
    Settings settings;
    settings.vWindow = std::string(45, 'W');
    settings.separatorFile = std::string(70, 'f');
    settings.separatorDir = "C:\\" + std::string(300, 'd');
    SaveSettings(settings);
    const auto stored = StoredValues();
    EXPECT_EQ(stored.at("VWindow").bytes, std::string(40, 'W') + '\0');
    EXPECT_EQ(stored.at("SeparatorFile").bytes, std::string(70, 'f') + '\0');
    EXPECT_EQ(stored.at("SeparatorDir").bytes, ("C:\\" + std::string(300, 'd')).substr(0, 260) + '\0');

    Settings loaded;
    LoadSettings(loaded);
    EXPECT_EQ(loaded.separatorFile, settings.separatorFile);
    EXPECT_EQ(loaded.separatorDir, settings.separatorDir.substr(0, 260));

    settings.separatorFile = std::string(64, 'f');
    SaveSettings(settings);
    EXPECT_EQ(StoredValues().at("SeparatorFile").bytes, std::string(64, 'f') + '\0');
}

TEST_F(SettingsTest, AnyNonZeroLogicalIsOnAndIsSavedAsOne) {
    StoreDword("Comments", 0xFFFFFFFF);
    StoreDword("UseVelmora", 1);
    StoreDword("ImplicitNone", 0x100);
    Settings settings;
    LoadSettings(settings);
    EXPECT_TRUE(settings.comments);
    EXPECT_TRUE(settings.useVelmora);
    EXPECT_TRUE(settings.implicitNone);

    SaveSettings(settings);
    const auto stored = StoredValues();
    EXPECT_EQ(stored.at("Comments").bytes, Dword(1));
    EXPECT_EQ(stored.at("ImplicitNone").bytes, Dword(1));
}

TEST_F(SettingsTest, OutOfRangeIntegersAreLoadedAsStored) {
    StoreDword("Separator", 7);
    StoreDword("Keywords", 0);
    StoreDword("Indent", 99);
    Settings settings;
    LoadSettings(settings);
    EXPECT_EQ(settings.separator, 7);
    EXPECT_EQ(settings.keywords, 0);
    EXPECT_EQ(settings.indent, 99);
}

TEST_F(SettingsTest, UnreadableValuesKeepTheirDefaultsAndTheOthersStillLoad) {
    const std::string longName(41, 'X');  // one more than the field holds
    Store("VWindow", REG_SZ, longName.c_str(), static_cast<DWORD>(longName.size() + 1));
    Store("Indent", REG_SZ, "3", 2);                      // a text, not a number
    const unsigned char oneByte = 2;
    Store("Keywords", REG_BINARY, &oneByte, 1);           // too short
    const unsigned long long wide = 3;
    Store("Separator", REG_QWORD, &wide, sizeof wide);    // too long
    StoreDword("SeparatorFile", 5);                       // a number, not a text
    Store("SeparatorDir", REG_SZ, "D:\\", 4);
    StoreDword("Comments", 1);

    Settings settings;
    LoadSettings(settings);
    EXPECT_EQ(settings.vWindow, "VW_FRAME");
    EXPECT_EQ(settings.indent, 0);
    EXPECT_EQ(settings.keywords, 1);
    EXPECT_EQ(settings.separator, 1);
    EXPECT_EQ(settings.separatorFile, "");
    EXPECT_EQ(settings.separatorDir, "D:\\");
    EXPECT_TRUE(settings.comments);
}

TEST_F(SettingsTest, TextsAreReadWholeWithoutNulAndUpToTheirFullLength) {
    Store("VWindow", REG_SZ, "VW_NONUL|", 8);  // stored without a NUL
    const std::string full(64, 'n');
    Store("SeparatorFile", REG_SZ, full.c_str(), 65);
    Store("SeparatorDir", REG_SZ, " lead  ", 8);  // leading blanks belong to the text
    Settings settings;
    LoadSettings(settings);
    EXPECT_EQ(settings.vWindow, "VW_NONUL");
    EXPECT_EQ(settings.separatorFile, full);
    EXPECT_EQ(settings.separatorDir, " lead");
}

TEST_F(SettingsTest, AbsentValuesLeaveTheCallersValues) {
    StoreDword("Indent", 2);
    Settings settings;
    settings.keywords = 2;
    settings.vWindow = "VW_KEEP";
    LoadSettings(settings);
    EXPECT_EQ(settings.indent, 2);
    EXPECT_EQ(settings.keywords, 2);
    EXPECT_EQ(settings.vWindow, "VW_KEEP");
}

TEST(ComboSettingToSave, KeepsTheLoadedValueWhenNothingIsSelected) {
    EXPECT_EQ(ComboSettingToSave(2, 7), 2);
    EXPECT_EQ(ComboSettingToSave(std::nullopt, 7), 7);
    EXPECT_EQ(ComboSettingToSave(0, 7), 7);
    EXPECT_EQ(ComboSettingToSave(-1, 3), 3);
}

}  // namespace
}  // namespace genhand
