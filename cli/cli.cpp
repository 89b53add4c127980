#include <cstdlib>
#include <optional>
#include <variant>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "generator/catalogue.h"
#include "generator/expansion.h"
#include "generator/generation.h"
#include "generator/separator.h"

namespace genhand::cli {
namespace {

constexpr std::string_view kVersion = "genhand 1.0.0";

constexpr std::string_view kUsage =
    "Usage: genhand [OPTIONS] MESSAGE...\n"
    "       genhand [OPTIONS] --entry N\n"
    "Writes the handler routine and the set-handler statement for Velmora\n"
    "windows and dialogs.\n"
    "\n"
    "MESSAGE is a catalogue name (ACTIVATE, SIZE, <Other>, <Command>, <VLMCTRL>,\n"
    "<VMLOGM>, ...), in any letter case; window messages may also be given as\n"
    "WM_NAME. --list shows all 64.\n"
    "\n"
    "Options:\n"
    "  --entry N               catalogue entry N (1 to 64) instead of a name\n"
    "  --window NAME           window name (default VW_FRAME; at most 32 characters)\n"
    "  --id TEXT               message, command or control ID for the first four\n"
    "                          entries (at most 60 characters)\n"
    "  --comments              description comments\n"
    "  --use                   a USE Velmora (USE VMLOGM) line\n"
    "  --implicit-none         an IMPLICIT NONE line\n"
    "  --indent N              indent the routine body by N columns (0 to 6; default 0)\n"
    "  --keywords CASE         upper (default), lower or none\n"
    "  --separator STYLE       =, - or * (a comment line), or none (default =)\n"
    "  --separator-file PATH   use the first 1022 bytes of PATH as the separator\n"
    "  --routine               print only the handler routine\n"
    "  --statement             print only the set-handler statement\n"
    "  --lf                    end lines with LF instead of CR LF\n"
    "  --list                  list the catalogue: N<TAB>NAME\n"
    "  --help                  show this help\n"
    "  --version               show the version\n";

struct UsageError {
    std::string message;
};

struct Options {
    std::vector<const CatalogueEntry*> entries;
    std::string window = "VW_FRAME";
    std::string id;
    bool comments = false;
    bool useLine = false;
    bool implicitNone = false;
    int indent = 0;
    KeywordCase keywordCase = KeywordCase::Upper;
    int separatorStyle = static_cast<int>(SeparatorStyle::Equals);
    std::string separatorFile;
    bool routineOnly = false;
    bool statementOnly = false;
    bool lf = false;
    bool list = false;
    bool help = false;
    bool version = false;
};

std::optional<int> ParseSmallInt(std::string_view s) {
    if (s.empty() || s.size() > 4) return std::nullopt;
    int value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Splits "--name=value" into its two halves.
std::pair<std::string_view, std::optional<std::string_view>> SplitOption(std::string_view arg) {
    const std::size_t eq = arg.find('=');
    if (arg.substr(0, 2) != "--" || eq == std::string_view::npos) return {arg, std::nullopt};
    return {arg.substr(0, eq), arg.substr(eq + 1)};
}

class Parser {
public:
    explicit Parser(const std::vector<std::string>& args) : args_(args) {}

    std::variant<Options, UsageError> Parse() {
        Options o;
        bool optionsEnded = false;
        for (i_ = 0; i_ < args_.size(); ++i_) {
            const std::string& arg = args_[i_];
            if (optionsEnded || arg.size() < 2 || arg[0] != '-' || arg == "-" ) {
                if (!AddMessage(o, arg)) return UsageError{"unknown message '" + arg + "' (see --list)"};
                continue;
            }
            if (arg == "--") {
                optionsEnded = true;
                continue;
            }
            auto [name, inlineValue] = SplitOption(arg);
            inline_ = inlineValue;
            std::optional<UsageError> error = Apply(o, name);
            if (error) return *error;
        }
        if (!o.list && !o.help && !o.version && o.entries.empty()) {
            return UsageError{"no message given (see --help)"};
        }
        return o;
    }

private:
    bool AddMessage(Options& o, std::string_view name) {
        const CatalogueEntry* entry = EntryByUserName(name);
        if (entry == nullptr) return false;
        o.entries.push_back(entry);
        return true;
    }

    // The value of the option being parsed: "--name=value" or the next arg.
    std::optional<std::string_view> Value() {
        if (inline_) return inline_;
        if (i_ + 1 >= args_.size()) return std::nullopt;
        return std::string_view(args_[++i_]);
    }

    bool Flag(std::string_view name, std::optional<UsageError>& error) {
        if (inline_) error = UsageError{"option " + std::string(name) + " takes no value"};
        return true;
    }

    std::optional<UsageError> Apply(Options& o, std::string_view name) {
        std::optional<UsageError> error;
        const std::string option(name);
        auto missing = [&] { return UsageError{"option " + option + " needs a value"}; };
        if (name == "--comments") {
            Flag(name, error), o.comments = true;
        } else if (name == "--use") {
            Flag(name, error), o.useLine = true;
        } else if (name == "--implicit-none") {
            Flag(name, error), o.implicitNone = true;
        } else if (name == "--routine") {
            Flag(name, error), o.routineOnly = true;
        } else if (name == "--statement") {
            Flag(name, error), o.statementOnly = true;
        } else if (name == "--lf") {
            Flag(name, error), o.lf = true;
        } else if (name == "--list") {
            Flag(name, error), o.list = true;
        } else if (name == "--help" || name == "-h") {
            Flag(name, error), o.help = true;
        } else if (name == "--version") {
            Flag(name, error), o.version = true;
        } else if (name == "--entry") {
            auto v = Value();
            if (!v) return missing();
            const std::optional<int> n = ParseSmallInt(*v);
            const CatalogueEntry* entry = n ? EntryById(*n) : nullptr;
            if (entry == nullptr) return UsageError{"--entry '" + std::string(*v) + "' is not 1 to 64"};
            o.entries.push_back(entry);
        } else if (name == "--window") {
            auto v = Value();
            if (!v) return missing();
            if (v->size() > kWindowNameLength) {
                return UsageError{"window name '" + std::string(*v) + "' is longer than 32 characters"};
            }
            o.window = std::string(*v);
        } else if (name == "--id") {
            auto v = Value();
            if (!v) return missing();
            if (v->size() > kIdTextLength) {
                return UsageError{"ID '" + std::string(*v) + "' is longer than 60 characters"};
            }
            o.id = std::string(*v);
        } else if (name == "--indent") {
            auto v = Value();
            if (!v) return missing();
            const std::optional<int> n = ParseSmallInt(*v);
            if (!n || *n > kMaxIndent) return UsageError{"--indent '" + std::string(*v) + "' is not 0 to 6"};
            o.indent = *n;
        } else if (name == "--keywords") {
            auto v = Value();
            if (!v) return missing();
            if (*v == "upper") o.keywordCase = KeywordCase::Upper;
            else if (*v == "lower") o.keywordCase = KeywordCase::Lower;
            else if (*v == "none") o.keywordCase = KeywordCase::None;
            else return UsageError{"--keywords '" + std::string(*v) + "' is not upper, lower or none"};
        } else if (name == "--separator") {
            auto v = Value();
            if (!v) return missing();
            if (*v == "=") o.separatorStyle = static_cast<int>(SeparatorStyle::Equals);
            else if (*v == "-") o.separatorStyle = static_cast<int>(SeparatorStyle::Dash);
            else if (*v == "*") o.separatorStyle = static_cast<int>(SeparatorStyle::Star);
            else if (*v == "none") o.separatorStyle = static_cast<int>(SeparatorStyle::None);
            else return UsageError{"--separator '" + std::string(*v) + "' is not =, -, * or none"};
        } else if (name == "--separator-file") {
            auto v = Value();
            if (!v) return missing();
            o.separatorStyle = static_cast<int>(SeparatorStyle::FromFile);
            o.separatorFile = std::string(*v);
        } else {
            return UsageError{"unknown option '" + args_[i_] + "'"};
        }
        return error;
    }

    const std::vector<std::string>& args_;
    std::size_t i_ = 0;
    std::optional<std::string_view> inline_;
};

// Replaces every CR LF by LF.
std::string ToLf(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        result += text[i];
    }
    return result;
}

std::string ListCatalogue() {
    std::string list;
    for (int id = 1; id <= kEntryCount; ++id) {
        const CatalogueEntry* entry = EntryById(id);
        list += std::to_string(id);
        list += '\t';
        list += entry->name;
        list += '\n';
    }
    return list;
}

std::string Render(const Options& o, std::string_view separator) {
    const bool showRoutines = o.routineOnly || !o.statementOnly;
    const bool showStatements = o.statementOnly || !o.routineOnly;
    constexpr std::string_view kLineEnd = "\r\n";

    std::vector<GenerationResult> results(o.entries.size());
    for (std::size_t k = 0; k < o.entries.size(); ++k) {
        GenerationInputs inputs;
        inputs.expansion.templateId = o.entries[k]->templateId;
        inputs.expansion.windowName = o.window;
        inputs.expansion.idText = o.id;
        inputs.expansion.keywordCase = o.keywordCase;
        inputs.expansion.indent = o.indent;
        inputs.expansion.useLine = o.useLine;
        inputs.expansion.implicitNone = o.implicitNone;
        inputs.expansion.comments = o.comments;
        inputs.separator = separator;
        GenerateTexts(inputs, results[k]);
    }

    std::string out;
    if (results.size() == 1) {
        if (showRoutines) out += results[0].routineBox;
        if (showStatements) out.append(results[0].statement).append(kLineEnd);
    } else {
        if (showStatements) {
            for (const GenerationResult& r : results) out.append(r.statement).append(kLineEnd);
        }
        if (showStatements && showRoutines) out += kLineEnd;
        if (showRoutines) {
            for (const GenerationResult& r : results) out += r.routineBox;
        }
    }
    return o.lf ? ToLf(out) : out;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::string& out, std::string& err) {
    std::variant<Options, UsageError> parsed = Parser(args).Parse();
    if (const UsageError* error = std::get_if<UsageError>(&parsed)) {
        err = "genhand: " + error->message + "\n";
        return kExitUsage;
    }
    const Options& o = std::get<Options>(parsed);
    if (o.help) {
        out = kUsage;
        return kExitOk;
    }
    if (o.version) {
        out = std::string(kVersion) + "\n";
        return kExitOk;
    }
    if (o.list) {
        out = ListCatalogue();
        return kExitOk;
    }

    std::string separator;
    if (o.separatorStyle == static_cast<int>(SeparatorStyle::FromFile)) {
        std::optional<std::string> contents = ReadSeparatorFile(o.separatorFile);
        if (!contents) {
            err = "genhand: warning: cannot read separator file '" + o.separatorFile +
                  "'; the separator is empty\n";
        }
        separator = contents.value_or(std::string());
    } else {
        separator = BuildSeparator(o.separatorStyle, {}, {});
    }
    out = Render(o, separator);
    return kExitOk;
}

}  // namespace genhand::cli
