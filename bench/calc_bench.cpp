// The window-free calculations, each with all of its texts.
#include <benchmark/benchmark.h>

#include <cmath>

#include "numeric/number_text.h"
#include "puresine/pure_sine_calc.h"
#include "sweep/sine_sweep_calc.h"

namespace {

const double kPi = std::atan2(0.0, -1.0);

void BM_PureSineTranslation(benchmark::State& state) {
    const puresine::PureSineInputs inputs{0, 0, 2, 0, 10.0, 1.0};
    puresine::PureSineOutcome outcome;
    for (auto _ : state) {
        puresine::CalculatePureSine(inputs, 2.0 * kPi, kPi, outcome);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_PureSineTranslation);

void BM_PureSineRotation(benchmark::State& state) {
    const puresine::PureSineInputs inputs{1, 0, 1, 0, 5.0, 2.0};
    puresine::PureSineOutcome outcome;
    for (auto _ : state) {
        puresine::CalculatePureSine(inputs, 2.0 * kPi, kPi, outcome);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_PureSineRotation);

// The twenty translation texts alone: the floor a whole Calculate is measured against.
void BM_FormatTwentyTranslationTexts(benchmark::State& state) {
    const puresine::Motion motion = puresine::TranslationMotion(0, 2, 1.0, 2.0 * kPi * 10.0);
    puresine::OutputTexts texts;
    for (auto _ : state) {
        puresine::TranslationTexts(motion, texts);
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(BM_FormatTwentyTranslationTexts);

void BM_ParseNumber(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(halvex::ParseNumber("  2.5e-3"));
}
BENCHMARK(BM_ParseNumber);

void BM_SweepAmplitude(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(sweep::CalculateAmplitude(100.0, 10.0, 3));
}
BENCHMARK(BM_SweepAmplitude);

void BM_SweepCrossoverFrequency(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(sweep::CalculateCrossoverFrequency(10.0, 5.0, 4));
}
BENCHMARK(BM_SweepCrossoverFrequency);

void BM_SweepNumberOfOctaves(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(sweep::CalculateNumberOfOctaves(20.0, 2000.0));
}
BENCHMARK(BM_SweepNumberOfOctaves);

void BM_SweepRate(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(sweep::CalculateSweepRate(20.0, 2000.0, 10.0, 1));
}
BENCHMARK(BM_SweepRate);

void BM_SweepTotalSineCycles(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(sweep::CalculateTotalSineCycles(20.0, 2000.0, 10.0, 1));
}
BENCHMARK(BM_SweepTotalSineCycles);

}  // namespace
