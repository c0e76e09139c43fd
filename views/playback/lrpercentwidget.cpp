#include "views/playback/lrpercentwidget.h"

#include <QTimer>

namespace {
constexpr float fadeStep = 0.04f;
}

LRPerCentWidget::LRPerCentWidget(QWidget *parent, const QString &text)
    : SSSWidget(parent, text), m_fadeTimer(new QTimer(this)), m_hideTimer(new QTimer(this))
{
    setBoldText(false);
    m_fadeTimer->setInterval(fadeStepMs);
    connect(m_fadeTimer, &QTimer::timeout, this, &LRPerCentWidget::flashUpdate);
    m_hideTimer->setInterval(holdMs);
    connect(m_hideTimer, &QTimer::timeout, this, &LRPerCentWidget::stopHideTimer);
}

void LRPerCentWidget::setValue(float opacity)
{
    m_opacity = opacity;
    update();
}

void LRPerCentWidget::setPercentage(int pc)
{
    if (m_opacity == 0.0f)
        m_fadeTimer->start();
    m_fadingIn = true;
    m_hideTimer->start();
    m_text = QString::number(pc * 2) + QLatin1Char('%');
    // A read-out that is already shown takes the new figure at once.
    update();
}

void LRPerCentWidget::stopHideTimer()
{
    m_fadingIn = false;
    m_fadeTimer->start();
    m_hideTimer->stop();
}

void LRPerCentWidget::flashUpdate()
{
    if (m_fadingIn) {
        m_opacity += fadeStep;
        if (m_opacity >= 1.0f) {
            m_opacity = 1.0f;
            m_fadeTimer->stop();
        }
    } else {
        m_opacity -= fadeStep;
        if (m_opacity <= 0.0f) {
            m_opacity = 0.0f;
            m_fadeTimer->stop();
        }
    }
    update();
}
