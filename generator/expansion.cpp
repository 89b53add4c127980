#include "generator/expansion.h"

#include <algorithm>
#include <array>

#include "generator/catalogue.h"
#include "generator/text.h"

namespace genhand {
namespace {

constexpr std::string_view kCrLf = "\r\n";

// The eight characters that end a token, as a table indexed by byte.
constexpr std::array<bool, 256> MakeDelimiterTable() {
    std::array<bool, 256> table{};
    for (unsigned char c : {' ', '(', ')', ',', '_', '!', '\r', '\n'}) table[c] = true;
    return table;
}
constexpr std::array<bool, 256> kDelimiters = MakeDelimiterTable();

bool IsDelimiter(char c) { return kDelimiters[static_cast<unsigned char>(c)]; }

constexpr std::array<std::string_view, 12> kKeywords = {
    "INTEGER", "CHARACTER", "FUNCTION", "SUBROUTINE", "LOGICAL", "TYPE",
    "INTENT",  "IN",        "INOUT",    "OUT",        "END",     "USE"};

bool IsKeyword(std::string_view token) {
    if (token.size() < 2 || token.size() > 10 || token[0] < 'C' || token[0] > 'U') return false;
    return std::find(kKeywords.begin(), kKeywords.end(), token) != kKeywords.end();
}

void AppendLowerAscii(std::string& out, std::string_view keyword) {
    for (char c : keyword) out += static_cast<char>(c + ('a' - 'A'));
}

int ClampIndent(int indent) { return std::clamp(indent, 0, kMaxIndent); }

// One left-to-right pass over a template. The template is never modified:
// the scan copies what it has passed into `out_`, so text that a marker
// inserted is never looked at again, and nothing is moved or rescanned.
//
// Deleting a "{" with comments on also deletes the first "}" after it; that
// "}" is still ahead of the scan, so its position is remembered and the
// character is skipped when the scan gets there.
class TemplateScan {
public:
    TemplateScan(std::string_view text, const ExpansionOptions& options, std::string_view windowName,
                 std::string_view idText, std::string_view idSuffix, std::string_view prologue,
                 std::string& out)
        : in_(text), options_(options), windowName_(windowName), idText_(idText),
          idSuffix_(idSuffix), prologue_(prologue), out_(out) {}

    void Run() {
        const std::size_t n = in_.size();
        std::size_t p = 0;
        std::string joined;  // a token that spans a deleted "}"
        while (p < n) {
            if (p == pendingClose_) {  // a "}" already deleted
                pendingClose_ = npos;
                ++p;
                continue;
            }
            const std::size_t d = FindDelimiter(p);
            std::string_view token = in_.substr(p, d - p);
            if (pendingClose_ > p && pendingClose_ < d) {
                joined.assign(in_.substr(p, pendingClose_ - p));
                joined.append(in_.substr(pendingClose_ + 1, d - pendingClose_ - 1));
                token = joined;
                pendingClose_ = npos;
            }
            if (token == "@" || token == "|" || token == "$" || token == "#") {
                if (token == "#") {
                    // The marker takes the character in front of it along.
                    if (!out_.empty()) out_.pop_back();
                    out_ += idSuffix_;
                } else {
                    out_ += token == "@" ? windowName_ : token == "|" ? idText_ : prologue_;
                }
                // Resume after the delimiter that follows the inserted text;
                // that delimiter is passed over as it is.
                if (d < n) out_ += in_[d];
                p = d + 1;
                continue;
            }
            if (token == "{") {
                const std::size_t close = in_.find('}', d);
                if (options_.comments) {
                    if (close != npos) {
                        pendingClose_ = close;
                        // The last character inside the braces: a LF there
                        // ends the description line and is never indented.
                        if (in_[close - 1] == '\n') descriptionEnd_ = close - 1;
                    }
                    p = d;  // the content is scanned like the rest
                } else {
                    p = close == npos ? n : close + 1;
                }
                continue;
            }
            if (token.empty()) {
                const char c = in_[p];
                out_ += c;
                if (c == '\n' && ShouldIndentAfter(p)) out_.append(static_cast<std::size_t>(indent_), ' ');
                ++p;
                continue;
            }
            if (options_.keywordCase == KeywordCase::Lower && IsKeyword(token)) {
                AppendLowerAscii(out_, token);
            } else {
                out_ += token;
            }
            // The delimiter that ends a token is passed over unexamined.
            if (d < n) out_ += in_[d];
            p = d + 1;
        }
    }

private:
    static constexpr std::size_t npos = std::string_view::npos;

    std::size_t FindDelimiter(std::size_t p) const {
        std::size_t d = p;
        while (d < in_.size() && (d == pendingClose_ || !IsDelimiter(in_[d]))) ++d;
        return d;
    }

    // The character at `i` as the buffer holds it now, skipping a "}" that
    // is already deleted; '\0' past the end (the terminator).
    char Ahead(std::size_t from, std::size_t count) const {
        std::size_t i = from;
        for (std::size_t k = 0;; ++i) {
            if (i >= in_.size()) return '\0';
            if (i == pendingClose_) continue;
            if (k == count) return in_[i];
            ++k;
        }
    }

    bool ShouldIndentAfter(std::size_t lf) const {
        if (indent_ <= 0 || lf == descriptionEnd_) return false;
        if (Ahead(lf + 1, 0) == '\0') return false;
        const bool endLine = Ahead(lf + 1, 0) == 'E' && Ahead(lf + 1, 1) == 'N' &&
                             Ahead(lf + 1, 2) == 'D' && Ahead(lf + 1, 3) == ' ';
        return !endLine;
    }

    std::string_view in_;
    const ExpansionOptions& options_;
    std::string_view windowName_, idText_, idSuffix_, prologue_;
    std::string& out_;
    int indent_ = ClampIndent(options_.indent);
    std::size_t pendingClose_ = npos;
    std::size_t descriptionEnd_ = npos;
};

}  // namespace

std::string BuildPrologue(int templateId, bool useLine, bool implicitNone, KeywordCase keywordCase,
                          int indent) {
    const bool upper = keywordCase == KeywordCase::Upper;
    const std::string blanks(static_cast<std::size_t>(ClampIndent(indent)), ' ');
    std::string prologue(kCrLf);
    if (useLine) {
        prologue += blanks;
        prologue += upper ? "USE " : "use ";
        prologue += templateId == kVmlogmTemplateId ? "VMLOGM" : "Velmora";
    }
    if (implicitNone) {
        prologue += kCrLf;
        prologue += blanks;
        prologue += upper ? "IMPLICIT NONE" : "implicit none";
    }
    if (useLine || implicitNone) prologue += kCrLf;
    return prologue;
}

std::string EffectiveIdText(std::string_view idText) {
    const std::string_view field = CutToField(idText, kIdTextLength);
    if (IsBlank(field)) return "_";
    return std::string(field);
}

std::string MakeIdSuffix(std::string_view idText) {
    const std::string_view field = CutToField(idText, kIdTextLength);
    std::string s(field);
    for (char& c : s) c = LowerLatin1(c);
    const bool prefixed = s.compare(0, 2, "id") == 0 || s.compare(0, 2, "wm") == 0;
    const std::size_t firstUnderscore = s.find('_');
    if (prefixed && firstUnderscore != std::string::npos) {
        std::string suffix;
        suffix.reserve(s.size());
        bool raiseNext = false;
        for (std::size_t i = firstUnderscore; i < s.size(); ++i) {
            if (s[i] == '_') {
                raiseNext = true;  // removed; the next character moves up
                continue;
            }
            suffix += raiseNext ? UpperLatin1(s[i]) : s[i];
            raiseNext = false;
        }
        return std::string(TrimTrailingBlanks(suffix));
    }
    if (!s.empty()) s[0] = UpperLatin1(s[0]);
    return std::string(TrimTrailingBlanks(s));
}

void ExpandTemplateInto(const ExpansionOptions& options, std::string& out) {
    const CatalogueEntry* entry = EntryByTemplateId(options.templateId);
    if (entry == nullptr) return;
    const std::string_view window = TrimTrailingBlanks(CutToField(options.windowName, kWindowNameLength));
    std::string idText, idSuffix;
    if (TakesId(options.templateId)) {
        idText = EffectiveIdText(options.idText);
        idSuffix = MakeIdSuffix(idText);
    }
    const std::string prologue = BuildPrologue(options.templateId, options.useLine,
                                               options.implicitNone, options.keywordCase,
                                               options.indent);
    TemplateScan(entry->templateText, options, window, TrimTrailingBlanks(idText), idSuffix,
                 prologue, out)
        .Run();
}

std::string ExpandTemplate(const ExpansionOptions& options) {
    std::string out;
    out.reserve(1024);
    ExpandTemplateInto(options, out);
    return out;
}

}  // namespace genhand
