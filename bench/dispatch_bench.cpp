// The cost of dispatching one message to a handler written in Fortran
// (called by reference through the library's Fortran path) against the same
// handler written in C++ (called with its own parameter types): a message
// sent through the window procedure, and the handler call alone. Prints the
// ratios of the medians.
#include <windows.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>

#include "bench/median_reporter.h"
#include "framework/framework.h"

extern "C" {
// bench/dispatch_handlers.f90: LOGICAL FUNCTION B_OnMove(vWnd, iX, iY).
int32_t b_onmove_(velmora::V_WINDOW* vWnd, const int32_t* iX, const int32_t* iY);
}

namespace {

using velmora::V_WINDOW;

bool CppOnMove(V_WINDOW& vWnd, int32_t iX, int32_t iY) { return iX > iY && vWnd.hWnd != nullptr; }

V_WINDOW cppWindow;
V_WINDOW fortranWindow;
const LPARAM kPosition = MAKELPARAM(30, 20);

velmora::MessageHandler FortranHandler() {
    return velmora::MessageHandler{&velmora::InvokeByReference,
                                   reinterpret_cast<velmora::GenericRoutine>(&b_onmove_), nullptr};
}

void Send(benchmark::State& state, const V_WINDOW& window) {
    for (auto _ : state) benchmark::DoNotOptimize(SendMessageA(window.hWnd, WM_MOVE, 0, kPosition));
}
void BM_SendToCpp(benchmark::State& state) { Send(state, cppWindow); }
void BM_SendToFortran(benchmark::State& state) { Send(state, fortranWindow); }

void Call(benchmark::State& state, V_WINDOW& window, const velmora::MessageHandler& handler) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(velmora::CallMessageHandler(handler, window, WM_MOVE, 0, kPosition));
    }
}
void BM_CallCpp(benchmark::State& state) { Call(state, cppWindow, velmora::MakeHandler(CppOnMove)); }
void BM_CallFortran(benchmark::State& state) { Call(state, fortranWindow, FortranHandler()); }

BENCHMARK(BM_SendToCpp)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_SendToFortran)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_CallCpp)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_CallFortran)->Repetitions(10)->ReportAggregatesOnly(true);

bool MakeWindow(V_WINDOW& window) {
    velmora::WindowCreateOptions options;
    options.x = options.y = 0;
    options.width = options.height = 100;
    return velmora::WindowCreate(window, *velmora::WindowForHandle(), WS_POPUP, options);
}

}  // namespace

int main(int argc, char** argv) {
    if (!genhand::bench::InitializeInterleaved(argc, argv)) return 1;

    velmora::StartApplication(GetModuleHandleA(nullptr));
    if (!MakeWindow(cppWindow) || !MakeWindow(fortranWindow)) {
        std::fprintf(stderr, "dispatch_bench: no window could be made (no display?)\n");
        return 1;
    }
    velmora::VSetHandler(cppWindow, WM_MOVE, CppOnMove);
    velmora::VSetHandler(fortranWindow, WM_MOVE, FortranHandler());

    genhand::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto ratio = [&](const char* fortran, const char* cpp) {
        const double f = reporter.Median(fortran), c = reporter.Median(cpp);
        return f > 0 && c > 0 ? f / c : 0.0;
    };
    std::printf("Fortran / C++ handler (medians): sent %.3f, called %.3f\n",
                ratio("BM_SendToFortran", "BM_SendToCpp"), ratio("BM_CallFortran", "BM_CallCpp"));
    DestroyWindow(cppWindow.hWnd);
    DestroyWindow(fortranWindow.hWnd);
    benchmark::Shutdown();
    return 0;
}
