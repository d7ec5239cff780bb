// Sixteen floats worked on side by side, one window or position per lane. Each function that uses them is
// compiled once per vector width and picked for the CPU at run time, so the widest vectors present are used
// and the same binary runs on any x86-64.
#pragma once

#include <cstring>

namespace quorva::host_forms {

constexpr int kLanes = 16;
typedef float Lanes __attribute__((vector_size(kLanes * sizeof(float))));

#define QUORVA_LANE_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))

// Loads and stores one vector at a time, so that sums stay in registers. Lanes cross no call boundary but
// these always-inlined helpers: a clone and a function that is not cloned (a lambda, say) would pass them by
// different conventions, which an unoptimised build really calls. Hence the note about those conventions is
// silenced here, and Lanes must never be passed to or returned from anything else.
#pragma GCC diagnostic ignored "-Wpsabi"
__attribute__((always_inline)) inline Lanes load_lanes(const float* p) {
  Lanes v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
__attribute__((always_inline)) inline void store_lanes(float* p, const Lanes& v) { std::memcpy(p, &v, sizeof v); }

}  // namespace quorva::host_forms
