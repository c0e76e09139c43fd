#include "views/jam/songstep.h"

#include "views/jam/songsteplabel.h"

#include <QMouseEvent>

SongStep::SongStep(QWidget *parent) : StepWidget(QPixmap(":/images/jam/song_step.png"), parent)
{
    for (int i = 0; i < cellCount; ++i) {
        auto *label = new SongStepLabel(i, this);
        // Each letter sits in the middle of its cell.
        label->move(i * cellWidth + (cellWidth - label->width()) / 2, (cellWidth - label->height()) / 2);
        m_labels.append(label);
        connect(label, SIGNAL(setRiff(int, int)), this, SLOT(setRiff(int, int)));
    }
}

void SongStep::setRiff(int riffIndex, int stepIndex)
{
    if (stepIndex < 0 || stepIndex >= cellCount)
        return;
    m_song.set(stepIndex, riffIndex);
    const int count = m_song.filledCount();
    if (count == 0)
        emit stopSongPlayback();
    emit setLoopLength(count);
    emit setLoopLength();
}

void SongStep::setRiffFromMenu(int riffIndex, int stepIndex)
{
    if (stepIndex < 0 || stepIndex >= cellCount)
        return;
    m_labels.at(stepIndex)->setRiffFromMenu(riffIndex);
}

void SongStep::restoreSteps(const QStringList &steps)
{
    for (int i = 0; i < cellCount; ++i) {
        bool ok = false;
        const int riff = i < steps.size() ? steps.at(i).trimmed().toInt(&ok) : -1;
        SongStepLabel *label = m_labels.at(i);
        label->setRiffValue(ok ? riff : -1);
        label->updateRiffText();
    }
}

void SongStep::resetSong()
{
    for (SongStepLabel *label : qAsConst(m_labels)) {
        label->setRiffValue(-1);
        label->updateRiffText();
    }
    m_whiteNumberLength = 1;
    m_currentStep = 0;
    update();
}

void SongStep::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit showSongMenu(cellAt(event->localPos().x()));
}
