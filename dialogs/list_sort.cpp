#include "dialogs/list_sort.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "dialogs/column_types.h"
#include "dialogs/text_field.h"
#include "common/bytes.h"

namespace velmora {
namespace {

constexpr std::size_t kNumberTextLength = 32;
constexpr std::size_t kDateTextLength = 80;

using common::Load;

// Integers compare by order, not by a difference that could overflow.
template <class T>
int32_t ThreeWay(T a, T b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

// Reals and texts never compare equal: 1 when the first is greater, else -1.
template <class T>
int32_t GreaterOrNot(T a, T b) {
    return a > b ? 1 : -1;
}

// Blank-padded comparison of two texts, each cut to `length`.
int32_t ComparePadded(std::string_view a, std::string_view b, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        const auto ca = static_cast<unsigned char>(i < a.size() ? a[i] : ' ');
        const auto cb = static_cast<unsigned char>(i < b.size() ? b[i] : ' ');
        if (ca != cb) return ca > cb ? 1 : -1;
    }
    return -1;
}

struct SystemTimeFields {  // the layout of a Windows SYSTEMTIME
    uint16_t year, month, dayOfWeek, day, hour, minute, second, milliseconds;
};

int32_t CompareDateTimes(const unsigned char* a, const unsigned char* b) {
    const auto x = Load<SystemTimeFields>(a);
    const auto y = Load<SystemTimeFields>(b);
    const long dx = x.year * 10000L + x.month * 100L + x.day;
    const long dy = y.year * 10000L + y.month * 100L + y.day;
    if (dx != dy) return GreaterOrNot(dx, dy);
    const long tx = x.hour * 10000L + x.minute * 100L + x.second;
    const long ty = y.hour * 10000L + y.minute * 100L + y.second;
    if (tx != ty) return GreaterOrNot(tx, ty);
    return GreaterOrNot(x.milliseconds, y.milliseconds);
}

// The text of a cell as a number field reads it: up to its first NUL, cut
// to `length` characters.
std::string NumberField(std::string_view text, std::size_t length) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) text = text.substr(0, nul);
    text = text.substr(0, length);
    std::size_t start = 0;
    while (start < text.size() && text[start] == ' ') ++start;
    return std::string(TrimTrailingBlanks(text.substr(start)));
}

bool ReadInteger(std::string_view text, long long& value) {
    const std::string field = NumberField(text, kNumberTextLength);
    if (field.empty()) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(field.c_str(), &end, 10);
    return errno == 0 && end == field.c_str() + field.size();
}

bool ReadReal(std::string_view text, double& value) {
    std::string field = NumberField(text, kNumberTextLength);
    if (field.empty()) return false;
    for (char& c : field)
        if (c == 'd' || c == 'D') c = 'e';  // exponent letter of 8-byte reals
    char* end = nullptr;
    value = std::strtod(field.c_str(), &end);
    return end == field.c_str() + field.size();
}

// Number columns: numbers first, in numeric order; other texts after them.
template <class T, class Reader, class Order>
int32_t CompareNumberTexts(std::string_view a, std::string_view b, Reader read, Order order) {
    T x{}, y{};
    const bool okA = read(a, x);
    const bool okB = read(b, y);
    if (okA && okB) return order(x, y);
    if (okA != okB) return okA ? -1 : 1;
    return ComparePadded(a, b, kNumberTextLength);
}

}  // namespace

int32_t CompareBoundValues(int32_t sortType, const unsigned char* a, const unsigned char* b) {
    switch (sortType) {
        case SORT_INT1: return ThreeWay(Load<int8_t>(a), Load<int8_t>(b));
        case SORT_INT2: return ThreeWay(Load<int16_t>(a), Load<int16_t>(b));
        case SORT_INT4: return ThreeWay(Load<int32_t>(a), Load<int32_t>(b));
        case SORT_INT8: return ThreeWay(Load<int64_t>(a), Load<int64_t>(b));
        case SORT_REAL4: return GreaterOrNot(Load<float>(a), Load<float>(b));
        case SORT_REAL8: return GreaterOrNot(Load<double>(a), Load<double>(b));
        case SORT_DATETIME: return CompareDateTimes(a, b);
        default: break;
    }
    if (sortType <= 0) return 0;
    const auto n = static_cast<std::size_t>(sortType);
    return ComparePadded(std::string_view(reinterpret_cast<const char*>(a), n),
                         std::string_view(reinterpret_cast<const char*>(b), n), n);
}

int32_t CompareCellTexts(int32_t sortType, std::string_view a, std::string_view b) {
    // Texts end at their first NUL.
    const auto cut = [](std::string_view s) {
        const std::size_t nul = s.find('\0');
        return nul == std::string_view::npos ? s : s.substr(0, nul);
    };
    a = cut(a);
    b = cut(b);
    switch (sortType) {
        case SORT_INT1:
        case SORT_INT2:
        case SORT_INT4:
        case SORT_INT8:
            return CompareNumberTexts<long long>(a, b, ReadInteger, ThreeWay<long long>);
        case SORT_REAL4:
        case SORT_REAL8:
            return CompareNumberTexts<double>(a, b, ReadReal, GreaterOrNot<double>);
        case SORT_DATETIME: return ComparePadded(a, b, kDateTextLength);
        default: break;
    }
    if (sortType <= 0) return 0;
    return ComparePadded(a, b, static_cast<std::size_t>(sortType));
}

std::vector<int32_t> MergeSortItems(int32_t n, const std::function<int32_t(int32_t, int32_t)>& compare) {
    std::vector<int32_t> order;
    if (n <= 0) return order;
    order.reserve(static_cast<std::size_t>(n));
    for (int32_t k = 1; k <= n; ++k) order.push_back(k);

    // Pairs: the first item stays first only when it compares below.
    for (std::size_t i = 0; i + 1 < order.size(); i += 2)
        if (compare(order[i], order[i + 1]) >= 0) std::swap(order[i], order[i + 1]);

    std::vector<int32_t> merged(order.size());
    const std::size_t size = order.size();
    for (std::size_t width = 2; width < size; width *= 2) {
        for (std::size_t left = 0; left + width < size; left += 2 * width) {
            const std::size_t mid = left + width;
            const std::size_t right = mid + width < size ? mid + width : size;
            if (compare(order[mid - 1], order[mid]) <= 0) continue;  // already in order
            std::size_t i = left, j = mid, k = left;
            while (i < mid && j < right) merged[k++] = compare(order[i], order[j]) <= 0 ? order[i++] : order[j++];
            while (i < mid) merged[k++] = order[i++];
            while (j < right) merged[k++] = order[j++];
            std::copy(merged.begin() + static_cast<std::ptrdiff_t>(left),
                      merged.begin() + static_cast<std::ptrdiff_t>(right),
                      order.begin() + static_cast<std::ptrdiff_t>(left));
        }
    }
    return order;
}

}  // namespace velmora
