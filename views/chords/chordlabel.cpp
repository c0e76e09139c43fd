#include "views/chords/chordlabel.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

const QColor ChordLabel::labelColour(255, 110, 0);
const QColor ChordLabel::editColour(255, 135, 40);

ChordLabel::ChordLabel(QWidget *parent, const QString &text, int startSample, int endSample, int firstBeat,
                       int beatCount, MetaData *metaData)
    : QWidget(parent), m_metaData(metaData), m_startSample(startSample), m_endSample(endSample),
      m_displayText(text), m_analysisText(text), m_firstBeat(firstBeat), m_beatCount(std::max(1, beatCount)),
      m_colour(labelColour)
{
    setMouseTracking(true);
    // The strip already uses the bold font; a label on its own sets it.
    if (font().weight() != QFont::Bold) {
        QFont bold = font();
        bold.setWeight(QFont::Bold);
        setFont(bold);
    }
}

void ChordLabel::setRun(const QString &text, int startSample, int endSample, int firstBeat, int beatCount)
{
    deactivate();
    m_startSample = startSample;
    m_endSample = endSample;
    m_displayText = m_analysisText = text;
    m_editText.clear();
    m_firstBeat = firstBeat;
    m_beatCount = std::max(1, beatCount);
    m_opacity = 1.0f;
    m_shift = 0;
    m_colour = labelColour;
    m_playing = false;
    m_playX = 0.0f;
    update();
}

bool ChordLabel::isFlashing() const
{
    return m_flashTimer && m_flashTimer->isActive();
}

// The pulse timer exists only once the label has been edited: a strip holds hundreds of
// labels and edits one.
void ChordLabel::startFlashing()
{
    if (!m_flashTimer) {
        m_flashTimer = new QTimer(this);
        m_flashTimer->setInterval(40);
        connect(m_flashTimer, SIGNAL(timeout()), this, SLOT(flash()));
    }
    m_flashDown = false;
    m_flashTimer->start();
}

void ChordLabel::setShiftedText(const QString &text, int shift)
{
    m_shift = shift;
    m_displayText = shift != 0 ? text : m_analysisText;
    update();
}

void ChordLabel::setDisplayText(const QString &text)
{
    m_displayText = text;
    update();
    emit setBeatLineWidgetText(text);
}

QString ChordLabel::shiftedText()
{
    if (m_shift == 0 || !isSignalConnected(QMetaMethod::fromSignal(&ChordLabel::getShiftedChordText)))
        return m_displayText;
    return emit getShiftedChordText(m_displayText, m_shift);
}

void ChordLabel::setFlashStopped(bool stop)
{
    if (stop) {
        if (m_flashTimer)
            m_flashTimer->stop();
        m_opacity = 1.0f;
        update();
    } else {
        startFlashing();
    }
}

void ChordLabel::storeBottomLeft()
{
    m_bottomLeft = geometry().bottomLeft();
}

void ChordLabel::setPlaying(bool playing, float playX)
{
    m_playing = playing;
    m_playX = playX;
    update();
}

void ChordLabel::flash()
{
    if (m_opacity >= 1.0f) {
        m_flashDown = true;
        m_opacity -= 0.05f;
    } else if (m_opacity <= 0.5f) {
        m_flashDown = false;
        m_opacity += 0.05f;
    } else {
        m_opacity += m_flashDown ? -0.05f : 0.05f;
    }
    update();
}

void ChordLabel::setEditable(QString text)
{
    m_editText = text;
}

void ChordLabel::deactivate()
{
    if (isFlashing()) {
        m_flashTimer->stop();
        m_opacity = 1.0f;
        m_colour = labelColour;
        update();
        emit setBeatLineWidgetText(QString());
    }
    m_active = false;
    m_hoverBeat = -1;
}

void ChordLabel::startEdit()
{
    emit deactivateAll();
    const QWidget *view = parentWidget() && parentWidget()->parentWidget() ? parentWidget()->parentWidget()
                                                                          : parentWidget();
    const int x = view ? mapTo(view, QPoint(0, 0)).x() : this->x();
    emit showChordEdit(m_displayText, x, this);
    emit showEditLeftBoundary(this);
    startFlashing();
    m_colour = editColour;
    update();
    emit setBeatLineWidgetText(m_displayText);
    emit stopScrolling(false);
    m_active = true;
}

void ChordLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(double(m_opacity));
    const QRectF whole(rect());
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_colour);
    painter.drawRoundedRect(whole, 20, 15, Qt::AbsoluteSize);
    if (m_playing) {
        painter.setPen(QPen(QColor(175, 175, 175), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(whole.adjusted(1, 1, -1, -1), 20, 15, Qt::AbsoluteSize);
    }
    painter.setOpacity(1.0);
    painter.setPen(Qt::white);
    const QString text = (isFlashing() || m_shift != 0) ? m_displayText : m_analysisText;
    const int textWidth = painter.fontMetrics().horizontalAdvance(text);
    painter.drawText((width() - textWidth) / 2, 14, text);
}

void ChordLabel::mousePressEvent(QMouseEvent *event)
{
    const bool right = event->button() == Qt::RightButton;
    const bool metaLeft = event->button() == Qt::LeftButton && event->modifiers() == Qt::MetaModifier;
    if (right || metaLeft) {
        startEdit();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void ChordLabel::mouseMoveEvent(QMouseEvent *event)
{
    if (isFlashing() && width() > 0) {
        // The beat of the run under the pointer, kept inside the run.
        const long x = std::lround(event->localPos().x());
        const long beat = x * long(m_beatCount) / long(width());
        m_hoverBeat = int(std::min<long>(m_beatCount - 1, std::max<long>(0, beat)));
    }
    QWidget::mouseMoveEvent(event);
}

void ChordLabel::leaveEvent(QEvent *event)
{
    m_hoverBeat = -1;
    QWidget::leaveEvent(event);
}
