// ChordModesWidget: the roll that picks the quality of the chord viewer's finder chord
// (major, m, 7, sus4, sus2, maj7, m7). A press opens its pane (ChordModesLabel); the wheel
// rolls one row per notch and redraws the finder chord.
#pragma once
#include <QLabel>
#include <QPixmap>

#include "views/playback/wheelnotches.h"

class ChordModesWidget : public QLabel
{
    Q_OBJECT
public:
    static constexpr int rowCount = 7;
    explicit ChordModesWidget(QWidget *parent = nullptr);

signals:
    void showModeLabel(int currentMode);
    void hideKeysLabel();
    void updateFinderChord();

public slots:
    void setMode(int mode);
    int getMode() const { return m_value; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QPixmap m_image;
    int m_value = 0;
    WheelNotches m_wheelNotches;
};
