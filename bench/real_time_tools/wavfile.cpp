#include "wavfile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>

namespace {

uint32_t le32(const unsigned char *p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

uint16_t le16(const unsigned char *p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

void put32(std::string &s, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

void put16(std::string &s, uint16_t v)
{
    s.push_back(static_cast<char>(v & 0xff));
    s.push_back(static_cast<char>(v >> 8));
}

} // namespace

bool WavFile::read(const std::string &path, std::string *error)
{
    auto fail = [&](const char *msg) {
        if (error)
            *error = msg;
        return false;
    };
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return fail("cannot open");
    std::vector<unsigned char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (data.size() < 12 || std::memcmp(data.data(), "RIFF", 4) != 0 || std::memcmp(data.data() + 8, "WAVE", 4) != 0)
        return fail("not a WAV file");
    int format = 0, bits = 0;
    size_t pos = 12;
    const unsigned char *samples = nullptr;
    size_t sampleBytes = 0;
    while (pos + 8 <= data.size()) {
        const unsigned char *chunk = data.data() + pos;
        size_t size = le32(chunk + 4);
        const size_t body = pos + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && body + 16 <= data.size()) {
            format = le16(chunk + 8);
            channels = le16(chunk + 10);
            sampleRate = static_cast<int>(le32(chunk + 12));
            bits = le16(chunk + 22);
            if (format == 0xFFFE && size >= 40 && body + 26 <= data.size())
                format = le16(chunk + 8 + 24);
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            size = std::min(size, data.size() - body);
            samples = data.data() + body;
            sampleBytes = size;
            break;
        }
        pos = body + size + (size & 1);
    }
    if (!samples || channels < 1)
        return fail("no data");
    const int bytes = bits / 8;
    if (!((format == 1 && (bits == 16 || bits == 24 || bits == 32)) || (format == 3 && bits == 32)))
        return fail("unsupported sample format");
    const size_t frames = sampleBytes / (bytes * channels);
    left.resize(frames);
    right.resize(frames);
    for (size_t f = 0; f < frames; ++f) {
        for (int c = 0; c < std::min(channels, 2); ++c) {
            const unsigned char *p = samples + (f * channels + c) * bytes;
            float v;
            if (format == 3) {
                uint32_t u = le32(p);
                std::memcpy(&v, &u, 4);
            } else if (bits == 16) {
                v = static_cast<int16_t>(le16(p)) / 32768.0f;
            } else if (bits == 24) {
                int32_t s = (p[0] << 8) | (p[1] << 16) | (p[2] << 24);
                v = static_cast<float>((s >> 8) / 8388608.0);
            } else {
                v = static_cast<float>(static_cast<int32_t>(le32(p)) / 2147483648.0);
            }
            (c == 0 ? left : right)[f] = v;
        }
        if (channels == 1)
            right[f] = left[f];
    }
    return true;
}

bool WavFile::write(const std::string &path) const
{
    const int ch = channels == 1 ? 1 : 2;
    const uint32_t frames = static_cast<uint32_t>(left.size());
    std::string s;
    s.reserve(44 + frames * ch * 2);
    s += "RIFF";
    put32(s, 36 + frames * ch * 2);
    s += "WAVEfmt ";
    put32(s, 16);
    put16(s, 1);
    put16(s, static_cast<uint16_t>(ch));
    put32(s, static_cast<uint32_t>(sampleRate));
    put32(s, static_cast<uint32_t>(sampleRate * ch * 2));
    put16(s, static_cast<uint16_t>(ch * 2));
    put16(s, 16);
    s += "data";
    put32(s, frames * ch * 2);
    for (uint32_t f = 0; f < frames; ++f) {
        for (int c = 0; c < ch; ++c) {
            const float v = (c == 0 ? left : right)[f];
            const long q = std::lrint(std::max(-1.0f, std::min(1.0f, v)) * 32767.0f);
            put16(s, static_cast<uint16_t>(static_cast<int16_t>(q)));
        }
    }
    std::ofstream out(path, std::ios::binary);
    out.write(s.data(), static_cast<std::streamsize>(s.size()));
    return static_cast<bool>(out);
}
