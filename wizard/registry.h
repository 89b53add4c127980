// The Velmora library's registry routines: a thin family over the Win32
// registry API that speaks in the library's blank-padded texts.
//
// Names (sub-keys and value names) are texts whose trailing blanks carry no
// meaning: they are removed before the system call; leading blanks are kept.
//
// A text variable is a fixed-length, blank-padded field. Here it is a
// std::string whose size() is the field's declared length: a read fills it
// to exactly that length, a write stores all of it (trailing blanks
// included) followed by a NUL. FixedText() makes such a field.
//
// Every routine except RegistryOpenKey and RegistryCloseKey returns the Win32
// result code of its registry call (ERROR_SUCCESS = 0). Nothing is reported
// anywhere else.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace genhand {

// Modes of RegistryOpenKey. Any other value behaves as
// REG_MODE_OPEN_OR_CREATE.
constexpr int REG_MODE_OPEN_OR_CREATE = 0;  // open the key, creating it if missing
constexpr int REG_MODE_OPEN_EXISTING = 1;   // open only a key that exists
constexpr int REG_MODE_CREATE_NEW = 2;      // create only a key that does not exist

// A 4-byte logical as the library stores it: 0 is false, any other value is
// true; the library itself writes 1 for true.
enum class Logical : std::int32_t { False = 0, True = 1 };
constexpr Logical ToLogical(bool value) { return value ? Logical::True : Logical::False; }
constexpr bool IsTrue(Logical value) { return value != Logical::False; }

// `text` cut or blank-padded to `length` bytes.
std::string FixedText(std::string_view text, std::size_t length);

// Opens (mode 1), creates (mode 2) or opens-or-creates (other modes) `subKey`
// below `root`. Returns the key, or nullptr. `status` (optional) receives the
// Win32 result of the open or create; in mode 2 an existing key is closed
// again and reported as ERROR_FILE_EXISTS.
HKEY RegistryOpenKey(HKEY root, std::string_view subKey, REGSAM access = KEY_ALL_ACCESS,
                     int mode = REG_MODE_OPEN_OR_CREATE, LONG* status = nullptr);

// Closes `key` (nullptr is harmless) and sets it to nullptr.
void RegistryCloseKey(HKEY& key);

// Removes `subKey` with all its sub-keys and values.
LONG RegistryDeleteKey(HKEY key, std::string_view subKey);
LONG RegistryDeleteValue(HKEY key, std::string_view valueName);

// Text variant. Takes a string value (REG_SZ or REG_EXPAND_SZ, read as
// stored) of at most field.size() bytes before its NUL: the field receives
// the bytes up to the first NUL (all of them if there is none), blank-padded
// to its length. A longer value (ERROR_MORE_DATA), an absent one, or a value
// of another type (ERROR_INVALID_DATA) leaves the field unchanged.
LONG RegistryRead(HKEY key, std::string_view valueName, std::string& field);

// 4-byte variants. Take a value of exactly 4 bytes stored as REG_DWORD or
// REG_BINARY. A longer value (ERROR_MORE_DATA), an absent one, or one of
// another size or type (ERROR_INVALID_DATA) leaves the variable unchanged.
LONG RegistryRead(HKEY key, std::string_view valueName, std::int32_t& value);
LONG RegistryRead(HKEY key, std::string_view valueName, Logical& value);
LONG RegistryRead(HKEY key, std::string_view valueName, float& value);

// Raw variant: the stored bytes into `data`, at most `size` of them, of any
// type. The number of bytes read is not reported.
LONG RegistryRead(HKEY key, std::string_view valueName, void* data, DWORD size);

// Text variant: REG_SZ of the whole field, trailing blanks included, and a
// NUL (field.size() + 1 bytes).
LONG RegistryWrite(HKEY key, std::string_view valueName, const std::string& field);

// 4-byte variants: REG_DWORD, 4 bytes.
LONG RegistryWrite(HKEY key, std::string_view valueName, std::int32_t value);
LONG RegistryWrite(HKEY key, std::string_view valueName, Logical value);
LONG RegistryWrite(HKEY key, std::string_view valueName, float value);

// Raw text variant: REG_SZ of exactly `size` bytes from `data`.
LONG RegistryWrite(HKEY key, std::string_view valueName, const void* data, DWORD size);

// Owns an open key and closes it when it goes out of scope.
class RegistryKey {
public:
    RegistryKey() = default;
    explicit RegistryKey(HKEY key) : key_(key) {}
    ~RegistryKey() { RegistryCloseKey(key_); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    RegistryKey(RegistryKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
    RegistryKey& operator=(RegistryKey&& other) noexcept;

    HKEY get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }

private:
    HKEY key_ = nullptr;
};

}  // namespace genhand
