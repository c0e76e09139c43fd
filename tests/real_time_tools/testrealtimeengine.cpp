#include "testrealtimeengine.h"

#include <QtTest>

#include <cmath>
#include <random>
#include <vector>

#include "real_time_tools/realtimeengine.h"

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

// Frequency from upward zero crossings between from and to, interpolated linearly.
double measureFrequency(const std::vector<float> &y, size_t from, size_t to)
{
    double first = -1.0, last = -1.0;
    int cycles = 0;
    for (size_t i = from + 1; i < to; ++i) {
        if (y[i - 1] < 0.0f && y[i] >= 0.0f) {
            const double t = (i - 1) + (-y[i - 1]) / (y[i] - y[i - 1]);
            if (first < 0.0)
                first = t;
            else
                ++cycles;
            last = t;
        }
    }
    return cycles > 0 ? cycles * kRate / (last - first) : 0.0;
}

double rms(const std::vector<float> &y, size_t from, size_t to)
{
    double s = 0.0;
    for (size_t i = from; i < to; ++i)
        s += static_cast<double>(y[i]) * y[i];
    return std::sqrt(s / (to - from));
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
    for (bool nullRight : {true, false}) {
        RealTimeEngine e;
        e.setAudioData(x.data(), nullRight ? nullptr : x.data(), length);
        e.setInterp(1.2f);
        e.activatePitch(false);
        e.activateSSS(false);
        const Render r = renderAll(e, length);
        QVERIFY(r.blocks > 5);
        QVERIFY(r.left == r.right);
        QVERIFY(rms(r.left, 4 * H, r.left.size()) > 0.2);
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
