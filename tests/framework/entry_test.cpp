// The application entry: runs the entry program (a separate executable with
// the framework's WinMain) in each scenario and checks its exit code.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/framework/test_support.h"

namespace {

constexpr DWORD kTimeoutMs = 30000;
constexpr DWORD kTimedOut = 0xFFFFFFFF;

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text(path);
    text.erase(text.find_last_of("\\/") + 1);
    return text + "framework_entry_program.exe";
}

// Runs the entry program with `arguments`; its exit code, or kTimedOut.
DWORD RunProgram(const std::string& arguments) {
    std::string commandLine = "\"" + ProgramPath() + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        ADD_FAILURE() << "cannot start " << commandLine << ": " << GetLastError();
        return kTimedOut;
    }
    DWORD code = kTimedOut;
    if (WaitForSingleObject(process.hProcess, kTimeoutMs) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &code);
    } else {
        TerminateProcess(process.hProcess, kTimedOut);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

TEST(EntryTest, MainRoutineReturningFalseEndsWithZeroWithoutALoop) {
    EXPECT_EQ(RunProgram("false"), 0u);
}

TEST(EntryTest, LoopRunsUntilQuitAndReturnsItsCode) {
    EXPECT_EQ(RunProgram("quit"), 7u);
    EXPECT_EQ(RunProgram("closeframe"), 0u);
}

TEST(EntryTest, CommandLineArrivesBlankPaddedTo256Characters) {
    EXPECT_EQ(RunProgram("padding abc"), 11u);
}

TEST(EntryTest, FrameCannotBeCreatedOnceTheLoopRuns) {
    EXPECT_EQ(RunProgram("lateframe"), 30u);
}

TEST(EntryTest, TabMovesTheFocusOnlyInAControlParent) {
    EXPECT_EQ(RunProgram("tab"), 41u);
    EXPECT_EQ(RunProgram("notab"), 40u);
}

}  // namespace
