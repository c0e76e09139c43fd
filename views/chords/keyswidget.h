// KeysWidget: the roll that picks the root of the chord viewer's finder chord (A to Ab). A
// press opens its pane (KeysLabel); the wheel rolls one row per notch and redraws the
// finder chord.
#pragma once
#include <QLabel>
#include <QPixmap>

#include "views/playback/wheelnotches.h"

class KeysWidget : public QLabel
{
    Q_OBJECT
public:
    static constexpr int rowCount = 12;
    explicit KeysWidget(QWidget *parent = nullptr);
    int key() const { return m_value; }

signals:
    void showKeysLabel(int currentKey);
    void hideModeLabel();
    void updateFinderChord();

public slots:
    void setKey(int key);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QPixmap m_image;
    int m_value = 0;
    WheelNotches m_wheelNotches;
};
