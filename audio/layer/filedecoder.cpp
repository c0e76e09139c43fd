#include "audio/layer/filedecoder.h"

#include "audio/layer/audiolayer.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace {

// Packets in a row that may fail to decode before the stream is given up as unreadable.
constexpr int kMaxBadPackets = 500;

void quietenFfmpegOnce()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // Damaged files make the decoders chatty; keep real errors only, unless the
        // program chose a level of its own.
        if (av_log_get_level() == AV_LOG_INFO)
            av_log_set_level(AV_LOG_FATAL);
    });
}

} // namespace

FileDecoder::FileDecoder() = default;

FileDecoder::~FileDecoder()
{
    close();
}

void FileDecoder::close()
{
    swr_free(&m_swr);
    if (m_swrInLayout) {
        av_channel_layout_uninit(m_swrInLayout);
        delete m_swrInLayout;
        m_swrInLayout = nullptr;
    }
    av_frame_free(&m_frame);
    av_packet_free(&m_packet);
    avcodec_free_context(&m_codec);
    avformat_close_input(&m_format);
}

int FileDecoder::open(const std::string &utf8Path)
{
    using namespace audiolayer;
    quietenFfmpegOnce();
    close();

    if (utf8Path.empty())
        return ErrorFileOpen;
    // Only regular files: opening a FIFO blocks until someone writes to it, and a device
    // such as /dev/urandom would decode without end.
    struct stat status;
    if (::stat(utf8Path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return ErrorFileOpen;
    // Always a local file: a name that looks like a URL ("http:", "pipe:", "concat:") is
    // taken as a file name, and nothing inside a file may open anything but files either.
    const std::string url = "file:" + utf8Path;
    AVDictionary *options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    const int opened = avformat_open_input(&m_format, url.c_str(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0) {
        m_format = nullptr;
        // Missing or unreadable files are "cannot open"; anything else is not sound we know.
        if (opened == AVERROR(ENOENT) || opened == AVERROR(EACCES) || opened == AVERROR(EISDIR)
            || opened == AVERROR(EPERM))
            return ErrorFileOpen;
        return ErrorFormat;
    }
    if (avformat_find_stream_info(m_format, nullptr) < 0)
        return ErrorFormat;

    const AVCodec *codec = nullptr;
    m_streamIndex = av_find_best_stream(m_format, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (m_streamIndex == AVERROR_DECODER_NOT_FOUND)
        return ErrorCodec;
    if (m_streamIndex < 0 || !codec)
        return ErrorFormat;
    // Skip pictures, video and other audio streams entirely.
    for (unsigned i = 0; i < m_format->nb_streams; ++i)
        if (int(i) != m_streamIndex)
            m_format->streams[i]->discard = AVDISCARD_ALL;

    AVStream *stream = m_format->streams[m_streamIndex];
    m_codec = avcodec_alloc_context3(codec);
    m_packet = av_packet_alloc();
    m_frame = av_frame_alloc();
    if (!m_codec || !m_packet || !m_frame)
        return ErrorMemory;
    if (avcodec_parameters_to_context(m_codec, stream->codecpar) < 0)
        return ErrorFormat;
    m_codec->pkt_timebase = stream->time_base;
    if (avcodec_open2(m_codec, codec, nullptr) < 0)
        return ErrorCodec;

    // Decode up to the first audio so the rate and channels are those really delivered,
    // and so a file with nothing decodable fails here rather than reading as empty.
    if (!decodeMore())
        return m_endError != ErrorNone ? m_endError : ErrorFormat;
    // A few hertz would take minutes to play a block; megahertz no output can play.
    if (m_rate < minimumSampleRate || m_rate > maximumSampleRate)
        return ErrorSampleRate;

    if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
        m_estimatedFrames = av_rescale_q(stream->duration, stream->time_base, AVRational{1, m_rate});
    else if (m_format->duration != AV_NOPTS_VALUE && m_format->duration > 0)
        m_estimatedFrames = av_rescale_q(m_format->duration, AV_TIME_BASE_Q, AVRational{1, m_rate});
    else
        m_estimatedFrames = -1;
    // Read from the file's header or its timestamps, not guessed from the bit rate.
    m_lengthAnnounced = m_estimatedFrames > 0 && m_format->duration_estimation_method != AVFMT_DURATION_FROM_BITRATE;
    return ErrorNone;
}

int FileDecoder::read(float *out, int maxFrames)
{
    if (maxFrames <= 0 || m_channels <= 0)
        return 0;
    int done = 0;
    while (done < maxFrames) {
        if (m_pendingPos >= m_pending.size()) {
            m_pending.clear();
            m_pendingPos = 0;
            if (!decodeMore())
                break;
        }
        const std::size_t available = (m_pending.size() - m_pendingPos) / std::size_t(m_channels);
        const int frames = int(std::min<std::size_t>(available, std::size_t(maxFrames - done)));
        std::memcpy(out + std::size_t(done) * m_channels, m_pending.data() + m_pendingPos,
                    sizeof(float) * std::size_t(frames) * m_channels);
        m_pendingPos += std::size_t(frames) * m_channels;
        done += frames;
    }
    return done;
}

// Decodes until at least one frame of audio is pending. False at the end of the stream,
// which is also where a read error or a run of undecodable packets leads.
bool FileDecoder::decodeMore()
{
    using namespace audiolayer;
    if (m_ended)
        return false;
    const std::size_t before = m_pending.size();
    while (m_pending.size() == before) {
        int ret = avcodec_receive_frame(m_codec, m_frame);
        if (ret == 0) {
            m_badPackets = 0;
            const bool converted = convert(m_frame);
            av_frame_unref(m_frame);
            if (!converted) {
                m_endError = ErrorMemory;
                m_ended = true;
                return false;
            }
            continue;
        }
        if (ret == AVERROR_EOF || (ret != AVERROR(EAGAIN) && m_draining)) {
            flushConverter();
            m_ended = true;
            break;
        }
        if (ret != AVERROR(EAGAIN)) {
            // A frame that would not decode: skip it, but not forever.
            if (++m_badPackets > kMaxBadPackets) {
                m_endError = ErrorRead;
                m_ended = true;
                break;
            }
            continue;
        }

        // The decoder wants input.
        ret = av_read_frame(m_format, m_packet);
        if (ret < 0) {
            if (ret != AVERROR_EOF && !avio_feof(m_format->pb))
                m_endError = ErrorRead;
            m_draining = true;
            avcodec_send_packet(m_codec, nullptr);
            continue;
        }
        if (m_packet->stream_index != m_streamIndex) {
            av_packet_unref(m_packet);
            continue;
        }
        ret = avcodec_send_packet(m_codec, m_packet);
        av_packet_unref(m_packet);
        if (ret < 0 && ret != AVERROR(EAGAIN)) {
            if (++m_badPackets > kMaxBadPackets) {
                m_endError = ErrorRead;
                m_draining = true;
                avcodec_send_packet(m_codec, nullptr);
            }
        }
    }
    return m_pending.size() > before;
}

bool FileDecoder::setUpConverter(AVFrame *frame)
{
    swr_free(&m_swr);
    if (!m_swrInLayout)
        m_swrInLayout = new AVChannelLayout{};
    else
        av_channel_layout_uninit(m_swrInLayout);

    AVChannelLayout inLayout{};
    if (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || frame->ch_layout.nb_channels <= 0)
        av_channel_layout_default(&inLayout, std::max(1, frame->ch_layout.nb_channels));
    else if (av_channel_layout_copy(&inLayout, &frame->ch_layout) < 0)
        return false;

    if (m_channels == 0) {
        // The first frame fixes the delivered format for the whole stream.
        m_sourceChannels = inLayout.nb_channels;
        m_channels = inLayout.nb_channels == 1 ? 1 : 2;
        m_rate = frame->sample_rate > 0 ? frame->sample_rate : m_codec->sample_rate;
    }
    AVChannelLayout outLayout{};
    av_channel_layout_default(&outLayout, m_channels);

    int ret = swr_alloc_set_opts2(&m_swr, &outLayout, AV_SAMPLE_FMT_FLT, m_rate, &inLayout,
                                  AVSampleFormat(frame->format), frame->sample_rate, 0, nullptr);
    if (ret >= 0) {
        // Keep a downmix inside -1..1 rather than summing channels past full scale.
        av_opt_set_double(m_swr, "rematrix_maxval", 1.0, 0);
        ret = swr_init(m_swr);
    }
    av_channel_layout_copy(m_swrInLayout, &frame->ch_layout);
    av_channel_layout_uninit(&inLayout);
    av_channel_layout_uninit(&outLayout);
    m_swrInFormat = frame->format;
    m_swrInRate = frame->sample_rate;
    if (ret < 0) {
        swr_free(&m_swr);
        return false;
    }
    return true;
}

bool FileDecoder::convert(AVFrame *frame)
{
    if (frame->nb_samples <= 0 || frame->sample_rate <= 0)
        return true;
    if (!m_swr || frame->format != m_swrInFormat || frame->sample_rate != m_swrInRate
        || av_channel_layout_compare(m_swrInLayout, &frame->ch_layout) != 0) {
        if (!setUpConverter(frame))
            return false;
    }
    const int capacity = swr_get_out_samples(m_swr, frame->nb_samples);
    if (capacity <= 0)
        return true;
    const std::size_t start = m_pending.size();
    m_pending.resize(start + std::size_t(capacity) * m_channels);
    uint8_t *out = reinterpret_cast<uint8_t *>(m_pending.data() + start);
    const int got = swr_convert(m_swr, &out, capacity, const_cast<const uint8_t **>(frame->extended_data),
                                frame->nb_samples);
    m_pending.resize(start + std::size_t(std::max(got, 0)) * m_channels);
    return got >= 0;
}

void FileDecoder::flushConverter()
{
    if (!m_swr || m_channels <= 0)
        return;
    const int capacity = swr_get_out_samples(m_swr, 0);
    if (capacity <= 0)
        return;
    const std::size_t start = m_pending.size();
    m_pending.resize(start + std::size_t(capacity) * m_channels);
    uint8_t *out = reinterpret_cast<uint8_t *>(m_pending.data() + start);
    const int got = swr_convert(m_swr, &out, capacity, nullptr, 0);
    m_pending.resize(start + std::size_t(std::max(got, 0)) * m_channels);
}
