// The separator comment line set above every generated routine.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace genhand {

enum class SeparatorStyle : int { None = 0, Equals = 1, Dash = 2, Star = 3, FromFile = 4 };

// The separator file's folder and its name are each kept whole up to this
// many characters (MAX_PATH).
constexpr std::size_t kSeparatorPartLength = 260;
constexpr std::size_t kMaxSeparatorFileBytes = 1022;

// The separator for a style (the list position, 0 when nothing is selected).
// Style 4 reads `directory` + "\" + `file`; any failure gives an empty text.
std::string BuildSeparator(int style, std::string_view directory, std::string_view file);

// The first 1022 bytes of a file, or nothing when it cannot be opened or read
// (missing, a directory, locked, unreadable).
std::optional<std::string> ReadSeparatorFile(const std::string& path);

// The path of the separator file: directory (trailing blanks removed), a
// backslash, the file name (trailing blanks removed).
std::string SeparatorPath(std::string_view directory, std::string_view file);

}  // namespace genhand
