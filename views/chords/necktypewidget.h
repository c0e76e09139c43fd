// NeckTypeWidget: the chord viewer's neck wood chooser, a plus/minus plate with four dots
// for wire, ebony, alder and maple. Minus and plus step round the four; a right press (or
// Meta + left) goes back to wire. ChordsTab puts the chosen wood under every diagram; the
// main window stores the choice in the settings.
#pragma once
#include <QPixmap>
#include <QPushButton>

#include "views/playback/wheelnotches.h"

class NeckTypeWidget : public QPushButton
{
    Q_OBJECT
public:
    static constexpr int neckCount = 4;

    explicit NeckTypeWidget(QWidget *parent = nullptr);
    int neckType() const { return m_neckType; }

signals:
    void neckTypeChanged(int index);

public slots:
    void buttonPressed();
    // Back to wire, without a signal.
    void reset();
    // A stored or restored type; anything outside 0..3 counts as wire.
    void setNeckType(int type);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void step(int direction);

    QPixmap m_image;
    int m_neckType = 0;
    int m_pressX = 0;
    WheelNotches m_wheelNotches;
};
