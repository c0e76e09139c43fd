// LRPerCentWidget: the isolate plot's read-out of how far left or right the isolated part
// of the stereo image lies, in per cent. A new figure fades it in over a second; three
// seconds after the last one it fades out again. The isolate plot owns two (left and
// right); the tools tab feeds them from the azimuth slider.
#pragma once
#include "views/playback/ssswidget.h"

class QTimer;

class LRPerCentWidget : public SSSWidget
{
    Q_OBJECT
public:
    static constexpr int fadeStepMs = 40;
    static constexpr int holdMs = 3000;

    LRPerCentWidget(QWidget *parent, const QString &text);

    // Sets the opacity at once (0 hides the read-out, 1 shows it fully).
    void setValue(float opacity);
    bool isFadingIn() const { return m_fadingIn; }
    QTimer *fadeTimer() const { return m_fadeTimer; }
    QTimer *hideTimer() const { return m_hideTimer; }

public slots:
    // Shows pc x 2 followed by "%", fading in when hidden, and holds it for three seconds.
    void setPercentage(int pc);
    // Fades out now.
    void stopHideTimer();
    // One fade step.
    void flashUpdate();

private:
    QTimer *m_fadeTimer;
    QTimer *m_hideTimer;
    bool m_fadingIn = false;
};
