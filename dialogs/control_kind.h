// Control kinds from a window's class name and style.
#pragma once

#include <cstdint>
#include <string_view>

namespace velmora {

// The kind of a control whose class name (as GetClassNameA returns it, any
// letter case) and GWL_STYLE are given. Unknown classes are KIND_OTHER.
int32_t KindFromClass(std::string_view className, uint32_t style);

}  // namespace velmora
