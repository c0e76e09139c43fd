// PowerButton: the on/off switch of a tool, drawn from one of four small images
// (25 x 25, or 20 x 20 in its small state). Every change of state emits buttonOn once,
// and its argument is true when the switch has just gone OFF and false when it has just
// gone on. The tools tab, the riff builder and the waveform frame's scroll switch use it.
#pragma once
#include <QAbstractButton>

class PowerButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit PowerButton(QWidget *parent = nullptr);

    // The second (small) state selects the 20 x 20 images.
    void setState(bool small);
    bool isSmall() const { return m_small; }
    bool isOn() const { return m_on; }
    // Off without a press: emits buttonOn(true) when it was on, nothing when already off.
    void switchOff();
    QSize sizeHint() const override;

public slots:
    void setValueFromSession(bool on);
    void setValueFromJamPlay(bool off);

signals:
    // True: the switch has just gone off; false: it has just gone on.
    void buttonOn(bool powerState);
    void stop();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_on = false;
    bool m_small = false;
};
