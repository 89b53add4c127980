#include "dialogs/column_types.h"

#include <gtest/gtest.h>

#include <cstring>

namespace velmora {
namespace {

TEST(ColumnTypes, StoredFormIsLowerCaseCompactedAndPadded) {
    EXPECT_EQ(StoreColumnTypes("(A10, I4 )"), std::string("(a10,i4)") + "  ");
    EXPECT_EQ(StoreColumnTypes(std::string("(i)\0junk", 8)), "(i)");
}

TEST(ColumnTypes, OffsetsSizesAndSortTypes) {
    const RowLayout layout = ParseColumnTypes("(a10,i4,j,k,n,f8.2,e,g,d12.4,t,x3,+)");
    ASSERT_EQ(layout.descriptors.size(), 12u);
    const int32_t offsets[] = {0, 10, 14, 16, 17, 25, 29, 33, 41, 49, 65, 68};
    const int16_t types[] = {10, SORT_INT4, SORT_INT2, SORT_INT1, SORT_INT8, SORT_REAL4,
                             SORT_REAL4, SORT_REAL8, SORT_REAL8, SORT_DATETIME, 0, 0};
    for (std::size_t i = 0; i < layout.descriptors.size(); ++i) {
        EXPECT_EQ(layout.descriptors[i].offset, offsets[i]) << i;
        EXPECT_EQ(layout.descriptors[i].sortType, types[i]) << i;
    }
    EXPECT_EQ(layout.rowBytes, 72);
    EXPECT_EQ(layout.imageOffset, 68);
    EXPECT_EQ(layout.descriptors[5].width, 8);
    EXPECT_EQ(layout.descriptors[5].decimals, 2);
    // "x" and "+" are not columns.
    EXPECT_EQ(layout.columns().size(), 10u);
}

TEST(ColumnTypes, MalformedListsKeepWhatCameBefore) {
    EXPECT_TRUE(ParseColumnTypes("i4,a2").descriptors.empty());  // no "("
    EXPECT_TRUE(ParseColumnTypes("").descriptors.empty());
    EXPECT_EQ(ParseColumnTypes("(i4,q,a2)").descriptors.size(), 1u);   // unknown letter
    EXPECT_EQ(ParseColumnTypes("(i4,a2z,i)").descriptors.size(), 1u);  // junk after a descriptor
    EXPECT_EQ(ParseColumnTypes("(i4,a2").descriptors.size(), 2u);      // missing ")"
    EXPECT_EQ(ParseColumnTypes("(i4)a2").descriptors.size(), 1u);      // stops at ")"
    // Offsets must fit the 16 bits of a header sort key.
    EXPECT_EQ(ParseColumnTypes("(a30000,a2767,i)").descriptors.size(), 2u);
    EXPECT_EQ(ParseColumnTypes("(a99999,k)").descriptors.size(), 1u);  // counts stop at 32767
}

TEST(ColumnTypes, SortKeyPacksTypeAndOffset) {
    ColumnType column;
    column.sortType = SORT_DATETIME;
    column.offset = 300;
    const int32_t key = SortKey(column);
    EXPECT_EQ(SortKeyType(key), SORT_DATETIME);
    EXPECT_EQ(SortKeyOffset(key), 300);
    column.sortType = 25;
    column.offset = 0;
    EXPECT_EQ(SortKey(column), 25 << 16);
}

TEST(ColumnTypes, FormatsCells) {
    const RowLayout layout = ParseColumnTypes("(i,j,k,n,f8.2,d10.3,a6)");
    unsigned char row[64] = {};
    const int32_t i = -42;
    const int16_t j = 300;
    const int8_t k = -7;
    const int64_t n = 5000000000LL;
    const float f = 3.14159f;
    const double d = 12345.678;
    std::memcpy(row + 0, &i, 4);
    std::memcpy(row + 4, &j, 2);
    std::memcpy(row + 6, &k, 1);
    std::memcpy(row + 7, &n, 8);
    std::memcpy(row + 15, &f, 4);
    std::memcpy(row + 19, &d, 8);
    std::memcpy(row + 27, "ab  \0x", 6);
    const auto& c = layout.descriptors;
    EXPECT_EQ(FormatCell(c[0], row + c[0].offset), "-42");
    EXPECT_EQ(FormatCell(c[1], row + c[1].offset), "300");
    EXPECT_EQ(FormatCell(c[2], row + c[2].offset), "-7");
    EXPECT_EQ(FormatCell(c[3], row + c[3].offset), "5000000000");
    EXPECT_EQ(FormatCell(c[4], row + c[4].offset), "3.14");
    EXPECT_EQ(FormatCell(c[5], row + c[5].offset), "1.235E+04");
    EXPECT_EQ(FormatCell(c[6], row + c[6].offset), "ab");
}

}  // namespace
}  // namespace velmora
