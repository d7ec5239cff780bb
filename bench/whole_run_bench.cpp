// Times whole runs of QUORVA, as a user starts them, on generated pairs that pass both checks, so that every
// sampling offset runs. Each case reports the median wall time over its repetitions and the peak resident
// memory of the process.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/bmp_writer.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace {

// Sets the number of OpenMP threads of the processes started while it lives; 0 leaves the default.
class ThreadCount {
 public:
  explicit ThreadCount(int threads) : set_(threads > 0) {
    if (set_) setenv("OMP_NUM_THREADS", std::to_string(threads).c_str(), 1);
  }
  ~ThreadCount() {
    if (set_) unsetenv("OMP_NUM_THREADS");
  }

 private:
  bool set_;
};

void BM_WholeRun(benchmark::State& state, int width, int height, std::vector<std::string> options, int threads) {
  const quorva::test::RgbImage scene = quorva::test::patterned_image(width, height, 17);
  quorva::test::TempDir dir;
  quorva::test::write_bmp(dir.file("left.bmp"), scene);
  quorva::test::write_bmp(dir.file("right.bmp"), scene);
  std::vector<std::string> arguments{dir.file("left.bmp"), dir.file("right.bmp")};
  arguments.insert(arguments.end(), options.begin(), options.end());
  const ThreadCount thread_count(threads);
  long peak_rss_kib = 0;
  for (auto _ : state) {
    const quorva::test::ProgramRun run = quorva::test::run_quorva(arguments, dir.path());
    if (run.exit_status != 0 || run.out.find("can form") == std::string::npos) {
      state.SkipWithError(("the pair did not pass both checks: " + run.err).c_str());
      break;
    }
    peak_rss_kib = std::max(peak_rss_kib, run.peak_rss_kib);
  }
  state.counters["peak_rss_MiB"] = static_cast<double>(peak_rss_kib) / 1024.0;
}

}  // namespace

#define QUORVA_WHOLE_RUN(name, width, height, options, threads, repetitions)                                 \
  BENCHMARK_CAPTURE(BM_WholeRun, name, width, height, std::vector<std::string> options, threads)            \
      ->Name("WholeRun/" #name)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)               \
      ->Repetitions(repetitions)

QUORVA_WHOLE_RUN(640x480, 640, 480, {}, 0, 5);
QUORVA_WHOLE_RUN(1920x1080, 1920, 1080, {}, 0, 5);
QUORVA_WHOLE_RUN(1920x1080_1thread, 1920, 1080, {}, 1, 3);
QUORVA_WHOLE_RUN(3840x2160_d3840, 3840, 2160, ({"-d", "3840"}), 0, 3);
