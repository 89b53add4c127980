// Storage whose size a caller decides (item counts, text fields, texts):
// when it cannot be had, the routine fails with its failure result. No
// exception leaves the library.
#pragma once

#include <cstddef>
#include <exception>
#include <vector>

namespace velmora {

// Resizes `v` to `count` elements; false, with `v` unchanged, when they
// cannot be had (more than max_size() or than memory holds).
template <class T>
bool TryResize(std::vector<T>& v, std::size_t count) noexcept {
    try {
        v.resize(count);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// The result of `body`, or `failure` when storage that it allocates cannot
// be had. Bodies that call program routines do not belong here: their
// exceptions are not the library's to swallow.
template <class Result, class Body>
Result OrWhenOutOfMemory(Result failure, Body&& body) noexcept {
    try {
        return body();
    } catch (const std::exception&) {
        return failure;
    }
}

}  // namespace velmora
