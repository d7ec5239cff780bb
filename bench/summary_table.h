// The closing table of the benchmark run.
#pragma once

#include <map>
#include <string>

namespace quorva::bench {

// The median figures of one benchmark case.
struct CaseFigures {
  double milliseconds = 0.0;
  std::map<std::string, double> counters;
};

// Prints the table from the medians of every case that ran, by case name; cases that did not run are left
// out.
void print_summary(const std::map<std::string, CaseFigures>& medians);

}  // namespace quorva::bench
