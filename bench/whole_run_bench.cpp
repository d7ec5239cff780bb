// Times whole runs of QUORVA, as a user starts them, on pairs generated here. Each case reports the median
// wall time over its repetitions and the peak resident memory of the process.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <stdexcept>

#include "support/bmp_writer.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace {

using quorva::test::RgbImage;

// A scene with soft detail in every channel, the same for both eyes unless a case changes one.
RgbImage scene(int width, int height) { return quorva::test::patterned_image(width, height, 17); }

// One eye sees a strong blue cast over a region much larger than a window: the colour check decides.
RgbImage with_colour_cast(RgbImage image) {
  for (int y = image.height / 4; y < image.height * 3 / 4; ++y) {
    for (int x = image.width / 4; x < image.width * 3 / 4; ++x) image.at(x, y)[2] = 255;
  }
  return image;
}

void run_pair(benchmark::State& state, const RgbImage& left, const RgbImage& right,
              std::vector<std::string> options, const char* expected_verdict) {
  quorva::test::TempDir dir;
  quorva::test::write_bmp(dir.file("left.bmp"), left);
  quorva::test::write_bmp(dir.file("right.bmp"), right);
  std::vector<std::string> arguments{dir.file("left.bmp"), dir.file("right.bmp")};
  arguments.insert(arguments.end(), options.begin(), options.end());
  long peak_rss_kib = 0;
  for (auto _ : state) {
    const quorva::test::ProgramRun run = quorva::test::run_quorva(arguments, dir.path());
    if (run.exit_status != 0 || run.out.find(expected_verdict) == std::string::npos) {
      state.SkipWithError(("unexpected result: " + run.err).c_str());
      break;
    }
    peak_rss_kib = std::max(peak_rss_kib, run.peak_rss_kib);
  }
  state.counters["peak_rss_MiB"] = static_cast<double>(peak_rss_kib) / 1024.0;
}

constexpr const char* kCanNotForm = "can NOT form";
constexpr const char* kCanForm = "can form";

// The same scene for both eyes passes both checks, so every sampling offset of the contour check runs.
void BM_BothChecks640x480(benchmark::State& state) {
  run_pair(state, scene(640, 480), scene(640, 480), {}, kCanForm);
}

void BM_BothChecks1920x1080(benchmark::State& state) {
  run_pair(state, scene(1920, 1080), scene(1920, 1080), {}, kCanForm);
}

void BM_ColourCast1920x1080(benchmark::State& state) {
  run_pair(state, scene(1920, 1080), with_colour_cast(scene(1920, 1080)), {}, kCanNotForm);
}

}  // namespace

#define QUORVA_WHOLE_RUN(name) \
  BENCHMARK(name)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(5)

QUORVA_WHOLE_RUN(BM_BothChecks640x480);
QUORVA_WHOLE_RUN(BM_BothChecks1920x1080);
QUORVA_WHOLE_RUN(BM_ColourCast1920x1080);

BENCHMARK_MAIN();
