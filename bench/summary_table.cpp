#include "summary_table.h"

#include <cstdio>

namespace quorva::bench {
namespace {

constexpr const char* kStages[] = {
    "upload",          "colour conversion", "colour window sums", "clearing", "adaptation luminance",
    "forward transform", "filter",          "inverse transform",  "band Lab", "comparison",
    "merge and count",
};

// The rate counter of the stages whose operations are counted.
const std::map<std::string, std::string> kRateOf = {
    {"forward transform", "forward GFLOPs"},
    {"colour window sums", "window sums GFLOPs"},
};

const char* const kPairs[] = {"640x480", "1920x1080", "3840x2160_d3840"};

double counter(const CaseFigures& figures, const std::string& name) {
  const auto found = figures.counters.find(name);
  return found == figures.counters.end() ? 0.0 : found->second;
}

const CaseFigures* find_case(const std::map<std::string, CaseFigures>& medians, const std::string& name) {
  const auto found = medians.find(name);
  return found == medians.end() ? nullptr : &found->second;
}

void print_stages(const std::string& pair, const CaseFigures& stages, double peak_gflops) {
  const double total = stages.milliseconds / 1000.0;
  std::printf("\nStages of the checks, %s: %.3f s, workspace %.1f MiB\n", pair.c_str(), total,
              counter(stages, "workspace_MiB"));
  std::printf("  %-22s %10s %8s %10s %9s\n", "stage", "seconds", "share", "GFLOP/s", "of peak");
  for (const char* stage : kStages) {
    const double seconds = counter(stages, stage);
    std::printf("  %-22s %10.3f %7.1f%%", stage, seconds, total > 0 ? 100.0 * seconds / total : 0.0);
    const auto rate = kRateOf.find(stage);
    if (rate != kRateOf.end()) {
      const double gflops = counter(stages, rate->second);
      std::printf(" %10.1f", gflops);
      if (peak_gflops > 0) std::printf(" %8.1f%%", 100.0 * gflops / peak_gflops);
    }
    std::printf("\n");
  }
}

void print_whole_runs(const std::map<std::string, CaseFigures>& medians) {
  std::printf("\nWhole runs of QUORVA: median wall time, peak resident memory\n");
  for (const auto& [name, figures] : medians) {
    if (name.rfind("WholeRun/", 0) != 0) continue;
    std::printf("  %-28s %9.3f s %9.1f MiB\n", name.c_str() + 9, figures.milliseconds / 1000.0,
                counter(figures, "peak_rss_MiB"));
  }
  const CaseFigures* one = find_case(medians, "WholeRun/1920x1080_1thread");
  const CaseFigures* all = find_case(medians, "WholeRun/1920x1080");
  if (one != nullptr && all != nullptr && all->milliseconds > 0) {
    std::printf("  one thread to all, 1920x1080: %.2f times faster\n", one->milliseconds / all->milliseconds);
  }
  const CaseFigures* stages = find_case(medians, "Stages/1920x1080");
  if (all != nullptr && stages != nullptr) {
    // The program holds both eyes as 8-bit images and as float images.
    const double images_mib = 2.0 * 1920 * 1080 * (3 + 12) / 1048576.0;
    const double workspace_mib = counter(*stages, "workspace_MiB");
    std::printf("  1920x1080 peak %.1f MiB against workspace %.1f MiB + images %.1f MiB + 10%% = %.1f MiB\n",
                counter(*all, "peak_rss_MiB"), workspace_mib, images_mib, 1.1 * (workspace_mib + images_mib));
  }
}

}  // namespace

void print_summary(const std::map<std::string, CaseFigures>& medians) {
  std::printf("\n==== Summary (medians) ====\n");
  const CaseFigures* peak = find_case(medians, "Peak/multiply_add");
  const double peak_gflops = peak == nullptr ? 0.0 : counter(*peak, "GFLOPs");
  if (peak != nullptr) std::printf("Peak, separate multiplies and adds on all cores: %.1f GFLOP/s\n", peak_gflops);
  for (const char* pair : kPairs) {
    const CaseFigures* stages = find_case(medians, std::string("Stages/") + pair);
    if (stages != nullptr) print_stages(pair, *stages, peak_gflops);
  }
  print_whole_runs(medians);
}

}  // namespace quorva::bench
