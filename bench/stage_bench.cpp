// The two checks of one run, called as the program calls them, with the time of every stage: which stage
// the run waits for, and how close the heavy ones come to the machine's peak.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "compare_workspace.h"
#include "contour_check.h"
#include "device/host_backend.h"
#include "lumcolor_check.h"
#include "run_parameters.h"
#include "stage_figures.h"
#include "stage_timing_backend.h"
#include "support/bmp_writer.h"
#include "viewing_geometry.h"

namespace quorva::bench {
namespace {

// The stage each timed operation belongs to.
const std::map<std::string, std::string> kStageOf = {
    {"upload", "upload"},
    {"RGB2XYZ_cuda_kernel", "colour conversion"},
    {"XYZ2LAB_cuda_kernel", "colour conversion"},
    {"CompareLumColor_cuda_kernel", "colour window sums"},
    {"memset", "clearing"},
    {"AverWindowLum_PerIT_cuda_kernel", "adaptation luminance"},
    {"fourier_pyr_level0_cuda_kernel", "forward transform"},
    {"filter_fourier_pyr_levels_cuda_kernel", "filter"},
    {"Inv_fourier_pyr_levels_cuda_kernel", "inverse transform"},
    {"rgb2lab_cuda_kernel", "band Lab"},
    {"lab_compare_perlevel_cuda_kernel", "comparison"},
    {"Merge_lab_compare_cuda_kernel", "merge and count"},
    {"copy back", "merge and count"},
};

// The same scene for both eyes, already in portrait, as the float image the checks take.
std::vector<float> scene(int clos, int rows) {
  const test::RgbImage image = test::patterned_image(clos, rows, 17);
  return std::vector<float>(image.rgb.begin(), image.rgb.end());
}

void BM_Stages(benchmark::State& state, int clos, int rows, int Display_Resolution) {
  const RunParameters defaults;
  const ViewingGeometry geometry = compute_viewing_geometry(Display_Resolution, defaults.Ratio);
  const std::vector<float> image = scene(clos, rows);
  device::HostBackend host;
  StageTimingBackend timing(host);
  const int T = device::HostBackend::kMaxThreadsPerBlock;
  std::map<std::string, double> stage_seconds;
  double check_seconds = 0.0;
  for (auto _ : state) {
    CompareWorkspace ws;
    const std::size_t allocated_before = timing.allocated_bytes();
    std::fflush(stdout);
    if (!create_workspace(timing, ws, clos, rows, geometry.windowsize, geometry.endlevel, geometry.startlevel)) {
      state.SkipWithError("cannot create the workspace");
      break;
    }
    state.counters["workspace_MiB"] = (timing.allocated_bytes() - allocated_before) / 1048576.0;
    timing.reset();
    const auto start = std::chrono::steady_clock::now();
    const int lumcolor = lumcolor_check(timing, ws, image.data(), image.data(), kLumColorThreshold, T);
    const int contour = contour_check(timing, ws, defaults.Highest_Lum, kThresholdHigh, kThresholdLow,
                                      defaults.Sampe_rate, T);
    check_seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double forward_flops = 2.0 * sampling_offsets(ws.windowsize, defaults.Sampe_rate).size() *
                                 forward_transform_flops(ws);
    const double sum_flops = window_sum_adds(ws);
    release_workspace(timing, ws);
    if (lumcolor != 0 || contour != 0) {
      state.SkipWithError("the pair did not pass both checks");
      break;
    }
    state.SetIterationTime(check_seconds);
    stage_seconds.clear();
    double timed = 0.0;
    for (const auto& [operation, seconds] : timing.seconds()) {
      stage_seconds[kStageOf.at(operation)] += seconds;
      timed += seconds;
    }
    stage_seconds["merge and count"] += check_seconds - timed;  // the counts and the rest of the host's work
    for (const auto& [stage, seconds] : stage_seconds) state.counters[stage] = seconds;
    state.counters["forward GFLOPs"] = forward_flops / stage_seconds["forward transform"] / 1e9;
    state.counters["window sums GFLOPs"] = sum_flops / stage_seconds["colour window sums"] / 1e9;
  }
}

}  // namespace

#define QUORVA_STAGES(name, clos, rows, d, repetitions)                                                        \
  BENCHMARK_CAPTURE(BM_Stages, name, clos, rows, d)                                           \
      ->Name("Stages/" #name)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)               \
      ->Repetitions(repetitions)

QUORVA_STAGES(640x480, 480, 640, 1280, 5);
QUORVA_STAGES(1920x1080, 1080, 1920, 1280, 5);
QUORVA_STAGES(3840x2160_d3840, 2160, 3840, 3840, 3);

}  // namespace quorva::bench
