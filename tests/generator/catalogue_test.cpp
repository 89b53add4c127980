#include <gtest/gtest.h>

#include <string>

#include "generator/catalogue.h"

namespace genhand {
namespace {

TEST(Catalogue, EveryTemplateHasTheCommonShape) {
    for (int id = 1; id <= kEntryCount; ++id) {
        const CatalogueEntry* e = EntryById(id);
        ASSERT_NE(e, nullptr);
        const std::string t(e->templateText);
        SCOPED_TRACE(std::string(e->name));
        EXPECT_EQ(e->templateId, 500 + id);
        EXPECT_LE(e->name.size(), 39u);
        EXPECT_LE(t.size(), 1023u);
        EXPECT_EQ(t.find('$'), t.rfind('$'));
        EXPECT_NE(t.find(")$ \r\n"), std::string::npos);
        EXPECT_EQ(t.rfind("{!", 0), 0u);
        // Ends with its END line and CR LF.
        const std::size_t lastLine = t.rfind("\r\n", t.size() - 3) + 2;
        EXPECT_TRUE(t.compare(lastLine, 4, "END ") == 0);
        EXPECT_EQ(t.substr(t.size() - 2), "\r\n");
        // No line ends in blanks after a closing brace; every "{" is "{!".
        EXPECT_EQ(t.find("} "), std::string::npos);
        for (std::size_t b = t.find('{'); b != std::string::npos; b = t.find('{', b + 1)) {
            EXPECT_EQ(t[b + 1], '!');
        }
        // Only the pseudo-entries use the ID markers.
        EXPECT_EQ(t.find('#') != std::string::npos, TakesId(e->templateId));
        EXPECT_EQ(t.find('|') != std::string::npos, TakesId(e->templateId));
    }
    EXPECT_EQ(EntryById(0), nullptr);
    EXPECT_EQ(EntryById(65), nullptr);
}

TEST(Catalogue, TheTwoTemplatesGivenInFull) {
    EXPECT_EQ(EntryById(5)->templateText,
              "{!@_OnActivate is called when @ is being activated or deactivated.\r\n}LOGICAL FUNCTION "
              "@_OnActivate(vWnd, nActivate, bMinimized, vWndPrevious)$ \r\nTYPE(V_WINDOW)::         "
              "     vWnd\r\nINTEGER, INTENT(IN)::         nActivate    {!Activation type}\r\nLOGICAL, "
              "INTENT(IN)::         bMinimized   {!Minimized state}\r\nTYPE(V_WINDOW)::              "
              "vWndPrevious {!Previously active window}\r\n\r\n@_OnActivate = .FALSE. {!Return .TRUE. "
              "to prevent default processing }\r\n\r\nEND FUNCTION @_OnActivate\r\n");
    const std::string command =
        "{!@_On_# is called when user activates command |\r\n}SUBROUTINE @_On_#(vWnd, idCmd, "
        "nCode)$ \r\nTYPE(V_WINDOW)::  vWnd\r\nINTEGER, INTENT(IN):: idCmd {!command "
        "ID}\r\nINTEGER, INTENT(IN):: nCode {!event description}\r\nEND SUBROUTINE @_On_#\r\n";
    EXPECT_EQ(EntryById(2)->templateText, command);
    std::string control = command;
    control.replace(control.find("command |"), 7, "control");
    EXPECT_EQ(EntryById(3)->templateText, control);
    std::string dialog = control;
    dialog.replace(dialog.find("(vWnd"), 5, "(Dlg");
    dialog.replace(dialog.find("TYPE(V_WINDOW)::  vWnd"), 22, "TYPE(DIALOG)::  Dlg");
    EXPECT_EQ(EntryById(4)->templateText, dialog);
}

TEST(Catalogue, TemplateQuirksAreKept) {
    const std::string childActivate(EntryById(9)->templateText);
    EXPECT_NE(childActivate.find("FUNCTION @_OnChildActivate(vWnd)"), std::string::npos);
    EXPECT_NE(childActivate.find("END FUNCTION @_OnChildactivate\r\n"), std::string::npos);
    EXPECT_NE(std::string(EntryById(11)->templateText).find("\r\n@_OnContextmenu = .FALSE."),
              std::string::npos);
    EXPECT_NE(std::string(EntryById(13)->templateText).find("END FUNCTION @_OnDeadchar\r\n"),
              std::string::npos);
    EXPECT_NE(std::string(EntryById(16)->templateText).find("@_OnDropFiles= .FALSE."),
              std::string::npos);
    EXPECT_NE(std::string(EntryById(26)->templateText).find("ID, iEvent\r\n"), std::string::npos);
    EXPECT_NE(std::string(EntryById(1)->templateText)
                  .find("INTEGER, INTENT(IN)::         Msg,wParam,lParam   {!Message parameters}"),
              std::string::npos);
}

TEST(Catalogue, NamesAsUsersTypeThem) {
    EXPECT_EQ(EntryByUserName("ACTIVATE")->entryId, 5);
    EXPECT_EQ(EntryByUserName("activate")->entryId, 5);
    EXPECT_EQ(EntryByUserName("WM_SIZE")->entryId, 57);
    EXPECT_EQ(EntryByUserName("wm_size")->entryId, 57);
    EXPECT_EQ(EntryByUserName("<command>")->entryId, 2);
    EXPECT_EQ(EntryByUserName("<VMLOGM>")->entryId, 4);
    EXPECT_EQ(EntryByUserName("WM_<Other>"), nullptr);
    EXPECT_EQ(EntryByUserName("WM_"), nullptr);
    EXPECT_EQ(EntryByUserName("SIZEX"), nullptr);
    EXPECT_EQ(EntryByUserName(""), nullptr);
}

}  // namespace
}  // namespace genhand
