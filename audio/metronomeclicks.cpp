#include "audio/metronomeclicks.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int kMaxClicks = 64; // more waiting at once would be a broken beat list

double beatFrame(float beat)
{
    if (!std::isfinite(beat))
        return 0.0;
    return std::max(0.0, std::trunc(double(beat)) - MetronomeClicks::beatLead);
}

} // namespace

MetronomeClicks::MetronomeClicks()
{
    // Scheduling on the audio thread never allocates.
    m_onsets.reserve(kMaxClicks);
}

void MetronomeClicks::setClick(const float *samples, int length)
{
    if (!samples || length <= 0)
        return;
    m_click.reset(new float[size_t(length)]);
    std::memcpy(m_click.get(), samples, sizeof(float) * size_t(length));
    m_length = length;
}

void MetronomeClicks::restart(int position, int frame)
{
    m_onsets.clear();
    spliceAt(0, position, frame);
}

void MetronomeClicks::spliceAt(int at, int position, int frame)
{
    m_onsets.erase(std::remove_if(m_onsets.begin(), m_onsets.end(), [at](long long onset) { return onset >= at; }),
                   m_onsets.end());
    m_following = true;
    m_nextPosition = position;
    m_coveredUntil = frame;
}

void MetronomeClicks::schedule(const RealTimeEngine::BlockSpan &block, const float *beats, int beatCount,
                               int limit, int offset)
{
    if (block.fresh) {
        // The engine dropped what it was playing: its clicks go with it.
        m_onsets.clear();
        m_following = false;
    }
    constexpr double half = RealTimeEngine::frameSize / 2;
    const double advance = std::max(1, block.advance);
    const double stretch = double(RealTimeEngine::hopSize) / advance; // output frames per track frame
    // The frame's centre sounds `half` output frames into this block; the track frames
    // around it follow at the block's tempo.
    const double centre = block.first + half * block.interp;
    auto onsetOf = [&](double frame) { return offset + half + (frame - centre) * stretch; };

    // A block that goes on from the last one takes the beats after those already placed;
    // after a jump (or a fresh start) the beats from where it starts, so that playing from
    // a beat clicks it at once.
    const bool follows = m_following && block.position == m_nextPosition;
    const double from = follows ? m_coveredUntil : double(block.position);
    const double to = std::min(centre + advance, double(limit));
    m_following = true;
    m_nextPosition = block.position + block.advance;
    m_coveredUntil = std::max(from, to);
    if (!beats || beatCount < 2 || to <= from)
        return;

    const float *end = beats + beatCount - 1; // the last beat only closes the one before
    const float *b = std::partition_point(beats, end, [&](float beat) { return beatFrame(beat) < from; });
    double previous = -1.0;
    for (; b != end; ++b) {
        const double frame = beatFrame(*b);
        if (frame >= to)
            break;
        if (frame == previous || int(m_onsets.size()) >= kMaxClicks)
            continue;
        previous = frame;
        m_onsets.push_back(std::max<long long>(offset, std::llround(onsetOf(frame))));
    }
}

void MetronomeClicks::mix(float *left, float *right, int frames, float gain)
{
    if (frames <= 0)
        return;
    for (long long &onset : m_onsets) {
        if (m_length > 0 && gain != 0.0f) {
            const long long from = std::max(0LL, onset);
            const long long to = std::min<long long>(frames, onset + m_length);
            for (long long i = from; i < to; ++i) {
                const float c = gain * m_click[size_t(i - onset)];
                left[i] += c;
                right[i] += c;
            }
        }
        onset -= frames;
    }
    const int length = m_length;
    m_onsets.erase(std::remove_if(m_onsets.begin(), m_onsets.end(),
                                  [length](long long onset) { return onset + length <= 0; }),
                   m_onsets.end());
}
