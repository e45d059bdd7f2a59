// Speed of the model's own arithmetic: the binomial sampler as a run of finite populations uses it: one
// draw per population per generation, each with its own p, so no setup is
// ever shared between two draws. scripts/bench sets it beside NumPy's
// Generator.binomial on the same draws (numpy_binomial.py).
#include "binomial.h"
#include "random.h"
#include "theory.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

namespace {

// 10^6 draws of 2,000,000 gene copies, p running over 0.001 to 0.999; one
// iteration is all of them, so its time is the time per 10^6 draws.
void BM_Binomial1e6Draws(benchmark::State &state) {
    std::vector<double> p(1'000'000);
    for (std::size_t i = 0; i < p.size(); ++i)
        p[i] = static_cast<double>(i % 999 + 1) / 1000.0;
    quorvel::Generator generator(1);
    for (auto _ : state) {
        std::uint64_t sum = 0;
        for (const double pi : p)
            sum += quorvel::Binomial(generator, 2'000'000, pi);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_Binomial1e6Draws)->Unit(benchmark::kMillisecond);

// The share of populations of N = 1,000,000 expected to fix A, as a run
// shows it: its target is 1 ms. Additive selection, the sharpest psi, and
// underdominance, whose psi peaks inside (0, 1).
void BM_FixationChanceMillion(benchmark::State &state) {
    const quorvel::Fitnesses w = state.range(0) == 0 ? quorvel::Fitnesses{1, 0.95, 0.9}
                                                     : quorvel::Fitnesses{1, 0.7, 1};
    for (auto _ : state)
        benchmark::DoNotOptimize(quorvel::FixationChance(w, 1'000'000, 0.5));
}
BENCHMARK(BM_FixationChanceMillion)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
