// Text conventions of the dialog module: values arrive as blank-padded
// fields and leave as blank-padded fields; the system sees NUL-terminated
// texts without the padding.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/text.h"

namespace velmora {

using common::LowerLatin1;

using common::TrimTrailingBlanks;

// The text handed to the system for a value: without its trailing blanks,
// cut at an embedded NUL, and a single blank when nothing is left.
inline std::string PreparedText(std::string_view value) {
    const std::size_t nul = value.find('\0');
    if (nul != std::string_view::npos) value = value.substr(0, nul);
    std::string text(TrimTrailingBlanks(value));
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
