#include "views/chords/chordscontainer.h"

#include "views/chords/chordwidget.h"

#include <QGridLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

ChordsContainer::ChordsContainer(QWidget *parent) : QWidget(parent)
{
    setStyleSheet("QWidget {background-color:transparent;}");
}

QWidget *ChordsContainer::buildList(const QList<ChordWidget *> &diagrams, int type)
{
    auto *list = new QWidget(this);
    auto *grid = new QGridLayout(list);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(9);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    for (int i = 0; i < diagrams.size(); ++i) {
        diagrams.at(i)->setChordType(type);
        grid->addWidget(diagrams.at(i), i / columns, i % columns);
    }
    list->move(0, 0);
    return list;
}

void ChordsContainer::setChordWidgets(const QList<ChordWidget *> &open, const QList<ChordWidget *> &power)
{
    m_openOffset = m_powerOffset = 0;
    // The old lists go with their layouts and diagrams.
    for (QWidget *old : {m_openList, m_powerList}) {
        if (old) {
            old->hide();
            old->deleteLater();
        }
    }
    m_open = open;
    m_power = power;
    m_openList = buildList(open, 0);
    m_powerList = buildList(power, 1);
    m_openList->show();
    m_powerList->hide();
}

void ChordsContainer::setNeckType(int neck)
{
    for (ChordWidget *diagram : qAsConst(m_open))
        diagram->setNeckType(neck);
    for (ChordWidget *diagram : qAsConst(m_power))
        diagram->setNeckType(neck);
}

void ChordsContainer::switchChordType(int type)
{
    if (!m_openList || (type != 0 && type != 1))
        return;
    m_openList->setVisible(type == 0);
    m_powerList->setVisible(type == 1);
}

QWidget *ChordsContainer::visibleList() const
{
    if (m_openList && !m_openList->isHidden())
        return m_openList;
    if (m_powerList && !m_powerList->isHidden())
        return m_powerList;
    return nullptr;
}

int &ChordsContainer::visibleOffset()
{
    return visibleList() == m_powerList ? m_powerOffset : m_openOffset;
}

void ChordsContainer::scrollDown()
{
    QWidget *list = visibleList();
    if (!list)
        return;
    list->adjustSize();
    int &offset = visibleOffset();
    if (offset > height() - list->height()) {
        offset -= scrollStep;
        list->move(0, offset);
    }
}

void ChordsContainer::scrollUp()
{
    QWidget *list = visibleList();
    if (!list)
        return;
    int &offset = visibleOffset();
    if (offset < 0) {
        offset += scrollStep;
        list->move(0, offset);
    }
}

void ChordsContainer::wheelEvent(QWheelEvent *event)
{
    const int steps = m_wheelNotches.take(event);
    for (int i = 0; i < std::abs(steps); ++i) {
        if (steps > 0)
            scrollUp();
        else
            scrollDown();
    }
    event->accept();
}

void ChordsContainer::restoreScrollPositions(int openOffset, int powerOffset)
{
    if (!m_openList)
        return;
    // A step count from the offsets, never more than a list can scroll.
    auto steps = [](int offset, const QWidget *list) {
        const long wanted = std::labs(long(offset) - 1) / scrollStep;
        return int(std::min<long>(wanted, list->sizeHint().height() / scrollStep + 1));
    };
    switchChordType(0);
    for (int i = steps(openOffset, m_openList); i > 0; --i)
        scrollDown();
    switchChordType(1);
    for (int i = steps(powerOffset, m_powerList); i > 0; --i)
        scrollDown();
}
