#include "audio/layer/wavencoder.h"

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <ctime>

#include <pthread.h>

namespace {

// Keeps a broken pipe (the program stopped reading) from raising SIGPIPE in this process:
// the signal is blocked in this thread while writing, and one raised by the write is
// taken off again, so the write just fails with EPIPE.
class PipeSignalGuard
{
public:
    explicit PipeSignalGuard(bool active) : m_active(active)
    {
        if (!m_active)
            return;
        sigemptyset(&m_set);
        sigaddset(&m_set, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        m_wasPending = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &m_set, &m_old);
    }
    ~PipeSignalGuard()
    {
        if (!m_active)
            return;
        if (!m_wasPending) {
            sigset_t pending;
            sigpending(&pending);
            if (sigismember(&pending, SIGPIPE) == 1) {
                const timespec zero{0, 0};
                while (sigtimedwait(&m_set, nullptr, &zero) < 0 && errno == EINTR) {
                }
            }
        }
        pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
    }

private:
    bool m_active;
    bool m_wasPending = false;
    sigset_t m_set;
    sigset_t m_old;
};

constexpr std::uint32_t kUnknownSize = 0xFFFFFFFFu;

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

WavEncoder::WavEncoder(std::FILE *file, bool pipe, int sampleRate, int channels)
    : m_file(file), m_pipe(pipe), m_rate(sampleRate), m_channels(channels)
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
    std::unique_ptr<WavEncoder> e(new WavEncoder(f, false, sampleRate, channels));
    if (!e->writeHeader(0)) {
        e->finish();
        return nullptr;
    }
    return e;
}

std::unique_ptr<WavEncoder> WavEncoder::toCommand(const std::string &commandLine, int sampleRate,
                                                  int channels)
{
    if (commandLine.empty() || sampleRate <= 0 || channels <= 0)
        return nullptr;
    std::FILE *p = popen(commandLine.c_str(), "w");
    if (!p)
        return nullptr;
    std::unique_ptr<WavEncoder> e(new WavEncoder(p, true, sampleRate, channels));
    // The length is not known in advance: both sizes say "unknown".
    PipeSignalGuard guard(true);
    if (!e->writeHeader(kUnknownSize)) {
        e->finish();
        return nullptr;
    }
    return e;
}

bool WavEncoder::writeHeader(std::uint32_t dataBytes)
{
    unsigned char h[44];
    std::memcpy(h, "RIFF", 4);
    put32(h + 4, dataBytes == kUnknownSize ? kUnknownSize : dataBytes + 36);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    put32(h + 16, 16);
    put16(h + 20, 1);
    put16(h + 22, std::uint16_t(m_channels));
    put32(h + 24, std::uint32_t(m_rate));
    put32(h + 28, std::uint32_t(m_rate) * std::uint32_t(m_channels) * 2);
    put16(h + 32, std::uint16_t(m_channels * 2));
    put16(h + 34, 16);
    std::memcpy(h + 36, "data", 4);
    put32(h + 40, dataBytes);
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

bool WavEncoder::write(const float *samples, std::size_t count)
{
    if (!m_file || !m_ok)
        return false;
    m_buffer.resize(count * 2);
    for (std::size_t i = 0; i < count; ++i)
        put16(m_buffer.data() + 2 * i, static_cast<std::uint16_t>(toPcm16(samples[i])));
    PipeSignalGuard guard(m_pipe);
    if (std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file) != m_buffer.size())
        m_ok = false;
    m_dataBytes += m_buffer.size();
    return m_ok;
}

bool WavEncoder::finish()
{
    if (!m_file)
        return m_ok;
    if (m_pipe) {
        PipeSignalGuard guard(true);
        const int status = pclose(m_file);
        m_file = nullptr;
        m_ok = m_ok && status == 0;
        return m_ok;
    }
    // Sizes past 4 GB cannot be written: leave them at the largest value.
    const std::uint64_t limit = 0xFFFFFFFFu - 36;
    const std::uint32_t data = std::uint32_t(m_dataBytes > limit ? limit : m_dataBytes);
    if (std::fflush(m_file) != 0 || std::fseek(m_file, 0, SEEK_SET) != 0 || !writeHeader(data))
        m_ok = false;
    if (std::fclose(m_file) != 0)
        m_ok = false;
    m_file = nullptr;
    return m_ok;
}
