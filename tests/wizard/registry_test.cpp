// The registry routine family against the real registry, inside a scratch
// key of its own that each test creates and removes.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "wizard/registry.h"

namespace genhand {
namespace {

constexpr char kScratch[] = "Software\\Velmora\\GenhandTests\\Registry";

struct StoredValue {
    LONG result = ERROR_SUCCESS;
    DWORD type = REG_NONE;
    std::vector<unsigned char> bytes;
};

StoredValue QueryStored(HKEY key, const char* name) {
    StoredValue value;
    DWORD size = 0;
    value.result = RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size);
    if (value.result != ERROR_SUCCESS) return value;
    value.bytes.resize(size);
    value.result = RegQueryValueExA(key, name, nullptr, &value.type, value.bytes.data(), &size);
    value.bytes.resize(size);
    return value;
}

void Store(HKEY key, const char* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
}

bool KeyExists(const char* subKey) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        SHDeleteKeyA(HKEY_CURRENT_USER, kScratch);
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kScratch, 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(key_);
        SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Velmora\\GenhandTests");
    }
    HKEY key_ = nullptr;
};

TEST_F(RegistryTest, OpenModesAndStatus) {
    const std::string missing = std::string(kScratch) + "\\Missing";
    LONG status = -1;

    // Open-existing on a missing key: no key, ERROR_FILE_NOT_FOUND.
    EXPECT_EQ(RegistryOpenKey(HKEY_CURRENT_USER, missing, KEY_ALL_ACCESS, REG_MODE_OPEN_EXISTING,
                              &status),
              nullptr);
    EXPECT_EQ(status, ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(KeyExists(missing.c_str()));

    // Create-new on a missing key creates it.
    HKEY key = RegistryOpenKey(HKEY_CURRENT_USER, missing, KEY_ALL_ACCESS, REG_MODE_CREATE_NEW,
                               &status);
    EXPECT_NE(key, nullptr);
    EXPECT_EQ(status, ERROR_SUCCESS);
    RegistryCloseKey(key);
    EXPECT_EQ(key, nullptr);
    EXPECT_TRUE(KeyExists(missing.c_str()));

    // Create-new on the now existing key: no key, ERROR_FILE_EXISTS (80).
    status = -1;
    EXPECT_EQ(RegistryOpenKey(HKEY_CURRENT_USER, missing, KEY_ALL_ACCESS, REG_MODE_CREATE_NEW,
                              &status),
              nullptr);
    EXPECT_EQ(status, 80);

    // Open-existing and the default mode open it; an unknown mode is open-or-create.
    for (int mode : {REG_MODE_OPEN_EXISTING, REG_MODE_OPEN_OR_CREATE, 7, -1}) {
        status = -1;
        key = RegistryOpenKey(HKEY_CURRENT_USER, missing, KEY_ALL_ACCESS, mode, &status);
        EXPECT_NE(key, nullptr) << "mode " << mode;
        EXPECT_EQ(status, ERROR_SUCCESS) << "mode " << mode;
        RegistryCloseKey(key);
    }
    const std::string created = std::string(kScratch) + "\\ByUnknownMode";
    key = RegistryOpenKey(HKEY_CURRENT_USER, created, KEY_ALL_ACCESS, 7);
    EXPECT_NE(key, nullptr);
    RegistryCloseKey(key);
    EXPECT_TRUE(KeyExists(created.c_str()));

    // The status argument is optional.
    key = RegistryOpenKey(HKEY_CURRENT_USER, missing);
    EXPECT_NE(key, nullptr);
    RegistryCloseKey(key);
}

TEST_F(RegistryTest, NamesLoseTrailingBlanksButKeepLeadingOnes) {
    const std::string sub = std::string(kScratch) + "\\Padded";
    HKEY key = RegistryOpenKey(HKEY_CURRENT_USER, sub + "     ");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(RegistryWrite(key, "Name   ", std::int32_t{5}), ERROR_SUCCESS);
    EXPECT_EQ(RegistryWrite(key, " Name", std::int32_t{6}), ERROR_SUCCESS);
    RegistryCloseKey(key);

    EXPECT_TRUE(KeyExists(sub.c_str()));
    HKEY raw = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, sub.c_str(), 0, KEY_READ, &raw), ERROR_SUCCESS);
    EXPECT_EQ(QueryStored(raw, "Name").bytes, (std::vector<unsigned char>{5, 0, 0, 0}));
    EXPECT_EQ(QueryStored(raw, " Name").bytes, (std::vector<unsigned char>{6, 0, 0, 0}));
    RegCloseKey(raw);
}

TEST_F(RegistryTest, CloseAndOperationsOnNoKeyAreHarmless) {
    HKEY none = nullptr;
    RegistryCloseKey(none);
    EXPECT_EQ(none, nullptr);

    std::int32_t number = 3;
    std::string text = FixedText("keep", 8);
    EXPECT_NE(RegistryRead(none, "Indent", number), ERROR_SUCCESS);
    EXPECT_NE(RegistryRead(none, "VWindow", text), ERROR_SUCCESS);
    EXPECT_NE(RegistryWrite(none, "Indent", number), ERROR_SUCCESS);
    EXPECT_EQ(number, 3);
    EXPECT_EQ(text, "keep    ");

    RegistryKey owned;  // an empty owner closes nothing
    EXPECT_FALSE(owned);
}

TEST_F(RegistryTest, DeleteKeyRemovesTheWholeTreeAndDeleteValueOneValue) {
    HKEY deep = RegistryOpenKey(key_, "Tree\\Branch\\Leaf");
    ASSERT_NE(deep, nullptr);
    RegistryWrite(deep, "Value", std::int32_t{1});
    RegistryCloseKey(deep);

    EXPECT_EQ(RegistryDeleteKey(key_, "Tree  "), ERROR_SUCCESS);
    EXPECT_FALSE(KeyExists((std::string(kScratch) + "\\Tree").c_str()));
    EXPECT_NE(RegistryDeleteKey(key_, "Tree"), ERROR_SUCCESS);

    RegistryWrite(key_, "A", std::int32_t{1});
    RegistryWrite(key_, "B", std::int32_t{2});
    EXPECT_EQ(RegistryDeleteValue(key_, "A "), ERROR_SUCCESS);
    EXPECT_EQ(QueryStored(key_, "A").result, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(QueryStored(key_, "B").result, ERROR_SUCCESS);
    EXPECT_EQ(RegistryDeleteValue(key_, "A"), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, TextIsWrittenWholeWithItsBlanksAndANul) {
    EXPECT_EQ(RegistryWrite(key_, "Text", FixedText("VW_MAIN", 12)), ERROR_SUCCESS);
    const StoredValue stored = QueryStored(key_, "Text");
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
    const std::string expected("VW_MAIN     \0", 13);
    EXPECT_EQ(std::string(stored.bytes.begin(), stored.bytes.end()), expected);

    // The raw text variant writes exactly the bytes it is given, no NUL added.
    EXPECT_EQ(RegistryWrite(key_, "Raw", "abcdef", 3), ERROR_SUCCESS);
    const StoredValue raw = QueryStored(key_, "Raw");
    EXPECT_EQ(raw.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::string(raw.bytes.begin(), raw.bytes.end()), "abc");
}

TEST_F(RegistryTest, TextReadPadsCutsAndStopsAtTheFirstNul) {
    std::string field(10, '#');

    Store(key_, "Short", REG_SZ, "abc", 4);
    EXPECT_EQ(RegistryRead(key_, "Short", field), ERROR_SUCCESS);
    EXPECT_EQ(field, "abc       ");

    // Bytes after an inner NUL are not part of the text.
    Store(key_, "Inner", REG_SZ, "ab\0cd", 6);
    EXPECT_EQ(RegistryRead(key_, "Inner", field), ERROR_SUCCESS);
    EXPECT_EQ(field, "ab        ");

    // Exactly the field's length plus the NUL fits.
    Store(key_, "Full", REG_SZ, "0123456789", 11);
    EXPECT_EQ(RegistryRead(key_, "Full", field), ERROR_SUCCESS);
    EXPECT_EQ(field, "0123456789");

    // An empty text blanks the field.
    Store(key_, "Empty", REG_SZ, "", 1);
    EXPECT_EQ(RegistryRead(key_, "Empty", field), ERROR_SUCCESS);
    EXPECT_EQ(field, std::string(10, ' '));

    // Expandable strings are taken as stored, not expanded.
    Store(key_, "Expand", REG_EXPAND_SZ, "%TEMP%", 7);
    EXPECT_EQ(RegistryRead(key_, "Expand", field), ERROR_SUCCESS);
    EXPECT_EQ(field, "%TEMP%    ");
}

TEST_F(RegistryTest, TextStoredWithoutNulIsReadWhole) {
    // The system adds a NUL to a REG_SZ write whose next byte is a NUL, so the
    // bytes after the stored ones are not NULs here.
    std::string field(8, '#');
    EXPECT_EQ(RegistryWrite(key_, "NoNul", "VW_ABC|||", 6), ERROR_SUCCESS);
    ASSERT_EQ(QueryStored(key_, "NoNul").bytes.size(), 6u);
    EXPECT_EQ(RegistryRead(key_, "NoNul", field), ERROR_SUCCESS);
    EXPECT_EQ(field, "VW_ABC  ");

    // As many bytes as the buffer (length + 1) without a NUL: read, then cut.
    EXPECT_EQ(RegistryWrite(key_, "Nine", "123456789|", 9), ERROR_SUCCESS);
    ASSERT_EQ(QueryStored(key_, "Nine").bytes.size(), 9u);
    EXPECT_EQ(RegistryRead(key_, "Nine", field), ERROR_SUCCESS);
    EXPECT_EQ(field, "12345678");
}

TEST_F(RegistryTest, TextThatDoesNotFitOrIsNotTextLeavesTheFieldUnchanged) {
    const std::string before = FixedText("VW_FRAME", 8);
    std::string field = before;

    Store(key_, "Long", REG_SZ, "123456789", 10);  // 9 characters into 8
    EXPECT_EQ(RegistryRead(key_, "Long", field), ERROR_MORE_DATA);
    EXPECT_EQ(field, before);

    EXPECT_EQ(RegistryRead(key_, "Absent", field), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(field, before);

    const DWORD number = 0x41;
    Store(key_, "Number", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(RegistryRead(key_, "Number", field), ERROR_INVALID_DATA);
    EXPECT_EQ(field, before);

    Store(key_, "Binary", REG_BINARY, "AB", 2);
    EXPECT_EQ(RegistryRead(key_, "Binary", field), ERROR_INVALID_DATA);
    EXPECT_EQ(field, before);
}

TEST_F(RegistryTest, FourByteVariantsRoundTripAsDword) {
    EXPECT_EQ(RegistryWrite(key_, "Int", std::int32_t{-2}), ERROR_SUCCESS);
    EXPECT_EQ(RegistryWrite(key_, "On", Logical::True), ERROR_SUCCESS);
    EXPECT_EQ(RegistryWrite(key_, "Off", Logical::False), ERROR_SUCCESS);
    EXPECT_EQ(RegistryWrite(key_, "Real", 1.5f), ERROR_SUCCESS);

    for (const char* name : {"Int", "On", "Off", "Real"}) {
        const StoredValue stored = QueryStored(key_, name);
        EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD)) << name;
        EXPECT_EQ(stored.bytes.size(), 4u) << name;
    }
    EXPECT_EQ(QueryStored(key_, "On").bytes, (std::vector<unsigned char>{1, 0, 0, 0}));
    EXPECT_EQ(QueryStored(key_, "Int").bytes, (std::vector<unsigned char>{0xFE, 0xFF, 0xFF, 0xFF}));

    std::int32_t number = 0;
    Logical on = Logical::False, off = Logical::True;
    float real = 0;
    EXPECT_EQ(RegistryRead(key_, "Int", number), ERROR_SUCCESS);
    EXPECT_EQ(RegistryRead(key_, "On", on), ERROR_SUCCESS);
    EXPECT_EQ(RegistryRead(key_, "Off", off), ERROR_SUCCESS);
    EXPECT_EQ(RegistryRead(key_, "Real", real), ERROR_SUCCESS);
    EXPECT_EQ(number, -2);
    EXPECT_TRUE(IsTrue(on));
    EXPECT_FALSE(IsTrue(off));
    EXPECT_EQ(real, 1.5f);

    // Any non-zero logical is true; a REG_BINARY of four bytes is a number too.
    const DWORD allBits = 0xFFFFFFFF;
    Store(key_, "AllBits", REG_DWORD, &allBits, 4);
    EXPECT_EQ(RegistryRead(key_, "AllBits", off), ERROR_SUCCESS);
    EXPECT_TRUE(IsTrue(off));
    const unsigned char four[4] = {7, 0, 0, 0};
    Store(key_, "Binary4", REG_BINARY, four, 4);
    EXPECT_EQ(RegistryRead(key_, "Binary4", number), ERROR_SUCCESS);
    EXPECT_EQ(number, 7);
}

TEST_F(RegistryTest, FourByteReadsOfTheWrongSizeOrTypeLeaveTheVariableUnchanged) {
    std::int32_t number = 0x01020304;
    Logical flag = Logical::False;

    EXPECT_EQ(RegistryRead(key_, "Absent", number), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(number, 0x01020304);

    const unsigned long long wide = 5;
    Store(key_, "Qword", REG_QWORD, &wide, sizeof wide);
    EXPECT_EQ(RegistryRead(key_, "Qword", number), ERROR_MORE_DATA);
    EXPECT_EQ(number, 0x01020304);

    // Shorter values would overwrite only some bytes of the variable.
    const unsigned char two[2] = {9, 9};
    Store(key_, "Two", REG_BINARY, two, 2);
    EXPECT_EQ(RegistryRead(key_, "Two", number), ERROR_INVALID_DATA);
    EXPECT_EQ(number, 0x01020304);
    EXPECT_EQ(RegistryRead(key_, "Two", flag), ERROR_INVALID_DATA);
    EXPECT_FALSE(IsTrue(flag));

    // Four bytes of text are not a number.
    Store(key_, "Text", REG_SZ, "123", 4);
    EXPECT_EQ(RegistryRead(key_, "Text", number), ERROR_INVALID_DATA);
    EXPECT_EQ(number, 0x01020304);
}

TEST_F(RegistryTest, RawReadTakesAnyTypeUpToTheGivenSize) {
    Store(key_, "Text", REG_SZ, "abcdef", 7);
    char buffer[8] = "-------";
    EXPECT_EQ(RegistryRead(key_, "Text", buffer, 7), ERROR_SUCCESS);
    EXPECT_STREQ(buffer, "abcdef");

    char small[4] = {'-', '-', '-', '-'};
    EXPECT_EQ(RegistryRead(key_, "Text", small, 3), ERROR_MORE_DATA);

    const DWORD number = 0x11223344;
    Store(key_, "Number", REG_DWORD, &number, 4);
    DWORD out = 0;
    EXPECT_EQ(RegistryRead(key_, "Number", &out, sizeof out), ERROR_SUCCESS);
    EXPECT_EQ(out, number);
}

}  // namespace
}  // namespace genhand
