// Runs a program and writes its peak resident memory, in KiB, to a file; exits as the program did.
//
//   measure_peak_memory <report-file> <program> [arguments...]
//
// The kernel counts, in a child's peak, the memory of the process that started it when that process was
// the one to start the program. This small process stands in between, so that a large test or benchmark
// process does not inflate the figure.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>

extern char** environ;

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: measure_peak_memory <report-file> <program> [arguments...]\n");
    return 125;
  }
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[2], nullptr, nullptr, argv + 2, environ) != 0) {
    std::perror(argv[2]);
    return 126;
  }
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return 125;
  if (FILE* report = std::fopen(argv[1], "w")) {
    std::fprintf(report, "%ld\n", usage.ru_maxrss);
    std::fclose(report);
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
