// FileDecoder: decodes one sound file with FFmpeg to interleaved float frames at the
// file's own rate, mono or stereo (more channels are mixed down to stereo).
// Used only inside the audio layer, which owns one per decoding stream; not thread-safe.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct AVFormatContext;
struct AVCodecContext;
struct AVPacket;
struct AVFrame;
struct SwrContext;
struct AVChannelLayout;

class FileDecoder
{
public:
    FileDecoder();
    ~FileDecoder();
    FileDecoder(const FileDecoder &) = delete;
    FileDecoder &operator=(const FileDecoder &) = delete;

    // Opens the file and decodes up to its first frame of audio. Returns an
    // audiolayer::Error code (0 on success).
    int open(const std::string &utf8Path);

    int sampleRate() const { return m_rate; }
    int channels() const { return m_channels; }
    int sourceChannels() const { return m_sourceChannels; }
    // Frames expected from the container's duration, -1 when it gives none.
    std::int64_t estimatedFrames() const { return m_estimatedFrames; }
    // True when that length is the one the file states, not a guess from its bit rate.
    bool lengthAnnounced() const { return m_lengthAnnounced; }

    // Copies up to maxFrames interleaved frames into out; returns the frames copied,
    // 0 once everything has been delivered.
    int read(float *out, int maxFrames);
    // True once nothing is left to read.
    bool finished() const { return m_ended && m_pendingPos >= m_pending.size(); }
    // audiolayer::Error that ended decoding (0 for a normal end of file).
    int endError() const { return m_endError; }

private:
    bool decodeMore();
    bool convert(AVFrame *frame);
    bool setUpConverter(AVFrame *frame);
    void flushConverter();
    void close();

    AVFormatContext *m_format = nullptr;
    AVCodecContext *m_codec = nullptr;
    AVPacket *m_packet = nullptr;
    AVFrame *m_frame = nullptr;
    SwrContext *m_swr = nullptr;
    int m_streamIndex = -1;

    // Input format the converter was set up for.
    int m_swrInFormat = -1;
    int m_swrInRate = 0;
    AVChannelLayout *m_swrInLayout = nullptr;

    int m_rate = 0;
    int m_channels = 0;
    int m_sourceChannels = 0;
    std::int64_t m_estimatedFrames = -1;
    bool m_lengthAnnounced = false;

    std::vector<float> m_pending; // converted frames not yet handed out
    std::size_t m_pendingPos = 0; // in floats
    bool m_draining = false;
    bool m_ended = false;
    int m_endError = 0;
    int m_badPackets = 0; // consecutive packets that failed to decode
};
