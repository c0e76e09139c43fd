#include "views/playback/plotcanvas.h"

#include <QLabel>
#include <QStackedWidget>

PlotCanvas::PlotCanvas(QWidget *parent)
    : QWidget(parent), m_leftStack(new QStackedWidget(this)), m_rightStack(new QStackedWidget(this))
{
    for (int i = 0; i < levelCount; ++i) {
        auto *left = new QLabel(m_leftStack);
        auto *right = new QLabel(m_rightStack);
        for (QLabel *label : {left, right}) {
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        m_leftStack->addWidget(left);
        m_rightStack->addWidget(right);
        m_leftLabels.append(left);
        m_rightLabels.append(right);
        m_leftPixmaps.append(QPixmap());
        m_rightPixmaps.append(QPixmap());
    }
    m_leftStack->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_rightStack->setAttribute(Qt::WA_TransparentForMouseEvents);
    placeHalves();
}

void PlotCanvas::setPixmaps(const QList<QPixmap> &leftHalves, const QList<QPixmap> &rightHalves)
{
    for (int i = 0; i < levelCount; ++i) {
        m_leftPixmaps[i] = leftHalves.value(i);
        m_rightPixmaps[i] = rightHalves.value(i);
        m_leftLabels[i]->setPixmap(m_leftPixmaps[i]);
        m_rightLabels[i]->setPixmap(m_rightPixmaps[i]);
    }
}

const QPixmap &PlotCanvas::leftPixmap(int level) const
{
    return m_leftPixmaps.at(qBound(0, level, levelCount - 1));
}

const QPixmap &PlotCanvas::rightPixmap(int level) const
{
    return m_rightPixmaps.at(qBound(0, level, levelCount - 1));
}

void PlotCanvas::setLevel(int level)
{
    m_level = qBound(0, level, levelCount - 1);
    m_leftStack->setCurrentIndex(m_level);
    m_rightStack->setCurrentIndex(m_level);
    placeHalves();
}

void PlotCanvas::resizeEvent(QResizeEvent *)
{
    placeHalves();
}

void PlotCanvas::placeHalves()
{
    // The right half takes the odd column, so the halves meet without gap or overlap.
    const int leftWidth = width() / 2;
    m_leftStack->setGeometry(0, verticalOffset, leftWidth, height());
    m_rightStack->setGeometry(leftWidth, verticalOffset, width() - leftWidth, height());
}
