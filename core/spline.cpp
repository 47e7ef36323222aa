// Cubic spline routines. r, p, q, e, every w[i] and every d2[i] are single
// precision: each right-hand side is evaluated in double precision from the
// stored values and rounded when assigned, which is what the chart lookups
// were tabulated against.
#include "core/spline.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>

namespace bellnozzle {

void NumericalErrorExit(const char* message) {
    std::fprintf(stderr, "Numerical Recipes run-time error...\n");
    std::fprintf(stderr, "%s\n", message);
    std::fprintf(stderr, "...now exiting to system...\n");
    std::exit(1);
}

void BuildSpline(std::span<const float> xs, std::span<const float> ys, int n,
                 float firstSlope, float lastSlope, std::span<float> d2s) {
    // Work array for points 1..n-1; index 0 unused so the code reads 1-based.
    std::unique_ptr<float[]> work(new (std::nothrow) float[n]);
    if (!work) NumericalErrorExit("allocation failure in vector()");
    float* w = work.get();
    auto x = [&](int i) -> double { return xs[i - 1]; };
    auto y = [&](int i) -> double { return ys[i - 1]; };
    auto d2 = [&](int i) -> float& { return d2s[i - 1]; };

    if (firstSlope > kNaturalSplineEnd) {
        d2(1) = 0.0f;
        w[1] = 0.0f;
    } else {
        d2(1) = -0.5f;
        w[1] = static_cast<float>((3.0 / (x(2) - x(1))) *
                                  ((y(2) - y(1)) / (x(2) - x(1)) - firstSlope));
    }
    for (int i = 2; i <= n - 1; ++i) {
        const float r = static_cast<float>((x(i) - x(i - 1)) / (x(i + 1) - x(i - 1)));
        const float p = static_cast<float>(double(r) * d2(i - 1) + 2.0);
        d2(i) = static_cast<float>((double(r) - 1.0) / p);
        w[i] = static_cast<float>((y(i + 1) - y(i)) / (x(i + 1) - x(i)) -
                                  (y(i) - y(i - 1)) / (x(i) - x(i - 1)));
        w[i] = static_cast<float>((6.0 * w[i] / (x(i + 1) - x(i - 1)) - double(r) * w[i - 1]) / p);
    }
    float q, e;
    if (lastSlope > kNaturalSplineEnd) {
        q = 0.0f;
        e = 0.0f;
    } else {
        q = 0.5f;
        e = static_cast<float>((3.0 / (x(n) - x(n - 1))) *
                               (lastSlope - (y(n) - y(n - 1)) / (x(n) - x(n - 1))));
    }
    d2(n) = static_cast<float>((double(e) - double(q) * w[n - 1]) / (double(q) * d2(n - 1) + 1.0));
    for (int k = n - 1; k >= 1; --k) {
        d2(k) = static_cast<float>(double(d2(k)) * d2(k + 1) + w[k]);
    }
}

void splint(std::span<const float> xs, std::span<const float> ys, std::span<const float> d2s,
            int n, float at, float& result) {
    auto x = [&](int i) -> double { return xs[i - 1]; };
    int lo = 1;
    int hi = n;
    while (hi - lo > 1) {
        const int m = (hi + lo) / 2;
        if (x(m) > at) {
            hi = m;
        } else {
            lo = m;
        }
    }
    const float h = static_cast<float>(x(hi) - x(lo));
    if (h == 0.0f) NumericalErrorExit("Bad xa input to routine splint");
    const float a = static_cast<float>((x(hi) - at) / h);
    const float b = static_cast<float>((double(at) - x(lo)) / h);
    const double da = a;
    const double db = b;
    result = static_cast<float>(da * ys[lo - 1] + db * ys[hi - 1] +
                                ((da * da * da - da) * d2s[lo - 1] +
                                 (db * db * db - db) * d2s[hi - 1]) *
                                    h * h / 6.0);
}

}  // namespace bellnozzle
