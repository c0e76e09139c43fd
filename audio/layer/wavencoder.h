// WavEncoder: turns interleaved float samples into 16-bit PCM WAV data written to a file,
// whose header sizes are completed at the end. Owned by the audio layer's source streams,
// which the WAV export writes into; the MP3 export uses its header and conversion to feed
// the encoder program.
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

    // Writes count samples (not frames). False after a write error.
    bool write(const float *samples, std::size_t count);
    // Completes the output: patches the header sizes and closes the file. Called by the
    // destructor when not called before.
    bool finish();

    // Saturated conversion of a float sample to 16 bits (x 32768, toward zero); NaN is 0.
    static short toPcm16(float sample);
    // count samples as little-endian 16-bit values into out (2 x count bytes).
    static void convert(const float *samples, std::size_t count, unsigned char *out);
    // The most audio bytes a header can name (its RIFF size adds 36 to them).
    static constexpr std::uint64_t maximumDataBytes = 0xFFFFFFFFu - 36;
    // The 44-byte header of 16-bit PCM data of dataBytes bytes; unknownSize for a stream
    // whose length is not known in advance.
    static constexpr std::size_t headerBytes = 44;
    static constexpr std::uint32_t unknownSize = 0xFFFFFFFFu;
    static void header(unsigned char *out, int sampleRate, int channels, std::uint32_t dataBytes);

private:
    WavEncoder(std::FILE *file, int sampleRate, int channels);
    bool writeHeader(std::uint32_t dataBytes);

    std::FILE *m_file = nullptr;
    int m_rate = 0;
    int m_channels = 0;
    bool m_ok = true;
    std::uint64_t m_dataBytes = 0;
    std::vector<unsigned char> m_buffer;
};
