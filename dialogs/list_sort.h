// Comparisons and the merge sort behind sorting a list view by a column.
// Every comparison's sign is what counts: negative puts the first item
// before the second.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace velmora {

// Compares two values of bound row data of the given sort type (SORT_* or a
// text length); `a` and `b` point at the values. Unknown types give 0.
int32_t CompareBoundValues(int32_t sortType, const unsigned char* a, const unsigned char* b);

// Compares two cell texts of an ordinary list view as the column's sort
// type reads them. Texts that do not read as numbers in a number column
// come after all numbers and compare as texts among themselves.
int32_t CompareCellTexts(int32_t sortType, std::string_view a, std::string_view b);

// Bottom-up merge sort of the item numbers 1..n, from the order 1, 2, ..., n.
// `compare` returns a value whose sign orders two item numbers.
std::vector<int32_t> MergeSortItems(int32_t n, const std::function<int32_t(int32_t, int32_t)>& compare);

}  // namespace velmora
