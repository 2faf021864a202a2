#include "effects/FftWidePass.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace jorv {

#if defined(__x86_64__) || defined(__i386__)

bool HasWideRegisters() {
    static const bool has = __builtin_cpu_supports("avx");
    return has;
}

namespace {

bool HasWiderRegisters() {
    static const bool has = __builtin_cpu_supports("avx512f");
    return has;
}

// Four butterflies at a time in 512-bit registers, for spans of four and more. (GCC 12 warns
// about its own conversion intrinsics here.)
#if !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
__attribute__((target("avx512f"))) void WiderPass(float* data, int n, int span, const double* rePairs,
                                                  const double* imPairs) {
    for (int group = 0; group < n; group += 2 * span) {
        float* a = data + 2 * group;
        float* b = a + 2 * span;
        for (int m = 0; m < span; m += 4) {
            const __m512d wr = _mm512_loadu_pd(rePairs + 2 * m);
            const __m512d wi = _mm512_loadu_pd(imPairs + 2 * m);
            const __m512d bv = _mm512_cvtps_pd(_mm256_loadu_ps(b + 2 * m));
            const __m512d av = _mm512_cvtps_pd(_mm256_loadu_ps(a + 2 * m));
            const __m512d t = _mm512_add_pd(_mm512_mul_pd(wr, bv), _mm512_mul_pd(wi, _mm512_permute_pd(bv, 0b01010101)));
            _mm256_storeu_ps(b + 2 * m, _mm512_cvtpd_ps(_mm512_sub_pd(av, t)));
            _mm256_storeu_ps(a + 2 * m, _mm512_cvtpd_ps(_mm512_add_pd(av, t)));
        }
    }
}
#if !defined(__clang__)
#pragma GCC diagnostic pop
#endif

}  // namespace

__attribute__((target("avx"))) void WidePass(float* data, int n, int span, const double* rePairs,
                                               const double* imPairs) {
    if (span >= 4 && HasWiderRegisters()) {
        WiderPass(data, n, span, rePairs, imPairs);
        return;
    }
    for (int group = 0; group < n; group += 2 * span) {
        float* a = data + 2 * group;
        float* b = a + 2 * span;
        for (int m = 0; m < span; m += 2) {
            const __m256d wr = _mm256_loadu_pd(rePairs + 2 * m);
            const __m256d wi = _mm256_loadu_pd(imPairs + 2 * m);
            const __m256d bv = _mm256_cvtps_pd(_mm_loadu_ps(b + 2 * m));
            const __m256d av = _mm256_cvtps_pd(_mm_loadu_ps(a + 2 * m));
            const __m256d t = _mm256_add_pd(_mm256_mul_pd(wr, bv), _mm256_mul_pd(wi, _mm256_permute_pd(bv, 0b0101)));
            _mm_storeu_ps(b + 2 * m, _mm256_cvtpd_ps(_mm256_sub_pd(av, t)));
            _mm_storeu_ps(a + 2 * m, _mm256_cvtpd_ps(_mm256_add_pd(av, t)));
        }
    }
}

#else

bool HasWideRegisters() { return false; }

#endif

}  // namespace jorv
