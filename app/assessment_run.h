// One assessment of a pair of images, from the command line to the verdict.
#pragma once

namespace quorva {

enum ExitStatus : int {
  kExitVerdict = 0,  // either verdict was given
  kExitFailure = 1,  // an image, the device, memory or a copy failed
  kExitUsage = 2,    // the command line or the viewing conditions allow no judgement
};

int run_assessment(int argc, const char* const* argv);

}  // namespace quorva
