// PlotSelection: the transparent layer over the zoomed waveform where the user marks the
// part of the track to loop, play from or export. A left press sets the anchor, a drag
// stretches the selection from it; once the beats are known the selection snaps to whole
// beats, is shaded beat by beat and labelled with its length in beats and its first and
// last beat numbers. The player reads the start and end samples through the two pointers
// the main window hands it (AudioPlayer::setSelectionPointers); both are written here as
// single atomic stores. Plotter owns it (page 0 of its selection stack) and keeps its
// zoom factor and track length; session restore calls setStart and setEnd.
#pragma once
#include <QVector>
#include <QWidget>

class MetaData;
class QLabel;

class PlotSelection : public QWidget
{
    Q_OBJECT
public:
    explicit PlotSelection(QWidget *parent = nullptr);

    // The player's view of the selection, in sample frames (start <= end, both inside the track).
    int *startPointer() { return &m_startSample; }
    int *endPointer() { return &m_endSample; }
    int startSample() const { return __atomic_load_n(&m_startSample, __ATOMIC_RELAXED); }
    int endSample() const { return __atomic_load_n(&m_endSample, __ATOMIC_RELAXED); }

    void setMetaData(MetaData *metaData) { m_metaData = metaData; }
    void setSampleCount(int sampleCount);
    // Empties the selection (every new track).
    void clearSelection();
    // Session restore, start first: x in unzoomed view pixels.
    void setStart(float x);
    void setEnd(float x);

    float zoomFactor() const { return m_zoomFactor; }
    int startX() const { return m_startX; }
    int endX() const { return m_endX; }
    // The selected beats run from startBeat up to, not including, endBeat.
    int startBeat() const { return m_startBeat; }
    int endBeat() const { return m_endBeat; }
    float firstBeatLineX() const { return m_firstLineX; }
    float lastBeatLineX() const { return m_lastLineX; }
    QLabel *beatCountLabel() const { return m_countLabel; }
    QLabel *startBeatLabel() const { return m_startLabel; }
    QLabel *endBeatLabel() const { return m_endLabel; }

public slots:
    // Stored for the next press or drag; the widget's own width follows through Plotter.
    void setZoomFactor(float scaleFactor);
    // The beat positions were shifted: the same beats, at their new samples.
    void updateSelectionFromOffset(int offset);
    // The analysis has delivered the beats: a selection made or restored before them
    // snaps to them now.
    void snapToNewBeats();

signals:
    void setSmallPlotSelection(float start, float end);
    void selectionDoubleClick();
    void selectionSingleClick();
    void enableSaveSelection(bool enable);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The analysis's beats while it has data (a copy taken under its lock), else none.
    QVector<float> beats() const;
    // True when both beat indexes lie inside the list and the selection covers a beat.
    bool hasBeatRange(const QVector<float> &beats) const;
    void recompute();
    void updateBeatLines(const QVector<float> &beats);
    void storeSamples(int start, int end);
    void showLabels();
    void hideLabels();
    void resetToEmpty();
    void hoverReadout(const QMouseEvent *event, bool dragging);

    // What was selected before the latest press, so that a double click on a selection
    // plays that selection instead of the empty one its first click left.
    struct Kept
    {
        int startX = 0;
        int endX = 0;
        float firstLineX = 0.0f;
        float lastLineX = 0.0f;
    };
    Kept m_beforePress;
    // Set from a double click until its button is released: that press drags nothing.
    bool m_doubleClickHeld = false;

    int m_startX = 0;
    int m_endX = 0;
    int m_startSample = 0;
    int m_endSample = 0;
    int m_startBeat = 0;
    int m_endBeat = 0;
    float m_firstLineX = 0.0f;
    float m_lastLineX = 0.0f;
    int m_sampleCount = 0;
    bool m_hasTrack = false;
    float m_zoomFactor = 1.0f;
    MetaData *m_metaData = nullptr;
    QLabel *m_countLabel = nullptr;
    QLabel *m_startLabel = nullptr;
    QLabel *m_endLabel = nullptr;
};
