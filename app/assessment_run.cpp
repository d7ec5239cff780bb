#include "assessment_run.h"

#include <cstdio>
#include <string>
#include <vector>

#include "image_input.h"
#include "quorvagpu/quorvagpu.h"
#include "run_parameters.h"
#include "viewing_geometry.h"

namespace quorva {
namespace {

int fail(const std::string& message, int status = kExitFailure) {
  std::fflush(stdout);
  std::fprintf(stderr, "QUORVA: %s\n", message.c_str());
  return status;
}

std::string size_text(const BmpImage& image) {
  return std::to_string(image.width) + " x " + std::to_string(image.height);
}

struct CheckResults {
  int lumcolor = 0;
  int contour = 0;
};

CheckResults compare_image_pair(const BmpImage& a, const BmpImage& b, const RunParameters& parameters) {
  std::vector<float> image0 = to_float_colour_image(a);
  std::vector<float> image1 = to_float_colour_image(b);
  CheckResults results;
  results.lumcolor = Binocular_LumColorCompare_cuda_Export(image0.data(), image1.data(), kLumColorThreshold);
  if (results.lumcolor == 0) {
    results.contour = Binocular_ContourCompare_cuda_Export(image0.data(), image1.data(), parameters.Highest_Lum,
                                                           kThresholdHigh, kThresholdLow, parameters.Sampe_rate,
                                                           true);
  }
  return results;
}

}  // namespace

int run_assessment(int argc, const char* const* argv) {
  if (!InitCUDA_Export()) return kExitFailure;

  RunParameters parameters;
  if (!parse_command_line(argc, argv, parameters)) {
    print_usage();
    return kExitUsage;
  }
  std::printf("***********************\n");
  std::printf("Measuring %s %s\n", parameters.bmp1.c_str(), parameters.bmp2.c_str());
  std::printf("Sample rate is %d\n", parameters.Sampe_rate);

  BmpImage a;
  BmpImage b;
  std::string error;
  if (!read_image(parameters.bmp1, a, error) || !read_image(parameters.bmp2, b, error)) return fail(error);
  if (a.width != b.width || a.height != b.height) {
    return fail("the images are not the same size: '" + parameters.bmp1 + "' is " + size_text(a) + " pixels, '" +
                parameters.bmp2 + "' is " + size_text(b));
  }
  if (a.width > a.height) {
    a = transposed(a);
    b = transposed(b);
  }
  const int clos = a.width;
  const int rows = a.height;
  std::printf("clos: %d    rows: %d\n\n", clos, rows);

  const ViewingGeometry geometry = compute_viewing_geometry(parameters.Display_Resolution, parameters.Ratio);
  if (geometry.windowsize < kMinimumWindowsize) {
    return fail("the viewing conditions (-d " + std::to_string(parameters.Display_Resolution) + ", -r " +
                    std::to_string(parameters.Ratio) + ") give an analysis window of " +
                    std::to_string(geometry.windowsize) + " pixels; at least " +
                    std::to_string(kMinimumWindowsize) + " are needed, so nothing can be judged",
                kExitUsage);
  }
  if (clos < geometry.windowsize || rows < geometry.windowsize) {
    return fail("the images (" + size_text(a) + " pixels in portrait) are smaller than one analysis window of " +
                    std::to_string(geometry.windowsize) + " x " + std::to_string(geometry.windowsize) +
                    " pixels, so nothing can be judged",
                kExitUsage);
  }
  if (!Malloc_Binocular_Compare_cuda_Export(clos, rows, geometry.windowsize, geometry.endlevel,
                                            geometry.startlevel)) {
    return kExitFailure;
  }

  if (parameters.Sampe_rate > geometry.windowsize) parameters.Sampe_rate = geometry.windowsize;
  std::printf("Sampe_rate=%d\n", parameters.Sampe_rate);
  std::printf("Highest_Lum=%f\n", static_cast<double>(parameters.Highest_Lum));
  std::printf("Display_Resolution=%d\n", parameters.Display_Resolution);
  std::printf("Ratio=%f\n", static_cast<double>(parameters.Ratio));
  std::printf("QUORVA assessment processing......\n");

  const CheckResults results = compare_image_pair(a, b, parameters);
  if (results.lumcolor < 0 || results.contour < 0) {
    FreeSpace_cuda_Export();
    return fail(results.lumcolor < 0 ? "the luminance-colour check failed; no verdict"
                                     : "the contour check failed; no verdict");
  }
  if (results.lumcolor != 0 || results.contour != 0) {
    std::printf("\n\nQUORVA Result: \n The two input images can NOT form a comfortable single vision.\n\n");
  } else {
    std::printf("\n\nQUORVA Result: \n The two input images can form a comfortable single vision.\n\n");
  }
  b.Release();
  a.Release();
  std::printf("\n\n");
  FreeSpace_cuda_Export();
  return kExitVerdict;
}

}  // namespace quorva
