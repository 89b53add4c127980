// Font descriptions: "t'Courier New'h12", "T'Arial'H08EI", "h12" ...
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

struct FontDescription {
    std::string face;    // empty: the system chooses the face
    int32_t height = 10; // character height in pixels
    int32_t width = 0;   // 0: the system chooses the width
    bool italic = false;
    bool bold = false;
    bool underline = false;
};

// Reads a font description: the letter t with a face name in single (or
// else double) quotes, and the letters h and w with numbers of up to two
// digits, i (italic), e (bold) and u (underline), in any order and case.
FontDescription ParseFontDescription(std::string_view description);

constexpr std::size_t kMaxFaceName = 39;

}  // namespace velmora
