// One generation run in the wizard's own panel against the bare writes of
// the texts it produces into the same two boxes (WM_SETTEXT), each followed
// by the repaint that the user waits for. Writing the boxes is most of a
// run's cost; the rest (reading the panel, expanding the template, placing
// the caret and the scroll position) should add little to it. Prints the
// ratio of the two medians at the end.
#include <windows.h>
#include <shlwapi.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench/median_reporter.h"
#include "dialogs/dialogs.h"
#include "framework/framework.h"
#include "wizard/panel.h"

namespace {

using namespace genhand::wizard;

std::string TextOf(int id) {
    HWND box = GetDlgItem(Panel().hWnd, id);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(box)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(box, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Draws now whatever the last action left to be drawn.
void Repaint() { RedrawWindow(velmora::VW_FRAME.hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

void BM_GenerationRun(benchmark::State& state) {
    for (auto _ : state) {
        Generate(Panel(), IDC_MESSAGE_LIST, velmora::EVT_DEFAULT);
        Repaint();
    }
    state.SetLabel(std::to_string(TextOf(IDC_ROUTINE).size()) + "-byte routine box");
}
BENCHMARK(BM_GenerationRun)->UseRealTime()->Repetitions(10)->ReportAggregatesOnly(true);

void BM_BareWrites(benchmark::State& state) {
    const std::string routine = TextOf(IDC_ROUTINE);
    const std::string statement = TextOf(IDC_STATEMENT);
    HWND routineBox = GetDlgItem(Panel().hWnd, IDC_ROUTINE);
    HWND statementBox = GetDlgItem(Panel().hWnd, IDC_STATEMENT);
    for (auto _ : state) {
        SendMessageA(routineBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(routine.c_str()));
        SendMessageA(statementBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(statement.c_str()));
        Repaint();
    }
}
BENCHMARK(BM_BareWrites)->UseRealTime()->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    if (!genhand::bench::InitializeInterleaved(argc, argv)) return 1;

    // The wizard as a first run shows it, then the entry with the longest
    // routine, every option on.
    SHDeleteKeyA(HKEY_CURRENT_USER, genhand::kSettingsSubKey);
    static ButtonIcons* icons = nullptr;
    velmora::RunApplication(GetModuleHandleA(nullptr), "", SW_SHOW, [](const std::string&, int) {
        icons = new ButtonIcons;
        BuildWizard(*icons);
        return false;
    });
    if (Panel().hWnd == nullptr) {
        std::fprintf(stderr, "wizard_bench: the wizard's window could not be made (no display?)\n");
        return 1;
    }
    ShowWindow(velmora::VW_FRAME.hWnd, SW_SHOW);
    for (int id : {IDC_COMMENTS, IDC_USE_VELMORA, IDC_IMPLICIT_NONE})
        velmora::DlgSetLogical(Panel(), id, true, velmora::ATTR_VALUE);
    velmora::DlgSetInteger(Panel(), IDC_INDENT_SPIN, 3, velmora::ATTR_VALUE);
    HWND list = GetDlgItem(Panel().hWnd, IDC_MESSAGE_LIST);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(SendMessageA(list, LB_FINDSTRINGEXACT, 0,
                                                                      reinterpret_cast<LPARAM>("GETMINMAXINFO"))),
                 0);
    Generate(Panel(), IDC_MESSAGE_LIST, velmora::EVT_DEFAULT);

    genhand::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double run = reporter.Median("BM_GenerationRun");
    const double bare = reporter.Median("BM_BareWrites");
    if (run > 0 && bare > 0) std::printf("generation run / bare writes (medians): %.3f\n", run / bare);

    velmora::DlgDestroy(velmora::VW_FRAME);
    delete icons;
    SHDeleteKeyA(HKEY_CURRENT_USER, genhand::kSettingsSubKey);
    benchmark::Shutdown();
    return 0;
}
