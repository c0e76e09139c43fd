// timingprobe: how well riffs, loops, songs and playback starts keep time, measured on what
// the player puts out: offline renders (as the exports write them) and, in child processes,
// captures of SDL's disk driver (as the output device plays them).
//
// The probe track has a beat every 22050 frames (120 BPM) from frame 4096. Two versions:
//  - "tone": a steady 1500 Hz tone on the left; on the right a click on every beat (2048
//    frames after the step on it starts). Where a step changes the pitch, the tone's
//    zero crossings tell the frame where the new pitch takes over (halfway through the
//    change).
//  - "metro": the beat clicks on the left, silence on the right, the metronome on (or
//    silent); the right channel then holds the metronome alone and left - right the track.
//    Steps at one pitch are told by their clicks; the metronome clicks where a step starts.
// Each step should start beat interval / tempo after the one before, at the tempo the
// engine plays (1024 output frames per floor(1024 x tempo) track frames). Every figure is
// in milliseconds unless named otherwise.
//
// Usage: timingprobe                      (renders here, then one child per capture)
//        timingprobe --capture <case> <capture file>
#include "audio/audioplayer.h"
#include "audio/riffsource.h"
#include "audio/songslots.h"
#include "analysis/trackanalysis.h"
#include "metadata/metadata.h"
#include "bench/player/probeclicks.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <functional>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr int kBeat = 22050;
constexpr int kFirstBeat = 4096;
constexpr int kLead = 2048; // a step starts this many frames before its beat
constexpr int kBeats = 110;
constexpr double kTone = 1500.0;

double ms(double frames)
{
    return frames * 1000.0 / kRate;
}

int stepStart(int beat)
{
    return kFirstBeat + kBeat * beat - kLead;
}

float semis(float s)
{
    return std::pow(2.0f, s / 12.0f);
}


class ProbeRiff : public RiffSource
{
public:
    std::vector<int> beats;
    std::vector<float> pitches;
    int stepBeat(int step) const override { return step >= 0 && step < int(beats.size()) ? beats[size_t(step)] : -1; }
    int lastBeatIndex() const override { return int(beats.size()) - 1; }
    float stepPitch(int step) const override
    {
        return step >= 0 && step < int(pitches.size()) ? pitches[size_t(step)] : 1.0f;
    }
};

struct Rig
{
    std::vector<float> left, right;
    MetaData meta;
    ProbeRiff riffs[SongSlots::riffCount];
    SongSlots song;
    AudioPlayer player;
    int frames = kFirstBeat + kBeat * (kBeats + 1);
    int selStart = 0, selEnd = 0;

    explicit Rig(bool metro)
    {
        left.assign(size_t(frames), 0.0f);
        right.assign(size_t(frames), 0.0f);
        const std::vector<float> click = probeclicks::clickShape(kRate);
        std::vector<float> &clicks = metro ? left : right;
        for (int b = 0; b < kBeats; ++b)
            std::copy(click.begin(), click.end(), clicks.begin() + stepStart(b) + kLead);
        // The tone; or, under the clicks, a faint one that tells a gap in a capture from
        // the track's silence.
        for (int i = 0; i < frames; ++i)
            left[size_t(i)] += float((metro ? 0.002 : 0.3) * std::sin(2 * M_PI * (metro ? 441.0 : kTone) * i / kRate));
        TrackAnalysis analysis;
        analysis.tempo = 120.0f;
        for (int b = 0; b < kBeats; ++b) {
            analysis.beats.push_back(float(kFirstBeat + kBeat * b));
            analysis.chordLabels.push_back("A");
        }
        meta.setFromAnalysis(analysis);
        player.initMetaData(&meta);
        player.setSelectionPointers(&selStart, &selEnd);
        player.setAudioData(left.data(), right.data(), 2, frames, kRate);
        for (ProbeRiff &r : riffs)
            player.appendRiff(&r);
        player.setSong(&song);
        if (metro) {
            player.setMetronomeClick(click.data(), click.data(), int(click.size()));
            player.setMetroVolume(100);
        }
    }
    void tempo(float t)
    {
        player.resetHopFactor();
        if (t != 1.0f) {
            player.setHop(t);
            player.activateTempo(false);
        }
    }
    double stretch() const { return 1024.0 / double(const_cast<AudioPlayer &>(player).engine().blockAdvance()); }
};


// Upward zero crossings, interpolated.
std::vector<double> crossings(const std::vector<float> &x, int from, int to)
{
    std::vector<double> c;
    for (int i = std::max(1, from); i < std::min(int(x.size()), to); ++i) {
        if (x[size_t(i - 1)] < 0.0f && x[size_t(i)] >= 0.0f)
            c.push_back(i - 1 + x[size_t(i - 1)] / (x[size_t(i - 1)] - x[size_t(i)]));
    }
    return c;
}

// Where the tone changes from period `before` to period `after` (in frames), searched
// around `near`: halfway between the last crossing that ends 2 ms of the old period and
// the first that starts 2 ms of the new one. NaN when not found.
double pitchChange(const std::vector<float> &x, double near, double before, double after)
{
    const std::vector<double> c = crossings(x, int(near) - 4 * kBeat / 10, int(near) + 4 * kBeat / 10);
    auto matches = [&](size_t i, double period, int dir) {
        const double span = kRate * 0.002;
        double covered = 0;
        for (size_t k = i; k + 1 < c.size() && k >= 1 && covered < span; k += size_t(dir)) {
            const double d = dir > 0 ? c[k + 1] - c[k] : c[k] - c[k - 1];
            if (std::abs(d - period) > 0.04 * period)
                return false;
            covered += d;
        }
        return covered >= span;
    };
    double lastOld = NAN, firstNew = NAN;
    for (size_t i = 1; i + 1 < c.size(); ++i) {
        if (c[i] > near + kRate * 0.1)
            break;
        if (matches(i, before, -1) && c[i] < near + kRate * 0.05)
            lastOld = c[i];
    }
    for (size_t i = 1; i + 1 < c.size(); ++i) {
        if (c[i] > (std::isnan(lastOld) ? near - kRate * 0.1 : lastOld) && matches(i, after, 1)) {
            firstNew = c[i];
            break;
        }
    }
    if (std::isnan(lastOld) || std::isnan(firstNew))
        return NAN;
    return (lastOld + firstNew) / 2;
}

double rms(const std::vector<float> &x, int from, int count)
{
    double s = 0;
    for (int i = from; i < from + count && i < int(x.size()); ++i)
        s += double(x[size_t(i)]) * x[size_t(i)];
    return std::sqrt(s / std::max(1, count));
}

struct Steps
{
    double worstLength = 0; // worst |step length - beat interval / tempo|
    double worstStart = 0;  // worst |where a step starts - where it should|
    int measured = 0;       // step starts found
    int missed = 0;         // step starts looked for and not found
};

// Where the steps of what plays from frame 0 start. A step that changes the pitch starts
// where the steady tone changes its period; the others (with `clicks`) where their click
// sounds, less the first step's click offset. Steps should start every `stepFrames`.
Steps measureSteps(const std::vector<float> &clicks, const std::vector<float> &tone, const std::vector<float> &pitches,
                   double stepFrames, int steps)
{
    Steps s;
    std::vector<double> start(size_t(steps), NAN);
    start[0] = 0.0;
    if (!clicks.empty()) {
        const std::vector<double> on = probeclicks::onsets(clicks, 0.05f, 2048);
        for (int k = 1; k < steps && k < int(on.size()); ++k)
            start[size_t(k)] = on[size_t(k)] - on[0];
    } else {
        const double period = kRate / kTone;
        for (int k = 1; k < steps; ++k) {
            const float a = pitches[size_t((k - 1) % pitches.size())];
            const float b = pitches[size_t(k % pitches.size())];
            if (a == b)
                continue;
            start[size_t(k)] = pitchChange(tone, k * stepFrames, period / a, period / b);
            if (std::isnan(start[size_t(k)]))
                ++s.missed;
        }
    }
    for (int k = 1; k < steps; ++k) {
        if (std::isnan(start[size_t(k)]))
            continue;
        ++s.measured;
        s.worstStart = std::max(s.worstStart, std::abs(ms(start[size_t(k)] - k * stepFrames)));
        if (!std::isnan(start[size_t(k - 1)]))
            s.worstLength = std::max(s.worstLength, std::abs(ms(start[size_t(k)] - start[size_t(k - 1)] - stepFrames)));
    }
    return s;
}

void printSteps(const char *what, float tempo, bool pitched, const Steps &s, const std::string &extra = "")
{
    std::printf("{\"case\": \"%s\", \"tempo\": %.2f, \"step_pitch\": %s, \"step_starts\": %d, \"not_found\": %d, "
                "\"worst_step_length_error_ms\": %.2f, \"worst_step_start_error_ms\": %.2f%s}\n",
                what, tempo, pitched ? "true" : "false", s.measured, s.missed, s.worstLength, s.worstStart, extra.c_str());
}

const std::vector<int> kJumps = {20, 30, 25, 40};
const std::vector<float> kFlat = {1, 1, 1, 1};
const std::vector<float> kPitched = {1, semis(2), semis(-3), semis(5)};
const std::vector<int> kRun = {10, 11, 12, 13};
const std::vector<float> kRunPitch = {1, 1, semis(2), semis(2)};

std::vector<float> channel(const QVector<float> &v)
{
    return std::vector<float>(v.begin(), v.end());
}

void riffRenders()
{
    // Steps at one pitch are told by their clicks (the metronome's track, the metronome
    // itself silent); steps that change the pitch by the tone.
    Rig clicks(true), tone(false);
    clicks.player.setMetroVolume(0);
    for (const float tempo : {1.0f, 0.8f, 1.25f}) {
        for (const bool pitched : {false, true}) {
            Rig &rig = pitched ? tone : clicks;
            rig.tempo(tempo);
            rig.riffs[0].beats = kJumps;
            rig.riffs[0].pitches = pitched ? kPitched : kFlat;
            rig.player.setRiff(0);
            const int n = rig.player.renderRiff();
            const double step = kBeat * rig.stretch();
            const std::vector<float> left = channel(rig.player.riffRenderLeft());
            const std::vector<float> right = channel(rig.player.riffRenderRight());
            const Steps s = pitched ? measureSteps({}, left, kPitched, step, 4) : measureSteps(left, {}, kFlat, step, 4);
            // The last 10 ms: what sounds of the next beat's click (on the left without step
            // pitch, on the right with it), 46 ms after the riff's end.
            const std::vector<float> &c = pitched ? right : left;
            float tail = 0.0f;
            for (int i = std::max(0, n - 441); i < n; ++i)
                tail = std::max(tail, std::abs(c[size_t(i)]));
            char extra[300];
            std::snprintf(extra, sizeof extra, ", \"render_length_error_ms\": %.2f, \"click_peak_in_last_10ms\": %.3f",
                          ms(n - 4 * step), tail);
            printSteps("riff render", tempo, pitched, s, extra);
        }
    }
}

void songRenders()
{
    Rig rig(false);
    for (const float tempo : {1.0f, 0.8f, 1.25f}) {
        rig.tempo(tempo);
        rig.riffs[0].beats = kJumps;
        rig.riffs[0].pitches = kPitched;
        rig.riffs[1].beats = kRun;
        rig.riffs[1].pitches = kRunPitch;
        rig.song.clear();
        rig.song.set(0, 0);
        rig.song.set(1, 0);
        rig.song.set(2, 1);
        const double step = kBeat * rig.stretch();
        rig.player.setRiff(0);
        rig.player.renderRiff();
        const std::vector<float> riffA = channel(rig.player.riffRenderLeft());
        rig.player.setRiff(1);
        rig.player.renderRiff();
        const std::vector<float> riffB = channel(rig.player.riffRenderLeft());
        const int n = rig.player.renderSong();
        const std::vector<float> song = channel(rig.player.songRenderLeft());
        // The song against its riffs' renders one after the other, away from the 3 ms
        // crossfades where one riff joins the next.
        double worst = 0;
        const std::vector<float> *riffs[] = {&riffA, &riffA, &riffB};
        size_t at = 0;
        for (const std::vector<float> *riff : riffs) {
            for (size_t i = 88; i + 88 < riff->size() && at + i < song.size(); ++i)
                worst = std::max(worst, double(std::abs(song[at + i] - (*riff)[i])));
            at += riff->size();
        }
        std::vector<float> pitches = kPitched;
        pitches.insert(pitches.end(), kPitched.begin(), kPitched.end());
        pitches.insert(pitches.end(), kRunPitch.begin(), kRunPitch.end());
        const Steps s = measureSteps({}, song, pitches, step, 12);
        char extra[300];
        std::snprintf(extra, sizeof extra, ", \"song_length_error_ms\": %.2f, \"song_length_minus_riff_renders_frames\": %d, "
                      "\"worst_difference_from_riff_renders\": %.4f",
                      ms(n - 12 * step), n - int(2 * riffA.size() + riffB.size()), worst);
        printSteps("song render A A B", tempo, true, s, extra);
    }
}

void exportRenders()
{
    Rig rig(false);
    // The whole track, a fourth up: its first 100 ms against its level a second in.
    rig.tempo(1.0f);
    rig.player.setInterp(semis(5));
    rig.player.activatePitch(false);
    std::vector<float> out;
    rig.player.startExportRender(0);
    while (rig.player.renderExportBlock() == 0 && out.size() < size_t(2 * kRate))
        out.insert(out.end(), rig.player.exportBlockLeft().begin(), rig.player.exportBlockLeft().end());
    rig.player.endExportRender();
    const double steady = rms(out, kRate, 4410);
    std::printf("{\"case\": \"whole-track export, pitch +5\", \"level_of_10ms_slices_percent\": [");
    for (int k = 0; k < 10; ++k)
        std::printf("%s%.0f", k ? ", " : "", 100.0 * rms(out, k * 441, 441) / steady);
    std::printf("]}\n");
    // A selection of four beats at tempo 0.8 and a third up: its length, and what its last
    // 10 ms hold of the next beat's click.
    rig.tempo(0.8f);
    rig.player.setInterp(semis(3));
    const int start = stepStart(20), end = stepStart(24);
    std::vector<float> clicks;
    rig.player.startExportRender(start, end);
    while (rig.player.renderExportBlock() == 0)
        clicks.insert(clicks.end(), rig.player.exportBlockRight().begin(), rig.player.exportBlockRight().end());
    rig.player.endExportRender();
    float tail = 0.0f;
    for (size_t i = clicks.size() > 441 ? clicks.size() - 441 : 0; i < clicks.size(); ++i)
        tail = std::max(tail, std::abs(clicks[i]));
    std::printf("{\"case\": \"selection export, tempo 0.8, pitch +3\", \"length_error_ms\": %.2f, "
                "\"click_peak_in_last_10ms\": %.3f}\n",
                ms(double(clicks.size()) - (end - start) * rig.stretch()), tail);
    rig.player.activatePitch(true);
}

// ---- Captures ------------------------------------------------------------------------------

struct Capture
{
    std::vector<float> left, right;
    int origin = 0; // the first frame pushed
    int gaps = 0;   // frames of silence left out: the output ran dry there
};

Capture readCapture(const QString &path)
{
    Capture c;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return c;
    const QByteArray bytes = f.readAll();
    const float *got = reinterpret_cast<const float *>(bytes.constData());
    const int n = bytes.size() / 8;
    int first = 0;
    while (first < n && got[2 * first] == 0.0f && got[2 * first + 1] == 0.0f)
        ++first;
    // The first pushed frame is silent: the audio starts a frame before the first sound.
    c.origin = std::max(0, first - 1);
    for (int i = 0; i < n;) {
        int run = 0;
        while (i + run < n && got[2 * (i + run)] == 0.0f && got[2 * (i + run) + 1] == 0.0f)
            ++run;
        if (i > first && run >= 16) {
            c.gaps += run;
            i += run;
            continue;
        }
        for (const int end = i + std::max(run, 1); i < end; ++i) {
            c.left.push_back(got[2 * i]);
            c.right.push_back(got[2 * i + 1]);
        }
    }
    return c;
}

void waitForCapture(Rig &rig, const QString &path, double seconds)
{
    const qint64 wanted = qint64(seconds * kRate) * 8;
    QElapsedTimer clock;
    clock.start();
    while (QFile(path).size() < wanted && rig.player.isPlaying() && clock.elapsed() < 600000)
        QThread::msleep(20);
    rig.player.stop();
    rig.player.shutdown();
}

int captureCase(const QString &name, const QString &path)
{
    const QStringList parts = name.split(':');
    const QString kind = parts.value(0);
    const float tempo = parts.value(1, "1").toFloat();
    if (kind == "riff") {
        const bool pitched = parts.value(2) == "pitched";
        Rig rig(!pitched);
        rig.player.setMetroVolume(0);
        rig.tempo(tempo);
        rig.riffs[0].beats = kJumps;
        rig.riffs[0].pitches = pitched ? kPitched : kFlat;
        rig.player.setRiff(0);
        rig.player.playRiff();
        const double step = kBeat * rig.stretch();
        waitForCapture(rig, path, 10 * step / kRate + 0.5);
        const Capture c = readCapture(path);
        const std::vector<float> left(c.left.begin() + c.origin, c.left.end());
        const Steps s = pitched ? measureSteps({}, left, kPitched, step, 10) : measureSteps(left, {}, kFlat, step, 10);
        printSteps("riff playback (capture)", tempo, pitched, s, ", \"capture_gap_frames\": " + std::to_string(c.gaps));
        return 0;
    }
    if (kind == "riffloop" || kind == "selectionloop") {
        Rig rig(true);
        rig.tempo(tempo);
        if (kind == "riffloop") {
            rig.riffs[0].beats = {10, 11, 12, 13, 14, 15, 16, 17};
            rig.player.setRiff(0);
            rig.player.playRiff();
        } else {
            rig.selStart = stepStart(10);
            rig.selEnd = stepStart(18);
            rig.player.loop(true);
            rig.player.play();
        }
        const double step = kBeat * rig.stretch();
        waitForCapture(rig, path, 26 * step / kRate + 0.5);
        const Capture c = readCapture(path);
        std::vector<float> metro(c.right.begin() + c.origin, c.right.end());
        std::vector<float> track(metro.size());
        for (size_t i = 0; i < track.size(); ++i)
            track[i] = c.left[size_t(c.origin) + i] - metro[i];
        const std::vector<double> own = probeclicks::onsets(track, 0.05f, 2048);
        const std::vector<double> met = probeclicks::onsets(metro, 0.05f, 2048);
        // Every step starts with its beat: the metronome clicks at step k's first frame,
        // k steps after the first.
        double worstLoop = 0, worstStep = 0, worstMetro = 0, worstMetroAfterWrap = 0;
        for (size_t i = 1; i < own.size(); ++i)
            worstStep = std::max(worstStep, std::abs(ms(own[i] - own[i - 1] - step)));
        for (size_t i = 8; i < own.size(); ++i)
            worstLoop = std::max(worstLoop, std::abs(ms(own[i] - own[i - 8] - 8 * step)));
        for (size_t k = 0; k < met.size(); ++k) {
            const double off = std::abs(ms(met[k] - met[0] - k * step));
            worstMetro = std::max(worstMetro, off);
            if (k % 8 == 0 && k > 0)
                worstMetroAfterWrap = std::max(worstMetroAfterWrap, off);
        }
        std::printf("{\"case\": \"%s (capture)\", \"tempo\": %.2f, \"track_clicks\": %zu, \"metronome_clicks\": %zu, "
                    "\"worst_loop_length_error_ms\": %.2f, \"worst_step_interval_error_ms\": %.2f, "
                    "\"worst_metronome_error_ms\": %.2f, \"worst_metronome_error_after_wrap_ms\": %.2f, \"capture_gap_frames\": %d}\n",
                    qPrintable(kind), tempo, own.size(), met.size(), worstLoop, worstStep, worstMetro, worstMetroAfterWrap,
                    c.gaps);
        return 0;
    }
    if (kind == "start") {
        // The metronome track with a tone on the left instead of the clicks; or ("click")
        // nothing but one click on the left where playback starts, the metronome silent.
        const QString how = parts.value(2);
        const bool click = parts.value(3) == "click";
        const int start = stepStart(how == "point" ? 12 : 10);
        Rig rig(true);
        if (click) {
            for (int i = 0; i < rig.frames; ++i)
                rig.left[size_t(i)] = float(0.002 * std::sin(2 * M_PI * 441.0 * i / kRate));
            const std::vector<float> shape = probeclicks::clickShape(kRate);
            std::transform(shape.begin(), shape.end(), rig.left.begin() + start, rig.left.begin() + start,
                           std::plus<float>());
            rig.player.setMetroVolume(0);
        } else {
            for (int i = 0; i < rig.frames; ++i)
                rig.left[size_t(i)] = float(0.3 * std::sin(2 * M_PI * kTone * i / kRate));
        }
        if (how == "play") {
            rig.selStart = start;
            rig.selEnd = stepStart(14);
            rig.player.play();
        } else if (how == "point") {
            rig.selStart = rig.selEnd = start;
            rig.player.selectionSingleClick();
            rig.player.play();
        } else {
            rig.riffs[0].beats = {10, 11};
            rig.song.set(0, 0);
            rig.player.setRiff(0);
            if (how == "riff")
                rig.player.playRiff();
            else
                rig.player.playSong();
        }
        waitForCapture(rig, path, 1.5);
        const Capture c = readCapture(path);
        std::vector<float> metro(c.right.begin() + c.origin, c.right.end());
        std::vector<float> track(metro.size());
        for (size_t i = 0; i < track.size(); ++i)
            track[i] = c.left[size_t(c.origin) + i] - metro[i];
        auto peakOf = [](const std::vector<float> &x) {
            float peak = 0.0f;
            for (int i = 0; i < 882 && i < int(x.size()); ++i)
                peak = std::max(peak, std::abs(x[size_t(i)]));
            return peak;
        };
        if (click) {
            // Whole, the click plays at the engine's 0.75 and the output's 0.99.
            const std::vector<float> shape = probeclicks::clickShape(kRate);
            std::printf("{\"case\": \"start: %s (capture)\", \"peak_of_the_click_where_it_starts\": %.3f, "
                        "\"as_played_whole\": %.3f}\n",
                        qPrintable(how), peakOf(track), peakOf(shape) * 0.75 * 0.99);
            return 0;
        }
        const double steady = rms(track, 22050, 4410);
        std::printf("{\"case\": \"start: %s (capture)\", \"level_of_10ms_slices_percent\": [", qPrintable(how));
        for (int k = 0; k < 5; ++k)
            std::printf("%s%.0f", k ? ", " : "", 100.0 * rms(track, k * 441, 441) / steady);
        std::printf("], \"metronome_click_peak\": %.3f}\n", peakOf(metro));
        return 0;
    }
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc >= 4 && QString(argv[1]) == "--capture")
        return captureCase(argv[2], argv[3]);
    riffRenders();
    songRenders();
    exportRenders();
    const QStringList cases = {"riff:1:flat",    "riff:1:pitched",   "riff:0.8:pitched", "riff:1.25:pitched",
                               "riffloop:1",     "riffloop:0.75",    "selectionloop:1",  "selectionloop:0.75",
                               "start:1:play",   "start:1:point",    "start:1:riff",     "start:1:song",
                               "start:1:play:click", "start:1:point:click", "start:1:riff:click", "start:1:song:click"};
    int failures = 0;
    for (const QString &c : cases) {
        const QString capture = QString("/tmp/timingprobe-%1.raw").arg(QCoreApplication::applicationPid());
        failures += !probeclicks::runCaptured({"--capture", c, capture}, capture, 30);
    }
    return failures ? 1 : 0;
}
