#include <gtest/gtest.h>

#include <string>

#include "generator/catalogue.h"
#include "generator/expansion.h"

namespace genhand {
namespace {

ExpansionOptions Options(int templateId, std::string_view window = "VW_FRAME") {
    ExpansionOptions o;
    o.templateId = templateId;
    o.windowName = window;
    return o;
}

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) text.append(line).append("\r\n");
    return text;
}

// The first worked example: ACTIVATE with everything on, indent 3.
TEST(Expansion, ActivateWithAllOptions) {
    ExpansionOptions o = Options(505);
    o.comments = o.useLine = o.implicitNone = true;
    o.indent = 3;
    EXPECT_EQ(ExpandTemplate(o),
              Lines({"!VW_FRAME_OnActivate is called when VW_FRAME is being activated or deactivated.",
                     "LOGICAL FUNCTION VW_FRAME_OnActivate(vWnd, nActivate, bMinimized, vWndPrevious)",
                     "   USE Velmora",
                     "   IMPLICIT NONE",
                     " ",
                     "   TYPE(V_WINDOW)::              vWnd",
                     "   INTEGER, INTENT(IN)::         nActivate    !Activation type",
                     "   LOGICAL, INTENT(IN)::         bMinimized   !Minimized state",
                     "   TYPE(V_WINDOW)::              vWndPrevious !Previously active window",
                     "   ",
                     "   VW_FRAME_OnActivate = .FALSE. !Return .TRUE. to prevent default processing ",
                     "   ",
                     "END FUNCTION VW_FRAME_OnActivate"}));
}

TEST(Expansion, ActivateLowerCaseWithoutComments) {
    ExpansionOptions o = Options(505);
    o.useLine = o.implicitNone = true;
    o.indent = 3;
    o.keywordCase = KeywordCase::Lower;
    EXPECT_EQ(ExpandTemplate(o),
              Lines({"logical function VW_FRAME_OnActivate(vWnd, nActivate, bMinimized, vWndPrevious)",
                     "   use Velmora",
                     "   implicit none",
                     " ",
                     "   type(V_WINDOW)::              vWnd",
                     "   integer, intent(in)::         nActivate    ",
                     "   logical, intent(in)::         bMinimized   ",
                     "   type(V_WINDOW)::              vWndPrevious ",
                     "   ",
                     "   VW_FRAME_OnActivate = .FALSE. ",
                     "   ",
                     "end function VW_FRAME_OnActivate"}));
}

// The second worked example: a menu command with an ID.
TEST(Expansion, CommandWithIdLowerCase) {
    ExpansionOptions o = Options(502);
    o.idText = "IDM_FILE_OPEN";
    o.implicitNone = true;
    o.indent = 2;
    o.keywordCase = KeywordCase::Lower;
    EXPECT_EQ(ExpandTemplate(o), Lines({"subroutine VW_FRAME_OnFileOpen(vWnd, idCmd, nCode)",
                                        "",
                                        "  implicit none",
                                        " ",
                                        "  type(V_WINDOW)::  vWnd",
                                        "  integer, intent(in):: idCmd ",
                                        "  integer, intent(in):: nCode ",
                                        "end subroutine VW_FRAME_OnFileOpen"}));
}

TEST(Expansion, IndentZeroLeavesEveryLineInColumnOne) {
    ExpansionOptions o = Options(557);
    o.useLine = o.implicitNone = o.comments = true;
    const std::string r = ExpandTemplate(o);
    EXPECT_NE(r.find("\r\nUSE Velmora\r\nIMPLICIT NONE\r\n \r\nTYPE(V_WINDOW)::"), std::string::npos) << r;
    EXPECT_EQ(r.find("\r\n  "), std::string::npos) << r;
}

TEST(Expansion, DescriptionAndHeaderStayInColumnOneForEveryEntry) {
    for (int id = kFirstTemplateId; id <= kLastTemplateId; ++id) {
        ExpansionOptions o = Options(id);
        o.comments = true;
        o.indent = 4;
        o.idText = "IDC_X";
        const std::string r = ExpandTemplate(o);
        ASSERT_EQ(r.substr(0, 1), "!") << id;
        const std::size_t header = r.find("\r\n") + 2;
        EXPECT_NE(r[header], ' ') << id << "\n" << r;
        // The END line is never indented either.
        const std::size_t end = r.rfind("\r\n", r.size() - 3) + 2;
        EXPECT_TRUE(r.compare(end, 4, "END ") == 0) << id << "\n" << r;
    }
}

TEST(Expansion, CommentsOffStartsWithTheHeader) {
    for (int id = kFirstTemplateId; id <= kLastTemplateId; ++id) {
        const std::string r = ExpandTemplate(Options(id));
        const bool header = r.rfind("LOGICAL FUNCTION ", 0) == 0 ||
                            r.rfind("INTEGER FUNCTION ", 0) == 0 || r.rfind("SUBROUTINE ", 0) == 0;
        EXPECT_TRUE(header) << id << "\n" << r;
        EXPECT_EQ(r.find('{'), std::string::npos) << id;
        EXPECT_EQ(r.find('}'), std::string::npos) << id;
    }
}

TEST(Expansion, PrologueForms) {
    EXPECT_EQ(BuildPrologue(505, false, false, KeywordCase::Upper, 3), "\r\n");
    EXPECT_EQ(BuildPrologue(505, true, false, KeywordCase::Upper, 2), "\r\n  USE Velmora\r\n");
    // IMPLICIT NONE alone: an empty line between header and statement.
    EXPECT_EQ(BuildPrologue(505, false, true, KeywordCase::Upper, 1), "\r\n\r\n IMPLICIT NONE\r\n");
    EXPECT_EQ(BuildPrologue(504, true, true, KeywordCase::Upper, 6),
              "\r\n      USE VMLOGM\r\n      IMPLICIT NONE\r\n");
    EXPECT_EQ(BuildPrologue(504, true, false, KeywordCase::Lower, 0), "\r\nuse VMLOGM\r\n");
    // With no keyword case selected the statements come out in lower case.
    EXPECT_EQ(BuildPrologue(501, true, true, KeywordCase::None, 0), "\r\nuse Velmora\r\nimplicit none\r\n");
}

TEST(Expansion, IndentSixWithBothPrologueLines) {
    ExpansionOptions o = Options(510);
    o.useLine = o.implicitNone = true;
    o.indent = 6;
    EXPECT_EQ(ExpandTemplate(o),
              Lines({"LOGICAL FUNCTION VW_FRAME_OnClose(vWnd)", "      USE Velmora", "      IMPLICIT NONE",
                     " ", "      TYPE(V_WINDOW)::              vWnd", "      ",
                     "      VW_FRAME_OnClose = .FALSE.       ",
                     "      ", "END FUNCTION VW_FRAME_OnClose"}));
}

TEST(Expansion, KeywordCaseTwoTouchesOnlyTheTwelveKeywords) {
    ExpansionOptions o = Options(522);  // GETMINMAXINFO: INTENT(INOUT)
    o.comments = true;
    o.keywordCase = KeywordCase::Lower;
    const std::string r = ExpandTemplate(o);
    EXPECT_NE(r.find("type(V_POINT), intent(inout)::"), std::string::npos) << r;
    EXPECT_NE(r.find(".FALSE."), std::string::npos);
    EXPECT_NE(r.find("!Size of maximized window"), std::string::npos);
    EXPECT_NE(r.find("end function VW_FRAME_OnGetMinMaxInfo\r\n"), std::string::npos);

    o.templateId = 537;  // MOUSEACTIVATE keeps MA_ACTIVATE
    EXPECT_NE(ExpandTemplate(o).find("VW_FRAME_OnMouseActivate = MA_ACTIVATE"), std::string::npos);
    o.templateId = 504;  // <VMLOGM> keeps DIALOG
    EXPECT_NE(ExpandTemplate(o).find("type(DIALOG)::  Dlg"), std::string::npos);
    o.templateId = 508;  // CHAR: "@@" is not a marker
    EXPECT_NE(ExpandTemplate(o).find("typed into window @@\r\n"), std::string::npos);
    o.templateId = 507;
    EXPECT_NE(ExpandTemplate(o).find("mouse capture@\r\n"), std::string::npos);
}

TEST(Expansion, KeywordCaseNoneKeepsTemplateCapitals) {
    ExpansionOptions o = Options(505);
    o.useLine = true;
    o.keywordCase = KeywordCase::None;
    const std::string r = ExpandTemplate(o);
    EXPECT_EQ(r.rfind("LOGICAL FUNCTION", 0), 0u);
    EXPECT_NE(r.find("\r\nuse Velmora\r\n"), std::string::npos);
}

TEST(Expansion, EmptyWindowName) {
    ExpansionOptions o = Options(505, "");
    o.comments = true;
    const std::string r = ExpandTemplate(o);
    EXPECT_EQ(r.rfind("!_OnActivate is called when  is being", 0), 0u) << r;
    EXPECT_NE(r.find("\r\nLOGICAL FUNCTION _OnActivate("), std::string::npos);
    // Trailing blanks of the field are not part of the name.
    EXPECT_EQ(ExpandTemplate(Options(557, "VW_MAIN   ")), ExpandTemplate(Options(557, "VW_MAIN")));
}

TEST(Expansion, IdSuffixes) {
    EXPECT_EQ(MakeIdSuffix("IDM_FILE_OPEN"), "FileOpen");
    EXPECT_EQ(MakeIdSuffix("IDC_MY_BUTTON"), "MyButton");
    EXPECT_EQ(MakeIdSuffix("WM_USER"), "User");
    EXPECT_EQ(MakeIdSuffix("IDOK"), "Idok");
    EXPECT_EQ(MakeIdSuffix("my_cmd"), "My_cmd");
    EXPECT_EQ(MakeIdSuffix("1001"), "1001");
    EXPECT_EQ(MakeIdSuffix("_"), "_");
    EXPECT_EQ(MakeIdSuffix("ID_"), "");
    EXPECT_EQ(MakeIdSuffix("ID__X"), "X");
    EXPECT_EQ(MakeIdSuffix("wm_a_b_c"), "ABC");
    // Latin-1 letters follow the same case rules as ASCII ones.
    EXPECT_EQ(MakeIdSuffix("IDC_\xC9T\xC9"), "\xC9t\xE9");
    EXPECT_EQ(MakeIdSuffix("\xE9t\xE9"), "\xC9t\xE9");
}

TEST(Expansion, IdMarkersInPseudoEntries) {
    ExpansionOptions o = Options(502);
    o.idText = "ID_";
    EXPECT_EQ(ExpandTemplate(o).rfind("SUBROUTINE VW_FRAME_On(vWnd, idCmd, nCode)", 0), 0u);

    o = Options(501);
    o.idText = "WM_USER";
    o.comments = true;
    const std::string r = ExpandTemplate(o);
    EXPECT_EQ(r.rfind("!VW_FRAME_OnUser is called when WM_USER message arrives for VW_FRAME\r\n"
                      "LOGICAL FUNCTION VW_FRAME_OnUser(",
                      0),
              0u)
        << r;

    // A blank ID becomes "_".
    o = Options(503);
    o.idText = "   ";
    o.comments = true;
    EXPECT_EQ(ExpandTemplate(o).rfind("!VW_FRAME_On_ is called when user activates control _\r\n", 0), 0u);
}

TEST(Expansion, InputsAreCutToTheirFields) {
    const std::string longName(40, 'W');
    const std::string r = ExpandTemplate(Options(557, longName));
    EXPECT_NE(r.find("FUNCTION " + std::string(32, 'W') + "_OnSize("), std::string::npos);

    const std::string longId(70, 'q');
    ExpansionOptions o = Options(501);
    o.idText = longId;
    o.comments = true;
    EXPECT_NE(ExpandTemplate(o).find("when " + std::string(60, 'q') + " message"), std::string::npos);
}

TEST(Expansion, UnknownTemplateGivesNothing) {
    EXPECT_EQ(ExpandTemplate(Options(500)), "");
    EXPECT_EQ(ExpandTemplate(Options(565)), "");
}

}  // namespace
}  // namespace genhand
