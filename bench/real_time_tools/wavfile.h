#ifndef PLECTRONOME_BENCH_WAVFILE_H
#define PLECTRONOME_BENCH_WAVFILE_H

// Minimal WAV reading and writing for the offline render tools: PCM 16/24/32-bit and
// 32-bit float in, 16-bit PCM out.

#include <string>
#include <vector>

struct WavFile
{
    int sampleRate = 44100;
    int channels = 0;
    std::vector<float> left, right; // right equals left for mono files

    int frames() const { return static_cast<int>(left.size()); }
    bool read(const std::string &path, std::string *error = nullptr);
    bool write(const std::string &path) const;
};

#endif
