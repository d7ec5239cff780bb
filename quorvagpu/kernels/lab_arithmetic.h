// sRGB on the 0–255 scale to CIELAB relative to the D65 white (95.047, 100, 108.883), step by step with the
// precision of the reference method: scalings, the matrix and the Lab arithmetic in double, each result
// rounded to float once, the two power functions in single precision. Shared by the colour check's kernels
// and the contour check's band conversion, so that both give the same value for the same colour.
#pragma once

#include <cmath>

#include "kernels/kernel_support.h"

namespace quorva::kernels {

// One channel to linear light, 0 to 100 for input on 0–255. Negative and not-a-number values take the
// linear segment, so the power function never sees a negative base.
QUORVA_KERNEL_BODY float linearise_srgb(float c) {
  const float s = static_cast<float>(static_cast<double>(c) / 255.0);
  if (static_cast<double>(s) > 0.04045) {
    const float u = static_cast<float>((static_cast<double>(s) + 0.055) / 1.055);
    const float v = powf(u, 2.4f);
    return static_cast<float>(static_cast<double>(v) * 100.0);
  }
  return static_cast<float>((static_cast<double>(s) / 12.92) * 100.0);
}

// Linear R, G, B to X/Xn, Y/Yn, Z/Zn.
QUORVA_KERNEL_BODY void linear_rgb_to_xyz(float r, float g, float b, float* xyz) {
  const double R = r, G = g, B = b;
  xyz[0] = static_cast<float>((0.4124 * R + 0.3576 * G + 0.1805 * B) / 95.047);
  xyz[1] = static_cast<float>((0.2126 * R + 0.7152 * G + 0.0722 * B) / 100.0);
  xyz[2] = static_cast<float>((0.0193 * R + 0.1192 * G + 0.9505 * B) / 108.883);
}

// Red, green, blue on 0–255 to white-normalised XYZ.
QUORVA_KERNEL_BODY void srgb_to_xyz(float red, float green, float blue, float* xyz) {
  linear_rgb_to_xyz(linearise_srgb(red), linearise_srgb(green), linearise_srgb(blue), xyz);
}

// The CIELAB companding function of one white-normalised component.
QUORVA_KERNEL_BODY float lab_function(float t) {
  if (static_cast<double>(t) > 0.008856) return powf(t, 1.0f / 3.0f);
  return static_cast<float>(7.787 * static_cast<double>(t) + 0.13793103448275862);
}

// White-normalised X, Y, Z to L*, a*, b*. Reads all three inputs before writing, so lab may be xyz.
QUORVA_KERNEL_BODY void xyz_to_lab(const float* xyz, float* lab) {
  const float fx = lab_function(xyz[0]);
  const float fy = lab_function(xyz[1]);
  const float fz = lab_function(xyz[2]);
  lab[0] = static_cast<float>(116.0 * static_cast<double>(fy) - 16.0);
  lab[1] = static_cast<float>(500.0 * static_cast<double>(fx - fy));
  lab[2] = static_cast<float>(200.0 * static_cast<double>(fy - fz));
}

}  // namespace quorva::kernels
