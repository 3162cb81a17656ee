// Splitting one long time-card line: the cost must grow with the line's length alone. The
// reported complexity is the check: a split that searched each field from the line's start
// again grew with the square of the length (a 200 KB line of TABs took 15 s).
#include <benchmark/benchmark.h>

#include <string>

#include "timecard/field_text.h"

namespace {

void SplitLongLine(benchmark::State& state)
{
    const std::string line(static_cast<size_t>(state.range(0)), '\t');
    for (auto _ : state)
        benchmark::DoNotOptimize(SplitString(line, "\t"));
    state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(SplitLongLine)->RangeMultiplier(4)->Range(1 << 10, 1 << 18)->Complexity();
