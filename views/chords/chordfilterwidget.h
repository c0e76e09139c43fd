// ChordFilterWidget: the chord viewer's page for picking the set of chords an analysis may
// find (stand-in). ChordsTab shows it as the second page of its stack.
#pragma once
#include <QPushButton>
#include <QWidget>

class ChordFilterWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ChordFilterWidget(QWidget *parent = nullptr) : QWidget(parent), m_closeButton(new QPushButton(this))
    {
        m_closeButton->hide();
    }
    QPushButton *closeButton() const { return m_closeButton; }

public slots:
    void clear() {}

private:
    QPushButton *m_closeButton;
};
