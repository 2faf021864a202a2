#pragma once

// The FFT's butterfly passes two at a time in 256-bit registers, where the compiler can target
// them; a build for any other processor leaves them out and uses the scalar pass alone.
namespace jorv {

#if defined(__x86_64__) || defined(__i386__)
inline constexpr bool WidePassBuilt = true;
#else
inline constexpr bool WidePassBuilt = false;
#endif

// True when the wide pass is built and the processor running it has the registers (AVX); the
// band-pass filter sums its taps in them too.
bool HasWideRegisters();

// One pass pairing points span apart over n points, with the twiddle factors laid out in pairs
// (re twice, then -im and +im). Each lane does the scalar pass's operations in the same order,
// so the results are identical. Call only when HasWideRegisters().
void WidePass(float* data, int n, int span, const double* rePairs, const double* imPairs);

}  // namespace jorv
