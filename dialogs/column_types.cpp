#include "dialogs/column_types.h"

#include <cstdio>
#include <cstring>

#include "dialogs/text_field.h"
#include "common/bytes.h"

namespace velmora {
namespace {

constexpr int32_t kDefaultDecimalsFixed = 2;
constexpr int32_t kMaxRowBytes = 0x7FFF;
constexpr int32_t kDefaultDecimalsExponent = 4;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads digits at `pos`; -1 when there are none. Values are capped so that
// offsets cannot overflow.
int32_t ReadCount(std::string_view s, std::size_t& pos) {
    constexpr int32_t kCap = 0x7FFF;
    if (pos >= s.size() || !IsDigit(s[pos])) return -1;
    int32_t value = 0;
    while (pos < s.size() && IsDigit(s[pos])) {
        if (value < kCap) value = value * 10 + (s[pos] - '0');
        ++pos;
    }
    return value > kCap ? kCap : value;
}

// Bytes and sort type of a descriptor letter with its count; false for a
// letter that is not a descriptor.
bool DescribeLetter(ColumnType& d) {
    switch (d.letter) {
        case 'i': d.size = 4; d.sortType = SORT_INT4; return true;
        case 'j': d.size = 2; d.sortType = SORT_INT2; return true;
        case 'k': d.size = 1; d.sortType = SORT_INT1; return true;
        case 'n': d.size = 8; d.sortType = SORT_INT8; return true;
        case 'f':
        case 'e': d.size = 4; d.sortType = SORT_REAL4; return true;
        case 'g':
        case 'd': d.size = 8; d.sortType = SORT_REAL8; return true;
        case 't': d.size = 16; d.sortType = SORT_DATETIME; return true;
        case 'a':
            d.size = d.width > 0 ? d.width : 1;
            d.sortType = static_cast<int16_t>(d.size);
            return true;
        case 'x': d.size = d.width > 0 ? d.width : 1; d.sortType = 0; return true;
        case '+': d.size = 4; d.sortType = 0; return true;
        default: return false;
    }
}

using common::Load;

std::string Printf(const char* format, int32_t decimals, double value) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, format, static_cast<int>(decimals), value);
    return buffer;
}

}  // namespace

std::vector<ColumnType> RowLayout::columns() const {
    std::vector<ColumnType> out;
    for (const ColumnType& d : descriptors)
        if (d.isColumn()) out.push_back(d);
    return out;
}

std::string StoreColumnTypes(std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) text = text.substr(0, nul);
    std::string stored;
    for (char c : text)
        if (c != ' ') stored += LowerLatin1(c);
    stored.resize(text.size(), ' ');
    return stored;
}

RowLayout ParseColumnTypes(std::string_view types) {
    RowLayout layout;
    std::size_t pos = 0;
    if (types.empty() || types[0] != '(') return layout;
    ++pos;
    int32_t offset = 0;
    while (pos < types.size() && types[pos] != ')') {
        ColumnType d;
        d.letter = LowerLatin1(types[pos++]);
        d.width = ReadCount(types, pos);
        if (d.width < 0) d.width = 0;
        if (pos < types.size() && types[pos] == '.') {
            ++pos;
            d.decimals = ReadCount(types, pos);
        }
        if (!DescribeLetter(d)) break;
        if (pos < types.size() && types[pos] != ',' && types[pos] != ')') break;
        // Header sort keys hold offsets in 16 bits: a row ends there.
        if (offset + d.size > kMaxRowBytes) break;
        d.offset = offset;
        if (d.letter == '+') layout.imageOffset = offset;
        offset += d.size;
        layout.descriptors.push_back(d);
        if (pos < types.size() && types[pos] == ',') ++pos;
    }
    layout.rowBytes = offset;
    return layout;
}

int32_t SortKey(const ColumnType& column) {
    const uint32_t type = static_cast<uint16_t>(column.sortType);
    const uint32_t offset = static_cast<uint16_t>(column.offset);
    return static_cast<int32_t>((type << 16) | offset);
}

int16_t SortKeyType(int32_t key) { return static_cast<int16_t>(static_cast<uint32_t>(key) >> 16); }
int16_t SortKeyOffset(int32_t key) { return static_cast<int16_t>(static_cast<uint32_t>(key) & 0xFFFF); }

std::string FormatCell(const ColumnType& column, const unsigned char* value) {
    switch (column.letter) {
        case 'i': return std::to_string(Load<int32_t>(value));
        case 'j': return std::to_string(Load<int16_t>(value));
        case 'k': return std::to_string(Load<int8_t>(value));
        case 'n': return std::to_string(static_cast<long long>(Load<int64_t>(value)));
        case 'f':
            return Printf("%.*f", column.decimals >= 0 ? column.decimals : kDefaultDecimalsFixed,
                          Load<float>(value));
        case 'g':
            return Printf("%.*f", column.decimals >= 0 ? column.decimals : kDefaultDecimalsFixed,
                          Load<double>(value));
        case 'e':
            return Printf("%.*E", column.decimals >= 0 ? column.decimals : kDefaultDecimalsExponent,
                          Load<float>(value));
        case 'd':
            return Printf("%.*E", column.decimals >= 0 ? column.decimals : kDefaultDecimalsExponent,
                          Load<double>(value));
        case 'a': {
            std::string_view text(reinterpret_cast<const char*>(value), static_cast<std::size_t>(column.size));
            const std::size_t nul = text.find('\0');
            if (nul != std::string_view::npos) text = text.substr(0, nul);
            return std::string(TrimTrailingBlanks(text));
        }
        default: return std::string();
    }
}

}  // namespace velmora
