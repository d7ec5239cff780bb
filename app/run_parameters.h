// The command line: two image files and the viewing conditions.
#pragma once

#include <string>

namespace quorva {

struct RunParameters {
  std::string bmp1;
  std::string bmp2;
  int Sampe_rate = 2;
  float Highest_Lum = 160.0f;
  int Display_Resolution = 1280;
  float Ratio = 1.0f;
};

// Fixed thresholds of the two checks.
constexpr float kLumColorThreshold = 25.0f;
constexpr float kThresholdHigh = 6.5f;
constexpr float kThresholdLow = 2.3f;

// Reads `QUORVA bmp1 bmp2 [-s Sampe_rate] [-l Highest_Lum] [-d Display_Resolution] [-r Ratio]`.
// False when the usage text is due: fewer than two names, a value out of range or not finite, an option
// without its value, or viewing conditions whose window would not fit in an int.
bool parse_command_line(int argc, const char* const* argv, RunParameters& parameters);

// Prints the usage text on standard output.
void print_usage();

}  // namespace quorva
