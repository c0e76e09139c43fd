// ChordsStrip: the band under the waveform that shows the detected chord of every beat,
// one label per run of beats with the same name, lined up with the waveform, named in the
// current key (key shift less capo) and outlined where playback is. A right press on a
// label starts an edit: the strip then shows drag handles that widen the edited range beat
// by beat and a beat-line overlay on which one beat of the range can be picked; the chord
// editor asks getStartEndBeats() which beats to rewrite and rebuilds the strip afterwards.
// The waveform view creates the strip and gives it the analysis results, the track length
// and the x it follows for the play highlight; the main window rebuilds it after each
// analysis and passes on the key shift and the beat offset.
#pragma once
#include <QLabel>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>

#include "views/chords/chordlabel.h"

class BeatLineWidget;
class CustomButton;
class EditBoundary;
class MetaData;
class QTimer;

class ChordsStrip : public QLabel
{
    Q_OBJECT
public:
    // Value of the beat-offset knob that leaves the beats where the analysis put them.
    static constexpr int beatOffsetMiddle = 49;
    // Labels are drawn this many samples early, like every beat line over the waveform.
    static constexpr int baseSampleOffset = -2048;

    explicit ChordsStrip(QWidget *parent = nullptr);

    void setMetaData(MetaData *metaData);
    void setTrackFrames(int frames);
    // The x, in strip pixels, that the play highlight follows.
    void setPlayPositionSource(const float *position) { m_playPosition = position; }
    const float *playPositionSource() const { return m_playPosition; }
    void setLabelsVisible(bool visible);
    // A new track: hides the strip and drops every label.
    void deleteChordLabels();

    const QList<ChordLabel *> &labels() const { return m_labels; }
    int sampleOffset() const { return m_sampleOffset; }
    int keyShift() const { return m_keyShift; }
    bool isEditing() const { return m_editing; }
    ChordLabel *editLabel() const { return m_editLabel; }
    ChordLabel *playingLabel() const { return m_playingLabel; }
    EditBoundary *leftBoundary() const { return m_leftBoundary; }
    EditBoundary *rightBoundary() const { return m_rightBoundary; }
    BeatLineWidget *beatLineWidget() const { return m_beatLineWidget; }
    CustomButton *leftHandle() const { return m_leftHandle; }
    CustomButton *rightHandle() const { return m_rightHandle; }
    QTimer *playTimer() const { return m_playTimer; }
    // x of beat b at the current layout.
    int beatX(int beat) const;

public slots:
    void initChordStrip();
    // From the beat-offset knob (0..99, 49 = no offset): moves every label by whole beat steps.
    void repositionChords(int beatOffset);
    void repositionChords();
    void clearChords();
    // The name moved into the current key and taken back by twice `shiftAmount`: 0 names a
    // detected chord in the current key, the shift a name was shown at takes it back.
    QString getShiftedChordText(QString chordText, int shiftAmount);
    void setKeyShift(int shiftAmount);
    void deactivateAll();
    void showEditLeftBoundary(ChordLabel *chordLabel);
    // The beats the edit covers: the picked beat alone, else the edited range (first beat,
    // beat after the last); (-1, -1) when nothing is being edited.
    QPoint getStartEndBeats();
    void stopEditLabelFlashing(bool stop);
    void updatePlayPos();
    void labelActivated(ChordLabel *label, QString text);
    void labelDeactivated();

signals:
    int getShiftedChordIndex(QString chord, int shiftAmount);
    void showChordEdit(QString chordText, int x, ChordLabel *editLabel);
    void changeSingleChordDot(QString chordText);
    void stopScrolling(bool stopScroll);
    float getZoomFactor();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool hasData() const;
    const QVector<float> *beats() const;
    ChordLabel *createLabel(const QString &name, int start, int end, int firstBeat, int beatCount);
    void layoutLabels();
    void placeEditRange();
    void hideEditWidgets();
    void dragHandleTo(CustomButton *handle, int x);

    QTimer *m_playTimer;
    MetaData *m_metaData = nullptr;
    int m_trackFrames = 0;
    QList<ChordLabel *> m_labels;
    int m_beatOffset = beatOffsetMiddle;
    int m_sampleOffset = baseSampleOffset;
    bool m_firstLayout = true;
    EditBoundary *m_leftBoundary;
    EditBoundary *m_rightBoundary;
    QPointer<ChordLabel> m_editLabel;
    bool m_editing = false;
    BeatLineWidget *m_beatLineWidget;
    CustomButton *m_leftHandle;
    CustomButton *m_rightHandle;
    CustomButton *m_heldHandle = nullptr;
    const float *m_playPosition = nullptr;
    QPointer<ChordLabel> m_playingLabel;
    int m_keyShift = 0;
};
