// One full generation (separator + expansion + statement) per catalogue
// entry with every option on: the work done on each keystroke in the wizard.
#include <benchmark/benchmark.h>

#include "generator/catalogue.h"
#include "generator/generation.h"
#include "generator/separator.h"

namespace {

void BM_GenerateAllOptions(benchmark::State& state) {
    const int templateId = static_cast<int>(state.range(0));
    genhand::GenerationInputs inputs;
    inputs.expansion.templateId = templateId;
    inputs.expansion.windowName = "VW_FRAME";
    inputs.expansion.idText = "IDM_FILE_OPEN";
    inputs.expansion.keywordCase = genhand::KeywordCase::Lower;
    inputs.expansion.indent = 6;
    inputs.expansion.useLine = true;
    inputs.expansion.implicitNone = true;
    inputs.expansion.comments = true;
    genhand::GenerationResult result;
    for (auto _ : state) {
        const std::string separator = genhand::BuildSeparator(1, "", "");
        inputs.separator = separator;
        genhand::GenerateTexts(inputs, result);
        benchmark::DoNotOptimize(result.routineBox.data());
        benchmark::DoNotOptimize(result.statement.data());
    }
    state.SetLabel(std::string(genhand::EntryByTemplateId(templateId)->name));
}
BENCHMARK(BM_GenerateAllOptions)->DenseRange(genhand::kFirstTemplateId, genhand::kLastTemplateId);

// All 64 entries in one iteration, for a single per-routine figure.
void BM_GenerateCatalogue(benchmark::State& state) {
    genhand::GenerationInputs inputs;
    inputs.expansion.windowName = "VW_FRAME";
    inputs.expansion.idText = "IDM_FILE_OPEN";
    inputs.expansion.keywordCase = genhand::KeywordCase::Lower;
    inputs.expansion.indent = 6;
    inputs.expansion.useLine = inputs.expansion.implicitNone = inputs.expansion.comments = true;
    genhand::GenerationResult result;
    for (auto _ : state) {
        for (int id = genhand::kFirstTemplateId; id <= genhand::kLastTemplateId; ++id) {
            const std::string separator = genhand::BuildSeparator(1, "", "");
            inputs.separator = separator;
            inputs.expansion.templateId = id;
            genhand::GenerateTexts(inputs, result);
            benchmark::DoNotOptimize(result.routineBox.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * genhand::kEntryCount);
}
BENCHMARK(BM_GenerateCatalogue);

}  // namespace
