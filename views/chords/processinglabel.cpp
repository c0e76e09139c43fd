#include "views/chords/processinglabel.h"

#include <QFontMetrics>
#include <QPainter>

ProcessingLabel::ProcessingLabel(QWidget *parent) : QWidget(parent), m_dotTimer(new QTimer(this))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font;
    font.setWeight(50);
    font.setPointSize(12);
    font.setFamily("Arial");
    setFont(font);
    m_dotTimer->setInterval(500);
    connect(m_dotTimer, SIGNAL(timeout()), this, SLOT(setDotNumber()));
    hide();
}

QString ProcessingLabel::shownText() const
{
    QString text = tr("Calculating chords");
    for (int i = 0; i <= m_dotCount; ++i)
        text += " .";
    return text;
}

void ProcessingLabel::setDotNumber()
{
    m_dotCount = m_dotCount + 1 > 3 ? 0 : m_dotCount + 1;
    update();
}

void ProcessingLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    // The text's left edge stays put while the dots grow to the right.
    const int textWidth = QFontMetrics(font()).horizontalAdvance(tr("Calculating chords"));
    painter.setPen(QColor(225, 100, 35));
    painter.drawText(QPointF(width() / 2 - textWidth / 2, 20.0), shownText());
}
