// ChordsTab: the chord viewer, the third tab. It shows guitar diagrams of the track's
// detected chords (open chords, or power chords by root) in a scrolling list, a large
// diagram of the chord being played and a smaller one of the next chord with the beats
// until it, and a finder diagram for any chord picked by key and mode. Diagrams lie on the
// neck wood of the user's choice and follow the key shift and the capo; the chord strip
// over the waveform is told the same shift, so both name the same chord. Once the track's
// chords are known, a button opens the chord filter page in place of the diagram list.
// The tab container creates it; the main window hands it the analysis results and wires
// the key shift to the pitch sync and the tempo to the tools tab.
#pragma once
#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>

class CapoWidget;
class ChordFilterWidget;
class ChordModesLabel;
class ChordModesWidget;
class ChordsContainer;
class ChordsScrollButton;
class ChordTypeButton;
class ChordWidget;
class CustomButton;
class KeysLabel;
class KeysWidget;
class KeyShiftWidget;
class MetaData;
class NeckTypeWidget;
class QStackedWidget;
class TempoWidget;

class ChordsTab : public QLabel
{
    Q_OBJECT
public:
    // More detected chords than this need the scroll arrows.
    static constexpr int visibleDiagrams = 8;

    explicit ChordsTab(QWidget *parent = nullptr);

    KeyShiftWidget *keyShiftWidget() const { return m_keyShift; }
    NeckTypeWidget *neckTypeWidget() const { return m_neckType; }
    TempoWidget *tempoWidget() const { return m_tempo; }
    CapoWidget *capoWidget() const { return m_capo; }
    ChordTypeButton *openButton() const { return m_openButton; }
    ChordTypeButton *powerButton() const { return m_powerButton; }
    ChordWidget *currentChord() const { return m_currentChord; }
    ChordWidget *nextChord() const { return m_nextChord; }
    ChordWidget *finderChord() const { return m_finderChord; }
    QLabel *beatsToNextLabel() const { return m_beatsToNext; }
    ChordsContainer *container() const { return m_container; }
    ChordsScrollButton *scrollUpButton() const { return m_scrollUp; }
    ChordsScrollButton *scrollDownButton() const { return m_scrollDown; }
    CustomButton *chordFilterButton() const { return m_filterButton; }
    ChordFilterWidget *chordFilterWidget() const { return m_filter; }
    QStackedWidget *pageStack() const { return m_pages; }
    ChordModesWidget *modesRoll() const { return m_modesRoll; }
    KeysWidget *keysRoll() const { return m_keysRoll; }
    ChordModesLabel *modesPane() const { return m_modesPane; }
    KeysLabel *keysPane() const { return m_keysPane; }
    float keyShift() const { return m_keyShiftValue; }
    float capo() const { return m_capoValue; }
    int chordType() const { return m_chordType; }
    int neckType() const { return m_neckTypeValue; }
    // Semitones the shown chords lie from the detected ones.
    int shiftAmount() const;

    // A new track: no diagrams, no key shift, capo or tempo.
    void reset();
    // The "chordsTab" values of a session: chord type, neck type, open and power list
    // offsets, finder chord index, capo. Values out of range are held to it or ignored.
    void restoreSessionValues(const QStringList &values);

public slots:
    void setMetaData(MetaData *metaData);
    void beatChanged();
    void initDetectedChords();
    void changeNeckType(int neck);
    void setChordType(int type);
    void setChordKeyShift(float keyShift);
    void setCapoShift(float shiftDirection);
    int getChordIndex(QString chord);
    int getChordIndex(QString chord, int shiftAmount);
    void setFinderChord();
    void openFilterWidget();
    void closeFilterWidget();
    void hideFinderLabels();

signals:
    void setChordStripKeyShift(int shiftAmount);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    // The name cut to its root: two characters with a "#" or "b", else one.
    static QString rootOf(const QString &name);
    void applyShift();

    MetaData *m_metaData = nullptr;
    QPixmap m_openImage;
    QPixmap m_powerImage;
    KeyShiftWidget *m_keyShift;
    TempoWidget *m_tempo;
    ChordTypeButton *m_openButton;
    ChordTypeButton *m_powerButton;
    NeckTypeWidget *m_neckType;
    CapoWidget *m_capo;
    ChordWidget *m_currentChord;
    ChordWidget *m_nextChord;
    ChordWidget *m_finderChord;
    QLabel *m_beatsToNext;
    KeysWidget *m_keysRoll;
    KeysLabel *m_keysPane;
    ChordModesWidget *m_modesRoll;
    ChordModesLabel *m_modesPane;
    QStackedWidget *m_pages;
    ChordsScrollButton *m_scrollUp;
    ChordsScrollButton *m_scrollDown;
    CustomButton *m_filterButton;
    ChordsContainer *m_container;
    ChordFilterWidget *m_filter;
    int m_neckTypeValue = 0;
    int m_chordType = 0;
    // Scroll positions of a session restored while its track's chords are still being found.
    bool m_scrollPending = false;
    int m_pendingOpenOffset = 0;
    int m_pendingPowerOffset = 0;
    float m_keyShiftValue = 0.0f;
    float m_capoValue = 0.0f;
};
