#include "dialogs/font_spec.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(FontSpec, FaceAndHeight) {
    const FontSpec f = ParseFontSpec("t'Courier New'h12");
    EXPECT_EQ(f.face, "courier new");
    EXPECT_EQ(f.height, 12);
    EXPECT_EQ(f.width, 0);
    EXPECT_FALSE(f.italic);
    EXPECT_FALSE(f.bold);
    EXPECT_FALSE(f.underline);
}

TEST(FontSpec, UpperCaseLettersAndLeadingZero) {
    const FontSpec f = ParseFontSpec("T'Arial'H08EI");
    EXPECT_EQ(f.face, "arial");
    EXPECT_EQ(f.height, 8);
    EXPECT_TRUE(f.bold);
    EXPECT_TRUE(f.italic);
    EXPECT_FALSE(f.underline);
}

TEST(FontSpec, DefaultsWithoutFaceOrHeight) {
    const FontSpec h = ParseFontSpec("h12");
    EXPECT_EQ(h.face, "");
    EXPECT_EQ(h.height, 12);
    const FontSpec t = ParseFontSpec("t'Times New Roman'   ");
    EXPECT_EQ(t.height, 10);
    // The face name's own letters (i, e, u in "Times New Roman") switch nothing on.
    EXPECT_FALSE(t.italic);
    EXPECT_FALSE(t.bold);
    EXPECT_FALSE(t.underline);
}

TEST(FontSpec, DoubleQuotesWhenNoSingleQuotedFace) {
    const FontSpec f = ParseFontSpec("u t\"Lucida Console \" w07");
    EXPECT_EQ(f.face, "lucida console");
    EXPECT_TRUE(f.underline);
    EXPECT_EQ(f.width, 7);
}

TEST(FontSpec, FaceEndsAtTheLastQuoteAndIsCut) {
    const FontSpec f = ParseFontSpec("t'It''s'h14");
    EXPECT_EQ(f.face, "it''s");
    EXPECT_EQ(f.height, 14);
    const FontSpec longFace = ParseFontSpec("t'" + std::string(60, 'x') + "'");
    EXPECT_EQ(longFace.face.size(), kMaxFaceName);
}

TEST(FontSpec, UnreadableNumbersKeepTheDefault) {
    EXPECT_EQ(ParseFontSpec("hxx").height, 10);
    EXPECT_EQ(ParseFontSpec("h").height, 10);
    EXPECT_EQ(ParseFontSpec("wab").width, 0);
    // A single digit before another letter reads as that digit.
    const FontSpec f = ParseFontSpec("h9e");
    EXPECT_EQ(f.height, 9);
    EXPECT_TRUE(f.bold);
    // Only two characters count.
    EXPECT_EQ(ParseFontSpec("h123").height, 12);
}

TEST(FontSpec, LoneQuoteIsNoFace) {
    const FontSpec f = ParseFontSpec("t'arial h11");
    EXPECT_EQ(f.face, "");
    EXPECT_TRUE(f.italic);  // the i of "arial" counts when there is no face part
    EXPECT_EQ(f.height, 11);
}

}  // namespace
}  // namespace velmora
