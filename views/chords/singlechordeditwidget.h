// SingleChordEditWidget: the pop-up that replaces the chord of one label of the chord
// strip (stand-in). The waveform view opens and places it.
#pragma once
#include <QPoint>
#include <QString>
#include <QWidget>

class ChordLabel;
class MetaData;

class SingleChordEditWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SingleChordEditWidget(QWidget *parent = nullptr) : QWidget(parent) { resize(200, 120); }
    void setMetaData(MetaData *metaData) { m_metaData = metaData; }

public slots:
    void showChordEdit(QString chordText, int, ChordLabel *, bool scrolling)
    {
        m_chordText = chordText;
        m_stopScrolling = !scrolling;
        show();
        raise();
    }
    void changeChord(QString chordText) { m_chordText = chordText; }

signals:
    void repositionChords();
    void reInitChordStrip();
    QPoint getStartEndBeats();
    void resetScroll(bool scrolling);

private:
    MetaData *m_metaData = nullptr;
    QString m_chordText;
    bool m_stopScrolling = false;
};
