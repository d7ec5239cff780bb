#include "run_parameters.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "viewing_geometry.h"

namespace quorva {
namespace {

// atoi's reading (longest numeric prefix, 0 without one), held to the int range instead of overflowing.
int to_int(const char* text) {
  const long long value = std::strtoll(text, nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

// atof's reading, rounded to float as the values are stored.
float to_float(const char* text) { return static_cast<float>(std::strtod(text, nullptr)); }

}  // namespace

bool parse_command_line(int argc, const char* const* argv, RunParameters& parameters) {
  if (argc < 3) return false;
  parameters.bmp1 = argv[1];
  parameters.bmp2 = argv[2];
  for (int i = 3; i < argc;) {
    const char* option = argv[i];
    const bool takes_value = std::strcmp(option, "-s") == 0 || std::strcmp(option, "-l") == 0 ||
                             std::strcmp(option, "-d") == 0 || std::strcmp(option, "-r") == 0;
    if (!takes_value) {
      ++i;
      continue;
    }
    if (i + 1 >= argc) return false;
    const char* value = argv[i + 1];
    switch (option[1]) {
      case 's':
        parameters.Sampe_rate = to_int(value);
        if (parameters.Sampe_rate < 1) return false;
        break;
      case 'l':
        parameters.Highest_Lum = to_float(value);
        if (!std::isfinite(parameters.Highest_Lum) || parameters.Highest_Lum < 0) return false;
        break;
      case 'd':
        parameters.Display_Resolution = to_int(value);
        if (parameters.Display_Resolution < 0) return false;
        break;
      case 'r':
        parameters.Ratio = to_float(value);
        if (!std::isfinite(parameters.Ratio) || parameters.Ratio < 0) return false;
        break;
    }
    i += 2;
  }
  return window_fits_in_int(parameters.Display_Resolution, parameters.Ratio);
}

void print_usage() {
  std::printf("usage:\n QUORVA.exe bmp1 bmp2 -s Sampe_rate -l Highest_Lum -d Display_Resolution -r Ratio\n\n");
  std::printf(
      "Optional parameters:\nSampe_rate:default is 2, will be automatically rounded to window size if input is "
      "very large \nHighest_Lum:default is 160(cd/m^2), should be highest luminance of current display setting "
      "\nDisplay_Resolution:default is 1280 \nRatio:default is 1.0, should be viewing distance divided by "
      "display width\n\n");
}

}  // namespace quorva
