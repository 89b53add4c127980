#include <gtest/gtest.h>

#include <string>

#include "generator/catalogue.h"
#include "generator/expansion.h"
#include "generator/generation.h"
#include "generator/statement.h"

namespace genhand {
namespace {

std::string Statement(int templateId, std::string_view window, std::string_view id = "",
                      KeywordCase keywordCase = KeywordCase::Upper) {
    ExpansionOptions o;
    o.templateId = templateId;
    o.windowName = window;
    o.idText = id;
    o.keywordCase = keywordCase;
    const std::string routine = ExpandTemplate(o);
    return BuildSetHandlerStatement(templateId, window, id, EntryByTemplateId(templateId)->name,
                                    routine);
}

TEST(Statement, OneForEachRegistrationRoutine) {
    EXPECT_EQ(Statement(505, "VW_FRAME"), "bSt = VSetHandler(VW_FRAME, WM_ACTIVATE, VW_FRAME_OnActivate)");
    EXPECT_EQ(Statement(502, "VW_FRAME", "IDM_FILE_OPEN"),
              "bSt = VSetCommand(VW_FRAME, IDM_FILE_OPEN, VW_FRAME_OnFileOpen)");
    EXPECT_EQ(Statement(503, "VW_FRAME", "IDC_LIST"), "bSt = VCtlSetSub(VW_FRAME, IDC_LIST, VW_FRAME_OnList)");
    EXPECT_EQ(Statement(501, "VW_FRAME", "WM_USER"), "bSt = VSetHandler(VW_FRAME, WM_USER, VW_FRAME_OnUser)");
    EXPECT_EQ(Statement(504, "Dlg", "IDOK"), "bSt = DlgSetSub(Dlg, IDOK, Dlg_OnIdok)");
}

TEST(Statement, NamesWhatTheEndLineNames) {
    EXPECT_EQ(Statement(509, "VW_FRAME"),
              "bSt = VSetHandler(VW_FRAME, WM_CHILDACTIVATE, VW_FRAME_OnChildactivate)");
    EXPECT_EQ(Statement(513, "VW_FRAME"), "bSt = VSetHandler(VW_FRAME, WM_DEADCHAR, VW_FRAME_OnDeadchar)");
    // Lower-case keywords change the END line's keywords, not the name.
    EXPECT_EQ(Statement(557, "VW_FRAME", "", KeywordCase::Lower),
              "bSt = VSetHandler(VW_FRAME, WM_SIZE, VW_FRAME_OnSize)");
}

TEST(Statement, BlankIdAndWindowName) {
    EXPECT_EQ(Statement(502, "VW_FRAME", ""), "bSt = VSetCommand(VW_FRAME, _, VW_FRAME_On_)");
    EXPECT_EQ(Statement(502, "VW_FRAME", "ID_"), "bSt = VSetCommand(VW_FRAME, ID_, VW_FRAME_On)");
    EXPECT_EQ(Statement(557, ""), "bSt = VSetHandler(, WM_SIZE, _OnSize)");
    EXPECT_EQ(Statement(557, "VW_MAIN   "), "bSt = VSetHandler(VW_MAIN, WM_SIZE, VW_MAIN_OnSize)");
}

// A long window name makes a routine name of more than 31 characters; the
// statement must still name the routine that exists, in full.
TEST(Statement, LongRoutineNamesAreNotCut) {
    const std::string window(32, 'W');
    const std::string statement = Statement(564, window);
    EXPECT_EQ(statement, "bSt = VSetHandler(" + window + ", WM_WINDOWPOSCHANGING, " + window +
                             "_OnWindowPosChanging)");
    const std::string activate = Statement(505, window);
    EXPECT_EQ(activate.substr(activate.size() - 45), " " + window + "_OnActivate)");
}

TEST(Statement, NeverEndsInABlankAndHasOneBlankAfterEachComma) {
    for (int id = kFirstTemplateId; id <= kLastTemplateId; ++id) {
        const std::string s = Statement(id, "VW_FRAME", "IDC_X");
        EXPECT_NE(s.back(), ' ');
        for (std::size_t c = s.find(','); c != std::string::npos; c = s.find(',', c + 1)) {
            EXPECT_EQ(s[c + 1], ' ') << s;
            EXPECT_NE(s[c + 2], ' ') << s;
        }
    }
}

TEST(Generation, RoutineBoxIsSeparatorThenRoutine) {
    GenerationInputs in;
    in.expansion.templateId = 557;
    in.expansion.windowName = "VW_FRAME";
    in.separator = "!----\r\n";
    GenerationResult out;
    ASSERT_TRUE(GenerateTexts(in, out));
    EXPECT_EQ(out.routineBox, "!----\r\n" + ExpandTemplate(in.expansion));
    EXPECT_EQ(out.statement, "bSt = VSetHandler(VW_FRAME, WM_SIZE, VW_FRAME_OnSize)");

    // Another entry rewrites both texts though nothing else changed.
    in.expansion.templateId = 551;
    ASSERT_TRUE(GenerateTexts(in, out));
    EXPECT_EQ(out.statement, "bSt = VSetHandler(VW_FRAME, WM_PAINT, VW_FRAME_OnPaint)");
    EXPECT_NE(out.routineBox.find("_OnPaint(vWnd, vDC"), std::string::npos);

    // A NUL in a separator file ends what the box shows of it.
    const std::string withNul("!--\0hidden\r\n", 12);
    in.separator = withNul;
    ASSERT_TRUE(GenerateTexts(in, out));
    EXPECT_EQ(out.routineBox.rfind("!--LOGICAL FUNCTION VW_FRAME_OnPaint(", 0), 0u);

    in.expansion.templateId = 499;
    EXPECT_FALSE(GenerateTexts(in, out));
    EXPECT_EQ(out.statement, "bSt = VSetHandler(VW_FRAME, WM_PAINT, VW_FRAME_OnPaint)");
}

// Invariants for every entry under a spread of options.
TEST(Generation, InvariantsOverAllEntriesAndOptions) {
    const std::string longWindow(32, 'Z');
    const std::string longId = "IDC_" + std::string(56, 'A');
    for (int id = kFirstTemplateId; id <= kLastTemplateId; ++id) {
        for (int variant = 0; variant < 16; ++variant) {
            ExpansionOptions o;
            o.templateId = id;
            o.windowName = variant & 1 ? std::string_view(longWindow) : "VW_FRAME";
            o.idText = variant & 2 ? std::string_view(longId) : "";
            o.comments = variant & 4;
            o.useLine = o.implicitNone = variant & 8;
            o.indent = variant % 7;
            o.keywordCase = static_cast<KeywordCase>(variant % 3);
            const std::string r = ExpandTemplate(o);
            SCOPED_TRACE(r);
            EXPECT_LT(r.size(), 1024u);
            EXPECT_EQ(r.substr(r.size() - 2), "\r\n");
            EXPECT_EQ(r.find('$'), std::string::npos);
            EXPECT_EQ(r.find('\0'), std::string::npos);
            const std::string statement =
                BuildSetHandlerStatement(id, o.windowName, o.idText, EntryByTemplateId(id)->name, r);
            const std::string_view name = RoutineNameOf(r);
            EXPECT_EQ(statement.substr(statement.size() - name.size() - 3), ", " + std::string(name) + ")");
            // The header names the same routine (but for the two templates
            // whose END line spells it differently).
            if (id != 509 && id != 513) {
                EXPECT_NE(r.find(" " + std::string(name) + "("), std::string::npos);
            }
        }
    }
}

}  // namespace
}  // namespace genhand
