// ChordsContainer: the chord viewer's list of the track's chords, four diagrams a row,
// either the open chords or the power chords, scrolled 20 pixels a step by the arrows or
// the wheel. ChordsTab fills it after each analysis.
#pragma once
#include <QList>
#include <QWidget>

#include "views/playback/wheelnotches.h"

class ChordWidget;

class ChordsContainer : public QWidget
{
    Q_OBJECT
public:
    static constexpr int scrollStep = 20;
    static constexpr int columns = 4;

    explicit ChordsContainer(QWidget *parent = nullptr);

    // Takes the diagrams (the old ones are released) and shows the open list.
    void setChordWidgets(const QList<ChordWidget *> &open, const QList<ChordWidget *> &power);
    void setNeckType(int neck);
    // A session's scroll offsets (0 or negative pixels); held to what the lists allow.
    void restoreScrollPositions(int openOffset, int powerOffset);

    const QList<ChordWidget *> &openChords() const { return m_open; }
    const QList<ChordWidget *> &powerChords() const { return m_power; }
    QWidget *openList() const { return m_openList; }
    QWidget *powerList() const { return m_powerList; }
    int openOffset() const { return m_openOffset; }
    int powerOffset() const { return m_powerOffset; }

public slots:
    void switchChordType(int type);
    void scrollUp();
    void scrollDown();

protected:
    void wheelEvent(QWheelEvent *event) override;

private:
    QWidget *buildList(const QList<ChordWidget *> &diagrams, int type);
    QWidget *visibleList() const;
    int &visibleOffset();

    QList<ChordWidget *> m_open;
    QList<ChordWidget *> m_power;
    QWidget *m_openList = nullptr;
    QWidget *m_powerList = nullptr;
    int m_openOffset = 0;
    int m_powerOffset = 0;
    WheelNotches m_wheelNotches;
};
