#include "views/chords/keyslabel.h"

#include "views/chords/keyswidget.h"
#include "views/chords/panerows.h"

#include <QMouseEvent>

#include <cmath>

namespace {
using PaneRows::rowHeight;
constexpr int topMargin = 6;
} // namespace

KeysLabel::KeysLabel(QWidget *parent) : QLabel(parent), m_highlight(new QLabel(this))
{
    setPixmap(QPixmap(":/images/chords/keys_pane.png"));
    setFixedSize(64, 240);
    setMouseTracking(true);
    m_highlight->setPixmap(QPixmap(":/images/chords/highlight_keys.png"));
    m_highlight->setScaledContents(true);
    m_highlight->setAttribute(Qt::WA_TransparentForMouseEvents);
    placeHighlight(0);
    hide();
}

void KeysLabel::placeHighlight(int row)
{
    m_row = row;
    m_highlight->setGeometry(10, row * rowHeight + topMargin, 36, rowHeight);
}

void KeysLabel::showKeysLabel(int key)
{
    if (isVisible()) {
        hide();
        return;
    }
    placeHighlight(std::max(0, std::min(KeysWidget::rowCount - 1, key)));
    show();
    raise();
}

void KeysLabel::mouseMoveEvent(QMouseEvent *event)
{
    const int y = int(std::lround(event->localPos().y()));
    const int top = m_row * rowHeight + topMargin;
    const bool below = y >= top + rowHeight && y < KeysWidget::rowCount * rowHeight + topMargin;
    const bool above = y < top && y >= topMargin;
    if (below || above)
        placeHighlight(std::max(0, std::min(KeysWidget::rowCount - 1, PaneRows::rowAt(y, topMargin))));
}

void KeysLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void KeysLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const int y = int(std::lround(event->localPos().y()));
    const int row = std::max(0, PaneRows::rowAt(y, topMargin));
    hide();
    if (row < KeysWidget::rowCount) {
        emit setKey(row);
        emit updateFinderChord();
    }
}
