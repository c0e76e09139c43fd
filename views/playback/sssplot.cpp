#include "views/playback/sssplot.h"

#include "views/playback/lrpercentwidget.h"
#include "views/playback/ssswidget.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr int maxKnob = 99;
// Curve values are heights (1 = the whole plot); far above that nothing more shows.
constexpr double highestValue = 4.0;

double drawableValue(double v)
{
    if (!(v == v) || v < 0.0)
        return 0.0;
    return std::min(v, highestValue);
}

} // namespace

SSSPlot::SSSPlot(QWidget *parent)
    : QWidget(parent), m_timer(new QTimer(this)), m_leftPerCent(new LRPerCentWidget(this, QStringLiteral("0"))),
      m_rightPerCent(new LRPerCentWidget(this, QStringLiteral("0")))
{
    m_timer->setInterval(repaintMs);
    connect(m_timer, &QTimer::timeout, this, QOverload<>::of(&QWidget::update));
    m_leftPerCent->setValue(0.0f);
    m_rightPerCent->setValue(0.0f);
    const char *tagTexts[3] = {"L", "C", "R"};
    for (int i = 0; i < 3; ++i)
        m_tags[i] = new SSSWidget(this, QString::fromLatin1(tagTexts[i]));
    for (QWidget *label : labels()) {
        label->setFixedSize(labelWidth, labelHeight);
        label->hide();
    }
}

QList<QWidget *> SSSPlot::labels() const
{
    return {m_tags[0], m_tags[1], m_tags[2], m_leftPerCent, m_rightPerCent};
}

int SSSPlot::bandWidth() const
{
    return int(double(width()) / maxKnob * m_rangeWidth * 0.5);
}

int SSSPlot::centreColumn() const
{
    const int column = int(double(m_azimuth) * (double(width()) / maxKnob));
    return std::max(0, std::min(column, width() - 1));
}

void SSSPlot::setSupressionFactor(int supFactor)
{
    supFactor = std::max(0, std::min(maxKnob, supFactor));
    m_factor = float(maxKnob - supFactor) / float(maxKnob);
}

void SSSPlot::setAzimuth(int azimuth)
{
    m_azimuth = std::max(0, std::min(maxKnob, azimuth));
}

void SSSPlot::setWidth(int rangeWidth)
{
    m_rangeWidth = std::max(0, std::min(maxKnob, rangeWidth));
}

void SSSPlot::setMuteSolo(bool mute)
{
    m_mute = mute;
}

void SSSPlot::turnOn(bool off)
{
    if (off)
        m_timer->stop();
    else
        m_timer->start();
    update();
}

void SSSPlot::resizeEvent(QResizeEvent *)
{
    const int w = width();
    m_tags[0]->move(0, 0);
    m_tags[1]->move(w / 2 - labelWidth / 2, 0);
    m_tags[2]->move(w - labelWidth, 0);
    m_leftPerCent->move(0, 13);
    m_rightPerCent->move(w - labelWidth, 13);
}

void SSSPlot::paintEvent(QPaintEvent *)
{
    m_curve = emit getCurve();
    const int n = m_curve.size();
    if (n < 2) {
        // The isolate is off: nothing, not even the tags.
        for (QWidget *label : labels())
            label->hide();
        return;
    }
    for (QWidget *label : labels()) {
        if (label->isHidden())
            label->show();
    }

    const double w = width();
    const double h = height();
    const double centre = m_azimuth * (w / maxKnob);
    const int band = bandWidth();
    const double half = band / 2;
    const double step = w / n;

    QPolygonF outline(n);
    QPolygonF isolated(n);
    for (int i = 0; i < n; ++i) {
        const double x = i * step;
        const double v = drawableValue(m_curve[i].y());
        outline[i] = QPointF(x, h - h * v);
        const bool inBand = centre - half < x && x < centre + half;
        const bool outside = x < centre - half || x > centre + half;
        if (m_mute ? outside : inBand)
            isolated[i] = QPointF(x, m_factor == 0.0f ? h + 1.0 : h - double(m_factor) * v * h);
        else
            isolated[i] = outline[i];
    }
    // Both shapes are closed below the bottom edge.
    const double lastX = (n - 1) * step;
    outline[0] = QPointF(0.0, h + 1.0);
    outline[n - 1] = QPointF(lastX, h + 1.0);
    isolated[0] = QPointF(-1.0, h + 1.0);
    isolated[n - 1] = QPointF(lastX, h + 1.0);

    // The shapes are filled without antialiasing and then outlined with it: the outline
    // covers the filled edge, and the plot is drawn at a fraction of the cost.
    QPainter painter(this);
    QLinearGradient shade(QPointF(w / 2, 0.0), QPointF(w / 2, h * 1.5));
    shade.setColorAt(0.0, QColor(50, 50, 50));
    shade.setColorAt(1.0, Qt::black);
    QLinearGradient glow(QPointF(w / 2, 0.0), QPointF(w / 2, h * 1.5));
    glow.setColorAt(0.0, QColor(255, 150, 60));
    glow.setColorAt(1.0, Qt::black);
    const struct
    {
        const QPolygonF &shape;
        const QLinearGradient &fill;
        QColor edge;
    } layers[2] = {{outline, shade, QColor(175, 100, 30, 50)}, {isolated, glow, QColor(175, 100, 30)}};
    for (const auto &layer : layers) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        painter.setBrush(layer.fill);
        painter.drawPolygon(layer.shape, Qt::OddEvenFill);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(layer.edge);
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(layer.shape);
    }

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(100, 220, 150, 15));
    painter.drawRect(QRectF(std::trunc(centre - half), 0.0, band, h));

    // One whole column, so that the line shows at either edge too.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(70, 160, 110, 150));
    const int column = centreColumn();
    painter.drawLine(column, 0, column, int(h));
}

void SSSPlot::wheelEvent(QWheelEvent *event)
{
    // One scale step per wheel notch, so that fine wheels do not race.
    const int steps = m_wheelNotches.take(event);
    for (int i = 0; i < std::abs(steps); ++i)
        emit setPlotScale(steps > 0 ? WheelNotches::notch : -WheelNotches::notch);
    event->accept();
}

void SSSPlot::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton
        || (event->button() == Qt::LeftButton && event->modifiers() == Qt::MetaModifier))
        emit setPlotScale(0);
}
