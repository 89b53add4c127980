// Reading values from raw bytes (resources, bound data rows), which need
// not be aligned for the value's type.
#pragma once

#include <cstring>

namespace common {

template <class T>
T Load(const unsigned char* p) {
    T value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

}  // namespace common
