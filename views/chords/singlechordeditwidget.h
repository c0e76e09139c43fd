// SingleChordEditWidget: the chord editor that opens over a label of the chord strip. The
// user lights one of 84 dots (12 roots by 7 qualities) and replaces the chord of the
// label's run of beats, or that chord everywhere in the track, or cancels. A replacement
// is written into the analysis results and saved to the analysis cache (savePQM); the
// chord strip and the chord viewer's list of detected chords are then rebuilt from the
// results. Plotter owns, shows and places it; the main window wires savePQM and the list.
#pragma once
#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QString>

class ChordLabel;
class CustomButton;
class Dot;
class MetaData;

class SingleChordEditWidget : public QLabel
{
    Q_OBJECT
public:
    static constexpr int rootCount = 12;
    static constexpr int qualityCount = 7;

    explicit SingleChordEditWidget(QWidget *parent = nullptr);
    void setMetaData(MetaData *metaData) { m_metaData = metaData; }

    // The dot of root column k (roots from A) and quality row i.
    Dot *dot(int column, int row) const { return m_dots.value(column * qualityCount + row); }
    const QList<Dot *> &dots() const { return m_dots; }
    CustomButton *cancelButton() const { return m_cancelButton; }
    CustomButton *replaceButton() const { return m_replaceButton; }
    CustomButton *replaceAllButton() const { return m_replaceAllButton; }
    QString currentChordText() const { return m_currentChordText; }
    ChordLabel *editLabel() const { return m_editLabel; }
    // The name of a dot: root name and quality suffix ("C#m7", "Eb", "Absus2").
    static QString chordName(int column, int row);

public slots:
    void setSelected(Dot *dot);
    void showChordEdit(QString chordText, int number, ChordLabel *editLabel, bool scrolling);
    void changeChord(QString chordText);
    void replaceChord();
    void replaceAllChords();
    void cancel();

signals:
    void reInitChordStrip();
    void reInitDetectedChordsWidget();
    void savePQM();
    // A query (direct connection): x = the first beat of the edited run, y = the beat
    // after its last.
    QPoint getStartEndBeats();
    void resetScroll(bool scrolling);
    void repositionChords();

private:
    // The picked chord in the track's own key; empty when nothing may be written: no
    // label, no results (none yet, or an analysis replacing them), or no chord picked
    // ("-" or an empty name).
    QString chordToWrite();
    void close(bool saved);

    QPixmap m_dotImage;
    QList<Dot *> m_dots;
    CustomButton *m_cancelButton;
    CustomButton *m_replaceButton;
    CustomButton *m_replaceAllButton;
    QPointer<ChordLabel> m_editLabel;
    QString m_currentChordText;
    MetaData *m_metaData = nullptr;
    bool m_stopScrolling = false;
};
