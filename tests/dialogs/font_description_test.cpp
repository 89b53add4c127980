#include "dialogs/font_description.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(FontDescription, FaceAndHeight) {
    const FontDescription f = ParseFontDescription("t'Courier New'h12");
    EXPECT_EQ(f.face, "courier new");
    EXPECT_EQ(f.height, 12);
    EXPECT_EQ(f.width, 0);
    EXPECT_FALSE(f.italic);
    EXPECT_FALSE(f.bold);
    EXPECT_FALSE(f.underline);
}

TEST(FontDescription, UpperCaseLettersAndLeadingZero) {
    const FontDescription f = ParseFontDescription("T'Arial'H08EI");
    EXPECT_EQ(f.face, "arial");
    EXPECT_EQ(f.height, 8);
    EXPECT_TRUE(f.bold);
    EXPECT_TRUE(f.italic);
    EXPECT_FALSE(f.underline);
}

TEST(FontDescription, DefaultsWithoutFaceOrHeight) {
    const FontDescription h = ParseFontDescription("h12");
    EXPECT_EQ(h.face, "");
    EXPECT_EQ(h.height, 12);
    const FontDescription t = ParseFontDescription("t'Times New Roman'   ");
    EXPECT_EQ(t.height, 10);
    // The face name's own letters (i, e, u in "Times New Roman") switch nothing on.
    EXPECT_FALSE(t.italic);
    EXPECT_FALSE(t.bold);
    EXPECT_FALSE(t.underline);
}

TEST(FontDescription, DoubleQuotesWhenNoSingleQuotedFace) {
    const FontDescription f = ParseFontDescription("u t\"Lucida Console \" w07");
    EXPECT_EQ(f.face, "lucida console");
    EXPECT_TRUE(f.underline);
    EXPECT_EQ(f.width, 7);
}

TEST(FontDescription, FaceEndsAtTheLastQuoteAndIsCut) {
    const FontDescription f = ParseFontDescription("t'It''s'h14");
    EXPECT_EQ(f.face, "it''s");
    EXPECT_EQ(f.height, 14);
    const FontDescription longFace = ParseFontDescription("t'" + std::string(60, 'x') + "'");
    EXPECT_EQ(longFace.face.size(), kMaxFaceName);
}

TEST(FontDescription, UnreadableNumbersKeepTheDefault) {
    EXPECT_EQ(ParseFontDescription("hxx").height, 10);
    EXPECT_EQ(ParseFontDescription("h").height, 10);
    EXPECT_EQ(ParseFontDescription("wab").width, 0);
    // A single digit before another letter reads as that digit.
    const FontDescription f = ParseFontDescription("h9e");
    EXPECT_EQ(f.height, 9);
    EXPECT_TRUE(f.bold);
    // Only two characters count.
    EXPECT_EQ(ParseFontDescription("h123").height, 12);
}

TEST(FontDescription, LoneQuoteIsNoFace) {
    const FontDescription f = ParseFontDescription("t'arial h11");
    EXPECT_EQ(f.face, "");
    EXPECT_TRUE(f.italic);  // the i of "arial" counts when there is no face part
    EXPECT_EQ(f.height, 11);
}

}  // namespace
}  // namespace velmora
