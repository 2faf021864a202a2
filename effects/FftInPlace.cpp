#include "effects/FftInPlace.h"

#include <array>
#include <cmath>
#include <utility>

namespace jorv {

namespace {

constexpr int MaxPoints = 4096;

// The twiddle factors of every pass for the forward direction: the pass pairing points L
// apart uses entries L..2L-1, w^0..w^(L-1) with w = cos(pi/L) - i sin(pi/L), each obtained
// from the one before by a complex multiplication, exactly as a running product would be.
// The inverse direction's factors are their conjugates, which the same product gives exactly.
struct Twiddles {
    std::array<double, MaxPoints> re{}, im{};

    Twiddles() {
        for (int span = 1; span < MaxPoints; span *= 2) {
            const double angle = 3.141592653589793 / span;
            const double wr = std::cos(angle), wi = -std::sin(angle);
            double tr = 1.0, ti = 0.0;
            for (int m = 0; m < span; ++m) {
                re[span + m] = tr;
                im[span + m] = ti;
                const double next = tr * wr - ti * wi;
                ti = tr * wi + ti * wr;
                tr = next;
            }
        }
    }
};

const Twiddles& ForwardTwiddles() {
    static const Twiddles twiddles;
    return twiddles;
}

void BitReverse(float* data, int n) {
    for (int i = 0, j = 0; i < n; ++i) {
        if (i < j) {
            std::swap(data[2 * i], data[2 * j]);
            std::swap(data[2 * i + 1], data[2 * j + 1]);
        }
        int bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j |= bit;
    }
}

void Pass(float* data, int n, int span, const double* twr, const double* twi, double conj) {
    for (int group = 0; group < n; group += 2 * span) {
        float* a = data + 2 * group;
        float* b = a + 2 * span;
        for (int m = 0; m < span; ++m) {
            const double wr = twr[m], wi = conj * twi[m];
            const double br = b[2 * m], bi = b[2 * m + 1];
            const double tr = wr * br - wi * bi;
            const double ti = wr * bi + wi * br;
            const double ar = a[2 * m], ai = a[2 * m + 1];
            b[2 * m] = static_cast<float>(ar - tr);
            b[2 * m + 1] = static_cast<float>(ai - ti);
            a[2 * m] = static_cast<float>(ar + tr);
            a[2 * m + 1] = static_cast<float>(ai + ti);
        }
    }
}

}  // namespace

void FftInPlace(float* data, int n, int sign) {
    const Twiddles& twiddles = ForwardTwiddles();
    BitReverse(data, n);
    const double conj = sign < 0 ? 1.0 : -1.0;
    for (int span = 1; span < n; span *= 2)
        Pass(data, n, span, twiddles.re.data() + span, twiddles.im.data() + span, conj);
}

}  // namespace jorv
