// WavEncoder: turns interleaved float samples into 16-bit PCM WAV data, written to a file
// (whose header sizes are completed at the end) or fed to a program's standard input.
// Owned by the audio layer's source streams, which the export writes into.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

class WavEncoder
{
public:
    ~WavEncoder();
    WavEncoder(const WavEncoder &) = delete;
    WavEncoder &operator=(const WavEncoder &) = delete;

    // Null when the file cannot be created.
    static std::unique_ptr<WavEncoder> toFile(const std::string &utf8Path, int sampleRate, int channels);
    // Null when the command cannot be started (run through the shell).
    static std::unique_ptr<WavEncoder> toCommand(const std::string &commandLine, int sampleRate,
                                                 int channels);

    // Writes count samples (not frames). False after a write error.
    bool write(const float *samples, std::size_t count);
    // Completes the output: patches a file's header sizes, or closes the pipe and waits for
    // the program. Called by the destructor when not called before.
    bool finish();

    // Saturated conversion of a float sample to 16 bits (x 32768, toward zero).
    static short toPcm16(float sample);

private:
    WavEncoder(std::FILE *file, bool pipe, int sampleRate, int channels);
    bool writeHeader(std::uint32_t dataBytes);

    std::FILE *m_file = nullptr;
    bool m_pipe = false;
    int m_rate = 0;
    int m_channels = 0;
    bool m_ok = true;
    std::uint64_t m_dataBytes = 0;
    std::vector<unsigned char> m_buffer;
};
