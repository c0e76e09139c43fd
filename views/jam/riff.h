// Riff: the pitch factor of each of the 16 steps of one riff (1.0 = unchanged pitch).
// Its BeatSelection owns it; the step menus write it on the GUI thread and riff and song
// playback read it on the player's thread, so each factor is an atomic.
#pragma once
#include <QObject>

#include <array>
#include <atomic>

class Riff : public QObject
{
    Q_OBJECT
public:
    static constexpr int stepCount = 16;
    // The step menus reach one octave either way.
    static constexpr float minInterp = 0.5f;
    static constexpr float maxInterp = 2.0f;

    explicit Riff(QObject *parent = nullptr);

    // Writes one step's factor; a step outside 0..15 is ignored, a factor that is not a
    // finite positive number counts as 1.0, others are held to 0.5..2.0.
    void setStepInterp(float interp, int step);
    float stepInterp(int step) const;

private:
    std::array<std::atomic<float>, stepCount> m_stepInterp;
};
