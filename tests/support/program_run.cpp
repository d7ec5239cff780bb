#include "support/program_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "support/temp_dir.h"

namespace quorva::test {
namespace {

std::string slurp(const std::string& path) {
  std::string text;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) text.append(buffer, n);
    std::fclose(f);
  }
  return text;
}

}  // namespace

ProgramRun run_quorva(const std::vector<std::string>& arguments, const std::string& working_dir) {
  // Output goes to files in a folder of its own, so that the working folder only holds what QUORVA writes.
  TempDir capture;
  const std::string out_path = capture.file("stdout");
  const std::string err_path = capture.file("stderr");
  const std::string peak_path = capture.file("peak_rss_kib");

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addchdir_np(&actions, working_dir.c_str());

  std::vector<std::string> all{MEASURE_PEAK_MEMORY, peak_path, QUORVA_EXECUTABLE};
  all.insert(all.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);

  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, MEASURE_PEAK_MEMORY, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start " MEASURE_PEAK_MEMORY);

  int status = 0;
  waitpid(pid, &status, 0);
  ProgramRun run;
  run.peak_rss_kib = std::atol(slurp(peak_path).c_str());
  run.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  run.out = slurp(out_path);
  run.err = slurp(err_path);
  return run;
}

}  // namespace quorva::test
