#include "views/jam/beatselection.h"

#include "metadata/metadata.h"
#include "views/chords/beatpixels.h"

#include <QMouseEvent>
#include <QMutexLocker>

#include <algorithm>
#include <cmath>

namespace {

// A beat position as a whole sample, held to a range an int holds whatever the list says.
int sampleAt(const QVector<float> &beats, int index)
{
    const float value = beats.at(index);
    if (!std::isfinite(value))
        return 0;
    return int(std::clamp(value, -1.0e9f, 1.0e9f));
}

} // namespace

BeatSelection::BeatSelection(QWidget *parent) : QWidget(parent), m_riff(new Riff(this))
{
    m_flashTimer = new QTimer(this);
    setMouseTracking(true);
    for (int i = 0; i < stepCount; ++i) {
        auto *label = new BeatLabel(i, this);
        m_labels.append(label);
        connect(label, SIGNAL(scrollBeat(BeatLabel *, int, bool)), this, SLOT(scrollBeatLabel(BeatLabel *, int, bool)));
        connect(label, SIGNAL(commitStep()), this, SLOT(lockSelection()));
        connect(label, SIGNAL(setActiveStep(int)), this, SIGNAL(setActiveStep(int)));
        connect(label, SIGNAL(setActiveStep(int)), this, SLOT(reArmStep(int)));
        connect(label, SIGNAL(setFirst(int, int)), this, SLOT(setFirst(int, int)));
    }
}

void BeatSelection::setMetaData(MetaData *metaData)
{
    m_metaData = metaData;
    if (m_flashTimer)
        connect(m_flashTimer, SIGNAL(timeout()), this, SLOT(flash()), Qt::UniqueConnection);
    if (metaData)
        connect(metaData, SIGNAL(gotMeta()), this, SLOT(metaDataArrived()), Qt::UniqueConnection);
}

void BeatSelection::setTrackFrames(int frames)
{
    m_trackFrames = std::max(0, frames);
    for (BeatLabel *label : qAsConst(m_labels))
        label->setTrackFrames(m_trackFrames);
}

QVector<float> BeatSelection::beatList() const
{
    if (!m_metaData || !m_metaData->hasData())
        return {};
    QMutexLocker lock(&m_metaData->beatsMutex);
    return m_metaData->beats;
}

float BeatSelection::samplesPerPixel() const
{
    if (width() <= 0)
        return 0.0f;
    return float(m_trackFrames) / float(width());
}

int BeatSelection::beatAtX(double x) const
{
    const QVector<float> beats = beatList();
    const float spp = samplesPerPixel();
    if (!usable(beats) || spp <= 0.0f)
        return -1;
    const double sample = x * double(spp);
    for (int i = 0; i + 1 < beats.size(); ++i) {
        if (double(beats[i]) - beatLead <= sample && sample < double(beats[i + 1]) - beatLead)
            return i;
    }
    return -1;
}

void BeatSelection::assign(BeatLabel *label, int state, int beat, const QVector<float> &beats)
{
    label->setStepData(state, beat, sampleAt(beats, beat), sampleAt(beats, beat + 1));
}

int BeatSelection::loopState(int step) const
{
    return step < loopLength() ? BeatLabel::InLoop : BeatLabel::BeyondLoop;
}

// ---- What the player reads -----------------------------------------------------------

int BeatSelection::stepBeat(int step) const
{
    if (step < 0 || step >= stepCount)
        return -1;
    const BeatLabel *label = m_labels.at(step);
    return label->state() != BeatLabel::Unset ? label->beat() : -1;
}

int BeatSelection::lastBeatIndex() const
{
    const int last = lastStep();
    const int length = loopLength();
    if (last < 0 || length < 1)
        return -1;
    return std::min({length, last + 1, int(stepCount)}) - 1;
}

float BeatSelection::stepPitch(int step) const
{
    return m_riff->stepInterp(step);
}

// ---- Building the riff ---------------------------------------------------------------

void BeatSelection::clear()
{
    m_armedStep = -1;
    m_newStepArmed = false;
    m_lastStep = -1;
    m_loopLength = -1;
    m_hoverBeat = -1;
    for (BeatLabel *label : qAsConst(m_labels))
        label->clearStep();
    showFirstStepPlaceholder(beatList());
}

void BeatSelection::showFirstStepPlaceholder(const QVector<float> &beats)
{
    // Step 1 shows on the first beat until the riff's first step is placed; it does not
    // play (lastBeatIndex stays -1).
    if (!usable(beats) || lastStep() >= 0)
        return;
    assign(m_labels.first(), BeatLabel::InLoop, 0, beats);
    layoutBeatLabels();
}

void BeatSelection::settleArmedStep()
{
    if (m_armedStep >= 0) {
        if (m_newStepArmed)
            m_loopLength = lastStep() + 1;
        const int step = m_armedStep;
        m_armedStep = -1;
        if (m_labels.at(step)->state() != BeatLabel::Unset)
            m_labels.at(step)->setLabelState(loopState(step));
    }
    m_newStepArmed = false;
    for (int k = 0; k < stepCount; ++k) {
        if (m_labels.at(k)->state() == BeatLabel::Armed)
            m_labels.at(k)->setLabelState(loopState(k));
    }
}

void BeatSelection::setArmedStep(int step, int beat)
{
    const QVector<float> beats = beatList();
    if (!usable(beats) || step < 0 || step >= stepCount)
        return;
    const int maxBeat = beats.size() - 2;
    const int last = lastStep();
    if (step == 0 && (m_labels.first()->state() == BeatLabel::Unset || last < 0)) {
        // The first step starts on the first beat; the next move brings it under the mouse.
        settleArmedStep();
        assign(m_labels.first(), BeatLabel::Armed, 0, beats);
        m_lastStep = 0;
        m_loopLength = 0;
        m_armedStep = 0;
        m_newStepArmed = true;
    } else if (step == last + 1 && m_labels.at(step)->state() == BeatLabel::Unset) {
        settleArmedStep();
        int b = beat;
        if (b < 0 || b > maxBeat)
            b = std::clamp(m_labels.at(step - 1)->beat() + 1, 0, maxBeat);
        assign(m_labels.at(step), BeatLabel::Armed, b, beats);
        m_lastStep = step;
        // The step being placed does not play until it is committed.
        m_loopLength = step;
        m_armedStep = step;
        m_newStepArmed = true;
    } else if (step <= last) {
        // Re-arming a placed step leaves the loop as the user set it.
        if (m_armedStep != step)
            settleArmedStep();
        m_labels.at(step)->setLabelState(BeatLabel::Armed);
        m_armedStep = step;
    } else {
        return;
    }
    layoutBeatLabels();
}

void BeatSelection::reArmStep(int step)
{
    // The first beat's "1" of an empty riff is armed as its first step.
    if (step == 0 && lastStep() < 0) {
        setArmedStep(0);
        return;
    }
    if (step < 0 || step > lastStep())
        return;
    if (m_armedStep >= 0 && m_armedStep != step) {
        // Only one step moves at a time: the one armed before is committed where it is.
        const int other = m_armedStep;
        if (m_newStepArmed)
            m_loopLength = lastStep() + 1;
        m_newStepArmed = false;
        m_labels.at(other)->setLabelState(loopState(other));
    }
    m_armedStep = step;
    m_labels.at(step)->setLabelState(BeatLabel::Armed);
}

void BeatSelection::lockSelection()
{
    bool wasArmed = m_armedStep >= 0;
    for (BeatLabel *label : qAsConst(m_labels))
        wasArmed = wasArmed || label->state() == BeatLabel::Armed;
    settleArmedStep();
    setCursor(Qt::ArrowCursor);
    layoutBeatLabels();
    if (wasArmed)
        emit commitStep();
}

void BeatSelection::interpChanged(float interp, int step)
{
    m_riff->setStepInterp(interp, step);
}

void BeatSelection::flash()
{
    if (m_armedStep >= 0)
        m_labels.at(m_armedStep)->flipFlashOpacity();
}

void BeatSelection::setLoopLength(int loopLength)
{
    const int last = lastStep();
    if (last < 0)
        return;
    // An armed step is committed where it stands before the loop changes.
    if (m_armedStep >= 0) {
        m_newStepArmed = false;
        const int step = m_armedStep;
        m_armedStep = -1;
        m_labels.at(step)->setLabelState(BeatLabel::InLoop);
    }
    m_loopLength = std::clamp(loopLength, -1, last) + 1;
    for (int k = 0; k <= last; ++k)
        m_labels.at(k)->setLabelState(loopState(k));
    layoutBeatLabels();
}

void BeatSelection::extendLoopLength(int step)
{
    const QVector<float> beats = beatList();
    if (!usable(beats))
        return;
    const int maxBeat = beats.size() - 2;
    step = std::clamp(step, 0, int(stepCount) - 1);
    settleArmedStep();
    // Every cell up to the new end gets the beat after the one before it.
    for (int k = std::max(0, lastStep() + 1); k <= step; ++k) {
        const int b = k == 0 ? 0 : std::clamp(m_labels.at(k - 1)->beat() + 1, 0, maxBeat);
        assign(m_labels.at(k), BeatLabel::InLoop, b, beats);
    }
    for (int k = step + 1; k < stepCount; ++k)
        m_labels.at(k)->clearStep();
    m_lastStep = step;
    m_loopLength = step + 1;
    for (int k = 0; k <= step; ++k)
        m_labels.at(k)->setLabelState(BeatLabel::InLoop);
    layoutBeatLabels();
    emit checkEnableAudioExport();
}

void BeatSelection::scrollBeatLabel(BeatLabel *beatLabel, int xMouse, bool ctrlClick)
{
    if (!beatLabel || !m_labels.contains(beatLabel) || beatLabel->state() == BeatLabel::Unset)
        return;
    const QVector<float> beats = beatList();
    if (!usable(beats))
        return;
    const int target = beatAtX(xMouse);
    if (target < 0)
        return;
    const int maxBeat = beats.size() - 2;
    const int oldBeat = beatLabel->beat();
    if (ctrlClick && target != oldBeat) {
        const int delta = target - oldBeat;
        // The riff moves whole or not at all.
        for (BeatLabel *label : qAsConst(m_labels)) {
            if (label == beatLabel || label->state() == BeatLabel::Unset)
                continue;
            const int moved = label->beat() + delta;
            if (moved < 0 || moved > maxBeat)
                return;
        }
        for (BeatLabel *label : qAsConst(m_labels)) {
            if (label != beatLabel && label->state() != BeatLabel::Unset)
                assign(label, label->state(), label->beat() + delta, beats);
        }
    }
    assign(beatLabel, beatLabel->state(), target, beats);
    layoutBeatLabels();
}

void BeatSelection::setAnimatedStep(int step)
{
    // The play head leaves every step, shown or not; it runs only on a shown strip.
    for (BeatLabel *label : qAsConst(m_labels)) {
        if (label->isAnimated())
            label->setAnimated(false);
    }
    if (isVisible() && step >= 0 && step < stepCount)
        m_labels.at(step)->setAnimated(true);
}

void BeatSelection::setFirst(int step, int)
{
    const int n = lastStep() + 1;
    const QVector<float> beats = beatList();
    if (!usable(beats) || n < 1 || step < 0 || step >= n)
        return;
    settleArmedStep();
    const int maxBeat = beats.size() - 2;
    QVector<int> sorted;
    for (int k = 0; k < n; ++k)
        sorted.append(std::clamp(m_labels.at(k)->beat(), 0, maxBeat));
    std::stable_sort(sorted.begin(), sorted.end());
    // The earliest beat goes to the chosen step, the later ones follow in time order and
    // wrap round to step 1; each step keeps its pitch and its place in the loop.
    for (int i = 0; i < n; ++i) {
        const int from = ((i - step) % n + n) % n;
        assign(m_labels.at(i), loopState(i), sorted.at(from), beats);
    }
    layoutBeatLabels();
}

// ---- Session restore -----------------------------------------------------------------

void BeatSelection::setLastStep(int step)
{
    m_armedStep = -1;
    m_newStepArmed = false;
    m_lastStep = std::clamp(step, -1, int(stepCount) - 1);
}

void BeatSelection::restoreStep(int step, int state, int beat, int startSample, int endSample)
{
    if (step < 0 || step >= stepCount)
        return;
    BeatLabel *label = m_labels.at(step);
    if (state < BeatLabel::Armed || state > BeatLabel::BeyondLoop || beat < 0) {
        label->clearStep();
        return;
    }
    const QVector<float> beats = beatList();
    if (usable(beats)) {
        if (beat > beats.size() - 2) {
            label->clearStep();
            return;
        }
        assign(label, state, beat, beats);
        return;
    }
    // No beats yet (the analysis still runs): kept as read, checked when they arrive.
    label->setStepData(state, beat, std::clamp(startSample, 0, m_trackFrames), std::clamp(endSample, 0, m_trackFrames));
}

void BeatSelection::finishRestore()
{
    const QVector<float> beats = beatList();
    const int maxBeat = beats.size() - 2;
    m_armedStep = -1;
    m_newStepArmed = false;
    if (usable(beats)) {
        for (BeatLabel *label : qAsConst(m_labels)) {
            if (label->state() != BeatLabel::Unset && (label->beat() < 0 || label->beat() > maxBeat))
                label->clearStep();
        }
    }
    // The riff ends before its first gap; nothing lies above its last step.
    int last = -1;
    while (last + 1 <= lastStep() && m_labels.at(last + 1)->state() != BeatLabel::Unset)
        ++last;
    for (int k = last + 1; k < stepCount; ++k)
        m_labels.at(k)->clearStep();
    m_lastStep = last;
    m_loopLength = last < 0 ? -1 : std::clamp(loopLength(), 0, last + 1);
    for (int k = 0; k <= last; ++k)
        m_labels.at(k)->setLabelState(loopState(k));
    if (last < 0)
        showFirstStepPlaceholder(beats);
    layoutBeatLabels();
}

void BeatSelection::metaDataArrived()
{
    // New or recalculated beats: steps restored before they came are checked now.
    finishRestore();
}

// ---- Layout --------------------------------------------------------------------------

void BeatSelection::layoutBeatLabels()
{
    const QVector<float> beats = beatList();
    const int w = width();
    const int h = height();
    if (!usable(beats) || w <= 0 || m_trackFrames <= 0)
        return;
    const int maxBeat = beats.size() - 2;
    const BeatPixels pixels(m_trackFrames, w, -beatLead);

    int beatOf[stepCount];
    for (int k = 0; k < stepCount; ++k) {
        const BeatLabel *label = m_labels.at(k);
        const int b = label->beat();
        beatOf[k] = label->state() != BeatLabel::Unset && b >= 0 && b <= maxBeat ? b : -1;
    }
    for (int k = 0; k < stepCount; ++k) {
        BeatLabel *label = m_labels.at(k);
        const int b = beatOf[k];
        if (b < 0) {
            if (label->state() != BeatLabel::Unset)
                label->hide();
            continue;
        }
        // Labels on one beat share its height in equal slices, in step order; the last of
        // them takes what remains.
        int sharing = 0;
        int before = 0;
        for (int j = 0; j < stepCount; ++j) {
            if (beatOf[j] == b) {
                ++sharing;
                if (j < k)
                    ++before;
            }
        }
        const int x = pixels.x(beats[b]);
        const int width = int(std::clamp(double(pixels.x(beats[b + 1])) - x - 1, 1.0, 1.0e9));
        if (sharing == 1) {
            label->setGeometry(x, 0, width, h);
        } else {
            const int slice = int(std::floor(double(h) / sharing + 0.5)) - 1;
            const int top = int(std::floor(double(slice + 1) * before + 0.5));
            const int height = before == sharing - 1 ? h - top : slice;
            label->setGeometry(x, top, width, std::max(1, height));
        }
        label->show();
    }
    update();
}

// ---- Mouse ---------------------------------------------------------------------------

void BeatSelection::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || m_armedStep != -1 || lastStep() >= stepCount - 1)
        return;
    if (!usable(beatList()))
        return;
    const int beat = beatAtX(std::round(event->localPos().x()));
    if (beat >= 0)
        m_hoverBeat = beat;
    const int step = lastStep() + 1;
    emit setActiveStep(step);
    setArmedStep(step, beat);
    setCursor(Qt::OpenHandCursor);
}

void BeatSelection::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (m_armedStep < 0)
        return;
    const QVector<float> beats = beatList();
    if (!usable(beats))
        return;
    const int beat = beatAtX(std::round(event->localPos().x()));
    if (beat < 0)
        return;
    m_hoverBeat = beat;
    BeatLabel *label = m_labels.at(m_armedStep);
    if (label->beat() == beat && label->state() == BeatLabel::Armed)
        return;
    assign(label, BeatLabel::Armed, beat, beats);
    layoutBeatLabels();
}

void BeatSelection::resizeEvent(QResizeEvent *)
{
    layoutBeatLabels();
}
