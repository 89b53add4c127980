#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "generator/expansion.h"
#include "generator/separator.h"

namespace genhand::cli {
namespace {

struct Result {
    int status;
    std::string out, err;
};

Result Genhand(std::vector<std::string> args) {
    Result r{};
    r.status = Run(args, r.out, r.err);
    return r;
}

const std::string kEquals = "!" + std::string(71, '=') + "\r\n";

TEST(Cli, DefaultOutputIsRoutineBoxThenStatement) {
    const Result r = Genhand({"SIZE"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    ExpansionOptions o;
    o.templateId = 557;
    o.windowName = "VW_FRAME";
    EXPECT_EQ(r.out, kEquals + ExpandTemplate(o) + "bSt = VSetHandler(VW_FRAME, WM_SIZE, VW_FRAME_OnSize)\r\n");
    EXPECT_EQ(r.err, "");
}

TEST(Cli, OptionsReachTheGenerator) {
    const Result r = Genhand({"--window", "VW_MAIN", "--id=IDM_FILE_OPEN", "--comments", "--use",
                              "--implicit-none", "--indent", "2", "--keywords", "lower",
                              "--separator", "none", "--routine", "<command>"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.out,
              " !VW_MAIN_OnFileOpen is called when user activates command IDM_FILE_OPEN\r\n"
              "subroutine VW_MAIN_OnFileOpen(vWnd, idCmd, nCode)\r\n"
              "  use Velmora\r\n"
              "  implicit none\r\n"
              " \r\n"
              "  type(V_WINDOW)::  vWnd\r\n"
              "  integer, intent(in):: idCmd !command ID\r\n"
              "  integer, intent(in):: nCode !event description\r\n"
              "end subroutine VW_MAIN_OnFileOpen\r\n");
    EXPECT_EQ(Genhand({"--statement", "--entry", "4", "--window", "Dlg", "--id", "IDOK"}).out,
              "bSt = DlgSetSub(Dlg, IDOK, Dlg_OnIdok)\r\n");
    EXPECT_EQ(Genhand({"--statement", "wm_activate"}).out,
              "bSt = VSetHandler(VW_FRAME, WM_ACTIVATE, VW_FRAME_OnActivate)\r\n");
    EXPECT_EQ(Genhand({"--routine", "--separator", "*", "--keywords", "none", "--use", "CLOSE"}).out.substr(0, 82),
              "!" + std::string(71, '*') + "\r\nLOGICAL ");
    EXPECT_NE(Genhand({"--routine", "--keywords", "none", "--use", "CLOSE"}).out.find("\r\nuse Velmora\r\n"),
              std::string::npos);
}

TEST(Cli, SeveralMessagesGiveStatementsThenRoutines) {
    const Result r = Genhand({"--separator", "-", "SIZE", "PAINT"});
    ASSERT_EQ(r.status, kExitOk);
    const std::string size = Genhand({"--separator", "-", "--routine", "SIZE"}).out;
    const std::string paint = Genhand({"--separator", "-", "--routine", "PAINT"}).out;
    EXPECT_EQ(r.out,
              "bSt = VSetHandler(VW_FRAME, WM_SIZE, VW_FRAME_OnSize)\r\n"
              "bSt = VSetHandler(VW_FRAME, WM_PAINT, VW_FRAME_OnPaint)\r\n"
              "\r\n" + size + paint);
    EXPECT_EQ(Genhand({"--statement", "SIZE", "PAINT"}).out,
              "bSt = VSetHandler(VW_FRAME, WM_SIZE, VW_FRAME_OnSize)\r\n"
              "bSt = VSetHandler(VW_FRAME, WM_PAINT, VW_FRAME_OnPaint)\r\n");
    EXPECT_EQ(Genhand({"--routine", "SIZE", "PAINT"}).out,
              Genhand({"--routine", "SIZE"}).out + Genhand({"--routine", "PAINT"}).out);
}

TEST(Cli, LfReplacesEveryCrLf) {
    const Result crlf = Genhand({"--comments", "SIZE", "PAINT"});
    const Result lf = Genhand({"--comments", "--lf", "SIZE", "PAINT"});
    std::string expected = crlf.out;
    for (std::size_t at; (at = expected.find("\r\n")) != std::string::npos;) expected.erase(at, 1);
    EXPECT_EQ(lf.out, expected);
    EXPECT_EQ(lf.out.find('\r'), std::string::npos);
}

TEST(Cli, ListHelpVersion) {
    const Result list = Genhand({"--list"});
    EXPECT_EQ(list.status, kExitOk);
    EXPECT_EQ(list.out.substr(0, 24), "1\t<Other>\n2\t<Command>\n3\t");
    EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 64);
    EXPECT_NE(Genhand({"--help"}).out.find("Usage: genhand"), std::string::npos);
    EXPECT_EQ(Genhand({"--version"}).out.rfind("genhand ", 0), 0u);
}

TEST(Cli, UsageErrorsNameTheBadValue) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "no message"},
        {{"NOSUCH"}, "'NOSUCH'"},
        {{"--bogus", "SIZE"}, "'--bogus'"},
        {{"--entry", "65"}, "'65'"},
        {{"--entry", "0"}, "'0'"},
        {{"--entry", "x"}, "'x'"},
        {{"--entry"}, "--entry"},
        {{"--indent", "7", "SIZE"}, "'7'"},
        {{"--indent", "-1", "SIZE"}, "'-1'"},
        {{"--keywords", "mixed", "SIZE"}, "'mixed'"},
        {{"--separator", "#", "SIZE"}, "'#'"},
        {{"--window", std::string(33, 'w'), "SIZE"}, std::string(33, 'w')},
        {{"--id", std::string(61, 'i'), "<Other>"}, std::string(61, 'i')},
        {{"--comments=yes", "SIZE"}, "--comments"},
        {{"SIZE", "--window"}, "--window"},
    };
    for (const auto& [args, named] : cases) {
        const Result r = Genhand(args);
        EXPECT_EQ(r.status, kExitUsage) << named;
        EXPECT_EQ(r.out, "") << named;
        EXPECT_NE(r.err.find(named), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    // The limits themselves are accepted.
    EXPECT_EQ(Genhand({"--window", std::string(32, 'w'), "--id", std::string(60, 'i'), "<Other>"}).status, kExitOk);
}

TEST(Cli, SeparatorFile) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "genhand-cli-sep.txt";
    std::ofstream(path, std::ios::binary) << "!--sep--\r\n";
    const Result r = Genhand({"--separator-file", path.string(), "--routine", "SIZE"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.out.rfind("!--sep--\r\nLOGICAL FUNCTION VW_FRAME_OnSize", 0), 0u);
    EXPECT_EQ(r.err, "");
    std::filesystem::remove(path);

    const Result missing = Genhand({"--separator-file", path.string(), "--routine", "SIZE"});
    EXPECT_EQ(missing.status, kExitOk);
    EXPECT_EQ(missing.out.rfind("LOGICAL FUNCTION VW_FRAME_OnSize", 0), 0u);
    EXPECT_NE(missing.err.find("warning"), std::string::npos);
    EXPECT_NE(missing.err.find(path.string()), std::string::npos);
    EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 1);
}

}  // namespace
}  // namespace genhand::cli
