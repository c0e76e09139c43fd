// Offline render of a WAV file through the real-time engine:
//   rtt_render IN.wav OUT.wav [--tempo X] [--semitones S] [--isolate AZIMUTH]
// The tempo factor X > 1 plays faster. The whole input is rendered: blocks run until the
// frame start passes the end of the track (the engine reads silence beyond it).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "real_time_tools/realtimeengine.h"
#include "wavfile.h"

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s IN.wav OUT.wav [--tempo X] [--semitones S] [--isolate AZIMUTH]\n", argv[0]);
        return 2;
    }
    double tempo = 1.0, semitones = 0.0;
    int azimuth = -1;
    for (int i = 3; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--tempo"))
            tempo = std::atof(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--semitones"))
            semitones = std::atof(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--isolate"))
            azimuth = std::atoi(argv[i + 1]);
    }
    WavFile in;
    std::string error;
    if (!in.read(argv[1], &error)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
        return 1;
    }

    RealTimeEngine e;
    e.setAudioData(in.left.data(), in.channels == 1 ? nullptr : in.right.data(), in.frames());
    if (tempo != 1.0) {
        e.setHop(static_cast<float>(tempo));
        e.activateTempo(false);
    }
    if (semitones != 0.0) {
        e.setInterp(static_cast<float>(std::pow(2.0, semitones / 12.0)));
        e.activatePitch(false);
    }
    if (azimuth >= 0) {
        e.setAzimuth(azimuth);
        e.setSeparation(99);
        e.activateSSS(false);
    }

    WavFile out;
    out.sampleRate = in.sampleRate;
    out.channels = in.channels;
    const size_t expected = static_cast<size_t>(in.frames() / tempo) + 1024;
    out.left.reserve(expected);
    out.right.reserve(expected);
    std::vector<float> l(RealTimeEngine::hopSize), r(RealTimeEngine::hopSize);
    while (e.playPosition() < in.frames()) {
        e.processBlock(l.data(), r.data(), nullptr);
        out.left.insert(out.left.end(), l.begin(), l.end());
        out.right.insert(out.right.end(), r.begin(), r.end());
    }
    if (!out.write(argv[2])) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}
