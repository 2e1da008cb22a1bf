#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "large_application.h"
#include "model/document.h"
#include "model/document_serialize.h"
#include "model/new_application.h"

namespace {

// Built once per program run and shared by the benchmarks below.
struct LargeFile {
    LargeFile() {
        lumora::bench::BuildLargeApplication(doc);
        bytes = lumora::SerializeDocument(doc);
    }
    lumora::CLumoraDoc doc;
    std::string bytes;
};

const LargeFile& Large() {
    static const LargeFile large;
    return large;
}

void BM_SaveLargeApplication(benchmark::State& state) {
    const LargeFile& large = Large();
    for (auto _ : state) {
        std::string bytes = lumora::SerializeDocument(large.doc);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * large.bytes.size()));
    state.counters["file_bytes"] = static_cast<double>(large.bytes.size());
}
BENCHMARK(BM_SaveLargeApplication)->Unit(benchmark::kMillisecond);

void BM_LoadLargeApplication(benchmark::State& state) {
    const LargeFile& large = Large();
    for (auto _ : state) {
        lumora::CLumoraDoc doc;
        const auto error = lumora::ReadDocument(large.bytes, doc);
        if (error) {
            state.SkipWithError(error->reason.c_str());
            break;
        }
        benchmark::DoNotOptimize(doc.forms.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * large.bytes.size()));
}
BENCHMARK(BM_LoadLargeApplication)->Unit(benchmark::kMillisecond);

// The floor for both: touching every byte of the file once.
void BM_CopyFileBytes(benchmark::State& state) {
    const std::string& bytes = Large().bytes;
    for (auto _ : state) {
        std::string copy(bytes.size(), '\0');
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_CopyFileBytes)->Unit(benchmark::kMillisecond);

// Loading must grow with the file, whatever makes it large: here the number of forms.
void BM_LoadByFormCount(benchmark::State& state) {
    lumora::CLumoraDoc source;
    lumora::StartNewApplication(source);
    for (int f = 1; f < state.range(0); ++f) {
        source.AddForm();
        for (int c = 0; c < 32; ++c) {
            source.AddComponent(static_cast<lumora::AddTool>(c % 7));
        }
    }
    const std::string bytes = lumora::SerializeDocument(source);
    for (auto _ : state) {
        lumora::CLumoraDoc doc;
        benchmark::DoNotOptimize(lumora::ReadDocument(bytes, doc));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    state.SetComplexityN(static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_LoadByFormCount)
    ->RangeMultiplier(4)
    ->Range(4, 1024)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

}  // namespace
