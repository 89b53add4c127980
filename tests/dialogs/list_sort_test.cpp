#include "dialogs/list_sort.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "dialogs/allocation.h"
#include "dialogs/column_types.h"

namespace velmora {
namespace {

template <class T>
int32_t CompareValues(int32_t type, T a, T b) {
    unsigned char x[sizeof(T)], y[sizeof(T)];
    std::memcpy(x, &a, sizeof a);
    std::memcpy(y, &b, sizeof b);
    return CompareBoundValues(type, x, y);
}

int Sign(int32_t v) { return (v > 0) - (v < 0); }

TEST(CompareBoundValues, IntegersByOrderWithoutOverflow) {
    EXPECT_EQ(Sign(CompareValues<int8_t>(SORT_INT1, 127, -128)), 1);
    EXPECT_EQ(Sign(CompareValues<int16_t>(SORT_INT2, -32768, 32767)), -1);
    EXPECT_EQ(Sign(CompareValues<int32_t>(SORT_INT4, 2147483647, -2147483647 - 1)), 1);
    EXPECT_EQ(CompareValues<int32_t>(SORT_INT4, 5, 5), 0);
    // Eight-byte integers compare by their whole value, not their low half.
    EXPECT_EQ(Sign(CompareValues<int64_t>(SORT_INT8, 0x100000000LL, 1)), 1);
}

TEST(CompareBoundValues, RealsAndTextsNeverCompareEqual) {
    EXPECT_EQ(CompareValues<float>(SORT_REAL4, 2.5f, 1.0f), 1);
    EXPECT_EQ(CompareValues<float>(SORT_REAL4, 1.0f, 1.0f), -1);
    EXPECT_EQ(CompareValues<double>(SORT_REAL8, -1.0, 3.0), -1);
    const unsigned char a[] = "abc ", b[] = "abd ";
    EXPECT_EQ(CompareBoundValues(4, a, b), -1);
    EXPECT_EQ(CompareBoundValues(4, b, a), 1);
    EXPECT_EQ(CompareBoundValues(4, a, a), -1);
    EXPECT_EQ(CompareBoundValues(0, a, b), 0);
    EXPECT_EQ(CompareBoundValues(-8, a, b), 0);
}

TEST(CompareBoundValues, DatesThenTimesThenMilliseconds) {
    struct Time { uint16_t y, mo, dow, d, h, mi, s, ms; };
    const auto cmp = [](Time a, Time b) { return CompareValues<Time>(SORT_DATETIME, a, b); };
    EXPECT_EQ(cmp({2024, 1, 9, 2, 0, 0, 0, 0}, {2023, 12, 0, 31, 23, 59, 59, 999}), 1);
    EXPECT_EQ(cmp({2024, 1, 0, 2, 10, 0, 0, 0}, {2024, 1, 6, 2, 11, 0, 0, 0}), -1);
    EXPECT_EQ(cmp({2024, 1, 0, 2, 10, 0, 0, 5}, {2024, 1, 0, 2, 10, 0, 0, 4}), 1);
}

TEST(CompareCellTexts, TenBeforeNineAsTextAfterItAsNumber) {
    EXPECT_EQ(CompareCellTexts(2, "10", "9"), -1);
    EXPECT_EQ(Sign(CompareCellTexts(SORT_INT4, "10", "9")), 1);
    EXPECT_EQ(Sign(CompareCellTexts(SORT_INT2, " -3", "2 ")), -1);
    EXPECT_EQ(CompareCellTexts(SORT_REAL8, "1.5", "1.25"), 1);
    EXPECT_EQ(CompareCellTexts(SORT_REAL4, "2", "2"), -1);
    // Texts are blank-padded to the column's length and cut there.
    EXPECT_EQ(CompareCellTexts(3, "ab", "ab "), -1);
    EXPECT_EQ(CompareCellTexts(2, "abX", "abY"), -1);
    EXPECT_EQ(CompareCellTexts(0, "a", "b"), 0);
}

TEST(CompareCellTexts, NonNumbersComeAfterNumbers) {
    EXPECT_EQ(CompareCellTexts(SORT_INT4, "12a", "99"), 1);
    EXPECT_EQ(CompareCellTexts(SORT_INT4, "99", ""), -1);
    EXPECT_EQ(CompareCellTexts(SORT_REAL8, "x", "y"), -1);
    EXPECT_EQ(Sign(CompareCellTexts(SORT_REAL8, "1d2", "99")), 1);
}

std::vector<int32_t> SortValues(const std::vector<int>& values, int sign = 1) {
    return MergeSortItems(static_cast<int32_t>(values.size()), [&](int32_t a, int32_t b) {
        const int x = values[a - 1], y = values[b - 1];
        return ((x > y) - (x < y)) * sign;
    });
}

TEST(MergeSortItems, SortsEveryLengthBothWays) {
    for (int n = 0; n <= 33; ++n) {
        std::vector<int> values;
        for (int i = 0; i < n; ++i) values.push_back((i * 7919) % 31);
        const std::vector<int32_t> up = SortValues(values);
        ASSERT_EQ(up.size(), static_cast<std::size_t>(n));
        for (int i = 1; i < n; ++i) EXPECT_LE(values[up[i - 1] - 1], values[up[i] - 1]) << n;
        const std::vector<int32_t> down = SortValues(values, -1);
        for (int i = 1; i < n; ++i) EXPECT_GE(values[down[i - 1] - 1], values[down[i] - 1]) << n;
    }
}

TEST(MergeSortItems, PairsSwapUnlessStrictlyLessAndMergesPreferTheLeft) {
    // Equal neighbours in a pair change places; merges keep the left run first.
    EXPECT_EQ(SortValues({5, 5, 5, 5}), (std::vector<int32_t>{2, 1, 4, 3}));
    EXPECT_EQ(SortValues({1, 1, 0}), (std::vector<int32_t>{3, 2, 1}));
    EXPECT_EQ(SortValues({3, 1, 2}), (std::vector<int32_t>{2, 3, 1}));
}

// A row order longer than a vector can hold (600,000,000 items on a 32-bit
// target) is a failure, not an exception.
TEST(TryResize, MoreThanAVectorHoldsFailsAndChangesNothing) {
    std::vector<int32_t> order{1, 2, 3};
    EXPECT_FALSE(TryResize(order, order.max_size() + 1));
    EXPECT_EQ(order, (std::vector<int32_t>{1, 2, 3}));
}

}  // namespace
}  // namespace velmora
