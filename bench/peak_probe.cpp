// This machine's peak single-precision rate for separate multiplies and adds, on all cores: the yardstick
// the stage figures are given against. The chains are independent, so no operation waits for another, and
// a multiply is never fused with an add, as in the library's own build.
#include <benchmark/benchmark.h>
#include <omp.h>

#include <chrono>

namespace {

typedef float Floats16 __attribute__((vector_size(64)));
constexpr int kChains = 6;
constexpr double kFlopsPerRound = 2.0 * kChains * 16;

__attribute__((target_clones("avx512f", "avx2", "default"))) float multiply_add_chains(long rounds) {
  Floats16 products[kChains];
  Floats16 sums[kChains];
  // Distinct starting values below 1, so that the compiler can neither merge chains nor prove that an add
  // leaves its sum unchanged.
  for (int k = 0; k < kChains; ++k) {
    products[k] = Floats16{} + (1.0f + 0.001f * k);
    sums[k] = Floats16{} + 0.1f * k / kChains;
  }
  const Floats16 factor = Floats16{} + 0.99999994f;
  const Floats16 step = Floats16{} + 1e-7f;
  for (long n = 0; n < rounds; ++n) {
    for (int k = 0; k < kChains; ++k) {
      products[k] = products[k] * factor;
      sums[k] = sums[k] + step;
    }
  }
  float total = 0.0f;
  for (int k = 0; k < kChains; ++k) {
    for (int lane = 0; lane < 16; ++lane) total += products[k][lane] + sums[k][lane];
  }
  return total;
}

void BM_PeakMultiplyAdd(benchmark::State& state) {
  constexpr long kRounds = 50'000'000;
  double gflops = 0.0;
  for (auto _ : state) {
    int threads = 1;
    const auto start = std::chrono::steady_clock::now();
#pragma omp parallel
    {
      benchmark::DoNotOptimize(multiply_add_chains(kRounds));
#pragma omp single
      threads = omp_get_num_threads();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.SetIterationTime(seconds);
    gflops = threads * kRounds * kFlopsPerRound / seconds / 1e9;
  }
  state.counters["GFLOPs"] = gflops;
}

}  // namespace

BENCHMARK(BM_PeakMultiplyAdd)->Name("Peak/multiply_add")->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Iterations(1)->Repetitions(5);
