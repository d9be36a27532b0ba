// halvex-calc --batch throughput: pure sine requests in, JSON answers out,
// from the bytes of standard input to the bytes of standard output (the
// program's own reads and writes aside).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "cli/calc_batch.h"

namespace {

// A planning sheet's worth of requests: every dimension, both types, both
// frequency units, a spread of amplitudes and frequencies.
std::string PureSineRequests(int count) {
    static const char* const kRequests[] = {
        "sine --dimension pp --amplitude %d --unit in --frequency %d --format json",
        "sine --dimension zp --amplitude 0.%d --unit mm --frequency %d.5",
        "sine --dimension velocity --amplitude %d --unit m --frequency %d --frequency-unit rad/s",
        "sine --dimension acceleration --amplitude %d --unit g --frequency %d",
        "sine --dimension pp --amplitude %d --unit deg --frequency %d --rotation",
    };
    std::string input;
    char line[160];
    for (int i = 0; i < count; ++i) {
        std::snprintf(line, sizeof line, kRequests[i % 5], 1 + i % 97, 5 + i % 1995);
        input += line;
        input += '\n';
    }
    return input;
}

void BM_BatchPureSineJson(benchmark::State& state) {
    const int lines = 1000;
    const std::string input = PureSineRequests(lines);
    halvex::cli::BatchRun batch;
    std::size_t bytes = 0;
    for (auto _ : state) {
        batch.Feed(input);
        bytes += batch.Output().size();
        batch.Output().clear();
    }
    if (batch.ExitStatus() != 0) state.SkipWithError("a request was refused");
    state.SetItemsProcessed(state.iterations() * lines);
    state.counters["answer_bytes"] =
        benchmark::Counter(static_cast<double>(bytes) / static_cast<double>(state.iterations()) / lines);
}
BENCHMARK(BM_BatchPureSineJson)->Unit(benchmark::kMillisecond);

}  // namespace
