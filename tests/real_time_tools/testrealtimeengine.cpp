#include "testrealtimeengine.h"

#include <QtTest>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "real_time_tools/fastmath.h"
#include "real_time_tools/realtimeengine.h"
#include "tests/real_time_tools/signalmeasure.h"

namespace {

const int kRate = 44100;
const int H = RealTimeEngine::hopSize;
const int N = RealTimeEngine::frameSize;

struct Render
{
    std::vector<float> left, right;
    int blocks = 0;
};

// Runs blocks while the next frame lies inside the track, as the player does.
Render renderAll(RealTimeEngine &e, int length, float *curve = nullptr)
{
    Render r;
    std::vector<float> l(H), rr(H);
    while (e.playPosition() + N * e.interpFactor() + 1 < length) {
        e.processBlock(l.data(), rr.data(), curve);
        r.left.insert(r.left.end(), l.begin(), l.end());
        r.right.insert(r.right.end(), rr.begin(), rr.end());
        ++r.blocks;
    }
    return r;
}

std::vector<float> sine(int length, double freq, float amp)
{
    std::vector<float> x(length);
    for (int i = 0; i < length; ++i)
        x[i] = amp * static_cast<float>(std::sin(2.0 * M_PI * freq * i / kRate));
    return x;
}

// Amplitude of one frequency over a stretch of samples (Goertzel, Hann-free, whole cycles not needed
// for the large ratios these tests look at).
double toneLevel(const std::vector<float> &y, size_t from, size_t to, double freq)
{
    const double w = 2.0 * M_PI * freq / kRate;
    double re = 0.0, im = 0.0;
    for (size_t i = from; i < to; ++i) {
        re += y[i] * std::cos(w * i);
        im += y[i] * std::sin(w * i);
    }
    return 2.0 * std::sqrt(re * re + im * im) / (to - from);
}

bool allFinite(const std::vector<float> &y)
{
    for (float v : y)
        if (!std::isfinite(v))
            return false;
    return true;
}

} // namespace

void TestRealTimeEngine::toolsOffPassInputWithFixedGainAndDelay()
{
    const int length = 20 * N;
    std::mt19937 gen(5);
    std::uniform_real_distribution<float> dist(-0.8f, 0.8f);
    std::vector<float> L(length), R(length);
    for (int i = 0; i < length; ++i) {
        L[i] = dist(gen);
        R[i] = dist(gen);
    }
    RealTimeEngine e;
    e.setAudioData(L.data(), R.data(), length);
    QCOMPARE(e.playPosition(), H);
    std::vector<float> outL(H), outR(H);
    for (int b = 0; b < 12; ++b) {
        const int pos = e.playPosition();
        e.processBlock(outL.data(), outR.data(), nullptr);
        QCOMPARE(e.playPosition(), pos + H);
        if (b < 3)
            continue; // the overlap tails fill during the first three blocks
        // Output sample i of the block at pos is input pos + 1 + i scaled by
        // 0.5 * (sum of the squared window over four overlaps, about 1.5) * 32767/32768.
        for (int i = 0; i < H; ++i) {
            const float g = 0.75f * 32767.0f / 32768.0f;
            QVERIFY2(std::fabs(outL[i] - g * L[pos + 1 + i]) < 2e-3f, qPrintable(QString("block %1 i %2").arg(b).arg(i)));
            QVERIFY(std::fabs(outR[i] - g * R[pos + 1 + i]) < 2e-3f);
        }
    }
    // The gain is flat across the block, not only on average.
    double sumIn = 0.0, sumOut = 0.0;
    const int pos = e.playPosition();
    e.processBlock(outL.data(), outR.data(), nullptr);
    for (int i = 0; i < H; ++i) {
        sumIn += std::fabs(L[pos + 1 + i]);
        sumOut += std::fabs(outL[i]);
    }
    QVERIFY(std::fabs(sumOut / sumIn - 0.75) < 0.002);
}

void TestRealTimeEngine::monoTrackFeedsBothChannels()
{
    const int length = 10 * N;
    const std::vector<float> x = sine(length, 300.0, 0.5f);
    // The player hands over a copy of the left array as the right one; both pointers equal
    // or no right array at all must give the same.
    // A stereo track whose channels are equal goes through the stereo processing and must
    // come out as the mono track does, to the bit.
    const std::vector<float> copy = x;
    for (float tempo : {1.0f, 0.75f}) {
        std::vector<float> first;
        for (const float *right : {static_cast<const float *>(nullptr), x.data(), copy.data()}) {
            RealTimeEngine e;
            e.setAudioData(x.data(), right, length);
            e.setInterp(1.2f);
            e.activatePitch(false);
            e.setHop(tempo);
            e.activateTempo(tempo == 1.0f);
            e.activateSSS(false);
            const Render r = renderAll(e, length);
            QVERIFY(r.blocks > 5);
            QVERIFY(r.left == r.right);
            QVERIFY(rms(r.left, 4 * H, r.left.size()) > 0.2);
            if (first.empty())
                first = r.left;
            QVERIFY(r.left == first);
        }
    }
}

void TestRealTimeEngine::pitchShiftMovesSineFrequency()
{
    const int length = 6 * kRate;
    const std::vector<float> L = sine(length, 440.0, 0.5f), R = sine(length, 440.0, 0.5f);

    RealTimeEngine off;
    off.setAudioData(L.data(), R.data(), length);
    const Render ref = renderAll(off, length);
    const double refLevel = rms(ref.left, 8 * H, ref.left.size() - 8 * H);

    struct Case
    {
        double semitones;
        double expected;
    };
    const Case cases[] = {{7.0, 659.255}, {-12.0, 220.0}, {12.0, 880.0}, {0.25, 446.412}, {-0.3, 432.436}};
    for (const Case &c : cases) {
        RealTimeEngine e;
        e.setAudioData(L.data(), R.data(), length);
        e.setInterp(static_cast<float>(std::pow(2.0, c.semitones / 12.0)));
        QVERIFY(e.isPitchOff()); // stored while off
        e.activatePitch(false);
        QVERIFY(e.isVocoderActive());
        const Render r = renderAll(e, length);
        const size_t from = 8 * H, to = r.left.size() - 8 * H;
        const double fl = measureFrequency(r.left, from, to);
        const double fr = measureFrequency(r.right, from, to);
        QVERIFY2(std::fabs(fl / c.expected - 1.0) < 0.002, qPrintable(QString("%1 st: %2 Hz").arg(c.semitones).arg(fl)));
        QVERIFY(std::fabs(fr / c.expected - 1.0) < 0.002);
        // Same duration as the unprocessed track and the same level.
        QVERIFY(std::abs(r.blocks - ref.blocks) <= static_cast<int>(N * 1.0 / H) + 1);
        const double level = rms(r.left, from, to);
        QVERIFY2(std::fabs(level / refLevel - 1.0) < 0.03, qPrintable(QString("level %1 vs %2").arg(level).arg(refLevel)));
    }
}

void TestRealTimeEngine::tempoChangesLengthNotLevel()
{
    const int length = 8 * kRate;
    const std::vector<float> L = sine(length, 440.0, 0.5f), R = sine(length, 330.0, 0.4f);

    RealTimeEngine off;
    off.setAudioData(L.data(), R.data(), length);
    const Render ref = renderAll(off, length);
    const double refL = rms(ref.left, 8 * H, ref.left.size() - 8 * H);

    for (double tempo : {1.5, 0.5}) {
        RealTimeEngine e;
        e.setAudioData(L.data(), R.data(), length);
        e.setHop(static_cast<float>(tempo));
        e.activateTempo(false);
        QCOMPARE(e.blockAdvance(), static_cast<int>(std::floor(H * tempo)));
        const Render r = renderAll(e, length);
        const double ratio = static_cast<double>(r.left.size()) / ref.left.size();
        QVERIFY2(std::fabs(ratio * tempo - 1.0) < 0.02, qPrintable(QString("tempo %1 length ratio %2").arg(tempo).arg(ratio)));
        const size_t from = 8 * H, to = r.left.size() - 8 * H;
        QVERIFY(std::fabs(measureFrequency(r.left, from, to) / 440.0 - 1.0) < 0.002);
        QVERIFY(std::fabs(measureFrequency(r.right, from, to) / 330.0 - 1.0) < 0.002);
        QVERIFY(std::fabs(rms(r.left, from, to) / refL - 1.0) < 0.03);
    }
}

namespace {

// Tone A (500 Hz) mostly left, tone B (2000 Hz) mostly right.
struct TwoTones
{
    int length = 4 * kRate;
    std::vector<float> L, R;
    TwoTones()
    {
        L.resize(length);
        R.resize(length);
        for (int i = 0; i < length; ++i) {
            const float a = static_cast<float>(std::sin(2.0 * M_PI * 500.0 * i / kRate));
            const float b = static_cast<float>(std::sin(2.0 * M_PI * 2000.0 * i / kRate));
            L[i] = 0.4f * a + 0.04f * b;
            R[i] = 0.04f * a + 0.4f * b;
        }
    }
};

struct Levels
{
    double aL, bR;
};

Levels isolateLevels(const TwoTones &t, int azimuth, bool solo, bool highSide, int knob)
{
    RealTimeEngine e;
    e.setAudioData(t.L.data(), t.R.data(), t.length);
    e.setSeparation(99);
    e.setWidth(34);
    e.setAzimuth(azimuth);
    e.setInverted(solo);
    e.setFilter(highSide);
    e.setFilterKnob(knob);
    e.activateSSS(false);
    std::vector<float> curve(RealTimeEngine::curvePoints);
    const Render r = renderAll(e, t.length, curve.data());
    const size_t from = 8 * H, to = r.left.size() - 8 * H;
    return {toneLevel(r.left, from, to, 500.0), toneLevel(r.right, from, to, 2000.0)};
}

} // namespace

void TestRealTimeEngine::isolateMutesAndSolosPannedTone()
{
    const TwoTones t;
    const double g = 0.75 * 0.4; // tools-off gain times the tone's level
    // Azimuth 95 points at a level ratio of about 0.1 towards the right: tone B.
    const Levels mute = isolateLevels(t, 95, false, true, 0);
    QVERIFY2(mute.bR < 0.01 * g, qPrintable(QString("muted B %1").arg(mute.bR)));
    QVERIFY2(std::fabs(mute.aL / g - 1.0) < 0.05, qPrintable(QString("kept A %1").arg(mute.aL)));
    const Levels solo = isolateLevels(t, 95, true, true, 0);
    QVERIFY(std::fabs(solo.bR / g - 1.0) < 0.05);
    QVERIFY(solo.aL < 0.01 * g);
    // Azimuth 5 points at tone A.
    const Levels muteA = isolateLevels(t, 5, false, true, 0);
    QVERIFY(muteA.aL < 0.01 * g);
    QVERIFY(std::fabs(muteA.bR / g - 1.0) < 0.05);
    // Centre: neither tone lies there.
    const Levels centre = isolateLevels(t, 50, false, true, 0);
    QVERIFY(std::fabs(centre.aL / g - 1.0) < 0.05);
    QVERIFY(std::fabs(centre.bR / g - 1.0) < 0.05);
}

void TestRealTimeEngine::isolateFilterSideAndKnobMoveSplit()
{
    const TwoTones t;
    const double g = 0.75 * 0.4;
    // Tone A sits in bin 46: the low side below bin 99 treats it, below bin 30 does not.
    QVERIFY(isolateLevels(t, 5, false, false, 99).aL < 0.01 * g);
    QVERIFY(std::fabs(isolateLevels(t, 5, false, false, 30).aL / g - 1.0) < 0.05);
    // The high side above bin 99 leaves it alone, above bin 30 treats it.
    QVERIFY(std::fabs(isolateLevels(t, 5, false, true, 99).aL / g - 1.0) < 0.05);
    QVERIFY(isolateLevels(t, 5, false, true, 30).aL < 0.01 * g);
    // Tone B (bin 186) is above every knob position: the low side never reaches it.
    QVERIFY(std::fabs(isolateLevels(t, 95, false, false, 99).bR / g - 1.0) < 0.05);
}

void TestRealTimeEngine::curveFollowsPanning()
{
    const int length = 2 * kRate;
    for (bool toRight : {false, true}) {
        const std::vector<float> loud = sine(length, 1000.0, 0.5f), soft = sine(length, 1000.0, 0.1f);
        RealTimeEngine e;
        if (toRight)
            e.setAudioData(soft.data(), loud.data(), length);
        else
            e.setAudioData(loud.data(), soft.data(), length);
        e.activateSSS(false);
        e.setPScale(0);
        std::vector<float> curve(RealTimeEngine::curvePoints, -1.0f);
        renderAll(e, length, curve.data());
        int peak = 0;
        for (int i = 0; i < RealTimeEngine::curvePoints; ++i) {
            QVERIFY(std::isfinite(curve[i]) && curve[i] >= 0.0f);
            if (curve[i] > curve[peak])
                peak = i;
        }
        QVERIFY(curve[peak] > 0.0f);
        // The copy for the GUI matches the last block's curve, and is withheld while the isolate is off.
        std::vector<float> copy(RealTimeEngine::curvePoints, -1.0f);
        QVERIFY(e.getSSSCurve(copy.data()));
        QVERIFY(copy == curve);
        e.activateSSS(true);
        std::fill(copy.begin(), copy.end(), -1.0f);
        QVERIFY(!e.getSSSCurve(copy.data()));
        QCOMPARE(copy[0], -1.0f);
        // A level ratio of 0.2 lands a tenth of the way in from its side (the outer
        // halves hold the ratios 0..1 of the softer channel to the louder one).
        if (toRight)
            QVERIFY2(peak >= 355 && peak <= 365, qPrintable(QString::number(peak)));
        else
            QVERIFY2(peak >= 35 && peak <= 45, qPrintable(QString::number(peak)));
    }
}

void TestRealTimeEngine::silenceStaysFinite()
{
    const int length = 3 * kRate;
    std::vector<float> zeros(length, 0.0f), tone = sine(length, 440.0, 0.5f);
    // Silence on both channels, and silence on one channel only.
    const std::vector<std::pair<const float *, const float *>> inputs = {{zeros.data(), zeros.data()},
                                                                         {tone.data(), zeros.data()},
                                                                         {zeros.data(), tone.data()}};
    for (const auto &in : inputs) {
        for (bool solo : {false, true}) {
            RealTimeEngine e;
            e.setAudioData(in.first, in.second, length);
            e.activateSSS(false);
            e.setInverted(solo);
            e.setAzimuth(50);
            e.setSeparation(99);
            e.setInterp(1.3f);
            e.activatePitch(false);
            e.setHop(0.8f);
            e.activateTempo(false);
            for (int i = 0; i < 400; ++i)
                e.setPScale(1); // shrink the scale as far as it goes
            std::vector<float> curve(RealTimeEngine::curvePoints, 0.0f);
            const Render r = renderAll(e, length, curve.data());
            QVERIFY(allFinite(r.left));
            QVERIFY(allFinite(r.right));
            QVERIFY(allFinite(curve));
            if (in.first == zeros.data() && in.second == zeros.data()) {
                QCOMPARE(rms(r.left, 0, r.left.size()), 0.0);
                for (float c : curve)
                    QCOMPARE(c, 0.0f);
            }
        }
    }
}

void TestRealTimeEngine::plotScaleStaysInRange()
{
    RealTimeEngine e;
    QCOMPARE(e.plotScale(), 50000000);
    e.setPScale(-1);
    QCOMPARE(e.plotScale(), 55000000);
    e.setPScale(1);
    QCOMPARE(e.plotScale(), 49500000);
    for (int i = 0; i < 1000; ++i)
        e.setPScale(-120);
    QVERIFY(e.plotScale() > 0);
    QCOMPARE(e.plotScale(), RealTimeEngine::maxPlotScale);
    for (int i = 0; i < 1000; ++i)
        e.setPScale(120);
    QCOMPARE(e.plotScale(), RealTimeEngine::minPlotScale);
    // From the smallest scale it can still grow.
    e.setPScale(-1);
    QVERIFY(e.plotScale() > RealTimeEngine::minPlotScale);
    e.setPScale(0);
    QCOMPARE(e.plotScale(), 50000000);
}

void TestRealTimeEngine::toolSwitchesKeepStoredFactors()
{
    RealTimeEngine e;
    QVERIFY(e.isPitchOff() && e.isTempoOff() && !e.isVocoderActive());
    // A factor set while the tool is off waits for the switch.
    e.setInterp(1.5f);
    QCOMPARE(e.interpFactor(), 1.0f);
    e.activatePitch(true); // already off: nothing changes
    QCOMPARE(e.storedInterpFactor(), 1.5f);
    e.activatePitch(false);
    QCOMPARE(e.interpFactor(), 1.5f);
    QVERIFY(e.isVocoderActive());
    // While on, the factor is live; switching on again keeps it.
    e.setInterp(1.25f);
    e.activatePitch(false);
    QCOMPARE(e.interpFactor(), 1.25f);
    e.activatePitch(true);
    QCOMPARE(e.interpFactor(), 1.0f);
    QCOMPARE(e.storedInterpFactor(), 1.25f);
    QVERIFY(!e.isVocoderActive());

    // Tempo alike; the vocoder stays on while either tool runs.
    e.setHop(0.75f);
    e.activateTempo(false);
    e.activatePitch(false);
    QCOMPARE(e.hopFactor(), 0.75f);
    e.activateTempo(true);
    e.activateTempo(true);
    QCOMPARE(e.storedHopFactor(), 0.75f);
    QCOMPARE(e.hopFactor(), 1.0f);
    QVERIFY(e.isVocoderActive());
    e.activateTempo(false);
    QCOMPARE(e.hopFactor(), 0.75f);

    e.resetHopFactor();
    QVERIFY(e.isTempoOff());
    QCOMPARE(e.hopFactor(), 1.0f);
    QCOMPARE(e.storedHopFactor(), 1.0f);
    QVERIFY(e.isVocoderActive()); // pitch still on
    e.activatePitch(true);
    QVERIFY(!e.isVocoderActive());

    // Riff steps switch pitch on with their factor and off at 1.
    e.setStepPitch(0.8f);
    QVERIFY(!e.isPitchOff() && e.isVocoderActive());
    QCOMPARE(e.interpFactor(), 0.8f);
    e.setStepPitch(1.0f);
    QVERIFY(e.isPitchOff() && !e.isVocoderActive());

    // Session tempo: below 1 it is mapped half way towards 1.
    e.setHopFactorFromSession(true, 0.5f);
    QCOMPARE(e.hopFactor(), 0.75f);
    QVERIFY(!e.isTempoOff() && e.isVocoderActive());
    e.setHopFactorFromSession(false, 1.4f);
    QVERIFY(e.isTempoOff() && !e.isVocoderActive());
    QCOMPARE(e.hopFactor(), 1.0f);
    QCOMPARE(e.storedHopFactor(), 1.4f);
}

void TestRealTimeEngine::parameterMappings()
{
    RealTimeEngine e;
    std::vector<float> x(10 * N, 0.0f);
    e.setAudioData(x.data(), nullptr, static_cast<int>(x.size()));
    QCOMPARE(e.isolateAzimuth(), 1.0f);
    QCOMPARE(e.isolateWidth(), 0.34f);
    QCOMPARE(e.isolateKeep(), 0.0f);
    QCOMPARE(e.vocoderMode(), 1);

    e.setAzimuth(50);
    QCOMPARE(e.isolateAzimuth(), 1.0f);
    e.setAzimuth(99);
    QVERIFY(std::fabs(e.isolateAzimuth() - 0.0202f) < 1e-5f);
    e.setAzimuth(0);
    QVERIFY(e.isolateAzimuth() < 0.0f && e.isolateAzimuth() > -0.001f);
    e.setAzimuth(49);
    QVERIFY(std::fabs(e.isolateAzimuth() + 0.9802f) < 1e-5f);
    e.setWidth(34);
    QVERIFY(std::fabs(e.isolateWidth() - 0.34001f) < 1e-6f);
    e.setSeparation(99);
    QCOMPARE(e.isolateKeep(), 1.0f);
    e.setFilterKnob(19);
    QCOMPARE(e.isolateFilterBin(), 19.0f);

    e.changeMode(2);
    QCOMPARE(e.vocoderMode(), 2);
    e.changeMode(3);
    QCOMPARE(e.vocoderMode(), 3);
    QVERIFY(!e.isMonoSum());
    e.changeMode(4);
    QCOMPARE(e.vocoderMode(), 3);
    QVERIFY(e.isMonoSum());
    e.changeMode(1);
    QCOMPARE(e.vocoderMode(), 1);
    QVERIFY(!e.isMonoSum());

    // Positions below one hop are lifted by a hop and never fall below it.
    e.setPlayPosition(0);
    QCOMPARE(e.playPosition(), H);
    e.setPlayPosition(500);
    QCOMPARE(e.playPosition(), H + 500);
    e.setPlayPosition(-5000);
    QCOMPARE(e.playPosition(), H);
    e.setPlayPosition(20000);
    QCOMPARE(e.playPosition(), 20000);
}

void TestRealTimeEngine::readsNeverLeaveTrack()
{
    // The frame read past the end of the track (and with no track at all) gives silence.
    const int length = 3 * N;
    std::vector<float> ones(length, 0.5f);
    RealTimeEngine e;
    std::vector<float> l(H, 1.0f), r(H, 1.0f);
    e.processBlock(l.data(), r.data(), nullptr);
    QCOMPARE(e.playPosition(), H);
    for (int i = 0; i < H; ++i)
        QVERIFY(l[i] == 0.0f && r[i] == 0.0f);

    e.setAudioData(ones.data(), nullptr, length);
    e.setInterp(2.0f);
    e.activatePitch(false);
    e.activateSSS(false);
    e.setPlayPosition(length - 10);
    std::vector<float> all;
    for (int b = 0; b < 8; ++b) {
        e.processBlock(l.data(), r.data(), nullptr);
        all.insert(all.end(), l.begin(), l.end());
    }
    QVERIFY(allFinite(all));
    // Once the tails have drained only silence remains.
    QCOMPARE(rms(all, all.size() - H, all.size()), 0.0);
}

void TestRealTimeEngine::enginesRunSideBySide()
{
    const int length = 3 * kRate;
    const std::vector<float> L = sine(length, 440.0, 0.5f), R = sine(length, 660.0, 0.3f);
    RealTimeEngine a, b, c;
    for (RealTimeEngine *e : {&a, &b, &c}) {
        e->setAudioData(L.data(), R.data(), length);
        e->setHop(1.25f);
        e->activateTempo(false);
        e->setInterp(1.1f);
        e->activatePitch(false);
        e->activateSSS(false);
    }
    const Render alone = renderAll(a, length);
    // b and c interleaved, block by block.
    std::vector<float> bl(H), br(H), cl(H), cr(H);
    for (int k = 0; k < alone.blocks; ++k) {
        b.processBlock(bl.data(), br.data(), nullptr);
        c.processBlock(cl.data(), cr.data(), nullptr);
        for (int i = 0; i < H; ++i) {
            QCOMPARE(bl[i], alone.left[k * H + i]);
            QCOMPARE(cr[i], alone.right[k * H + i]);
        }
    }
}

namespace {

// Lowest and highest RMS over windows of win samples (stepping by half a window) between from and to.
std::pair<double, double> windowLevels(const std::vector<float> &y, size_t from, size_t to, size_t win)
{
    double lo = 1e30, hi = 0.0;
    for (size_t s = from; s + win <= to; s += win / 2) {
        const double v = rms(y, s, s + win);
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    return {lo, hi};
}

// Share of the output energy within 256 samples of its loudest sample.
double energyNearPeak(const std::vector<float> &y)
{
    size_t peak = 0;
    for (size_t i = 0; i < y.size(); ++i)
        if (std::fabs(y[i]) > std::fabs(y[peak]))
            peak = i;
    double total = 0.0, near = 0.0;
    for (size_t i = 0; i < y.size(); ++i) {
        const double v = static_cast<double>(y[i]) * y[i];
        total += v;
        if (i + 256 > peak && i < peak + 256)
            near += v;
    }
    return total > 0.0 ? near / total : 0.0;
}

Render renderShifted(const std::vector<float> &L, const std::vector<float> &R, int mode, double semitones)
{
    RealTimeEngine e;
    e.setAudioData(L.data(), R.data(), static_cast<int>(L.size()));
    e.changeMode(mode);
    e.setInterp(static_cast<float>(std::pow(2.0, semitones / 12.0)));
    e.activatePitch(false);
    return renderAll(e, static_cast<int>(L.size()));
}

double relativeDifference(const std::vector<float> &a, const std::vector<float> &b, size_t from, size_t to)
{
    double d = 0.0, e = 0.0;
    for (size_t i = from; i < to; ++i) {
        d += (static_cast<double>(a[i]) - b[i]) * (static_cast<double>(a[i]) - b[i]);
        e += static_cast<double>(a[i]) * a[i];
    }
    return std::sqrt(d / e);
}

} // namespace

void TestRealTimeEngine::steadyHighToneKeepsLevelWhilePitchShifted()
{
    // Above bin 200 a steady tone must not be mistaken for a transient: restarting its
    // phases over and over makes the level warble.
    const int length = 4 * kRate;
    for (double freq : {2100.0, 5000.0}) {
        const std::vector<float> x = sine(length, freq, 0.4f), y = x;
        for (int mode : {1, 2, 3}) {
            for (double semitones : {3.0, -5.0}) {
                const Render r = renderShifted(x, y, mode, semitones);
                const auto lv = windowLevels(r.left, 8 * H, r.left.size() - 8 * H, 2048);
                QVERIFY2(lv.first > 0.97 * lv.second,
                         qPrintable(QString("%1 Hz mode %2 %3 st: level %4..%5")
                                        .arg(freq).arg(mode).arg(semitones).arg(lv.first).arg(lv.second)));
                QVERIFY2(std::fabs(lv.second / (0.3 / std::sqrt(2.0)) - 1.0) < 0.08, qPrintable(QString("%1 Hz mode %2 %3 st: level %4").arg(freq).arg(mode).arg(semitones).arg(lv.second)));
            }
        }
    }
}

void TestRealTimeEngine::transientRestartsUpperBinsByMode()
{
    // A short noise burst after silence: restarting the upper bins from their analysis
    // phases keeps it compact. Mode 2 restarts only the top bins, so most of the burst
    // spreads over the frame.
    const int length = 3 * kRate;
    for (int offset : {333, 700}) {
        std::vector<float> x(length, 0.0f);
        std::mt19937 gen(7);
        std::normal_distribution<float> noise(0.0f, 0.3f);
        for (int i = 0; i < 64; ++i)
            x[kRate + offset + i] = noise(gen) * 0.5f * static_cast<float>(1.0 - std::cos(2.0 * M_PI * i / 64));
        const double whole1 = energyNearPeak(renderShifted(x, x, 1, -3.0).left);
        const double whole3 = energyNearPeak(renderShifted(x, x, 3, -3.0).left);
        const double top2 = energyNearPeak(renderShifted(x, x, 2, -3.0).left);
        QVERIFY2(whole1 > 0.95 && whole3 > 0.95, qPrintable(QString("%1 %2").arg(whole1).arg(whole3)));
        QVERIFY2(top2 < 0.75, qPrintable(QString::number(top2)));
    }
}

void TestRealTimeEngine::modeThreeLocksFurtherUp()
{
    // A partial with a slight vibrato between bins 512 and 1024 is phase locked in mode 3
    // only, which keeps its level steady; below bin 512 every mode locks, and without a
    // transient modes 1 and 2 are the same.
    const int length = 3 * kRate;
    for (double centre : {7000.0, 300.0}) {
        for (double depth : {0.001, 0.01}) {
            std::vector<float> x(length);
            double ph = 0.0;
            for (int i = 0; i < length; ++i) {
                ph += 2.0 * M_PI * centre * (1.0 + depth * std::sin(2.0 * M_PI * 5.0 * i / kRate)) / kRate;
                x[i] = 0.4f * static_cast<float>(std::sin(ph));
            }
            const Render m1 = renderShifted(x, x, 1, 3.0);
            const Render m2 = renderShifted(x, x, 2, 3.0);
            const Render m3 = renderShifted(x, x, 3, 3.0);
            const size_t from = 8 * H, to = m1.left.size() - 8 * H;
            QVERIFY(m1.left == m2.left);
            const double d = relativeDifference(m1.left, m3.left, from, to);
            const QString what = QString("%1 Hz depth %2: difference %3").arg(centre).arg(depth).arg(d);
            if (centre > 5000.0)
                QVERIFY2(d > 0.2, qPrintable(what));
            else
                QVERIFY2(d < 0.02, qPrintable(what));
            if (depth < 0.005) {
                const auto lv = windowLevels(m3.left, from, to, 512);
                QVERIFY2(lv.first > 0.9 * lv.second, qPrintable(what + QString(" level %1..%2").arg(lv.first).arg(lv.second)));
            }
        }
    }
}

void TestRealTimeEngine::damagedSamplesSpoilOnlyAFewBlocks()
{
    const int length = 4 * kRate;
    std::vector<float> L = sine(length, 440.0, 0.5f), R = sine(length, 440.0, 0.5f);
    L[kRate] = std::numeric_limits<float>::quiet_NaN();
    R[kRate + 5000] = std::numeric_limits<float>::infinity();
    L[2 * kRate] = -std::numeric_limits<float>::infinity();
    // Finite, but the transform of a frame holding them overflows.
    for (int i = 0; i < 8; ++i) {
        L[3 * kRate + i] = 1e34f;
        R[3 * kRate + i] = -1e34f;
    }
    for (int tools = 0; tools < 3; ++tools) {
        RealTimeEngine e;
        e.setAudioData(L.data(), R.data(), length);
        if (tools >= 1) {
            e.setInterp(1.19f);
            e.activatePitch(false);
        }
        if (tools == 2) {
            e.setHop(1.25f);
            e.activateTempo(false);
        }
        if (tools == 2) {
            e.setAzimuth(70);
            e.setSeparation(80);
            e.activateSSS(false);
        }
        std::vector<float> curve(RealTimeEngine::curvePoints);
        const Render r = renderAll(e, length, curve.data());
        int bad = 0;
        for (size_t i = 0; i < r.left.size(); ++i)
            bad += (std::isfinite(r.left[i]) && std::isfinite(r.right[i])) ? 0 : 1;
        QVERIFY2(bad <= 8 * H, qPrintable(QString("tools %1: %2 bad samples").arg(tools).arg(bad)));
        QVERIFY(allFinite(curve));
        // The end of the track plays normally again.
        const size_t to = r.left.size() - 4 * H, from = to - 8 * H;
        QVERIFY(allFinite(std::vector<float>(r.left.begin() + from, r.left.end())));
        QVERIFY(allFinite(std::vector<float>(r.right.begin() + from, r.right.end())));
        QVERIFY2(rms(r.left, from, to) > 0.2 && rms(r.right, from, to) > 0.2,
                 qPrintable(QString("tools %1: %2").arg(tools).arg(rms(r.left, from, to))));
    }
}

void TestRealTimeEngine::farSeekStaysInRange()
{
    const int length = 10 * N;
    std::vector<float> x = sine(length, 440.0, 0.5f);
    RealTimeEngine e;
    e.setAudioData(x.data(), nullptr, length);
    e.setHop(4.0f);
    e.activateTempo(false);
    e.setPlayPosition(INT_MAX - 100);
    QCOMPARE(e.playPosition(), length + N);
    std::vector<float> l(H), r(H);
    for (int b = 0; b < 4; ++b) {
        e.processBlock(l.data(), r.data(), nullptr);
        QCOMPARE(e.playPosition(), length + N);
        QCOMPARE(rms(l, 0, H), 0.0);
    }
    // Near the end the advance is cut at the same limit.
    e.setPlayPosition(length);
    e.processBlock(l.data(), r.data(), nullptr);
    QCOMPARE(e.playPosition(), length + N);
    e.setPlayPosition(INT_MAX);
    QCOMPARE(e.playPosition(), length + N);

    // Without a track a seek stops one frame in.
    RealTimeEngine empty;
    empty.setPlayPosition(INT_MAX);
    QCOMPARE(empty.playPosition(), N);
}

namespace {

struct IsolateSetup
{
    int azimuth = 95;
    bool solo = false;
    int separation = 99;
    int width = 34;
    double semitones = 0.0;
    double tempo = 1.0;
};

Levels isolateLevelsWith(const TwoTones &t, const IsolateSetup &s)
{
    RealTimeEngine e;
    e.setAudioData(t.L.data(), t.R.data(), t.length);
    e.setSeparation(s.separation);
    e.setWidth(s.width);
    e.setAzimuth(s.azimuth);
    e.setInverted(s.solo);
    e.setFilter(true);
    e.setFilterKnob(0);
    e.activateSSS(false);
    const double shift = std::pow(2.0, s.semitones / 12.0);
    if (s.semitones != 0.0) {
        e.setInterp(static_cast<float>(shift));
        e.activatePitch(false);
    }
    if (s.tempo != 1.0) {
        e.setHop(static_cast<float>(s.tempo));
        e.activateTempo(false);
    }
    const Render r = renderAll(e, t.length);
    const size_t from = 8 * H, to = r.left.size() - 8 * H;
    return {toneLevel(r.left, from, to, 500.0 * shift), toneLevel(r.right, from, to, 2000.0 * shift)};
}

} // namespace

void TestRealTimeEngine::isolateWorksWithVocoder()
{
    const TwoTones t;
    const double g = 0.75 * 0.4;
    IsolateSetup s;
    s.semitones = 3.0;
    s.tempo = 1.25;
    const Levels mute = isolateLevelsWith(t, s);
    QVERIFY2(mute.bR < 0.02 * g, qPrintable(QString("muted B %1").arg(mute.bR)));
    QVERIFY2(std::fabs(mute.aL / g - 1.0) < 0.05, qPrintable(QString("kept A %1").arg(mute.aL)));
    s.solo = true;
    const Levels solo = isolateLevelsWith(t, s);
    QVERIFY2(std::fabs(solo.bR / g - 1.0) < 0.05, qPrintable(QString("solo B %1").arg(solo.bR)));
    QVERIFY(solo.aL < 0.02 * g);
}

void TestRealTimeEngine::separationAndWidthSetTreatment()
{
    const TwoTones t;
    const double g = 0.75 * 0.4;
    // Treated bins keep (1 - separation/100)^2 of their level.
    IsolateSetup s;
    for (int separation : {50, 80, 0}) {
        s.separation = separation;
        const double keep = (100 - separation) / 100.0;
        const Levels lv = isolateLevelsWith(t, s);
        QVERIFY2(std::fabs(lv.bR / (keep * keep * g) - 1.0) < 0.05,
                 qPrintable(QString("separation %1: %2").arg(separation).arg(lv.bR)));
        QVERIFY(std::fabs(lv.aL / g - 1.0) < 0.05);
    }
    // Tone B sits at a level ratio of 0.1; azimuth 85 points at 0.3002. A width of 0.20001
    // misses it, 0.21001 takes it in.
    s.separation = 99;
    s.azimuth = 85;
    s.width = 20;
    QVERIFY(std::fabs(isolateLevelsWith(t, s).bR / g - 1.0) < 0.05);
    s.width = 21;
    QVERIFY(isolateLevelsWith(t, s).bR < 0.01 * g);
    // The same on the other side for tone A (azimuth 15 points at -0.3002).
    s.azimuth = 15;
    s.width = 20;
    QVERIFY(std::fabs(isolateLevelsWith(t, s).aL / g - 1.0) < 0.05);
    s.width = 21;
    QVERIFY(isolateLevelsWith(t, s).aL < 0.01 * g);
}

void TestRealTimeEngine::curveInterpolatesAndDecays()
{
    // Two seconds of a panned tone, then silence.
    const int length = 4 * kRate;
    std::vector<float> L = sine(length, 1000.0, 0.5f), R = sine(length, 1000.0, 0.1f);
    std::fill(L.begin() + 2 * kRate, L.end(), 0.0f);
    std::fill(R.begin() + 2 * kRate, R.end(), 0.0f);
    RealTimeEngine e;
    e.setAudioData(L.data(), R.data(), length);
    e.activateSSS(false);
    std::vector<float> l(H), r(H), curve(RealTimeEngine::curvePoints), last;
    int silentBlocks = 0;
    while (e.playPosition() + N + 1 < length) {
        const bool silent = e.playPosition() > 2 * kRate;
        e.processBlock(l.data(), r.data(), curve.data());
        // Odd points lie half way between their even neighbours; the last repeats the one before.
        for (int j = 0; j + 2 < RealTimeEngine::curvePoints; j += 2)
            QVERIFY(std::fabs(curve[j + 1] - 0.5f * (curve[j] + curve[j + 2])) <= 1e-6f * (curve[j] + curve[j + 2]));
        QCOMPARE(curve[RealTimeEngine::curvePoints - 1], curve[RealTimeEngine::curvePoints - 2]);
        if (silent && !last.empty()) {
            // With nothing coming in, the histogram fades by a tenth per block.
            ++silentBlocks;
            for (int j = 0; j < RealTimeEngine::curvePoints; ++j)
                QVERIFY(std::fabs(curve[j] - 0.9f * last[j]) <= 1e-6f * last[j]);
        }
        if (silent)
            last = curve;
    }
    QVERIFY(silentBlocks > 10);
    QVERIFY(*std::max_element(curve.begin(), curve.end()) > 0.0f);
}

void TestRealTimeEngine::clearedBuffersCarryNoOldAudio()
{
    // A loud first half and a silent second half: after a clear, a block read from the
    // silence holds nothing of the tone played before.
    const int length = 20 * N;
    std::vector<float> L = sine(length, 440.0, 0.8f), R = sine(length, 660.0, 0.8f);
    std::fill(L.begin() + length / 2, L.end(), 0.0f);
    std::fill(R.begin() + length / 2, R.end(), 0.0f);
    for (bool vocoder : {false, true}) {
        for (bool clear : {false, true}) {
            RealTimeEngine e;
            e.setAudioData(L.data(), R.data(), length);
            if (vocoder) {
                e.setInterp(1.19f);
                e.activatePitch(false);
            }
            std::vector<float> l(H), r(H);
            for (int b = 0; b < 10; ++b)
                e.processBlock(l.data(), r.data(), nullptr);
            if (clear)
                e.clearProcessingBuffers();
            e.setPlayPosition(length / 2 + H);
            double level = 0.0;
            for (int b = 0; b < 3; ++b) {
                e.processBlock(l.data(), r.data(), nullptr);
                level += rms(l, 0, H) + rms(r, 0, H);
            }
            if (clear)
                QCOMPARE(level, 0.0);
            else
                QVERIFY(level > 0.01); // the overlap tails still hold the tone
        }
    }
}

void TestRealTimeEngine::vocoderSwitchesSmoothlyWhilePlaying()
{
    // Tempo switched on and off mid-track, twice: the sine goes on without a click. Each
    // switch on joins the frames already played; a switch off may dip for one block while
    // the overlap tails of the stretched frames drain.
    const int length = 4 * kRate;
    const std::vector<float> L = sine(length, 440.0, 0.5f), R = sine(length, 440.0, 0.5f);
    const double steady = 0.375 / std::sqrt(2.0);
    for (float pitch : {1.0f, 1.19f}) {
        RealTimeEngine e;
        e.setAudioData(L.data(), R.data(), length);
        e.setHop(1.25f);
        e.setInterp(pitch);
        if (pitch != 1.0f)
            e.activatePitch(false);
        std::vector<float> out, l(H), r(H);
        for (int b = 0; b < 60; ++b) {
            if (b == 15 || b == 45)
                e.activateTempo(false);
            if (b == 30)
                e.activateTempo(true);
            e.processBlock(l.data(), r.data(), nullptr);
            out.insert(out.end(), l.begin(), l.end());
        }
        QVERIFY(allFinite(out));
        const double steadyStep = 2.0 * M_PI * 440.0 * pitch / kRate * 0.375;
        double worstStep = 0.0;
        for (size_t i = 4 * H; i < out.size(); ++i)
            worstStep = std::max(worstStep, static_cast<double>(std::fabs(out[i] - out[i - 1])));
        QVERIFY2(worstStep < 1.3 * steadyStep, qPrintable(QString("pitch %1: step %2 vs %3").arg(pitch).arg(worstStep).arg(steadyStep)));
        // Around both switches on, and the pitch-shifted run throughout, the level holds.
        std::vector<std::pair<int, int>> spans = {{4, 30}, {34, 60}};
        if (pitch != 1.0f)
            spans = {{4, 60}};
        for (const auto &span : spans) {
            const auto lv = windowLevels(out, span.first * H, span.second * H, 512);
            QVERIFY2(lv.first > 0.94 * steady && lv.second < 1.06 * steady,
                     qPrintable(QString("pitch %1 blocks %2..%3: level %4..%5")
                                    .arg(pitch).arg(span.first).arg(span.second).arg(lv.first).arg(lv.second)));
        }
        QVERIFY(windowLevels(out, 4 * H, out.size(), 512).first > 0.5 * steady);
    }
}

void TestRealTimeEngine::filterSplitsAtTheKnobBin()
{
    // A tone centred on bin 46: the high side above bin 46 leaves that bin alone and takes
    // only the upper half of the tone's lobe; above bin 45 it takes the centre too.
    const int length = 4 * kRate;
    const double freq = 46.0 * kRate / N;
    const std::vector<float> L = sine(length, freq, 0.4f), R = sine(length, freq, 0.04f);
    double level[2];
    for (int knob : {45, 46}) {
        RealTimeEngine e;
        e.setAudioData(L.data(), R.data(), length);
        e.setSeparation(99);
        e.setAzimuth(5);
        e.setFilter(true);
        e.setFilterKnob(knob);
        e.activateSSS(false);
        const Render r = renderAll(e, length);
        level[knob - 45] = toneLevel(r.left, 8 * H, r.left.size() - 8 * H, freq);
    }
    const double g = 0.75 * 0.4;
    QVERIFY2(level[1] > 0.5 * g && level[0] < 0.5 * g, qPrintable(QString("%1 %2").arg(level[0]).arg(level[1])));
    QVERIFY(level[1] > 2.0 * level[0]);
}

void TestRealTimeEngine::phaseResetForgetsEarlierBlocks()
{
    // Two engines reach the same block by different ways; after a phase reset there they
    // go on alike once the overlap tails have drained.
    const int length = 4 * kRate;
    std::vector<float> L(length), R(length);
    for (int i = 0; i < length; ++i) {
        L[i] = 0.3f * static_cast<float>(std::sin(2.0 * M_PI * 330.0 * i / kRate) + 0.5 * std::sin(2.0 * M_PI * 1234.0 * i / kRate));
        R[i] = 0.3f * static_cast<float>(std::sin(2.0 * M_PI * 550.0 * i / kRate));
    }
    RealTimeEngine a, b;
    std::vector<float> al(H), ar(H), bl(H), br(H);
    for (RealTimeEngine *e : {&a, &b}) {
        e->setAudioData(L.data(), R.data(), length);
        e->setHop(1.25f);
        e->activateTempo(false);
        e->setInterp(1.19f);
        e->activatePitch(false);
    }
    for (int k = 0; k < 30; ++k)
        a.processBlock(al.data(), ar.data(), nullptr);
    b.setPlayPosition(kRate / 3);
    for (int k = 0; k < 17; ++k)
        b.processBlock(bl.data(), br.data(), nullptr);
    for (RealTimeEngine *e : {&a, &b}) {
        e->setPlayPosition(2 * kRate);
        e->processBlock(al.data(), ar.data(), nullptr);
        e->resetPhaseBuffers();
    }
    bool differed = false;
    for (int k = 0; k < 8; ++k) {
        a.processBlock(al.data(), ar.data(), nullptr);
        b.processBlock(bl.data(), br.data(), nullptr);
        if (k < 3) {
            differed = differed || al != bl;
            continue;
        }
        QVERIFY(al == bl);
        QVERIFY(ar == br);
    }
    QVERIFY(differed); // the blocks before the reset did leave their mark in the tails
}

void TestRealTimeEngine::polarHelpersRoundTrip()
{
    // n = 12 leaves two bins for the scalar path after one group of four.
    for (int n : {4096, 12}) {
        std::mt19937 gen(11);
        std::uniform_real_distribution<float> d(-1000.0f, 1000.0f);
        std::vector<float> spectrum(n), back(n), magnitude(n / 2), phase(n / 2);
        for (float &v : spectrum)
            v = d(gen);
        spectrum[1] = 0.0f;
        spectrum[n / 2 + 1] = 0.0f; // a silent bin
        RealTimeEngine::toPolar(spectrum.data(), magnitude.data(), phase.data(), n);
        for (int i = 0; i < n / 2; ++i) {
            QVERIFY(std::fabs(phase[i]) <= 3.1415930f);
            QVERIFY(std::fabs(phase[i] - std::atan2(-spectrum[n / 2 + i], spectrum[i])) < 1e-6f);
        }
        RealTimeEngine::fromPolar(back.data(), magnitude.data(), phase.data(), n);
        for (int i = 0; i < n; ++i)
            QVERIFY2(std::fabs(back[i] - spectrum[i]) < 1e-3f, qPrintable(QString("n %1 i %2").arg(n).arg(i)));
        // A damaged phase spoils its own bin only.
        phase[n / 2 - 1] = std::numeric_limits<float>::quiet_NaN();
        RealTimeEngine::fromPolar(back.data(), magnitude.data(), phase.data(), n);
        QVERIFY(std::isnan(back[n / 2 - 1]) && std::isnan(back[n - 1]));
        QVERIFY(std::fabs(back[n / 2 - 2] - spectrum[n / 2 - 2]) < 1e-3f);
    }
    float s = 0.0f, c = 0.0f;
    for (float x : {0.0f, 0.5f, -2.0f, 3.1415926f, 100.25f, -999.0f}) {
        fastmath::sincosf(x, &s, &c);
        QVERIFY(std::fabs(s - std::sin(x)) < 2e-6f && std::fabs(c - std::cos(x)) < 2e-6f);
    }
    fastmath::sincosf(std::numeric_limits<float>::quiet_NaN(), &s, &c);
    QVERIFY(std::isnan(s) && std::isnan(c));
    fastmath::sincosf(std::numeric_limits<float>::infinity(), &s, &c);
    QVERIFY(!(std::fabs(s) < 2.0f) && !(std::fabs(c) < 2.0f));
}

namespace {

// A few seconds of music: plucked notes with harmonics that change every quarter second
// over a decaying bass note, in the left channel; the right one is left for the caller.
std::vector<float> pluckedMusic(int length, unsigned seed)
{
    std::vector<float> x(length, 0.0f);
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> step(0, 11);
    const int noteLen = kRate / 4;
    for (int start = 0; start < length; start += noteLen) {
        const double f = 220.0 * std::pow(2.0, step(gen) / 12.0);
        const double bass = 55.0 * std::pow(2.0, step(gen) / 12.0);
        for (int i = 0; i < noteLen && start + i < length; ++i) {
            double v = 0.0;
            for (int h = 1; h <= 6; ++h)
                v += std::sin(2.0 * M_PI * f * h * i / kRate) / h;
            v = 0.12 * v * std::exp(-3.0 * i / noteLen) + 0.2 * std::sin(2.0 * M_PI * bass * i / kRate) * std::exp(-1.5 * i / noteLen);
            x[start + i] = static_cast<float>(v);
        }
    }
    return x;
}

// RMS of the tone's amplitude over stretches of 4096 samples.
double shortTermToneLevel(const std::vector<float> &y, size_t from, size_t to, double freq)
{
    double sum = 0.0;
    int n = 0;
    for (size_t s = from; s + 4096 <= to; s += 4096, ++n)
        sum += std::pow(toneLevel(y, s, s + 4096, freq), 2.0);
    return n ? std::sqrt(sum / n) : 0.0;
}

struct Setting
{
    double tempo;
    double semitones;
};

const Setting kStereoSettings[] = {{0.75, 0.0}, {0.5, 0.0}, {1.25, 0.0}, {1.0, 3.0}, {1.0, -5.0}};

Render renderSetting(const std::vector<float> &L, const std::vector<float> &R, const Setting &s)
{
    RealTimeEngine e;
    e.setAudioData(L.data(), R.data(), static_cast<int>(L.size()));
    e.setHop(static_cast<float>(s.tempo));
    e.activateTempo(s.tempo == 1.0);
    e.setInterp(static_cast<float>(std::pow(2.0, s.semitones / 12.0)));
    e.activatePitch(s.semitones == 0.0);
    return renderAll(e, static_cast<int>(L.size()));
}

QString settingName(const Setting &s)
{
    return QString("tempo %1, %2 st").arg(s.tempo).arg(s.semitones);
}

} // namespace

void TestRealTimeEngine::centredMusicStaysCentred()
{
    // The right channel differs from the left by noise 60 dB down, which nobody hears: the
    // output's two channels must stay as alike below 1 kHz as the input's, and both must
    // stay as loud as the mono track would play.
    const int length = 5 * kRate;
    const std::vector<float> L = pluckedMusic(length, 21);
    std::vector<float> R = L;
    std::mt19937 gen(4);
    std::normal_distribution<float> noise(0.0f, static_cast<float>(rms(L, 0, length) * 1e-3));
    for (float &v : R)
        v += noise(gen);
    QVERIFY(lowBandCoherence(L, R, 0, length) > 0.999);

    for (const Setting &s : kStereoSettings) {
        const Render r = renderSetting(L, R, s);
        const Render mono = renderSetting(L, L, s);
        const size_t from = 8 * H, to = r.left.size() - 8 * H;
        const double coherence = lowBandCoherence(r.left, r.right, from, to);
        QVERIFY2(coherence > 0.99, qPrintable(settingName(s) + QString(": coherence %1").arg(coherence)));
        // Summed to mono nothing cancels: the sum is as loud as the mono track's doubled.
        std::vector<float> sum(r.left.size());
        for (size_t i = 0; i < sum.size(); ++i)
            sum[i] = 0.5f * (r.left[i] + r.right[i]);
        const double ratio = rms(sum, from, to) / rms(mono.left, from, to);
        QVERIFY2(std::fabs(ratio - 1.0) < 0.02, qPrintable(settingName(s) + QString(": mono sum level %1").arg(ratio)));
    }
}

void TestRealTimeEngine::pannedSourcesKeepTheirPlace()
{
    // Music panned 30 % to the left (left gain 0.65, right 0.35) with a tone above it that
    // only the right channel carries: the tone stays on the right, and the music keeps its
    // level ratio between the channels.
    const int length = 5 * kRate;
    const std::vector<float> a = pluckedMusic(length, 8);
    const double f = 8000.0, amp = 0.08;
    std::vector<float> L(length), R(length);
    for (int i = 0; i < length; ++i) {
        L[i] = 0.65f * a[i];
        R[i] = 0.35f * a[i] + static_cast<float>(amp * std::sin(2.0 * M_PI * f * i / kRate));
    }
    const double inRatio = 20.0 * std::log10(0.65 / 0.35);
    for (const Setting &s : kStereoSettings) {
        const Render r = renderSetting(L, R, s);
        const size_t from = 8 * H, to = r.left.size() - 8 * H;
        const double tone = f * std::pow(2.0, s.semitones / 12.0);
        // Transient restarts move the tone's phase: its level is read over short stretches,
        // against the right channel played alone as a mono track.
        const Render alone = renderSetting(R, R, s);
        const double toneL = shortTermToneLevel(r.left, from, to, tone);
        const double toneR = shortTermToneLevel(r.right, from, to, tone);
        const double toneAlone = shortTermToneLevel(alone.left, from, to, tone);
        QVERIFY2(std::fabs(toneR / toneAlone - 1.0) < 0.05 && toneR > 0.5 * amp && toneL < 0.01 * toneR,
                 qPrintable(settingName(s) + QString(": right-only tone %1 left, %2 right, %3 alone").arg(toneL).arg(toneR).arg(toneAlone)));
        // The music lies below 3 kHz, the tone above 5 kHz.
        const double musicL = rms(lowPassed(r.left, 4000.0), from, to);
        const double musicR = rms(lowPassed(r.right, 4000.0), from, to);
        const double outRatio = 20.0 * std::log10(musicL / musicR);
        QVERIFY2(std::fabs(outRatio - inRatio) < 1.0,
                 qPrintable(settingName(s) + QString(": music %1 dB louder on the left, was %2 dB").arg(outRatio).arg(inRatio)));
    }
}
