#include "audio/layer/wavencoder.h"

#include <cmath>
#include <cstdint>
#include <cerrno>
#include <cstring>

namespace {

void put16(unsigned char *p, std::uint16_t v)
{
    p[0] = static_cast<unsigned char>(v & 0xFF);
    p[1] = static_cast<unsigned char>(v >> 8);
}

void put32(unsigned char *p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>((v >> (8 * i)) & 0xFF);
}

} // namespace

WavEncoder::WavEncoder(std::FILE *file, int sampleRate, int channels)
    : m_file(file), m_rate(sampleRate), m_channels(channels)
{
}

WavEncoder::~WavEncoder()
{
    finish();
}

std::unique_ptr<WavEncoder> WavEncoder::toFile(const std::string &utf8Path, int sampleRate, int channels)
{
    if (utf8Path.empty() || sampleRate <= 0 || channels <= 0)
        return nullptr;
    std::FILE *f = std::fopen(utf8Path.c_str(), "wb");
    if (!f)
        return nullptr;
    std::unique_ptr<WavEncoder> e(new WavEncoder(f, sampleRate, channels));
    if (!e->writeHeader(0)) {
        e->finish();
        return nullptr;
    }
    return e;
}

void WavEncoder::header(unsigned char *h, int sampleRate, int channels, std::uint32_t dataBytes)
{
    std::memcpy(h, "RIFF", 4);
    put32(h + 4, dataBytes == unknownSize ? unknownSize : dataBytes + 36);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    put32(h + 16, 16);
    put16(h + 20, 1);
    put16(h + 22, std::uint16_t(channels));
    put32(h + 24, std::uint32_t(sampleRate));
    put32(h + 28, std::uint32_t(sampleRate) * std::uint32_t(channels) * 2);
    put16(h + 32, std::uint16_t(channels * 2));
    put16(h + 34, 16);
    std::memcpy(h + 36, "data", 4);
    put32(h + 40, dataBytes);
}

bool WavEncoder::writeHeader(std::uint32_t dataBytes)
{
    unsigned char h[headerBytes];
    header(h, m_rate, m_channels, dataBytes);
    return std::fwrite(h, 1, sizeof h, m_file) == sizeof h;
}

short WavEncoder::toPcm16(float sample)
{
    if (!(sample == sample))
        return 0;
    const float scaled = std::trunc(sample * 32768.0f);
    if (scaled >= 32767.0f)
        return 32767;
    if (scaled <= -32768.0f)
        return -32768;
    return static_cast<short>(scaled);
}

void WavEncoder::convert(const float *samples, std::size_t count, unsigned char *out)
{
    for (std::size_t i = 0; i < count; ++i)
        put16(out + 2 * i, static_cast<std::uint16_t>(toPcm16(samples[i])));
}

bool WavEncoder::write(const float *samples, std::size_t count)
{
    if (!m_file || !m_ok)
        return false;
    // A WAV file's sizes end at 4 GB: a longer one fails instead of getting a false header.
    if (m_dataBytes + count * 2 > maximumDataBytes) {
        errno = EFBIG;
        m_ok = false;
        return false;
    }
    m_buffer.resize(count * 2);
    convert(samples, count, m_buffer.data());
    if (std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file) != m_buffer.size())
        m_ok = false;
    m_dataBytes += m_buffer.size();
    return m_ok;
}

bool WavEncoder::finish()
{
    if (!m_file)
        return m_ok;
    const std::uint32_t data = std::uint32_t(m_dataBytes);
    if (std::fflush(m_file) != 0 || std::fseek(m_file, 0, SEEK_SET) != 0 || !writeHeader(data))
        m_ok = false;
    if (std::fclose(m_file) != 0)
        m_ok = false;
    m_file = nullptr;
    return m_ok;
}
