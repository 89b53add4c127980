// Text operations on blank-padded fields, shared by every part of the
// program: a text's trailing blanks carry no meaning, assignment to a field
// cuts to its length, and the case conversions act on the Latin-1 letters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace common {

// Lower-casing raises "A".."Z" and the codes 192..222 by 32; upper-casing
// lowers "a".."z" and 224..254 by 32. Every other byte is unchanged.
inline char LowerLatin1(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 192 && u <= 222)) return static_cast<char>(u + 32);
    return c;
}
inline char UpperLatin1(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 224 && u <= 254)) return static_cast<char>(u - 32);
    return c;
}
inline std::string LowerLatin1(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = LowerLatin1(c);
    return out;
}

// The text without its trailing blanks.
inline std::string_view TrimTrailingBlanks(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && s[n - 1] == ' ') --n;
    return s.substr(0, n);
}

// A value assigned to a fixed-length field keeps at most `length` bytes;
// the blanks that would pad it carry no meaning and are not stored.
inline std::string_view CutToField(std::string_view s, std::size_t length) {
    return s.substr(0, s.size() < length ? s.size() : length);
}

inline bool IsBlank(std::string_view s) { return TrimTrailingBlanks(s).empty(); }

}  // namespace common
