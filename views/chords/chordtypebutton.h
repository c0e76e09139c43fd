// ChordTypeButton: the "open" or "power" switch of the chord viewer. Pressing the one that
// is not selected selects it and says so; ChordsTab deselects the other and switches every
// diagram to that type.
#pragma once
#include <QAbstractButton>
#include <QPixmap>

class ChordTypeButton : public QAbstractButton
{
    Q_OBJECT
public:
    ChordTypeButton(QWidget *parent, bool open);
    bool isSelectedType() const { return m_frameOffset == 0; }
    int frameOffset() const { return m_frameOffset; }
    void setFrameOffset(int offset);

signals:
    void useOpenChords();
    void usePowerChords();
    void setChordType(int type);

public slots:
    void animateButtonPress();
    void disableButton();
    void enableButton();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_image;
    int m_frameOffset;
    bool m_open;
};
