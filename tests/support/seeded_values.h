// Reproducible pseudo-random floats for kernel tests.
#pragma once

#include <cstddef>
#include <random>
#include <vector>

namespace quorva::test {

inline std::vector<float> seeded_floats(std::size_t count, unsigned seed, float low, float high) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<float> value(low, high);
  std::vector<float> values(count);
  for (float& v : values) v = value(random);
  return values;
}

// Whole numbers, as the samples of a float colour image are.
inline std::vector<float> seeded_samples(std::size_t count, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> value(0, 255);
  std::vector<float> values(count);
  for (float& v : values) v = static_cast<float>(value(random));
  return values;
}

}  // namespace quorva::test
