#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "codegen/source_generator.h"
#include "codegen/tab_replacement.h"
#include "large_application.h"
#include "model/document.h"

namespace {

// Built once per program run and shared by the benchmarks below.
struct LargeDocument {
    LargeDocument() { lumora::bench::BuildLargeApplication(doc); }
    lumora::CLumoraDoc doc;
};

const lumora::CLumoraDoc& Large() {
    static const LargeDocument large;
    return large.doc;
}

std::size_t OutputBytes(const std::u16string& text) {
    return text.size() * sizeof(char16_t);
}

void BM_GenerateLargeApplication(benchmark::State& state) {
    const lumora::CLumoraDoc& doc = Large();
    std::size_t bytes = 0;
    for (auto _ : state) {
        auto source = lumora::GenerateApplicationSource(doc);
        bytes = source ? OutputBytes(*source) : 0;
        benchmark::DoNotOptimize(source);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["output_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_GenerateLargeApplication)->Unit(benchmark::kMillisecond);

// The floor: copying as many bytes as the generated text holds.
void BM_CopyOutputBytes(benchmark::State& state) {
    const auto source = lumora::GenerateApplicationSource(Large());
    const std::u16string& text = *source;
    for (auto _ : state) {
        std::u16string copy(text.size(), u'\0');
        std::memcpy(copy.data(), text.data(), OutputBytes(text));
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * OutputBytes(text)));
}
BENCHMARK(BM_CopyOutputBytes)->Unit(benchmark::kMillisecond);

// A text that is mostly tabs: the cost must grow with the length, not with tabs x length.
void BM_ReplaceTabs(benchmark::State& state) {
    std::u16string text;
    while (text.size() < static_cast<std::size_t>(state.range(0))) {
        text += u"\t\tx\tyz\t\t\t\r\n";
    }
    for (auto _ : state) {
        state.PauseTiming();
        std::u16string work = text;
        state.ResumeTiming();
        lumora::ReplaceTabs(work, nullptr);
        benchmark::DoNotOptimize(work.data());
    }
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * text.size() * sizeof(char16_t)));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReplaceTabs)
    ->RangeMultiplier(4)
    ->Range(64 * 1024, 4 * 1024 * 1024)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
