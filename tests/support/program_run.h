// Runs the built QUORVA program as a separate process and collects what it printed and how it ended.
#pragma once

#include <string>
#include <vector>

namespace quorva::test {

struct ProgramRun {
  int exit_status = -1;
  std::string out;
  std::string err;
  long peak_rss_kib = 0;  // the process's peak resident memory
};

// Runs QUORVA with `arguments` in the folder `working_dir`.
ProgramRun run_quorva(const std::vector<std::string>& arguments, const std::string& working_dir);

}  // namespace quorva::test
