// Expansion of a handler template into the finished routine.
#pragma once

#include <string>
#include <string_view>

namespace genhand {

constexpr std::size_t kWindowNameLength = 32;  // the window-name field
constexpr std::size_t kIdTextLength = 60;      // the ID-text field
constexpr int kMaxIndent = 6;

enum class KeywordCase : int { None = 0, Upper = 1, Lower = 2 };

struct ExpansionOptions {
    int templateId = 0;                // 501..564
    std::string_view windowName;       // cut to 32 bytes
    std::string_view idText;           // cut to 60 bytes; used for 501..504
    KeywordCase keywordCase = KeywordCase::Upper;
    int indent = 0;                    // body indent, 0..6 columns
    bool useLine = false;              // "USE Velmora" / "USE VMLOGM"
    bool implicitNone = false;         // "IMPLICIT NONE"
    bool comments = false;             // description comments
};

// The text that replaces "$": a line break and the optional USE and
// IMPLICIT NONE lines, each indented by `indent` blanks.
std::string BuildPrologue(int templateId, bool useLine, bool implicitNone,
                          KeywordCase keywordCase, int indent);

// The ID suffix of a routine name: "IDM_FILE_OPEN" -> "FileOpen".
std::string MakeIdSuffix(std::string_view idText);

// The ID text as the generator uses it: cut to its field, "_" when blank.
std::string EffectiveIdText(std::string_view idText);

// Expands the template of options.templateId. Returns an empty text for a
// template id outside the catalogue.
std::string ExpandTemplate(const ExpansionOptions& options);
// The same, appending to `out` (which keeps its capacity between runs).
void ExpandTemplateInto(const ExpansionOptions& options, std::string& out);

}  // namespace genhand
