#include "testfftreal.h"

#include <QtTest>

#include <cmath>
#include <random>
#include <stdexcept>
#include <vector>

#include "real_time_tools/fftreal.h"

namespace {

// Reference transform in double precision, written out in the half-complex layout.
std::vector<double> referenceDft(const std::vector<float> &x)
{
    const int n = static_cast<int>(x.size());
    std::vector<double> f(n, 0.0);
    if (n == 1) {
        f[0] = x[0];
        return f;
    }
    // Exact twiddles from an index table avoid drift for large n.
    std::vector<double> cosT(n), sinT(n);
    for (int i = 0; i < n; ++i) {
        cosT[i] = std::cos(2.0 * M_PI * i / n);
        sinT[i] = std::sin(2.0 * M_PI * i / n);
    }
    for (int k = 0; k <= n / 2; ++k) {
        double re = 0.0, im = 0.0;
        long idx = 0;
        for (int j = 0; j < n; ++j) {
            re += x[j] * cosT[idx];
            im += x[j] * sinT[idx];
            idx += k;
            if (idx >= n)
                idx -= n;
        }
        if (k == 0)
            f[0] = re;
        else if (k == n / 2)
            f[n / 2] = re;
        else {
            f[k] = re;
            f[n / 2 + k] = im;
        }
    }
    return f;
}

std::vector<float> randomSignal(int n, unsigned seed)
{
    std::mt19937 gen(seed);
    std::uniform_real_distribution<float> dist(-1.0f, 1.0f);
    std::vector<float> x(n);
    for (float &v : x)
        v = dist(gen);
    return x;
}

} // namespace

void TestFFTReal::matchesDoubleDftForEveryLength()
{
    for (int n = 1; n <= 8192; n *= 2) {
        FFTReal fft(n);
        QCOMPARE(fft.length(), n);
        const std::vector<float> x = randomSignal(n, 1234u + n);
        std::vector<float> f(n, 0.0f);
        fft.forward(f.data(), x.data());
        const std::vector<double> ref = referenceDft(x);
        // Rounding error of a float FFT grows like eps * sqrt(n) * log2(n); this bound leaves a margin of ~10.
        const double tol = 1.2e-7 * std::sqrt(static_cast<double>(n)) * (std::log2(n) + 1.0);
        double worst = 0.0;
        for (int k = 0; k < n; ++k)
            worst = std::max(worst, std::fabs(f[k] - ref[k]));
        if (worst > tol)
            QFAIL(qPrintable(QString("length %1: max error %2 > %3").arg(n).arg(worst).arg(tol)));
    }
}

void TestFFTReal::inverseOfForwardIsLengthTimesSignal()
{
    for (int n = 1; n <= 8192; n *= 2) {
        FFTReal fft(n);
        const std::vector<float> x = randomSignal(n, 99u + n);
        std::vector<float> f(n), y(n);
        fft.forward(f.data(), x.data());
        const std::vector<float> fCopy = f;
        fft.inverse(f.data(), y.data());
        QVERIFY(f == fCopy); // the spectrum is left alone
        const double tol = 2.4e-7 * n * (std::log2(n) + 1.0);
        for (int i = 0; i < n; ++i)
            QVERIFY2(std::fabs(y[i] - n * x[i]) <= tol, qPrintable(QString("length %1 index %2").arg(n).arg(i)));
        fft.scaleByLength(y.data());
        for (int i = 0; i < n; ++i)
            QVERIFY(std::fabs(y[i] - x[i]) <= 2.4e-7 * (std::log2(n) + 1.0));
    }
}

void TestFFTReal::impulseAndSineLandInLayout()
{
    const int n = 1024;
    FFTReal fft(n);
    std::vector<float> x(n, 0.0f), f(n);
    x[0] = 1.0f;
    fft.forward(f.data(), x.data());
    for (int k = 0; k <= n / 2; ++k)
        QCOMPARE(f[k], 1.0f);
    for (int k = n / 2 + 1; k < n; ++k)
        QCOMPARE(f[k], 0.0f);

    for (int i = 0; i < n; ++i)
        x[i] = static_cast<float>(std::sin(2.0 * M_PI * i / n));
    fft.forward(f.data(), x.data());
    QVERIFY(std::fabs(f[n / 2 + 1] - n / 2.0) < 1e-3);
    QVERIFY(std::fabs(f[1]) < 1e-3);
    // Nothing else carries energy.
    for (int k = 0; k < n; ++k)
        if (k != n / 2 + 1)
            QVERIFY(std::fabs(f[k]) < 1e-3);

    // A cosine at bin 5 lands in the real part.
    for (int i = 0; i < n; ++i)
        x[i] = static_cast<float>(std::cos(2.0 * M_PI * 5 * i / n));
    fft.forward(f.data(), x.data());
    QVERIFY(std::fabs(f[5] - n / 2.0) < 1e-3);
    QVERIFY(std::fabs(f[n / 2 + 5]) < 1e-3);
}

void TestFFTReal::rejectsLengthsThatAreNotPowersOfTwo()
{
    QVERIFY_EXCEPTION_THROWN(FFTReal(0), std::invalid_argument);
    QVERIFY_EXCEPTION_THROWN(FFTReal(-8), std::invalid_argument);
    QVERIFY_EXCEPTION_THROWN(FFTReal(12), std::invalid_argument);
    QVERIFY_EXCEPTION_THROWN(FFTReal(1000.0), std::invalid_argument);
    QVERIFY_EXCEPTION_THROWN(FFTReal(1024.5), std::invalid_argument);
    // The analysis passes its lengths as floating-point values.
    FFTReal fromDouble(2048.0);
    QCOMPARE(fromDouble.length(), 2048);
    QCOMPARE(fromDouble.nbrBits(), 11);
}

void TestFFTReal::instancesAreIndependent()
{
    // Two instances of the same length interleaved give the same results as one alone.
    const int n = 4096;
    FFTReal a(n), b(n);
    const std::vector<float> x1 = randomSignal(n, 7), x2 = randomSignal(n, 8);
    std::vector<float> fa(n), fb(n), fa2(n);
    a.forward(fa.data(), x1.data());
    b.forward(fb.data(), x2.data());
    a.forward(fa2.data(), x1.data());
    QVERIFY(fa == fa2);
}
