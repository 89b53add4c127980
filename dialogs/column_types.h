// Column type lists of list views: "(a20,i6,f8.2,x4,+)". The list
// describes one row of the data bound to a list view; each descriptor but
// "x" and "+" is a column.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Sort type codes kept in a column header's lParam (high word): a positive
// number n is a text of n characters.
constexpr int16_t SORT_INT1 = -1;
constexpr int16_t SORT_INT2 = -2;
constexpr int16_t SORT_INT4 = -3;
constexpr int16_t SORT_INT8 = -4;
constexpr int16_t SORT_REAL4 = -5;
constexpr int16_t SORT_REAL8 = -6;
constexpr int16_t SORT_DATETIME = -7;

struct ColumnType {
    char letter = 0;        // i j k n f e g d a t x +
    int32_t width = 0;      // display width in characters; 0 = not given
    int32_t decimals = -1;  // digits after the point of reals; -1 = not given
    int32_t offset = 0;     // byte offset of the value within a row
    int32_t size = 0;       // bytes of the row the descriptor takes
    int16_t sortType = 0;   // SORT_* or a text length; 0 for "x" and "+"
    bool isColumn() const { return letter != 'x' && letter != '+'; }
};

struct RowLayout {
    std::vector<ColumnType> descriptors;  // in row order, "x" and "+" included
    int32_t rowBytes = 0;                 // the bytes that the descriptors cover
    int32_t imageOffset = -1;             // offset of the "+" image number; -1 = none
    // The descriptors that are columns, in column order.
    std::vector<ColumnType> columns() const;
};

// The stored form of a type list: lower case, blanks removed, padded with
// blanks to the length of the text before its NUL.
std::string StoreColumnTypes(std::string_view text);

// Reads a stored type list. A list that does not begin with "(" has no
// descriptors; reading stops at ")" or at the first descriptor that is not
// understood, keeping those before it.
RowLayout ParseColumnTypes(std::string_view types);

// The header lParam of a column: type code in the high word, byte offset in
// the low word.
int32_t SortKey(const ColumnType& column);
int16_t SortKeyType(int32_t key);
int16_t SortKeyOffset(int32_t key);

// The display text of a non-date column's value at `value` (the row's bytes
// at the column's offset).
std::string FormatCell(const ColumnType& column, const unsigned char* value);

}  // namespace velmora
