#include "effects/FftInPlace.h"

#include "effects/EffectMath.h"
#include "effects/FftWidePass.h"

#include <array>
#include <cmath>
#include <vector>
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
    // The same factors laid out for two butterflies at a time: re twice, then -im and +im of
    // each direction, so that one multiply of the swapped pair gives (-wi * bi, wi * br).
    std::array<double, 2 * MaxPoints> rePairs{}, imPairs[2]{};

    Twiddles() {
        for (int span = 1; span < MaxPoints; span *= 2) {
            const double angle = fxmath::Pi / span;
            const double wr = std::cos(angle), wi = -std::sin(angle);
            double tr = 1.0, ti = 0.0;
            for (int m = 0; m < span; ++m) {
                re[span + m] = tr;
                im[span + m] = ti;
                rePairs[2 * (span + m)] = rePairs[2 * (span + m) + 1] = tr;
                for (int direction = 0; direction < 2; ++direction) {
                    const double wi = direction == 0 ? ti : -ti;
                    imPairs[direction][2 * (span + m)] = -wi;
                    imPairs[direction][2 * (span + m) + 1] = wi;
                }
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

// The pairs (i, j) with i < j whose indices are each other's bit reversal.
std::vector<std::pair<int, int>> ReversalSwaps(int n) {
    std::vector<std::pair<int, int>> swaps;
    for (int i = 0, j = 0; i < n; ++i) {
        if (i < j) swaps.emplace_back(i, j);
        int bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j |= bit;
    }
    return swaps;
}

void BitReverse(float* data, int n) {
    static const auto fullSize = ReversalSwaps(MaxPoints);
    std::vector<std::pair<int, int>> smaller;
    const auto& swaps = n == MaxPoints ? fullSize : (smaller = ReversalSwaps(n));
    for (const auto& [i, j] : swaps) {
        std::swap(data[2 * i], data[2 * j]);
        std::swap(data[2 * i + 1], data[2 * j + 1]);
    }
}

// The first pass's twiddle factor is 1, so each butterfly is a sum and a difference.
void FirstPass(float* data, int n) {
    for (int i = 0; i < 2 * n; i += 4) {
        const double ar = data[i], ai = data[i + 1], br = data[i + 2], bi = data[i + 3];
        data[i] = static_cast<float>(ar + br);
        data[i + 1] = static_cast<float>(ai + bi);
        data[i + 2] = static_cast<float>(ar - br);
        data[i + 3] = static_cast<float>(ai - bi);
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
    const int direction = sign < 0 ? 0 : 1;
    if (n > 1) FirstPass(data, n);
    for (int span = 2; span < n; span *= 2) {
        if constexpr (WidePassBuilt) {
            if (HasWideRegisters()) {
                WidePass(data, n, span, twiddles.rePairs.data() + 2 * span,
                         twiddles.imPairs[direction].data() + 2 * span);
                continue;
            }
        }
        Pass(data, n, span, twiddles.re.data() + span, twiddles.im.data() + span, conj);
    }
}

}  // namespace jorv
