// RiffIdWidget: the riff chooser of the riff builder: shows the letter of the riff being
// edited; a press opens the riff menu (RiffIdLabel), the wheel steps through the riffs.
// JamTab owns it.
#pragma once
#include <QLabel>
#include <QPixmap>

#include "views/playback/wheelnotches.h"

class RiffIdWidget : public QLabel
{
    Q_OBJECT
public:
    explicit RiffIdWidget(QWidget *parent = nullptr);

    int riffId() const { return m_riffId; }

public slots:
    // Shows a riff (held to 0..5) without announcing it.
    void setRiffId(int riffId);

signals:
    void showRiffIdLabel(int currentRiff);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QPixmap m_image;
    int m_riffId = 0;
    WheelNotches m_wheelNotches;
};
