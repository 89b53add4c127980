#include "dialogs/font_description.h"

#include "dialogs/text_field.h"

namespace velmora {
namespace {

struct FacePart {
    std::size_t begin = std::string::npos;  // position of the "t"
    std::size_t end = std::string::npos;    // position of the closing quote
};

// The face part opened by `t` and this quote and closed by the last such
// quote of the text; none when either is missing.
FacePart FindFacePart(const std::string& text, char quote) {
    const char opener[] = {'t', quote, '\0'};
    FacePart part;
    const std::size_t begin = text.find(opener);
    if (begin == std::string::npos) return part;
    const std::size_t end = text.rfind(quote);
    if (end == std::string::npos || end <= begin + 1) return part;
    part.begin = begin;
    part.end = end;
    return part;
}

// The number in the two characters after the first `letter`: leading
// blanks, an optional sign, then digits. A field that does not start with a
// number leaves `fallback`; a single digit followed by another letter reads
// as that digit.
int32_t NumberAfter(const std::string& text, char letter, int32_t fallback) {
    const std::size_t at = text.find(letter);
    if (at == std::string::npos) return fallback;
    const std::string field = text.substr(at + 1, 2);
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) negative = field[i++] == '-';
    int32_t value = 0;
    bool any = false;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        value = value * 10 + (field[i] - '0');
        any = true;
    }
    if (!any) return fallback;
    return negative ? -value : value;
}

}  // namespace

FontDescription ParseFontDescription(std::string_view description) {
    std::string text = LowerLatin1(TrimTrailingBlanks(description));
    FontDescription font;

    FacePart face = FindFacePart(text, '\'');
    if (face.begin == std::string::npos) face = FindFacePart(text, '"');
    if (face.begin != std::string::npos) {
        std::string_view name(text.data() + face.begin + 2, face.end - face.begin - 2);
        name = TrimTrailingBlanks(name);
        font.face = std::string(name.substr(0, kMaxFaceName));
        text.erase(face.begin, face.end - face.begin + 1);
    }

    font.italic = text.find('i') != std::string::npos;
    font.bold = text.find('e') != std::string::npos;
    font.underline = text.find('u') != std::string::npos;
    font.height = NumberAfter(text, 'h', 10);
    font.width = NumberAfter(text, 'w', 0);
    return font;
}

}  // namespace velmora
