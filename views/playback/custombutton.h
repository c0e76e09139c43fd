// CustomButton: a push button drawn from a two-frame image strip (frame 0 normal,
// frame 1 pressed or latched), optionally latching. The transport bar, the riff builder,
// the chord strip and the chord editor build their buttons from it and wire the
// inherited released(), clicked() and toggled(bool) signals.
#pragma once
#include <QPixmap>
#include <QPushButton>

class CustomButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CustomButton(const QPixmap &image, QWidget *parent = nullptr, bool checkable = false);

    // The frame shown: 0 normal, 1 pressed or latched.
    int drawnState() const { return m_drawnState; }
    const QPixmap &image() const { return m_image; }

public slots:
    void latch();
    void unlatch();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void checkStateSet() override;

private:
    QPixmap m_image;
    int m_drawnState = 0;
    bool m_unlatchOnRelease = false;
};
