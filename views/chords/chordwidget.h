// ChordWidget: one guitar chord diagram of the chord viewer, drawn on a neck wood. It
// shows one 126 x 264 cell of the shared diagram strip (open or power chords), scaled to
// its size. A diagram remembers the detected chord it stands for (its base) apart from the
// chord it shows, so that a key shift or capo always starts again from the detected chord.
// ChordsTab creates the current, next and finder diagrams and the diagrams of the list.
#pragma once
#include <QLabel>
#include <QPixmap>

class ChordWidget : public QLabel
{
    Q_OBJECT
public:
    static constexpr int cellWidth = 126;
    static constexpr int cellHeight = 264;

    ChordWidget(QWidget *parent, const QPixmap *openImage, const QPixmap *powerImage, bool finder = false);

    int currentIndex() const { return m_currentIndex; }
    int baseIndex() const { return m_baseIndex; }
    int chordType() const { return m_chordType; }
    int neckType() const { return m_neckType; }
    bool isFinder() const { return m_finder; }
    QLabel *diagramLabel() const { return m_diagram; }
    // Shown while the index is a chord; hidden for -1.
    bool showsChord() const { return !m_diagram->isHidden(); }

    // Shows chord `index` (-1 hides the diagram); as base it also becomes the base.
    void setChord(int index, bool asBase);
    // A detected chord shown moved by `shift` semitones.
    void setDetectedChord(int detectedIndex, int shift);
    // The base chord moved by `shift` semitones.
    void setShift(int shift);

public slots:
    // 0 open chords, 1 power chords; other values keep the type.
    void setChordType(int type);
    // 0 wire, 1 ebony, 2 alder, 3 maple; other values keep the wood.
    void setNeckType(int neck);

protected:
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *m_diagram;
    const QPixmap *m_openImage;
    const QPixmap *m_powerImage;
    int m_currentIndex = -1;
    int m_baseIndex = -1;
    int m_chordType = 0;
    int m_neckType = -1;
    // The cell the diagram holds, so that showing the same chord again copies nothing.
    int m_drawnIndex = -1;
    int m_drawnType = -1;
    bool m_finder;
};
