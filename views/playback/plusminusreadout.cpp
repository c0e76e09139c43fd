#include "views/playback/plusminusreadout.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

PlusMinusReadout::PlusMinusReadout(QWidget *parent, const QString &normalImage, const QString &plusImage,
                                   const QString &minusImage)
    : QAbstractButton(parent)
{
    setFixedSize(93, 20);
    QFont font("Arial", 8);
    font.setWeight(75);
    setFont(font);
    setFocusPolicy(Qt::NoFocus);
    setAutoRepeat(true);
    setAutoRepeatDelay(repeatDelay);
    setAutoRepeatInterval(repeatInterval);
    setImages(normalImage, plusImage, minusImage);
    connect(this, &QAbstractButton::pressed, this, &PlusMinusReadout::buttonPressed);
}

PlusMinusReadout::Zone PlusMinusReadout::zoneAt(int x)
{
    if (x <= minusZoneEnd)
        return MinusZone;
    if (x >= plusZoneStart)
        return PlusZone;
    return MiddleZone;
}

bool PlusMinusReadout::isResetPress(const QMouseEvent *event)
{
    return event->button() == Qt::RightButton
           || (event->button() == Qt::LeftButton && event->modifiers() == Qt::MetaModifier);
}

QString PlusMinusReadout::valueText(float value)
{
    QString text = QString::number(double(value), 'g', 6);
    const int dot = text.indexOf('.');
    if (dot >= 0 && text.indexOf('e') < 0)
        text.truncate(dot + 3);
    return text;
}

void PlusMinusReadout::setImages(const QString &normalImage, const QString &plusImage, const QString &minusImage)
{
    m_normalImage = QPixmap(normalImage);
    m_plusImage = QPixmap(plusImage);
    m_minusImage = QPixmap(minusImage);
    update();
}

QLabel *PlusMinusReadout::inactiveOverlay()
{
    if (!m_inactiveOverlay) {
        m_inactiveOverlay = new QLabel(this);
        const QPixmap image(":/images/real_time_tools/plus_minus_inactive.png");
        m_inactiveOverlay->setPixmap(image);
        m_inactiveOverlay->setGeometry(0, 0, 93, 20);
        m_inactiveOverlay->setAttribute(Qt::WA_NoMousePropagation);
        if (image.isNull())
            m_inactiveOverlay->setStyleSheet("background-color: rgba(40, 40, 40, 170);");
        m_inactiveOverlay->hide();
    }
    return m_inactiveOverlay;
}

void PlusMinusReadout::setInactive(bool inactive)
{
    inactiveOverlay()->setVisible(inactive);
    if (inactive)
        m_inactiveOverlay->raise();
}

bool PlusMinusReadout::isInactive() const
{
    return m_inactiveOverlay && !m_inactiveOverlay->isHidden();
}

void PlusMinusReadout::buttonPressed()
{
    if (!m_acceptPress)
        return;
    const Zone zone = zoneAt(m_pointerX);
    m_shownZone = zone;
    if (zone == MiddleZone)
        m_acceptPress = false;
    zonePressed(zone, m_pointerX);
}

void PlusMinusReadout::paintValue(QPainter &painter)
{
    const QString text = displayText();
    if (!text.isEmpty())
        drawCentredText(painter, text);
}

void PlusMinusReadout::drawCentredText(QPainter &painter, const QString &text)
{
    painter.setFont(font());
    painter.setPen(QColor(170, 170, 170));
    const int textWidth = painter.fontMetrics().horizontalAdvance(text);
    painter.drawText(width() / 2 - textWidth / 2, 14, text);
}

void PlusMinusReadout::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPixmap &image = m_shownZone == PlusZone    ? m_plusImage
                           : m_shownZone == MinusZone ? m_minusImage
                                                      : m_normalImage;
    if (!image.isNull()) {
        painter.drawPixmap(rect(), image);
    } else {
        // No image: a dark plate with its minus and plus ends.
        painter.setPen(QColor(27, 27, 27));
        painter.setBrush(QColor(55, 55, 55));
        painter.drawRoundedRect(QRectF(0.5, 0.5, width() - 1, height() - 1), 4, 4);
        painter.setPen(QPen(m_shownZone == MinusZone ? QColor(230, 122, 15) : QColor(140, 140, 140), 2));
        const int cy = height() / 2;
        painter.drawLine(7, cy, 15, cy);
        painter.setPen(QPen(m_shownZone == PlusZone ? QColor(230, 122, 15) : QColor(140, 140, 140), 2));
        painter.drawLine(77, cy, 85, cy);
        painter.drawLine(81, cy - 4, 81, cy + 4);
    }
    paintValue(painter);
}

void PlusMinusReadout::mousePressEvent(QMouseEvent *event)
{
    m_pointerX = int(std::lround(event->localPos().x()));
    if (isResetPress(event)) {
        resetPressed();
        event->accept();
        return;
    }
    m_pressX = m_pointerX;
    QAbstractButton::mousePressEvent(event);
}

void PlusMinusReadout::mouseMoveEvent(QMouseEvent *event)
{
    m_pointerX = int(std::lround(event->localPos().x()));
    QAbstractButton::mouseMoveEvent(event);
}

void PlusMinusReadout::mouseReleaseEvent(QMouseEvent *event)
{
    QAbstractButton::mouseReleaseEvent(event);
    m_shownZone = MiddleZone;
    // Disabling and enabling again ends a running auto-repeat.
    setEnabled(false);
    setEnabled(true);
    m_acceptPress = true;
    m_pressX = -1;
    update();
}

void PlusMinusReadout::wheelEvent(QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    wheelTurned(delta.y() != 0 ? delta.y() : delta.x());
    event->accept();
}
