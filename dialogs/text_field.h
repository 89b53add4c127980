// Text conventions of the dialog module: values arrive as blank-padded
// fields and leave as blank-padded fields; the system sees NUL-terminated
// texts without the padding.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// Lower-casing raises "A".."Z" and the codes 0xC0..0xDE by 0x20.
inline char LowerLatin1(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE)) return static_cast<char>(u + 0x20);
    return c;
}

inline std::string LowerLatin1(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = LowerLatin1(c);
    return out;
}

inline std::string_view StripTrailingBlanks(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && s[n - 1] == ' ') --n;
    return s.substr(0, n);
}

// The text handed to the system for a value: without its trailing blanks,
// cut at an embedded NUL, and a single blank when nothing is left.
inline std::string PreparedText(std::string_view value) {
    const std::size_t nul = value.find('\0');
    if (nul != std::string_view::npos) value = value.substr(0, nul);
    std::string text(StripTrailingBlanks(value));
    if (text.empty()) text = " ";
    return text;
}

// Stores what the system returned in `buffer` (count valid bytes, possibly
// without a NUL) into a field of `length` bytes: the characters before the
// first NUL, cut to the field and padded with blanks.
inline void StoreField(const char* buffer, std::size_t count, char* field, std::size_t length) {
    std::size_t n = 0;
    while (n < count && n < length && buffer[n] != '\0') ++n;
    for (std::size_t i = 0; i < length; ++i) field[i] = i < n ? buffer[i] : ' ';
}

}  // namespace velmora
