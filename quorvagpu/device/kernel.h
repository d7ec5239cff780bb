// A kernel as the runtime layer sees it: a name it is registered under and one entry point per backend.
// The arguments travel as one struct per kernel, passed by address, so that every backend hands the body
// exactly the values the caller gave, in the same order.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace quorva::device {

// Runs `blocks` × `block_size` indices of the kernel on the host, each once.
using HostEntry = void (*)(int blocks, int block_size, const void* args);
// Runs `count` launches of the same geometry, `args` pointing at an array of their argument structs, with
// the result of running them one after the other.
using HostBatchEntry = void (*)(int blocks, int block_size, const void* args, int count);

struct KernelEntry {
  const char* name;
  HostEntry run_on_host;
  HostBatchEntry run_many_on_host = nullptr;  // when the host can do a run of launches better together
};

// Typed handle so that a launch can only be given the argument struct its kernel takes.
template <class Args>
struct Kernel {
  KernelEntry entry;
};

// The body of an element-wise kernel: called once for every (block, thread) of a launch.
template <class Args>
using KernelBody = void (*)(int block, int thread, const Args& args);

// Calls body(block, thread) for every index of a launch grid exactly once, spread over the cores. Bodies
// share nothing, so the result is the same whatever the number of threads.
template <class Body>
void for_each_launch_index(int blocks, int block_size, const Body& body) {
  const std::int64_t total = static_cast<std::int64_t>(blocks) * block_size;
#pragma omp parallel for schedule(guided)
  for (std::int64_t n = 0; n < total; ++n) body(static_cast<int>(n / block_size), static_cast<int>(n % block_size));
}

// The host form of a launch of an element-wise kernel.
template <class Args, KernelBody<Args> Body>
void run_each_index_on_host(int blocks, int block_size, const void* args) {
  const Args& a = *static_cast<const Args*>(args);
  for_each_launch_index(blocks, block_size, [&a](int block, int thread) { Body(block, thread, a); });
}

// The table of every kernel the library registered when it was loaded.
const std::vector<const KernelEntry*>& kernel_table();
const KernelEntry* find_kernel(std::string_view name);

// Adds a kernel to the table at load time; one static instance per kernel.
struct KernelRegistration {
  explicit KernelRegistration(const KernelEntry& kernel);
};

}  // namespace quorva::device
