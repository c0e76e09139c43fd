#include "views/chords/beatlinewidget.h"

#include "metadata/metadata.h"
#include "views/chords/beatpixels.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

BeatLineWidget::BeatLineWidget(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    QFont bold = font();
    bold.setWeight(QFont::Bold);
    setFont(bold);
}

const QVector<float> *BeatLineWidget::beats() const
{
    if (!m_metaData || !m_metaData->hasData())
        return nullptr;
    return &m_metaData->analysedBeats();
}

void BeatLineWidget::setRange(int startBeat, int endBeat)
{
    m_rangeStartBeat = startBeat;
    m_rangeEndBeat = endBeat;
    m_hoverBeat = -1;
    if (!inRange(m_selectedBeat))
        m_selectedBeat = -1;
    update();
}

int BeatLineWidget::beatX(int beat) const
{
    const QVector<float> *b = beats();
    if (!b || beat < 0 || beat >= b->size())
        return 0;
    return BeatPixels(m_trackFrames, width(), m_sampleOffset).x(double(b->at(beat)));
}

int BeatLineWidget::beatAt(int x) const
{
    const QVector<float> *b = beats();
    if (!b || b->size() < 2)
        return -1;
    const BeatPixels pixels(m_trackFrames, width(), m_sampleOffset);
    // The last beat whose line lies at or left of x; the final entry only closes the
    // span of the beat before it.
    int lo = 0;
    int hi = b->size() - 1;
    if (x < pixels.x(double(b->at(0))) || x >= pixels.x(double(b->at(hi))))
        return -1;
    while (hi - lo > 1) {
        const int mid = (lo + hi) / 2;
        if (pixels.x(double(b->at(mid))) <= x)
            lo = mid;
        else
            hi = mid;
    }
    return lo;
}

void BeatLineWidget::setChordEditText(QString chordText)
{
    m_chordEditText = chordText;
    update();
}

void BeatLineWidget::mouseMoveEvent(QMouseEvent *event)
{
    m_hoverBeat = beatAt(int(std::lround(event->localPos().x())));
    update();
    QWidget::mouseMoveEvent(event);
}

void BeatLineWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const int beat = beatAt(int(std::lround(event->localPos().x())));
    // Only a beat of the edited range can be picked: the edit never reaches outside it.
    if (!inRange(beat))
        return;
    if (beat == m_selectedBeat) {
        m_selectedBeat = -1;
        emit stopEditLabelFlashing(false);
    } else {
        m_selectedBeat = beat;
        emit stopEditLabelFlashing(true);
    }
    update();
}

void BeatLineWidget::leaveEvent(QEvent *event)
{
    m_hoverBeat = -1;
    update();
    QWidget::leaveEvent(event);
}

void BeatLineWidget::paintCell(QPainter &painter, int beat, const QColor &fill, bool outline, bool selected)
{
    const QVector<float> *b = beats();
    const ChordNameList &chords = m_metaData->chordVec;
    const int n = std::min(chords.size(), b->size() - 1);
    if (beat < 0 || beat >= n)
        return;
    const int x0 = beatX(beat);
    const int x1 = beatX(beat + 1);
    const QRectF cell(x0 + 1.5, 1.0, std::max(2.0, double(x1 - x0) - 4.5), height() - 2.0);
    const QString &name = chords.at(beat);
    const bool fromLeft = beat > 0 && chords.at(beat - 1) == name;
    const bool toRight = beat + 1 < n && chords.at(beat + 1) == name;
    const bool oneBeat = m_rangeEndBeat - m_rangeStartBeat == 1;

    QPainterPath shape;
    bool separator = false;
    if (beat == n - 1 || (!fromLeft && !toRight && oneBeat) || (selected && beat == 0)) {
        shape.addRoundedRect(cell, 20, 15, Qt::AbsoluteSize);
    } else if (beat == m_rangeStartBeat && toRight && !fromLeft) {
        // Rounded on the left, square where the chord goes on to the right.
        shape.addRoundedRect(cell, 20, 15, Qt::AbsoluteSize);
        shape.addRect(QRectF(cell.center().x(), cell.top(), cell.width() / 2, cell.height()));
        separator = true;
    } else if (beat == m_rangeEndBeat - 1 && fromLeft) {
        shape.addRoundedRect(cell, 20, 15, Qt::AbsoluteSize);
        shape.addRect(QRectF(cell.left(), cell.top(), cell.width() / 2, cell.height()));
        separator = true;
    } else {
        shape.addRect(cell);
    }
    shape.setFillRule(Qt::WindingFill);
    painter.setPen(outline ? QPen(Qt::white, 2) : QPen(Qt::NoPen));
    painter.setBrush(fill);
    painter.drawPath(shape.simplified());
    if (separator) {
        painter.setPen(QPen(selected ? QColor(43, 100, 57) : QColor(Qt::white), 2));
        const double mid = cell.center().x();
        painter.drawLine(QPointF(mid, 3), QPointF(mid, height() - 3));
    }
}

void BeatLineWidget::paintEvent(QPaintEvent *event)
{
    const QVector<float> *b = beats();
    if (!b || b->isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor dark(40, 40, 40);
    painter.setPen(QPen(dark, 2));
    painter.setBrush(dark);
    const BeatPixels pixels(m_trackFrames, width(), m_sampleOffset);
    const int left = event->rect().left() - 4;
    const int right = event->rect().right() + 4;
    for (float beat : *b) {
        const int x = pixels.x(double(beat));
        if (x < left)
            continue;
        if (x > right)
            break;
        painter.drawEllipse(QRectF(x - 2, -2, 4, 4));
        painter.drawEllipse(QRectF(x - 2, height() - 2, 4, 4));
    }
    if (m_rangeStartBeat < 0 || m_rangeEndBeat <= m_rangeStartBeat)
        return;
    if (inRange(m_hoverBeat))
        paintCell(painter, m_hoverBeat, QColor(255, 110, 0), true, false);
    if (inRange(m_selectedBeat)) {
        paintCell(painter, m_selectedBeat, QColor(43, 100, 57), m_selectedBeat == m_hoverBeat, true);
        const int x0 = beatX(m_selectedBeat);
        const int x1 = beatX(m_selectedBeat + 1);
        painter.setPen(Qt::white);
        const int textWidth = painter.fontMetrics().horizontalAdvance(m_chordEditText);
        painter.drawText((x0 + x1 - textWidth) / 2, 14, m_chordEditText);
    }
}
