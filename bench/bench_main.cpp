// Runs every benchmark, then prints one table of the figures that matter side by side: the peak, each
// stage's time, share and rate, and the whole runs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "summary_table.h"

namespace {

// Shows the runs as usual and keeps the median of every repeated case.
class CollectingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median" || run.error_occurred) continue;
      quorva::bench::CaseFigures& figures = medians_[run.run_name.function_name];
      figures.milliseconds = run.GetAdjustedRealTime();
      for (const auto& [name, counter] : run.counters) figures.counters[name] = counter.value;
    }
  }
  const std::map<std::string, quorva::bench::CaseFigures>& medians() const { return medians_; }

 private:
  std::map<std::string, quorva::bench::CaseFigures> medians_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  CollectingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  quorva::bench::print_summary(reporter.medians());
  return 0;
}
