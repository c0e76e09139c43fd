// PlusMinusReadout: the click model and look shared by every plus/minus read-out (the
// tools tab's BPM, mode, semitone and fine-tune read-outs, the chord viewer's key shift,
// capo and tempo, the riff steps' pitch). A 93 x 20 image button: the pointer's x picks
// the zone (x <= 23 minus, 24..68 middle, x >= 69 plus), a held zone repeats after
// 650 ms every 35 ms, a right press (or a left press with Meta alone) resets, and the
// wheel steps. Subclasses say what a zone, a reset and a wheel turn do to their value,
// repaint and send their signals.
#pragma once
#include <QAbstractButton>
#include <QPixmap>
#include <QString>

class QLabel;
class QMouseEvent;
class QPainter;

class PlusMinusReadout : public QAbstractButton
{
    Q_OBJECT
public:
    enum Zone { MinusZone, MiddleZone, PlusZone };
    static constexpr int minusZoneEnd = 23;  // x <= this: minus
    static constexpr int plusZoneStart = 69; // x >= this: plus
    static constexpr int repeatDelay = 650;
    static constexpr int repeatInterval = 35;

    explicit PlusMinusReadout(QWidget *parent = nullptr,
                              const QString &normalImage = ":/images/real_time_tools/plus_minus.png",
                              const QString &plusImage = ":/images/real_time_tools/plus_minus_up.png",
                              const QString &minusImage = ":/images/real_time_tools/plus_minus_down.png");

    static Zone zoneAt(int x);
    // A right press, or a left press with the Meta modifier alone.
    static bool isResetPress(const QMouseEvent *event);
    // A float as the read-outs show it: 6 significant digits, cut two places after ".".
    static QString valueText(float value);

    void setImages(const QString &normalImage, const QString &plusImage, const QString &minusImage);
    // The zone image in use: the normal one, or the plus/minus one while a zone is held.
    Zone shownZone() const { return m_shownZone; }
    // The rounded x of the last press that was not a reset; -1 after a release.
    int pressX() const { return m_pressX; }
    // The pointer's x in the widget, as last seen by a press or a move.
    int pointerX() const { return m_pointerX; }
    // False after a middle-zone press until the release, so that it does not repeat.
    bool acceptsPress() const { return m_acceptPress; }
    // A "no value yet" picture over the read-out that keeps the mouse and wheel from it.
    void setInactive(bool inactive);
    bool isInactive() const;
    QLabel *inactiveOverlay();

public slots:
    // Connected to the button's own pressed(): a press and every auto-repeat.
    void buttonPressed();

protected:
    // One press (or repeat) in a zone at x; repaint and send the value.
    virtual void zonePressed(Zone zone, int x) = 0;
    // A reset press; repaint and send the value.
    virtual void resetPressed() = 0;
    // One wheel event with its delta (120 per notch; increment/decrement send +1/-1).
    virtual void wheelTurned(int delta) = 0;
    // The text drawn over the background; empty draws none.
    virtual QString displayText() const { return QString(); }
    // Draws the value over the background; by default the display text.
    virtual void paintValue(QPainter &painter);
    void drawCentredText(QPainter &painter, const QString &text);

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QPixmap m_normalImage;
    QPixmap m_plusImage;
    QPixmap m_minusImage;
    Zone m_shownZone = MiddleZone;
    QLabel *m_inactiveOverlay = nullptr;
    int m_pressX = -1;
    int m_pointerX = 0;
    bool m_acceptPress = true;
};
