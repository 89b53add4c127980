#include "dialogs/dialog_init.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace velmora {
namespace {

// Builds resource bytes record by record.
class Resource {
public:
    Resource& record(int16_t id, uint16_t message, uint32_t length, const std::string& data) {
        put(&id, 2);
        put(&message, 2);
        put(&length, 4);
        put(data.data(), data.size());
        return *this;
    }
    Resource& end() {
        const int16_t zero = 0;
        put(&zero, 2);
        return *this;
    }
    const std::vector<unsigned char>& bytes() const { return bytes_; }

private:
    void put(const void* p, std::size_t n) {
        const auto* b = static_cast<const unsigned char*>(p);
        bytes_.insert(bytes_.end(), b, b + n);
    }
    std::vector<unsigned char> bytes_;
};

std::vector<DialogInitRecord> Read(const Resource& r) { return ReadDialogInit(r.bytes().data(), r.bytes().size()); }

TEST(ReadDialogInit, ReadsRecordsUntilTheEndMark) {
    Resource r;
    r.record(1013, 0x403, 6, std::string("Alpha\0", 6)).record(1010, 0x1234, 4, std::string("One\0", 4)).end();
    r.record(1010, 0x403, 4, std::string("Two\0", 4));
    const auto records = Read(r);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].controlId, 1013);
    EXPECT_EQ(records[0].message, 0x403);
    EXPECT_EQ(records[0].text, "Alpha");
    EXPECT_EQ(records[1].message, 0x1234);
}

TEST(ReadDialogInit, TextEndsAtItsFirstNul) {
    Resource r;
    r.record(5, 0x403, 8, std::string("ab\0cdefg", 8));
    ASSERT_EQ(Read(r).size(), 1u);
    EXPECT_EQ(Read(r)[0].text, "ab");
}

TEST(ReadDialogInit, EndsWithoutACompleteHeader) {
    Resource r;
    r.record(5, 0x403, 2, std::string("a\0", 2));
    std::vector<unsigned char> bytes = r.bytes();
    bytes.insert(bytes.end(), {7, 0, 3, 4, 1});  // five bytes of a next header
    EXPECT_EQ(ReadDialogInit(bytes.data(), bytes.size()).size(), 1u);
    EXPECT_TRUE(ReadDialogInit(nullptr, 10).empty());
    EXPECT_TRUE(ReadDialogInit(bytes.data(), 0).empty());
}

TEST(ReadDialogInit, StopsAtTheFirstMalformedRecord) {
    // Negative length in the low 16 bits.
    Resource negative;
    negative.record(1, 0x403, 2, std::string("a\0", 2)).record(2, 0x403, 0xFFF8, "").record(3, 0x403, 2, std::string("c\0", 2));
    EXPECT_EQ(Read(negative).size(), 1u);
    // Length beyond the resource.
    Resource oversized;
    oversized.record(1, 0x403, 2, std::string("a\0", 2)).record(2, 0x403, 500, std::string("b\0", 2));
    EXPECT_EQ(Read(oversized).size(), 1u);
    // Data without its NUL.
    Resource unterminated;
    unterminated.record(1, 0x403, 3, "abc").record(2, 0x403, 2, std::string("b\0", 2));
    EXPECT_TRUE(Read(unterminated).empty());
    // An empty text has no NUL either.
    Resource empty;
    empty.record(1, 0x403, 0, "").end();
    EXPECT_TRUE(Read(empty).empty());
}

TEST(ReadDialogInit, OnlyTheLowSixteenBitsOfTheLengthCount) {
    Resource r;
    r.record(1, 0x403, 0x00010003, std::string("ab\0", 3)).record(2, 0x403, 2, std::string("c\0", 2));
    const auto records = Read(r);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].text, "c");
}

}  // namespace
}  // namespace velmora
