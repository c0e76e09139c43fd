// ChordFilterWidget: the chord viewer's page on which the user marks the chords the
// analysis may name (12 roots by 7 qualities) and asks for the chords to be found again.
// It is preset to the chords the last analysis found; "find" sends the marks to the main
// window, which runs the analysis again with them. ChordsTab hosts it.
#pragma once
#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QVector>

#include "metadata/metadata.h"

class CustomButton;
class Dot;

class ChordFilterWidget : public QLabel
{
    Q_OBJECT
public:
    explicit ChordFilterWidget(QWidget *parent = nullptr);

    const ChordFilterGrid &grid() const { return m_grid; }
    const ChordNameList &names() const { return m_names; }
    // The dot of screen row s (roots from A) and column j.
    Dot *dot(int screenRow, int column) const { return m_dots.value(screenRow * 7 + column); }
    CustomButton *findButton() const { return m_findButton; }
    CustomButton *noneButton() const { return m_noneButton; }
    CustomButton *closeButton() const { return m_closeButton; }
    // The screen row (roots from A) and column of a chord name; false for a name that is
    // not one of the 84 (index -1 in the chord index), which marks nothing.
    static bool cellOf(const QString &name, int &screenRow, int &column);

public slots:
    void addChord(int root, int type, bool shown);
    void findPressed();
    void clearSelection();
    void setSelectionFromDetectedChords(QVector<QString> selection);

signals:
    void recalculateChords(QVector<QVector<int> > chordList);
    void stopPlayback();

private:
    QPixmap m_dotImage;
    QList<Dot *> m_dots;
    CustomButton *m_findButton;
    CustomButton *m_closeButton;
    CustomButton *m_noneButton;
    ChordFilterGrid m_grid;
    ChordNameList m_names;
};
