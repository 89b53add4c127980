// Drives the generator with arbitrary window names, ID texts, options and
// separator-file contents, and checks what must hold for every input.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

#include "generator/catalogue.h"
#include "generator/expansion.h"
#include "generator/generation.h"
#include "generator/separator.h"
#include "generator/statement.h"

namespace {

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// Takes a length-prefixed piece of the input (up to 255 bytes).
std::string_view Take(std::string_view& data) {
    if (data.empty()) return {};
    const std::size_t n = std::min<std::size_t>(static_cast<unsigned char>(data[0]), data.size() - 1);
    const std::string_view piece = data.substr(1, n);
    data.remove_prefix(1 + n);
    return piece;
}

std::string SeparatorFilePath() {
    static const std::string path = "/tmp/genhand-fuzz-sep-" + std::to_string(getpid());
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size < 4) return 0;
    std::string_view data(reinterpret_cast<const char*>(bytes), size);
    const uint8_t flags = static_cast<uint8_t>(data[0]);
    const int entry = 1 + static_cast<uint8_t>(data[1]) % genhand::kEntryCount;
    const int indent = static_cast<int8_t>(data[2]);  // also outside 0..6
    const int style = static_cast<int8_t>(data[3]) % 6;
    data.remove_prefix(4);
    const std::string_view window = Take(data);
    const std::string_view id = Take(data);
    const std::string_view fileBytes = data;

    genhand::GenerationInputs in;
    in.expansion.templateId = genhand::kTemplateIdBase + entry;
    in.expansion.windowName = window;
    in.expansion.idText = id;
    in.expansion.keywordCase = static_cast<genhand::KeywordCase>(flags % 3);
    in.expansion.indent = indent;
    in.expansion.useLine = flags & 0x10;
    in.expansion.implicitNone = flags & 0x20;
    in.expansion.comments = flags & 0x40;

    std::string separator;
    if (style == static_cast<int>(genhand::SeparatorStyle::FromFile)) {
        if (std::FILE* f = std::fopen(SeparatorFilePath().c_str(), "wb")) {
            std::fwrite(fileBytes.data(), 1, fileBytes.size(), f);
            std::fclose(f);
        }
        const std::string path = SeparatorFilePath();
        const std::size_t slash = path.rfind('/');
        separator = genhand::BuildSeparator(style, path.substr(0, slash), path.substr(slash + 1));
        Check(separator == fileBytes.substr(0, genhand::kMaxSeparatorFileBytes),
              "separator is the file's first 1022 bytes");
    } else {
        separator = genhand::BuildSeparator(style, "", "");
    }
    in.separator = separator;

    genhand::GenerationResult out;
    Check(genhand::GenerateTexts(in, out), "every catalogue entry generates");
    const std::string_view box = out.routineBox;
    const std::string_view shown = std::string_view(separator).substr(0, separator.find('\0'));
    Check(box.substr(0, shown.size()) == shown, "routine box starts with the separator");
    const std::string_view routine = box.substr(shown.size());
    Check(routine.size() >= 2 && routine.substr(routine.size() - 2) == "\r\n", "routine ends with CR LF");
    Check(routine.size() < 1024, "routine fits the 1024-character buffer");
    // The routine's last word (after its last blank) is the name its END
    // line gives; the statement must name exactly that.
    const std::string_view name = genhand::RoutineNameOf(routine);
    Check(name.find(' ') == std::string_view::npos, "the name is one word");
    Check(routine.size() >= name.size() + 3 &&
              routine.substr(routine.size() - name.size() - 3) == " " + std::string(name) + "\r\n",
          "the name is the last word of the END line");
    const std::string& st = out.statement;
    Check(st.size() > name.size() + 2 && st.substr(st.size() - name.size() - 3) == ", " + std::string(name) + ")",
          "statement ends with the routine name");
    Check(st.rfind("bSt = ", 0) == 0, "statement starts with bSt = ");
    Check(!st.empty() && st.back() == ')', "statement has no trailing blanks");
    return 0;
}
