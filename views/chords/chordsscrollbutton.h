// ChordsScrollButton: the up or down arrow over the chord viewer's diagram list. Held, it
// repeats every 50 ms; ChordsTab connects its pressed() to the list's scrolling.
#pragma once
#include <QAbstractButton>
#include <QPixmap>

class ChordsScrollButton : public QAbstractButton
{
    Q_OBJECT
public:
    ChordsScrollButton(QWidget *parent, bool up);
    int frameOffset() const { return m_frameOffset; }

public slots:
    void animateButtonPress();
    void animateButtonRelease();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_image;
    int m_frameOffset = 0;
};
