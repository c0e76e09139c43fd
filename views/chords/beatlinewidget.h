// BeatLineWidget: the overlay that the chord strip lays over itself while a chord is
// edited. It marks every beat with a dot at its top and bottom edge and, inside the edited
// range, the beat under the pointer and the one beat picked with a left press (pressing it
// again clears the pick). A picked beat narrows the edit to that beat; the strip reads the
// pick through getStartEndBeats().
#pragma once
#include <QString>
#include <QVector>
#include <QWidget>

class MetaData;

class BeatLineWidget : public QWidget
{
    Q_OBJECT
public:
    explicit BeatLineWidget(QWidget *parent = nullptr);

    void setMetaData(MetaData *metaData) { m_metaData = metaData; }
    void setTrackFrames(int frames) { m_trackFrames = frames; }
    void setSampleOffset(int offset) { m_sampleOffset = offset; }
    // The edited range: first beat and the beat after the last; the hover is cleared.
    void setRange(int startBeat, int endBeat);
    // Back to no range, no hover and no pick.
    void resetRange()
    {
        m_selectedBeat = -1;
        setRange(-1, -1);
    }

    int hoverBeat() const { return m_hoverBeat; }
    int selectedBeat() const { return m_selectedBeat; }
    int rangeStartBeat() const { return m_rangeStartBeat; }
    int rangeEndBeat() const { return m_rangeEndBeat; }
    QString chordEditText() const { return m_chordEditText; }
    // The beat whose span holds x, or -1.
    int beatAt(int x) const;
    // x of beat b on this widget.
    int beatX(int beat) const;

public slots:
    void setChordEditText(QString chordText);

signals:
    void stopEditLabelFlashing(bool stop);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    const QVector<float> *beats() const;
    bool inRange(int beat) const { return beat >= m_rangeStartBeat && beat < m_rangeEndBeat && beat >= 0; }
    void paintCell(class QPainter &painter, int beat, const QColor &fill, bool outline, bool selected);

    MetaData *m_metaData = nullptr;
    int m_trackFrames = 0;
    int m_sampleOffset = -2048;
    int m_hoverBeat = -1;
    int m_selectedBeat = -1;
    int m_rangeStartBeat = -1;
    int m_rangeEndBeat = -1;
    QString m_chordEditText;
};
