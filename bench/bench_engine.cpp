// Cost of one reading: ComputeReading followed by ComposeReport.
#include "Report.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::u16string nameOfLength(std::size_t length)
{
    static constexpr std::u16string_view alphabet = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ abc-'";
    std::u16string name;
    name.reserve(length);
    for (std::size_t i = 0; i < length; ++i)
        name += alphabet[i % alphabet.size()];
    return name;
}

void readingAndReport(benchmark::State& state)
{
    const auto length = static_cast<std::size_t>(state.range(0));
    const std::u16string first = nameOfLength(length / 2);
    const std::u16string last = nameOfLength(length - length / 2);
    for (auto _ : state) {
        const Tessivane::Reading reading = Tessivane::ComputeReading(first, u"", last);
        auto pieces = Tessivane::ComposeReport(reading);
        benchmark::DoNotOptimize(pieces);
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(readingAndReport)->Arg(20)->Arg(1000)->Arg(100000)->Arg(1000000)->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
