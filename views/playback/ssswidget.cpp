#include "views/playback/ssswidget.h"

#include <QPainter>

SSSWidget::SSSWidget(QWidget *parent, const QString &text) : QWidget(parent), m_text(text)
{
    setBoldText(true);
}

void SSSWidget::setBoldText(bool bold)
{
    QFont tagFont(QStringLiteral("Arial"), 7);
    tagFont.setWeight(bold ? 75 : QFont::Normal);
    setFont(tagFont);
}

void SSSWidget::paintEvent(QPaintEvent *)
{
    if (m_opacity <= 0.0f)
        return;
    const int w = width();
    const int h = height();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(double(m_opacity));
    painter.setBrush(QColor(50, 50, 50, 100));
    painter.setPen(QPen(QColor(27, 27, 27), 2));
    painter.drawRoundedRect(QRectF(2, 2, w - 4, h - 4), 5, 5, Qt::AbsoluteSize);

    const int textWidth = fontMetrics().horizontalAdvance(m_text);
    painter.setPen(QPen(QColor(195, 195, 195), 3));
    painter.drawText(w / 2 - textWidth / 2, 12, m_text);
}
