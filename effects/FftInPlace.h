#pragma once

namespace jorv {

// In-place radix-2 transform of n complex values (n a power of two up to 4096) stored as
// interleaved real and imaginary floats. sign -1 is the forward transform, +1 the inverse;
// neither divides by n. Arithmetic is in double, every store rounds to float.
void FftInPlace(float* data, int n, int sign);

}  // namespace jorv
