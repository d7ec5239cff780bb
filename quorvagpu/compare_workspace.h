// The comparison workspace: the geometry of one run, the window grid, every device buffer the two checks
// use, the level table and the filters. One per process, created once and released once.
#pragma once

#include <cstddef>
#include <vector>

#include "device/backend.h"
#include "filter_bank.h"

namespace quorva {

struct LevelInfo {
  int level_windowsize = 0;
  int level_offset = 0;  // floats from the start of a pyramid buffer; set for used levels only
};

struct CompareWorkspace {
  int clos = 0;
  int rows = 0;
  int windowsize = 0;
  int endlevel = 0;
  int startlevel = 0;
  int x_threads = 0;  // windows across
  int y_threads = 0;  // windows down
  std::size_t pyr_length = 0;  // floats in each pyramid buffer

  std::vector<float> host_result;  // clos · rows
  float* dev_rgb[2] = {};
  float* dev_lab[2] = {};
  float* dev_result = nullptr;
  float* dev_rgbpyr[2] = {};
  float* dev_pyr[2] = {};
  float* dev_averagelum[2] = {};
  float* dev_freq_filter[kMaxLevels] = {};
  LevelInfo level_table[kMaxLevels] = {};

  int windows() const { return x_threads * y_threads; }
  std::size_t pixel_floats() const { return static_cast<std::size_t>(clos) * rows * 3; }
};

// The library's workspace.
CompareWorkspace& workspace();

// Allocates every buffer, prints the window grid and uploads the filter of every used level. On the first
// failure it prints why and returns false; what was allocated stays for release_workspace.
bool create_workspace(device::Backend& backend, CompareWorkspace& ws, int clos, int rows, int windowsize,
                      int endlevel, int startlevel);

// Frees every buffer; safe on a workspace never (or only partly) created, and safe to repeat.
void release_workspace(device::Backend& backend, CompareWorkspace& ws);

}  // namespace quorva
