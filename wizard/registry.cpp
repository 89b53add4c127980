#include "wizard/registry.h"

#include <shlwapi.h>

#include <cstring>
#include <vector>

#include "generator/text.h"

namespace genhand {
namespace {

constexpr DWORD kFourBytes = 4;

// A name as the system wants it: trailing blanks gone, NUL-terminated.
std::string SystemName(std::string_view name) { return std::string(TrimTrailingBlanks(name)); }

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }
bool IsFourByteType(DWORD type) { return type == REG_DWORD || type == REG_BINARY; }

// Reads exactly four bytes of a REG_DWORD or REG_BINARY value into `out`;
// `out` is untouched unless the whole read succeeds.
LONG ReadFourBytes(HKEY key, std::string_view valueName, void* out) {
    unsigned char buffer[kFourBytes] = {};
    DWORD type = REG_NONE;
    DWORD size = kFourBytes;
    const LONG result =
        RegQueryValueExA(key, SystemName(valueName).c_str(), nullptr, &type, buffer, &size);
    if (result != ERROR_SUCCESS) return result;
    if (!IsFourByteType(type) || size != kFourBytes) return ERROR_INVALID_DATA;
    std::memcpy(out, buffer, kFourBytes);
    return ERROR_SUCCESS;
}

LONG WriteValue(HKEY key, std::string_view valueName, DWORD type, const void* data, DWORD size) {
    return RegSetValueExA(key, SystemName(valueName).c_str(), 0, type,
                          static_cast<const BYTE*>(data), size);
}

LONG WriteFourBytes(HKEY key, std::string_view valueName, const void* data) {
    return WriteValue(key, valueName, REG_DWORD, data, kFourBytes);
}

}  // namespace

std::string FixedText(std::string_view text, std::size_t length) {
    std::string field(CutToField(text, length));
    field.resize(length, ' ');
    return field;
}

HKEY RegistryOpenKey(HKEY root, std::string_view subKey, REGSAM access, int mode, LONG* status) {
    const std::string name = SystemName(subKey);
    HKEY key = nullptr;
    LONG result;
    if (mode == REG_MODE_OPEN_EXISTING) {
        result = RegOpenKeyExA(root, name.c_str(), 0, access, &key);
    } else {
        char noClass[] = "";
        DWORD disposition = 0;
        result = RegCreateKeyExA(root, name.c_str(), 0, noClass, REG_OPTION_NON_VOLATILE, access,
                                 nullptr, &key, &disposition);
        if (result == ERROR_SUCCESS && mode == REG_MODE_CREATE_NEW &&
            disposition == REG_OPENED_EXISTING_KEY) {
            RegistryCloseKey(key);
            result = ERROR_FILE_EXISTS;
        }
    }
    if (result != ERROR_SUCCESS) key = nullptr;
    if (status != nullptr) *status = result;
    return key;
}

void RegistryCloseKey(HKEY& key) {
    if (key != nullptr) RegCloseKey(key);
    key = nullptr;
}

LONG RegistryDeleteKey(HKEY key, std::string_view subKey) {
    return static_cast<LONG>(SHDeleteKeyA(key, SystemName(subKey).c_str()));
}

LONG RegistryDeleteValue(HKEY key, std::string_view valueName) {
    return RegDeleteValueA(key, SystemName(valueName).c_str());
}

LONG RegistryRead(HKEY key, std::string_view valueName, std::string& field) {
    // One byte more than the field, for the NUL a stored text normally has.
    std::vector<char> buffer(field.size() + 1);
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(buffer.size());
    const LONG result = RegQueryValueExA(key, SystemName(valueName).c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer.data()), &size);
    if (result != ERROR_SUCCESS) return result;
    if (!IsStringType(type)) return ERROR_INVALID_DATA;
    const std::string_view stored(buffer.data(), size < buffer.size() ? size : buffer.size());
    field = FixedText(stored.substr(0, stored.find('\0')), field.size());
    return ERROR_SUCCESS;
}

LONG RegistryRead(HKEY key, std::string_view valueName, std::int32_t& value) {
    return ReadFourBytes(key, valueName, &value);
}

LONG RegistryRead(HKEY key, std::string_view valueName, Logical& value) {
    return ReadFourBytes(key, valueName, &value);
}

LONG RegistryRead(HKEY key, std::string_view valueName, float& value) {
    static_assert(sizeof(float) == kFourBytes, "float must be a 4-byte type");
    return ReadFourBytes(key, valueName, &value);
}

LONG RegistryRead(HKEY key, std::string_view valueName, void* data, DWORD size) {
    return RegQueryValueExA(key, SystemName(valueName).c_str(), nullptr, nullptr,
                            static_cast<BYTE*>(data), &size);
}

LONG RegistryWrite(HKEY key, std::string_view valueName, const std::string& field) {
    // c_str() supplies the NUL after the field's last byte.
    return WriteValue(key, valueName, REG_SZ, field.c_str(), static_cast<DWORD>(field.size() + 1));
}

LONG RegistryWrite(HKEY key, std::string_view valueName, std::int32_t value) {
    return WriteFourBytes(key, valueName, &value);
}

LONG RegistryWrite(HKEY key, std::string_view valueName, Logical value) {
    return WriteFourBytes(key, valueName, &value);
}

LONG RegistryWrite(HKEY key, std::string_view valueName, float value) {
    return WriteFourBytes(key, valueName, &value);
}

LONG RegistryWrite(HKEY key, std::string_view valueName, const void* data, DWORD size) {
    return WriteValue(key, valueName, REG_SZ, data, size);
}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
        RegistryCloseKey(key_);
        key_ = other.key_;
        other.key_ = nullptr;
    }
    return *this;
}

}  // namespace genhand
