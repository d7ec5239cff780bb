// The five functions the QUORVA program calls, in this order: InitCUDA_Export, then
// Malloc_Binocular_Compare_cuda_Export, Binocular_LumColorCompare_cuda_Export,
// Binocular_ContourCompare_cuda_Export (only when the colour check found nothing) and FreeSpace_cuda_Export.
// They are C++ functions: the program binds to their signature-decorated names.
#pragma once

#define QUORVAGPU_API __attribute__((visibility("default")))

// Selects the first device of compute capability 1.3 or higher; prints why when there is none.
QUORVAGPU_API bool InitCUDA_Export();

// Creates the comparison workspace for images of clos × rows pixels and the given window and levels.
QUORVAGPU_API bool Malloc_Binocular_Compare_cuda_Export(int clos, int rows, int windowsize, int endlevel,
                                                        int startlevel);

// Number of window positions whose mean CIELAB difference exceeds threshold; −1 when a copy failed.
QUORVAGPU_API int Binocular_LumColorCompare_cuda_Export(float* image0, float* image1, float threshold);

// Number of windows flagged by the contour check at the first sampling offset that flags any; 0 when none
// does; −1 when a copy failed. Works on the images the colour check uploaded.
QUORVAGPU_API int Binocular_ContourCompare_cuda_Export(float* image0, float* image1, float DisplayHighestLum,
                                                       float threshold_high, float threshold_low,
                                                       int Sampe_rate, bool flag);

// Releases the workspace.
QUORVAGPU_API void FreeSpace_cuda_Export();
