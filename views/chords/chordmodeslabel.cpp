#include "views/chords/chordmodeslabel.h"

#include "views/chords/chordmodeswidget.h"
#include "views/chords/panerows.h"
#include "views/playback/plusminusreadout.h"

#include <QMouseEvent>

#include <cmath>

namespace {
using PaneRows::rowHeight;
constexpr int topMargin = 4;
} // namespace

ChordModesLabel::ChordModesLabel(QWidget *parent)
    : QLabel(parent), m_highlight(new QLabel(this))
{
    setPixmap(QPixmap(":/images/chords/modes_pane.png"));
    setFixedSize(101, 147);
    setMouseTracking(true);
    m_highlight->setPixmap(QPixmap(":/images/chords/highlight_modes.png"));
    m_highlight->setScaledContents(true);
    m_highlight->setAttribute(Qt::WA_TransparentForMouseEvents);
    placeHighlight(0);
    hide();
}

void ChordModesLabel::placeHighlight(int row)
{
    m_row = row;
    m_highlight->setGeometry(7, row * rowHeight + topMargin, 82, rowHeight);
}

void ChordModesLabel::showModeLabel(int mode)
{
    if (isVisible()) {
        hide();
        return;
    }
    placeHighlight(std::max(0, std::min(ChordModesWidget::rowCount - 1, mode)));
    show();
    raise();
}

void ChordModesLabel::mouseMoveEvent(QMouseEvent *event)
{
    const int y = int(std::lround(event->localPos().y()));
    const int top = m_row * rowHeight + topMargin;
    const bool below = y >= top + rowHeight && y < ChordModesWidget::rowCount * rowHeight + topMargin;
    const bool above = y < top && y >= topMargin;
    if (below || above)
        placeHighlight(std::max(0, std::min(ChordModesWidget::rowCount - 1, PaneRows::rowAt(y, topMargin))));
}

void ChordModesLabel::mousePressEvent(QMouseEvent *event)
{
    if (PlusMinusReadout::isResetPress(event))
        return;
    const int y = int(std::lround(event->localPos().y()));
    const int row = std::max(0, PaneRows::rowAt(y, topMargin));
    hide();
    if (row < ChordModesWidget::rowCount) {
        emit setChordMode(row);
        emit updateFinderChord();
    }
}
