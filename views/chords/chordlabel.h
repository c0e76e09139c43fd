// ChordLabel: one label of the chord strip, covering a run of beats that share one chord
// name. It paints itself as a rounded orange block with the chord name, outlined while
// playback is inside it. A right press (or a left press with Meta alone) starts an edit:
// the label pulses and asks the strip to open the chord editor and the edit overlay. The
// chord strip creates, places and wires the labels; the chord editor reads and sets the
// shown text of the label being edited.
#pragma once
#include <QColor>
#include <QPoint>
#include <QString>
#include <QWidget>

class MetaData;
class QTimer;

class ChordLabel : public QWidget
{
    Q_OBJECT
public:
    static const QColor labelColour;
    static const QColor editColour;

    // `startSample` and `endSample` are the first beat of the run and the beat after it.
    ChordLabel(QWidget *parent, const QString &text, int startSample, int endSample, int firstBeat, int beatCount,
               MetaData *metaData = nullptr);

    int startSample() const { return m_startSample; }
    int endSample() const { return m_endSample; }
    int firstBeat() const { return m_firstBeat; }
    int beatCount() const { return m_beatCount; }
    QString analysisText() const { return m_analysisText; }
    QString displayText() const { return m_displayText; }
    QString editText() const { return m_editText; }
    // The shift, in semitones, at which the display text was made.
    int shift() const { return m_shift; }
    bool isActive() const { return m_active; }
    bool isPlaying() const { return m_playing; }
    bool isFlashing() const;
    int hoverBeat() const { return m_hoverBeat; }
    float opacity() const { return m_opacity; }
    QColor colour() const { return m_colour; }
    QPoint bottomLeft() const { return m_bottomLeft; }

    // Makes the label stand for another run, as a new label would: not edited, not playing.
    void setRun(const QString &text, int startSample, int endSample, int firstBeat, int beatCount);

    // The name moved by `shift` semitones and that shift; a shift of 0 shows the analysis
    // text again. Repaints.
    void setShiftedText(const QString &text, int shift);
    // The chord editor's pick, shown in the current key; passed on to the beat lines.
    void setDisplayText(const QString &text);
    // The shown name taken back to the track's own key (through the strip, undoing the
    // label's own shift).
    QString shiftedText();
    // Stops the pulse at full strength, or restarts it.
    void setFlashStopped(bool stop);
    // Remembers the label's bottom-left corner in its parent's coordinates.
    void storeBottomLeft();
    // Set by the strip's play highlight.
    void setPlaying(bool playing, float playX);
    // Starts an edit as a right press does.
    void startEdit();

public slots:
    void flash();
    void setEditable(QString text);
    void deactivate();

signals:
    void showChordEdit(QString chordText, int x, ChordLabel *editLabel);
    void showEditLeftBoundary(ChordLabel *chordLabel);
    void deactivateAll();
    void setBeatLineWidgetText(QString chordText);
    QString getShiftedChordText(QString chordText, int shiftAmount);
    void stopScrolling(bool stopScroll);
    void labelActive(ChordLabel *label, QString text);
    void labelDeactivated();
    void initChordStrip();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void startFlashing();

    MetaData *m_metaData;
    int m_startSample;
    int m_endSample;
    QString m_displayText;
    QString m_analysisText;
    QString m_editText;
    int m_firstBeat;
    int m_beatCount;
    QTimer *m_flashTimer = nullptr;
    float m_opacity = 1.0f;
    int m_shift = 0;
    bool m_flashDown = false;
    bool m_active = false;
    QColor m_colour;
    int m_hoverBeat = -1;
    bool m_playing = false;
    float m_playX = 0.0f;
    QPoint m_bottomLeft;
};
