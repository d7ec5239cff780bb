// Float values for kernel tests: uniform colour images, reproducible pseudo-random values, and comparison
// bit for bit.
#pragma once

#include <cstddef>
#include <cstring>
#include <random>
#include <vector>

namespace quorva::test {

// A clos × rows float colour image of one colour.
inline std::vector<float> uniform_float_image(int clos, int rows, float red, float green, float blue) {
  std::vector<float> image(static_cast<std::size_t>(clos) * rows * 3);
  for (std::size_t i = 0; i < image.size(); i += 3) {
    image[i] = red;
    image[i + 1] = green;
    image[i + 2] = blue;
  }
  return image;
}

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

// Whether two runs of floats are the same bit for bit (so a not-a-number equals itself).
inline bool same_floats(const std::vector<float>& a, const std::vector<float>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
}

}  // namespace quorva::test
