#ifndef PLECTRONOME_REALTIMEENGINE_H
#define PLECTRONOME_REALTIMEENGINE_H

// Block processor behind playback and the offline renders. Each processBlock() reads one
// 4096-frame analysis frame of the loaded track at playPosition(), applies the stereo
// isolate and the phase vocoder (tempo change, pitch shift) in the frequency domain and
// delivers 1024 new output frames per channel by overlap-add. A stereo track keeps its
// image: both channels turn each bin by one linked amount, so what is centred stays centred.
//
// The audio player owns one instance and calls processBlock() once per block from its
// audio thread (or from the GUI thread for exports while playback is stopped). All
// buffers, the transform included, are allocated by the constructor; a block allocates
// nothing. Several engines may run side by side.
//
// Threading:
//  - The parameter setters (tempo, pitch, isolate, mode, plot scale) and the play position
//    are atomics: they may be called from another thread while a block runs. A block takes
//    one snapshot of the parameters, so both channels of a block see the same values.
//    Setters must not be called from two threads at the same time. getSSSCurve() may be
//    called from the GUI thread while a block runs.
//  - setAudioData(), processBlock(), clearProcessingBuffers() and resetPhaseBuffers() touch
//    the processing buffers and must never overlap each other (the player serialises them).

#include <atomic>
#include <vector>

#include "real_time_tools/fftreal.h"

class RealTimeEngine
{
public:
    static constexpr int frameSize = 4096;            // analysis frame N
    static constexpr int hopSize = 1024;              // output frames per block H
    static constexpr int curvePoints = 400;           // isolate curve length
    static constexpr int histogramBins = 200;
    static constexpr int defaultPlotScale = 50000000;
    static constexpr int minPlotScale = 10;           // still grows by 10% per step
    static constexpr int maxPlotScale = 2000000000;

    RealTimeEngine();
    ~RealTimeEngine();
    RealTimeEngine(const RealTimeEngine &) = delete;
    RealTimeEngine &operator=(const RealTimeEngine &) = delete;

    // Points the engine at a decoded track (right may be null or equal to left for mono),
    // puts the position at hopSize, restores the isolate defaults and both mode flags and
    // clears the processing buffers. Tempo and pitch factors and the tool switches stay.
    void setAudioData(const float *left, const float *right, int frames);
    int trackLength() const { return m_length; }
    bool hasTrack() const { return m_left != nullptr && m_length > 0; }

    // One block: writes hopSize frames to each output and, while the isolate runs and curve
    // is not null, curvePoints values of the isolate curve. Samples outside the track read
    // as silence; without a track the output is silent and the position stays.
    void processBlock(float *outLeft, float *outRight, float *curve);

    // Latest isolate curve for the GUI thread: while the isolate is on, copies curvePoints
    // values into points and returns true; otherwise returns false and leaves points alone.
    // Safe to call while a block runs on another thread.
    bool getSSSCurve(float *points) const;

    // Zeroes the previous frames, overlap tails and block outputs (used on stop).
    void clearProcessingBuffers();
    // Restarts the synthesis phases of both channels from their current analysis phases.
    void resetPhaseBuffers();

    // Next frame start in the track. Values below hopSize get hopSize added (and never end
    // up below hopSize); positions stop at trackLength() + frameSize, past which every
    // frame is silence.
    int playPosition() const { return m_playPosition.load(std::memory_order_relaxed); }
    void setPlayPosition(int position);
    // Input frames the next block will consume.
    int blockAdvance() const;

    // Where the last block read the track, for sounds that must keep time with it. Its
    // frame's sample i read the track at first + i x interp; its centre (sample
    // frameSize / 2) sounds frameSize / 2 output frames after the block's first output
    // frame. fresh: the buffers were cleared before it, so nothing earlier sounds in it.
    struct BlockSpan
    {
        int position = hopSize; // playPosition() when the block ran
        int advance = hopSize;  // track frames it consumed
        double first = 0.0;
        double interp = 1.0;
        bool fresh = true;
    };
    const BlockSpan &lastBlock() const { return m_lastBlock; }

    // For offline renders, which must hold their range from its first frame: a block's
    // output overlaps the frames of the three blocks before it, so a render that starts
    // with cleared buffers fades in over its first blocks. This clears the buffers, runs
    // those three blocks (frames before the track read as silence; their output is
    // dropped) and leaves the next block's output whole.
    // The next block reads from position - lead: pass soundLead() for the block to sound
    // from `position`. The position may then lie below hopSize, or below 0.
    void primeRender(int position, int lead);
    // Frames between where a block reads and what it sounds: 2048 x (pitch - tempo) with
    // the vocoder on, else 0.
    int soundLead() const;

    // --- Isolate parameters (values as the tools tab's controls send them, 0..99) ---
    void setWidth(int w);            // width = (w + 0.001) / 100
    void setSeparation(int s);       // keep = 100 - s
    void setAzimuth(int a);          // signed position, see the implementation
    void setFilterKnob(int v);       // filter bin = v
    void setFilter(bool highSide);   // true: bins above the filter bin are treated
    void setInverted(bool solo);     // true: solo, false: mute
    void activateSSS(bool off);      // true switches the isolate off
    // Plot scale: s < 0 grows it by 10%, s > 0 shrinks it by 10%, 0 restores the default.
    // Held within minPlotScale..maxPlotScale.
    void setPScale(int s);

    // Vocoder mode: 1 (A and B), 2 (B only), 3 (A only), 4 (A only and mono sum).
    void changeMode(int mode);
    bool isMonoSum() const { return m_monoSum.load(std::memory_order_relaxed); }

    // --- Tempo and pitch ---
    void setInterp(float x);         // pitch factor; stored while the pitch tool is off
    void setHop(float x);            // tempo factor; stored while the tempo tool is off
    void activatePitch(bool off);    // true switches pitch off (no-op when already in that state)
    void activateTempo(bool off);    // true switches tempo off (no-op when already in that state)
    void resetHopFactor();           // tempo off, both tempo factors 1.0
    // Tempo from a session: x < 1 maps to 0.5 x + 0.5. power true switches the tempo tool on
    // with that factor; false keeps it off and only stores the factor.
    void setHopFactorFromSession(bool power, float x);
    // Per-step pitch of riff playback: a factor other than 1 switches pitch on with it,
    // 1 switches pitch off.
    void setStepPitch(float factor);

    float interpFactor() const { return m_interpFactor.load(std::memory_order_relaxed); }
    float hopFactor() const { return m_hopFactor.load(std::memory_order_relaxed); }
    float storedInterpFactor() const { return m_storedInterp.load(std::memory_order_relaxed); }
    float storedHopFactor() const { return m_storedHop.load(std::memory_order_relaxed); }
    bool isPitchOff() const { return m_pitchOff.load(std::memory_order_relaxed); }
    bool isTempoOff() const { return m_tempoOff.load(std::memory_order_relaxed); }
    bool isVocoderActive() const { return m_vocoderActive.load(std::memory_order_relaxed); }
    bool isIsolateOn() const { return m_isolateOn.load(std::memory_order_relaxed); }
    bool isInverted() const { return m_inverted.load(std::memory_order_relaxed); }
    bool isHighSide() const { return m_highSide.load(std::memory_order_relaxed); }
    float isolateAzimuth() const { return m_azimuth.load(std::memory_order_relaxed); }
    float isolateWidth() const { return m_width.load(std::memory_order_relaxed); }
    float isolateFilterBin() const { return m_filterBin.load(std::memory_order_relaxed); }
    float isolateKeep() const { return m_keep.load(std::memory_order_relaxed); }
    int plotScale() const { return m_plotScale.load(std::memory_order_relaxed); }
    int vocoderMode() const;

    // Helpers on the transform's half-complex layout (bin 0 pairs DC with Nyquist).
    static void makeHannWindow(float *w, int n);
    static void toPolar(const float *spectrum, float *magnitude, float *phase, int n);
    static void fromPolar(float *spectrum, const float *magnitude, const float *phase, int n);

private:
    struct Channel
    {
        std::vector<float> frame, prevFrame, spectrum, prevSpectrum, ifftOut;
        std::vector<float> magnitude, phase, prevMagnitude, prevPhase;
        std::vector<float> synthPhase, accumulator;
        std::vector<float> tail1, tail2, tail3, blockOut;
        void allocate(int n);
    };

    struct Params
    {
        float interp, hop, azimuth, width, filterBin, keep;
        int plotScale, mode;
        bool vocoder, isolate, inverted, highSide;
    };

    void allocPhaseVocoderBuffers();
    int positionLimit() const;
    Params snapshot();
    void readFrame(const float *in, int position, const Params &p, Channel &ch) const;
    // Phase vocoder over the first `channels` channels: each bin's phase advance per
    // channel, then (for stereo) one turn per bin for both channels, then peak locking and
    // transient restarts found once on the channels' summed magnitudes.
    void processPhase(int mode, int channels, float interp, bool restart);
    void advancePhases(Channel &ch, float interp, bool restart);
    void linkPhases();
    void isolateKernel(const Params &p, int channels);
    // Solo and mute alike: the kernel reads which from the parameters.
    void processFrame(const Params &p, int channels) { isolateKernel(p, channels); }
    void applyWindows(Channel &ch);
    void makeCurve(float *curve, int plotScale);

    FFTReal m_fft;
    Channel m_ch[2];
    std::vector<float> m_window;
    std::vector<int> m_peaks;
    std::vector<float> m_sumMagnitude, m_sumPrevMagnitude;
    int m_transientCount = 0;
    std::vector<float> m_gain;
    float m_histogram[histogramBins];
    float m_curveSource[curvePoints];
    std::atomic<float> m_curve[curvePoints];

    const float *m_left = nullptr;
    const float *m_right = nullptr;
    int m_length = 0;
    std::atomic<int> m_rememberedMode{1};
    bool m_vocoderWasActive = false;
    BlockSpan m_lastBlock;
    bool m_fresh = true;

    std::atomic<int> m_playPosition{hopSize};
    std::atomic<float> m_interpFactor{1.0f};
    std::atomic<float> m_hopFactor{1.0f};
    std::atomic<float> m_storedInterp{1.0f};
    std::atomic<float> m_storedHop{1.0f};
    std::atomic<bool> m_pitchOff{true};
    std::atomic<bool> m_tempoOff{true};
    std::atomic<bool> m_vocoderActive{false};
    std::atomic<bool> m_modeA{false};
    std::atomic<bool> m_modeB{false};
    std::atomic<bool> m_monoSum{false};
    std::atomic<bool> m_isolateOn{false};
    std::atomic<bool> m_inverted{false};
    std::atomic<bool> m_highSide{false};
    std::atomic<float> m_azimuth{1.0f};
    std::atomic<float> m_width{0.34f};
    std::atomic<float> m_filterBin{0.0f};
    std::atomic<float> m_keep{0.0f};
    std::atomic<int> m_plotScale{defaultPlotScale};
};

#endif
