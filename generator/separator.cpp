#include "generator/separator.h"

#include <cstdio>
#include <memory>

#include "generator/text.h"

namespace genhand {
namespace {

constexpr std::size_t kRuleLength = 71;  // after the "!": 72 columns in all

std::string RuleOf(char c) {
    std::string line;
    line.reserve(1 + kRuleLength + 2);
    line += '!';
    line.append(kRuleLength, c);
    line += "\r\n";
    return line;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

std::string SeparatorPath(std::string_view directory, std::string_view file) {
    std::string path(TrimTrailingBlanks(directory));
    path += '\\';
    path += TrimTrailingBlanks(file);
    return path;
}

std::optional<std::string> ReadSeparatorFile(const std::string& path) {
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(path.c_str(), "rb"));
    if (!f) return std::nullopt;
    // One byte more than is kept tells whether the file is longer.
    std::string bytes(kMaxSeparatorFileBytes + 1, '\0');
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), f.get());
    if (std::ferror(f.get())) return std::nullopt;  // a directory, a locked region...
    bytes.resize(got > kMaxSeparatorFileBytes ? kMaxSeparatorFileBytes : got);
    return bytes;
}

std::string BuildSeparator(int style, std::string_view directory, std::string_view file) {
    switch (static_cast<SeparatorStyle>(style)) {
        case SeparatorStyle::Equals: return RuleOf('=');
        case SeparatorStyle::Dash: return RuleOf('-');
        case SeparatorStyle::Star: return RuleOf('*');
        case SeparatorStyle::FromFile: {
            std::string path = SeparatorPath(CutToField(directory, kSeparatorPartLength),
                                             CutToField(file, kSeparatorPartLength));
#ifndef _WIN32
            // Stored paths use Windows separators; this host uses "/".
            for (char& c : path) {
                if (c == '\\') c = '/';
            }
#endif
            return ReadSeparatorFile(path).value_or(std::string());
        }
        default:
            return " ";  // no style selected: a single blank, no line break
    }
}

}  // namespace genhand
