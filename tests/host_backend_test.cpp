#include "device/host_backend.h"

#include <gtest/gtest.h>
#include <omp.h>

#include <atomic>
#include <vector>

#include "device/runtime.h"

namespace quorva::device {
namespace {

struct CountArgs {
  int threads;
  std::atomic<int>* visits;
  int elements;
};

void count_visit(int block, int thread, const CountArgs& a) {
  const int i = a.threads * block + thread;
  if (i < a.elements) a.visits[i].fetch_add(1);
}

const Kernel<CountArgs> kCountKernel{{"count_visit", run_each_index_on_host<CountArgs, count_visit>}};

struct LaunchCase {
  int blocks;
  int block_size;
  bool runs;
};

class HostLaunchTest : public testing::TestWithParam<LaunchCase> {};

TEST_P(HostLaunchTest, RunsEveryIndexOnceOrSkipsARefusedConfiguration) {
  const LaunchCase c = GetParam();
  const int elements = 8 * 512 + 3;
  std::vector<std::atomic<int>> visits(elements);
  HostBackend host;
  for (int threads : {1, 2, 4}) {
    for (auto& v : visits) v = 0;
    omp_set_num_threads(threads);
    launch(host, kCountKernel, c.blocks, c.block_size, CountArgs{c.block_size, visits.data(), elements});
    const long long covered = c.runs ? std::min<long long>(1LL * c.blocks * c.block_size, elements) : 0;
    for (int i = 0; i < elements; ++i) ASSERT_EQ(visits[i], i < covered ? 1 : 0) << "index " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Configurations, HostLaunchTest,
                         testing::Values(LaunchCase{1, 1, true}, LaunchCase{3, 7, true},
                                         LaunchCase{8, 511, true}, LaunchCase{8, 512, true},
                                         LaunchCase{9, 512, true},
                                         LaunchCase{8, 513, false},  // above the block limit
                                         LaunchCase{0, 64, false},   // no blocks
                                         LaunchCase{4, 0, false}));

TEST(HostBackend, MemoryOperationsMoveBytesFaithfully) {
  HostBackend host;
  void* buffer = nullptr;
  ASSERT_TRUE(host.malloc(&buffer, 10 * sizeof(float)));
  host.memset(buffer, 0, 10 * sizeof(float));
  const std::vector<float> source{1, 2, 3, 4, 5};
  ASSERT_TRUE(host.memcpy_to_device(static_cast<float*>(buffer) + 5, source.data(), 5 * sizeof(float)));
  std::vector<float> back(10, -1);
  ASSERT_TRUE(host.memcpy_to_host(back.data(), buffer, 10 * sizeof(float)));
  EXPECT_EQ(back, (std::vector<float>{0, 0, 0, 0, 0, 1, 2, 3, 4, 5}));
  host.free(buffer);
}

TEST(HostBackend, RefusesAnAllocationThatCannotBeHad) {
  HostBackend host;
  void* buffer = nullptr;
  EXPECT_FALSE(host.malloc(&buffer, SIZE_MAX - 8));
}

TEST(Runtime, ListsTheHostAsTheLastDeviceWithCapability13) {
  Runtime& rt = runtime();
  ASSERT_GE(rt.device_count(), 1);
  DeviceProperties p;
  ASSERT_TRUE(rt.device_properties(rt.device_count() - 1, p));
  EXPECT_EQ(p.major, 1);
  EXPECT_EQ(p.minor, 3);
  EXPECT_EQ(p.maxThreadsPerBlock, 512);
  EXPECT_FALSE(rt.device_properties(rt.device_count(), p));
}

}  // namespace
}  // namespace quorva::device
