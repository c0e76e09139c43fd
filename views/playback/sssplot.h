// SSSPlot: the live picture of the stereo isolate on the real-time tools tab. It draws
// the energy across the stereo field (left to right) as a filled curve, the part the
// isolate keeps or removes as a lighter curve over it, the band as a translucent strip
// and its centre as a line, with the tags "L", "C", "R" and the two per-cent read-outs
// above. While the isolate runs it asks the player for the curve 25 times a second
// (getCurve, a direct query to AudioPlayer::getSSSCurve); the wheel changes the player's
// plot scale and a right press restores it. The tools tab creates it and drives it from
// its isolate controls.
#pragma once
#include <QPointF>
#include <QVector>
#include <QWidget>

#include "views/playback/wheelnotches.h"

class LRPerCentWidget;
class QTimer;
class SSSWidget;

class SSSPlot : public QWidget
{
    Q_OBJECT
public:
    static constexpr int repaintMs = 40;
    static constexpr int labelWidth = 30;
    static constexpr int labelHeight = 17;

    explicit SSSPlot(QWidget *parent = nullptr);

    LRPerCentWidget *leftPerCent() const { return m_leftPerCent; }
    LRPerCentWidget *rightPerCent() const { return m_rightPerCent; }
    SSSWidget *leftTag() const { return m_tags[0]; }
    SSSWidget *centreTag() const { return m_tags[1]; }
    SSSWidget *rightTag() const { return m_tags[2]; }
    QTimer *repaintTimer() const { return m_timer; }

    const QVector<QPointF> &curve() const { return m_curve; }
    float suppressionFactor() const { return m_factor; }
    int azimuth() const { return m_azimuth; }
    bool isMuted() const { return m_mute; }
    // The band's width in pixels: trunc(plot width / 99 x width knob x 0.5).
    int bandWidth() const;
    // The centre line's column: azimuth 0 is the first column, 99 the last.
    int centreColumn() const;

public slots:
    void setSupressionFactor(int supFactor);
    void setAzimuth(int azimuth);
    void setWidth(int rangeWidth);
    void setMuteSolo(bool mute);
    // The isolate power button's buttonOn: true when it has just gone off.
    void turnOn(bool off);

signals:
    QVector<QPointF> getCurve();
    void setPlotScale(int delta);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QList<QWidget *> labels() const;

    QTimer *m_timer;
    LRPerCentWidget *m_leftPerCent;
    LRPerCentWidget *m_rightPerCent;
    SSSWidget *m_tags[3];
    QVector<QPointF> m_curve;
    float m_factor = 0.0f;
    int m_azimuth = 50;
    int m_rangeWidth = 0;
    bool m_mute = false;
    WheelNotches m_wheelNotches;
};
